#include "blocks/two_tone_tables.h"

#include <array>

#include "image/number_text.h"

namespace kp07 {
namespace {

constexpr int kRowLength = 10;

struct PlanRow {
    const char* code;
    std::array<unsigned, kRowLength> tenths;
};

constexpr PlanRow kMotorola[] = {
    {"1", {3490, 3685, 3890, 4108, 4337, 4579, 4835, 5105, 5390, 3305}},
    {"2", {6009, 6345, 6699, 7073, 7468, 7885, 8325, 8790, 9281, 5691}},
    {"3", {2885, 2965, 3047, 3130, 9537, 9799, 10069, 10347, 10632, 10924}},
    {"4", {3396, 3586, 3786, 3998, 4221, 4457, 4705, 4968, 5246, 3217}},
    {"5", {5848, 6174, 6519, 6883, 7268, 7674, 8102, 8555, 9032, 5539}},
    {"6", {11534, 11852, 12178, 12514, 12858, 13212, 13576, 13950, 14334, 11225}},
    {"10", {15135, 15552, 15980, 16420, 16872, 17337, 17815, 18305, 18810, 14729}},
    {"11", {19890, 20438, 20945, 21556, 22122, 22717, 23346, 24010, 24682, 19302}},
};

constexpr PlanRow kGeType99[] = {
    {"A", {5925, 7575, 8025, 8475, 8925, 9375, 5475, 7275, 6375, 6825}},
    {"B", {6075, 7875, 8325, 8775, 9225, 9675, 5175, 5625, 6975, 6525}},
    {"C", {7125, 7725, 8175, 8625, 9075, 9525, 5325, 5775, 6225, 6675}},
};
constexpr const char* kGeDiagnosticCode = "DIA";
constexpr unsigned kGeDiagnosticTenths = 7425;

constexpr unsigned kPlectron[] = {
    2822,  2947,  3078,  3214,  3356,  3505,  3660,  3823,  3992,  4169,  4353,  4546,
    4748,  4958,  5178,  5407,  5647,  5897,  6158,  6430,  6720,  7010,  7320,  7650,
    7990,  8340,  8710,  9100,  9500,  9920,  10360, 10820, 11300, 11800, 12320, 12870,
    13440, 14030, 14650, 15300, 15980, 16690, 17430, 18200, 19010, 19850, 20730, 21640,
    22600, 23610, 24650, 25750, 26880, 28070, 29320, 30620,
};

constexpr PlanRow kReach[] = {
    {"A", {27040, 26120, 25230, 24370, 23540, 22740, 21960, 21210, 20490, 19800}},
    {"B", {19120, 18470, 17840, 17230, 16640, 16060, 15530, 15000, 14490, 14000}},
    {"C", {16080, 15530, 15000, 14490, 14000, 13520, 13060, 12610, 12190, 11770}},
    {"D", {11370, 10930, 10610, 10250, 9900, 9560, 9230, 8920, 8620, 8320}},
    {"E", {8040, 7760, 7500, 7250, 7000, 6760, 6530, 6310, 6090, 5880}},
};

template <std::size_t N>
void AddRows(std::vector<PlanTone>& tones, PairGroup plan, const PlanRow (&rows)[N]) {
    for (const PlanRow& row : rows) {
        for (unsigned tenths : row.tenths) tones.push_back({plan, row.code, tenths});
    }
}

std::vector<PlanTone> BuildPlanTones() {
    std::vector<PlanTone> tones;
    AddRows(tones, PairGroup::kMotorola, kMotorola);
    AddRows(tones, PairGroup::kGeType99, kGeType99);
    tones.push_back({PairGroup::kGeType99, kGeDiagnosticCode, kGeDiagnosticTenths});
    for (unsigned tenths : kPlectron) tones.push_back({PairGroup::kPlectron, "", tenths});
    AddRows(tones, PairGroup::kReach, kReach);
    return tones;
}

// The heading the chooser shows above a plan; PLECTRON has none.
const char* PlanHeading(PairGroup plan) {
    switch (plan) {
        case PairGroup::kMotorola:
            return "[MOTOROLA]";
        case PairGroup::kGeType99:
            return "[GE Type 99]";
        case PairGroup::kReach:
            return "[REACH TWO TONE]";
        default:
            return nullptr;
    }
}

// Bit p set when plan p holds the tone.
unsigned PlansHolding(unsigned tenths) {
    unsigned plans = 0;
    for (const PlanTone& tone : PlanTones()) {
        if (tone.tenths == tenths) plans |= 1u << unsigned(tone.plan);
    }
    return plans;
}

}  // namespace

const char* PairGroupName(PairGroup group) {
    switch (group) {
        case PairGroup::kOff:
            return "OFF";
        case PairGroup::kMotorola:
            return "MOTOROLA";
        case PairGroup::kGeType99:
            return "GE/99 GRP";
        case PairGroup::kPlectron:
            return "PLECTRON";
        case PairGroup::kReach:
            return "REACH GRP";
        case PairGroup::kCustom:
            break;
    }
    return "Custom";
}

const std::vector<PlanTone>& PlanTones() {
    static const std::vector<PlanTone> tones = BuildPlanTones();
    return tones;
}

std::string ToneLabel(const PlanTone& tone) {
    const std::string hz = FormatDecimal(tone.tenths / 10.0, 1, 6);
    const std::string code = tone.code;
    if (code.empty()) return hz;
    if (code.size() <= 2) return std::string(2 - code.size(), ' ') + code + "-" + hz;
    return code + hz;
}

std::vector<ToneChoice> ToneChooserItems() {
    std::vector<ToneChoice> items;
    const PlanTone* previous = nullptr;
    for (const PlanTone& tone : PlanTones()) {
        if (previous == nullptr || previous->plan != tone.plan) {
            if (const char* heading = PlanHeading(tone.plan)) items.push_back({heading, {}});
        }
        items.push_back({ToneLabel(tone), tone.tenths});
        previous = &tone;
    }
    return items;
}

std::optional<unsigned> FrequencyFromLabel(const std::string& label) {
    if (!label.empty() && label.front() == '[') return {};  // a plan heading
    std::size_t start = label.find('-');
    start = start == std::string::npos ? label.find_first_of("0123456789") : start + 1;
    if (start == std::string::npos) return {};
    const std::string number = label.substr(start);
    if (number.find_first_of("0123456789") == std::string::npos) return {};
    return unsigned(ClampWhole(ParseDecimal(number) * 10.0, 0, 65535));
}

PairGroup DerivePairGroup(unsigned firstTenths, unsigned secondTenths) {
    if (firstTenths == 0 && secondTenths == 0) return PairGroup::kOff;
    unsigned common = ~0u;
    for (unsigned tenths : {firstTenths, secondTenths}) {
        if (tenths != 0) common &= PlansHolding(tenths);
    }
    for (PairGroup plan :
         {PairGroup::kMotorola, PairGroup::kGeType99, PairGroup::kPlectron, PairGroup::kReach}) {
        if (common & (1u << unsigned(plan))) return plan;
    }
    return PairGroup::kCustom;
}

}  // namespace kp07
