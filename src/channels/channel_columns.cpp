#include "channels/channel_columns.h"

namespace kp07 {
namespace {

const std::array<ChannelColumn, kChannelColumnCount> kColumns = {{
    {"", "Chn", 480, -1, false, 300},
    {"", "Pri", 480, kItemPri, false, 301},
    {"", "W/N", 480, kItemBandwidth, false, 302},
    {"", "TAG", 1430, kItemTag, false, 303},
    {"Frequency", "Receive", 1080, kItemFrequency, false, 304},
    {"Frequency", "Transmit", 1080, kItemFrequency, false, 305},
    {"SUB AUDIO", "Dec", 960, kItemSubAudio, false, 306},
    {"SUB AUDIO", "Enc", 960, kItemSubAudio, false, 307},
    {"Pwr Save", "RX", 480, kItemPowerSave, true, 308},
    {"Pwr Save", "TX", 480, kItemPowerSave, true, 309},
    {"Pwr", "H/L", 480, kItemPower, false, 310},
    {"Scan", "Op", 480, kItemScan, true, 311},
    {"Scan", "Gr", 480, kItemScan, true, 311},
    {"Scan", "Pri", 480, kItemScan, true, 311},
    {"", "TOT", 480, kItemTot, true, 312},
    {"", "SQ", 480, kItemSquelch, false, 313},
    {"Signaling", "Type", 640, kItemSignaling, false, 319},
    {"Signaling", "No.", 700, kItemSignaling, false, 314},
    {"DTMF", "ANI", 550, kItemDtmfAni, true, 320},
    {"", "ENCR", 580, kItemEncryption, false, 321},
    {"Lock", "out", 480, kItemLockOut, false, 315},
    {"", "QLNK", 550, kItemQlnk, true, 316},
    {"", "CMPD", 580, kItemCompander, true, 322},
    {"", "Xtal", 480, kItemXtal, true, 317},
}};

}  // namespace

const ChannelColumn& ChannelColumnAt(int col) {
    return kColumns[std::size_t(col >= 0 && col < kChannelColumnCount ? col : 0)];
}

bool IsCheckMarkColumn(int col) {
    return col >= 0 && col < kChannelColumnCount && kColumns[std::size_t(col)].checkMark;
}

int ShownColumnWidth(int col, const std::array<int, kVisibleItemCount>& items) {
    if (col < 0 || col >= kChannelColumnCount) return 0;
    const ChannelColumn& c = kColumns[std::size_t(col)];
    if (c.item >= 0 && items[std::size_t(c.item)] == 0) return 0;
    return c.widthTwips;
}

std::vector<int> ColumnsOfItem(int item) {
    std::vector<int> cols;
    if (item < 0) return cols;
    for (int c = 0; c < kChannelColumnCount; ++c) {
        if (kColumns[std::size_t(c)].item == item) cols.push_back(c);
    }
    return cols;
}

}  // namespace kp07
