#include "report/report_channels.h"

#include "blocks/channel_table.h"
#include "report/report_text.h"

namespace kp07 {
namespace {

const char kChannelBanner[] =
    "        ************************************   CHANNEL DATA   "
    "**************************************";

const char* const kHeadingLines[] = {
    "                                                                         SC              "
    "     E      A C X ",
    "              P W                                                Power P     T           "
    "   A N      R M t ",
    "              r /               FREQUENCY          SUB AUDIO     Save  w OGP O  S Signali"
    "ng N C Lock T P a ",
};
const char kLastHeadingFiveTone[] =
    "          CH  i N    TAG     Receive   Transmit   Dec     Enc    RX TX r PPR T  Q Type   No"
    " I R Out  S D l ";
const char kLastHeadingTwoTone[] =
    "          CH  i N    TAG     Receive   Transmit   Dec     Enc    RX TX r PRR T  Q Type   No"
    " I R Out  S D l ";

// A decoder or encoder setting: CTCSS tone in hertz, DCS code, or none.
std::string TonePiece(int type, double ctcssTenths, double dcsCode) {
    if (type == 1) return Line("C-%5.1f ", ctcssTenths / 10.0);
    if (type == 2) return Line("D-%.3d   ", int(dcsCode));
    return "------- ";
}

const char* PriPiece(const ChannelTable& table, int slot) {
    const bool p = table.pChannel == slot + 1;
    const bool g = table.gChannel == slot + 1;
    return p && g ? "PG" : p ? "P " : g ? "G " : "- ";
}

const char* BandwidthPiece(int bandwidth) {
    return bandwidth == 2 ? "N  " : bandwidth == 1 ? "W4 " : "W5 ";
}

const char* LockOutPiece(int lockOut) {
    return lockOut == 1 ? "BCLO" : lockOut == 2 ? "BTLO" : "----";
}

const char* EncryptionPiece(int encryption) {
    static const char* const kPieces[] = {"-", "1", "2", "3"};
    return kPieces[encryption & 3];
}

}  // namespace

std::string ChannelRow(const ChannelTable& table, int slot, bool alphaTags) {
    const ChannelRecord& r = table.records[std::size_t(slot)];
    std::string row = Line("         %3d  ", slot + 1);
    row += PriPiece(table, slot);
    row += BandwidthPiece(r.bandwidth);
    row += alphaTags ? Line("%8s ", r.tag.c_str()) : "-------- ";
    row += Line("%9.5f ", r.rxMHz);
    row += r.txOff ? "---.-----  " : Line("%9.5f  ", r.txMHz);
    row += TonePiece(r.rxToneType, r.rxCtcss, r.rxDcsCode);
    row += TonePiece(r.txToneType, r.txCtcss, r.txDcsCode);
    row += Line("%s  %s  ", Flag(unsigned(r.powerSaveRx)), Flag(unsigned(r.powerSaveTx)));
    row += r.power ? "L " : "H ";
    for (int bit : {kScanOp, kScanGr, kScanPri})
        row += Line("%s ", Flag(unsigned(r.scanFlags & bit)));
    row += Line("%s %2d ", Flag(unsigned(r.tot)), r.squelchLevel);
    const std::string type = SignalingTypeName(r.signalingType);
    row += type.empty() ? "------ " : Line("%-6s ", type.c_str());
    row += r.signalingNumber < 1 ? "-- " : Line("%2d ", r.signalingNumber);
    row += Line("%s ", Flag(unsigned(r.dtmfAni)));
    row += Line("%s ", EncryptionPiece(r.encryption));
    row += Line("%s ", LockOutPiece(r.lockOut));
    row += Line("%s ", Flag(unsigned(r.qlnk)));
    row += Line("%s ", Flag(unsigned(r.compander)));
    row += Line("%s ", Flag(unsigned(r.xtal)));
    return row;
}

void AppendGroupHeading(const ChannelTable& table, int group, bool fiveTone,
                        std::vector<std::string>& lines) {
    lines.emplace_back();
    lines.push_back(Line("        Group No. : %d    System Type : %-20s    Tag : %s", group + 1,
                         GroupTypeName(table.groupTypes[std::size_t(group)]),
                         table.groupTags[std::size_t(group)].c_str()));
    lines.emplace_back();
    for (const char* heading : kHeadingLines) lines.emplace_back(heading);
    lines.emplace_back(fiveTone ? kLastHeadingFiveTone : kLastHeadingTwoTone);
    lines.push_back(std::string(9, ' ') + std::string(102, '-'));
}

std::vector<std::string> ChannelPage(const ChannelTable& table, const ChannelPageRange& range,
                                     int pageNumber, const std::string& dateText, bool fiveTone,
                                     bool alphaTags) {
    std::vector<std::string> lines;
    lines.push_back(PageHeaderLine(dateText, pageNumber));
    lines.emplace_back(kChannelBanner);
    for (int g = range.firstGroup; g <= range.lastGroup && g < kGroupCount; ++g) {
        const int first = table.FirstSlotOfGroup(g);
        const int end = first + int(table.groupSizes()[std::size_t(g)]);
        bool headed = false;
        for (int slot = first; slot < end; ++slot) {
            if (slot < range.firstSlot || slot > range.lastSlot || !table.IsInUse(slot)) continue;
            if (!headed) AppendGroupHeading(table, g, fiveTone, lines);
            headed = true;
            lines.push_back(ChannelRow(table, slot, alphaTags));
        }
    }
    return lines;
}

}  // namespace kp07
