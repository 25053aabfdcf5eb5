// Which help topic a help request opens. Topics are numbered; a control's
// topic is its control id.
#pragma once

namespace kp07 {

extern const char* const kHelpFileName;  // "KP07Win.chm"
// The topic of a general help request (F1 with nothing more specific).
constexpr int kGeneralHelpContext = 123136;
// Help ids that stand for the main window and for dialogs: their topic is
// the one the active view or dialog reports.
constexpr int kMainWindowHelpId = 131200;

// The topic for a context request with help id `d`. `viewContext` and
// `dialogContext` are what the active view and dialog report (0 for none);
// the result is 0 when there is nothing to show.
int HelpContextFor(int d, int viewContext, int dialogContext);

// String-table message shown when the help file is missing (%1 = its path).
constexpr int kMsgMissingHelpFile = 5010;

}  // namespace kp07
