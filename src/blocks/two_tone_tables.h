// The published 2-tone paging tone plans that the 2-tone table editor offers
// when a tone frequency is picked, and the group of a tone pair: which plan
// both of its tones come from.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kp07 {

// The group of a 2-tone pair. Groups are not stored in the radio; they are
// worked out from the pair's two frequencies whenever the pair table is read.
enum class PairGroup { kOff = 0, kMotorola, kGeType99, kPlectron, kReach, kCustom };

// "OFF", "MOTOROLA", "GE/99 GRP", "PLECTRON", "REACH GRP", "Custom".
const char* PairGroupName(PairGroup group);

// One tone of a plan. `code` is the plan's code of the tone's row ("1",
// "10", "A"), empty for a plan without codes, or the name of a single tone
// ("DIA").
struct PlanTone {
    PairGroup plan;
    const char* code;
    unsigned tenths;  // frequency in tenths of a hertz
};

// Every tone of the four plans, in the order the chooser lists them:
// MOTOROLA, GE Type 99, PLECTRON, REACH.
const std::vector<PlanTone>& PlanTones();

// A line of the tone chooser: a plan heading ("[MOTOROLA]"), which cannot be
// chosen, or a tone with its label (" 1- 349.0", "DIA 742.5", " 282.2").
struct ToneChoice {
    std::string label;
    std::optional<unsigned> tenths;  // empty for a heading
};
std::vector<ToneChoice> ToneChooserItems();

// The label of one tone: "%2s-%6.1f" for a tone with a row code, "%3s%6.1f"
// for a named tone, "%6.1f" for a plan without codes.
std::string ToneLabel(const PlanTone& tone);

// The frequency that a chosen label stands for, in tenths of a hertz: the
// number after the hyphen, or the label's number when it has no hyphen.
// Empty for a plan heading ("[...]") and for a text without a number.
std::optional<unsigned> FrequencyFromLabel(const std::string& label);

// The group of a pair: kOff when neither tone is set, the first plan (in
// chooser order) that holds every set tone, or kCustom.
PairGroup DerivePairGroup(unsigned firstTenths, unsigned secondTenths);

}  // namespace kp07
