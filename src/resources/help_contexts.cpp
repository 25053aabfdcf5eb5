#include "resources/help_contexts.h"

namespace kp07 {

const char* const kHelpFileName = "KP07Win.chm";

int HelpContextFor(int d, int viewContext, int dialogContext) {
    if (d == kMainWindowHelpId) return viewContext;
    if ((d >= 131403 && d <= 131407) || d == 131264 || d == 131267 || d == 131268) {
        return dialogContext;
    }
    if (d == 98369) return 1000;
    if (d == 98370) return 1001;
    if (d >= 98336 && d <= 98354) return 98364;
    if (d == 98331) return 4620;
    if (d == 98321) return 3502;
    if (d == 98329) return 4532;
    if (d == 98366) return 335;
    return d;
}

}  // namespace kp07
