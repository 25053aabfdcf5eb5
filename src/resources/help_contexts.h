// Which help topic a help request opens, and the page of the built-in help
// that shows it. Topics are numbered: a control's topic is its control id, a
// menu command's is kCommandHelpBase + its command id, a whole dialog's is
// kDialogHelpBase + its template id.
#pragma once

#include <cstddef>
#include <string>

namespace kp07 {

constexpr int kCommandHelpBase = 0x10000;
constexpr int kDialogHelpBase = 0x20000;
// The topic of a general help request (F1 with nothing more specific).
constexpr int kGeneralHelpContext = 123136;
// Help > Help Topics: the contents page.
constexpr int kHelpContentsContext = kCommandHelpBase + 57667;
// Help ids that stand for the main window and for dialogs: their topic is
// the one the active view or dialog reports.
constexpr int kMainWindowHelpId = kDialogHelpBase + 128;

// The topic for a context request with help id `d`. `viewContext` and
// `dialogContext` are what the active view and dialog report (0 for none);
// the result is 0 when there is nothing to show.
int HelpContextFor(int d, int viewContext, int dialogContext);

// One line of the topic table: the topics first..last open `page`. With
// `anchor` "#" each topic opens the anchor "c<topic>" of the page, otherwise
// `anchor` itself ("" for the top of the page). A `dialogTemplate` other than
// 0 limits the line to requests made from that dialog: control ids are
// unique only within their dialog, and such a line wins over a general one.
struct HelpTopicRange {
    int first;
    int last;
    int dialogTemplate;
    const char* page;
    const char* anchor;
};

// The whole table, for the walk over every topic.
const HelpTopicRange* HelpTopicTable(std::size_t* count);

// The contents page: Help > Help Topics, and every topic the table lacks.
extern const char* const kHelpContentsPage;

// A place in the built-in help: a page of the help folder and an anchor on
// it ("" for the top of the page).
struct HelpPlace {
    std::string page;
    std::string anchor;
    bool found = false;  // the table knows the topic (else: the contents page)
};

// Where topic `context`, asked from the dialog with template
// `dialogTemplate` (0: from no dialog), is shown.
HelpPlace HelpPlaceFor(int context, int dialogTemplate = 0);

// String-table message shown when a page of the built-in help is missing
// (%1 = the page); a complete build never shows it.
constexpr int kMsgMissingHelpFile = 5010;

}  // namespace kp07
