#include "resources/help_contexts.h"

namespace kp07 {
namespace {

constexpr int Cmd(int commandId) {
    return kCommandHelpBase + commandId;
}
constexpr int Dlg(int templateId) {
    return kDialogHelpBase + templateId;
}

// Every topic the program asks for and the page that shows it. Pages with
// one entry per control carry the anchors "c<control id>" ("#" below);
// controls repeated row by row share one entry of their page.
constexpr HelpTopicRange kTopics[] = {
    // The main window: general help, the group controls, the toolbar's
    // docking areas, and the channel grid's columns (318 has no column).
    {kGeneralHelpContext, kGeneralHelpContext, 0, "main_window.html", ""},
    {Dlg(128), Dlg(128), 0, "main_window.html", ""},
    {338, 339, 0, "main_window.html", "#"},
    {387099, 387102, 0, "main_window.html", "toolbar"},
    {Cmd(59392), Cmd(59392), 0, "main_window.html", "toolbar"},
    {Cmd(59393), Cmd(59393), 0, "main_window.html", "statusbar"},
    {300, 317, 0, "channels.html", "#"},
    {319, 322, 0, "channels.html", "#"},
    {Cmd(57634), Cmd(57634), 0, "channels.html", "copy"},
    {Cmd(57637), Cmd(57637), 0, "channels.html", "copy"},
    {Dlg(186), Dlg(186), 0, "channels.html", "lists"},
    {Dlg(136), Dlg(136), 0, "channels.html", "lists"},
    {1064, 1064, 0, "channels.html", "lists"},
    {1193, 1193, 0, "channels.html", "lists"},

    // File menu.
    {Cmd(57600), Cmd(57604), 0, "files.html", "datafiles"},
    {Cmd(57616), Cmd(57619), 0, "files.html", "datafiles"},
    {Cmd(57665), Cmd(57665), 0, "files.html", "datafiles"},
    {Cmd(57607), Cmd(57607), 0, "files.html", "report"},
    {Cmd(57609), Cmd(57609), 0, "files.html", "report"},
    {Cmd(32860), Cmd(32860), 0, "files.html", "report"},
    {Cmd(32870), Cmd(32871), 0, "files.html", "csv"},
    {Cmd(32872), Cmd(32872), 0, "files.html", "compare"},
    {Cmd(32880), Cmd(32880), 0, "files.html", "backups"},

    // Configuration.
    {Cmd(32850), Cmd(32850), 0, "configuration.html", ""},
    {Dlg(174), Dlg(174), 0, "configuration.html", ""},
    {3605, 3607, 0, "configuration.html", "c3605"},
    {3610, 3610, 0, "configuration.html", "c4542"},
    {3611, 3611, 0, "configuration.html", "#"},
    {4542, 4542, 174, "configuration.html", "#"},

    // Common menu.
    {Cmd(32772), Cmd(32772), 0, "hardware.html", ""},
    {Dlg(102), Dlg(102), 0, "hardware.html", ""},
    {1501, 1518, 0, "hardware.html", "#"},
    {Cmd(32773), Cmd(32773), 0, "signaling_type.html", ""},
    {Dlg(131), Dlg(131), 0, "signaling_type.html", ""},
    {2050, 2050, 0, "signaling_type.html", "#"},
    {Cmd(32774), Cmd(32774), 0, "scanning.html", ""},
    {Dlg(158), Dlg(158), 0, "scanning.html", ""},
    {2101, 2108, 0, "scanning.html", "#"},
    {Cmd(32775), Cmd(32775), 0, "power_saving.html", ""},
    {Dlg(159), Dlg(159), 0, "power_saving.html", ""},
    {2150, 2150, 0, "power_saving.html", "#"},
    {2153, 2158, 0, "power_saving.html", "#"},
    {Cmd(32776), Cmd(32776), 0, "key_function.html", ""},
    {Dlg(161), Dlg(161), 0, "key_function.html", ""},
    {2250, 2261, 0, "key_function.html", "keys"},
    {2262, 2262, 0, "key_function.html", "#"},
    {Cmd(32777), Cmd(32777), 0, "emergency.html", ""},
    {Dlg(162), Dlg(162), 0, "emergency.html", ""},
    {2300, 2305, 0, "emergency.html", "#"},
    {Cmd(32778), Cmd(32778), 0, "marketing.html", ""},
    {Dlg(163), Dlg(163), 0, "marketing.html", ""},
    {2400, 2401, 0, "marketing.html", "#"},
    {Cmd(32779), Cmd(32779), 0, "miscellaneous.html", ""},
    {Dlg(164), Dlg(164), 0, "miscellaneous.html", ""},
    {2500, 2509, 0, "miscellaneous.html", "#"},
    {2520, 2520, 0, "miscellaneous.html", "#"},
    {Cmd(32780), Cmd(32780), 0, "option.html", ""},
    {Dlg(200), Dlg(200), 0, "option.html", ""},
    {4527, 4531, 0, "option.html", "#"},
    {Cmd(32781), Cmd(32781), 0, "power_on_password.html", ""},
    {Dlg(201), Dlg(201), 0, "power_on_password.html", ""},
    {4512, 4514, 0, "power_on_password.html", "c4512"},
    {4515, 4515, 0, "power_on_password.html", "#"},

    // Signaling menu.
    {Cmd(32783), Cmd(32783), 0, "ani_speed_dial.html", ""},
    {Dlg(149), Dlg(149), 0, "ani_speed_dial.html", ""},
    {3001, 3004, 0, "ani_speed_dial.html", "#"},
    {3005, 3014, 0, "ani_speed_dial.html", "c3005"},
    {3015, 3017, 0, "ani_speed_dial.html", "#"},
    {Cmd(32784), Cmd(32784), 0, "two_tone_parameters.html", ""},
    {Dlg(134), Dlg(134), 0, "two_tone_parameters.html", ""},
    {3401, 3410, 0, "two_tone_parameters.html", "#"},
    {Dlg(198), Dlg(198), 0, "two_tone_systems.html", ""},
    {4501, 4502, 0, "two_tone_systems.html", ""},
    {4503, 4505, 0, "two_tone_systems.html", "#"},
    {Cmd(32786), Cmd(32786), 0, "two_tone_table.html", ""},
    {Dlg(148), Dlg(148), 0, "two_tone_table.html", ""},
    {3501, 3530, 0, "two_tone_table.html", "pairs"},
    {Cmd(32787), Cmd(32787), 0, "two_tone_encode.html", ""},
    {Dlg(203), Dlg(203), 0, "two_tone_encode.html", ""},
    {4565, 4568, 0, "two_tone_encode.html", "#"},
    {Cmd(32788), Cmd(32788), 0, "five_tone_general.html", ""},
    {Dlg(194), Dlg(194), 0, "five_tone_general.html", ""},
    {4021, 4021, 0, "five_tone_general.html", "#"},
    {4022, 4029, 0, "five_tone_general.html", "c4022"},
    {4030, 4031, 0, "five_tone_general.html", "#"},
    {4032, 4039, 0, "five_tone_general.html", "c4032"},
    {4040, 4047, 0, "five_tone_general.html", "#"},
    {4061, 4069, 0, "five_tone_general.html", "#"},
    {Cmd(32789), Cmd(32789), 0, "five_tone_format.html", ""},
    {Dlg(197), Dlg(197), 0, "five_tone_format.html", ""},
    {4121, 4132, 0, "five_tone_format.html", "c4121"},
    {4141, 4152, 0, "five_tone_format.html", "c4141"},
    {Cmd(32790), Cmd(32790), 0, "five_tone_systems.html", ""},
    {Dlg(192), Dlg(192), 0, "five_tone_systems.html", ""},
    {4201, 4202, 0, "five_tone_systems.html", ""},
    {4203, 4215, 0, "five_tone_systems.html", "#"},
    {4216, 4223, 0, "five_tone_systems.html", "c4216"},
    {Cmd(32791), Cmd(32791), 0, "five_tone_decode.html", ""},
    {Dlg(195), Dlg(195), 0, "five_tone_decode.html", ""},
    {4341, 4342, 0, "five_tone_decode.html", ""},
    {4343, 4354, 0, "five_tone_decode.html", "#"},
    {Cmd(32792), Cmd(32792), 0, "five_tone_encode.html", ""},
    {Dlg(196), Dlg(196), 0, "five_tone_encode.html", ""},
    {4422, 4422, 0, "five_tone_encode.html", ""},
    {4440, 4441, 0, "five_tone_encode.html", ""},
    {4442, 4449, 0, "five_tone_encode.html", "#"},
    {4450, 4457, 0, "five_tone_encode.html", "c4450"},
    {Dlg(202), Dlg(202), 0, "five_tone_user_tone.html", ""},
    {4532, 4546, 0, "five_tone_user_tone.html", "tones"},
    {Cmd(32794), Cmd(32794), 0, "page_setting.html", ""},
    {Dlg(205), Dlg(205), 0, "page_setting.html", ""},
    {4580, 4583, 0, "page_setting.html", "#"},
    {Dlg(206), Dlg(206), 0, "paging_code.html", ""},
    {4600, 4609, 0, "paging_code.html", "c4600"},
    {4620, 4629, 0, "paging_code.html", "c4620"},

    // Channel menu and View > Item.
    {335, 335, 0, "channel_alloc.html", ""},
    {Dlg(129), Dlg(129), 0, "channel_alloc.html", ""},
    {2601, 2607, 0, "channel_alloc.html", "c2601"},
    {2633, 2639, 0, "channel_alloc.html", "c2633"},
    {Cmd(32828), Cmd(32828), 0, "visible.html", ""},
    {Dlg(169), Dlg(169), 0, "visible.html", ""},
    {2701, 2720, 0, "visible.html", "items"},

    // Radio menu: the transfers, alignment and the factory tools.
    {1000, 1000, 0, "transfer.html", "upload"},
    {1001, 1001, 0, "transfer.html", "download"},
    {Cmd(32820), Cmd(32820), 0, "transfer.html", "upload"},
    {Cmd(32821), Cmd(32821), 0, "transfer.html", "download"},
    {Cmd(32881), Cmd(32881), 0, "transfer.html", "verify"},
    {Dlg(173), Dlg(173), 0, "transfer.html", ""},
    {1178, 1178, 0, "transfer.html", "production"},
    {1190, 1191, 0, "transfer.html", ""},
    {Cmd(32822), Cmd(32822), 0, "alignment.html", ""},
    {Dlg(190), Dlg(190), 0, "alignment.html", ""},
    {Dlg(191), Dlg(191), 0, "alignment.html", "slider"},
    {Dlg(209), Dlg(209), 0, "alignment.html", "readback"},
    {2860, 2872, 0, "alignment.html", "#"},
    {1235, 1235, 0, "alignment.html", "slider"},
    {4539, 4547, 209, "alignment.html", "readback"},
    {Dlg(170), Dlg(170), 0, "file_data.html", ""},
    {1174, 1174, 0, "file_data.html", ""},
    {4509, 4509, 0, "file_data.html", ""},
    {Dlg(146), Dlg(146), 0, "file_data.html", "password"},
    {1073, 1073, 0, "file_data.html", "password"},

    // Help menu.
    {kHelpContentsContext, kHelpContentsContext, 0, "index.html", ""},
    {Cmd(32840), Cmd(32840), 0, "help_menu.html", "getstarted"},
    {Cmd(32841), Cmd(32841), 0, "help_menu.html", "problems"},
    {Cmd(32842), Cmd(32842), 0, "help_menu.html", "about"},
    {Cmd(57664), Cmd(57664), 0, "help_menu.html", "about"},
    {Dlg(165), Dlg(165), 0, "help_menu.html", "about"},
    {Dlg(199), Dlg(199), 0, "help_menu.html", "about"},
    {Dlg(166), Dlg(166), 0, "help_menu.html", "getstarted"},
    {1002, 1002, 0, "help_menu.html", "getstarted"},
    {1006, 1007, 0, "help_menu.html", "about"},
};

}  // namespace

const char* const kHelpContentsPage = "index.html";

int HelpContextFor(int d, int viewContext, int dialogContext) {
    if (d == kMainWindowHelpId) return viewContext;
    if ((d >= Dlg(331) && d <= Dlg(335)) || d == Dlg(192) || d == Dlg(195) || d == Dlg(196)) {
        return dialogContext;
    }
    if (d == Cmd(32833)) return 1000;          // toolbar Upload
    if (d == Cmd(32834)) return 1001;          // toolbar Download
    if (d >= Cmd(32800) && d <= Cmd(32818)) {  // View > Item entries
        return Cmd(32828);                     // ... the Visible dialog
    }
    if (d == Cmd(32795)) return 4620;  // Page Code: its first code field
    if (d == Cmd(32785)) return 4502;  // 2-Tone Systems: its grid
    if (d == Cmd(32793)) return 4532;  // 5-Tone User Tone: tone 0
    if (d == Cmd(32830)) return 335;   // Channel Allocations
    return d;
}

const HelpTopicRange* HelpTopicTable(std::size_t* count) {
    *count = sizeof kTopics / sizeof kTopics[0];
    return kTopics;
}

HelpPlace HelpPlaceFor(int context, int dialogTemplate) {
    const HelpTopicRange* general = nullptr;
    const HelpTopicRange* own = nullptr;
    for (const HelpTopicRange& range : kTopics) {
        if (context < range.first || context > range.last) continue;
        if (range.dialogTemplate == 0) {
            if (!general) general = &range;
        } else if (range.dialogTemplate == dialogTemplate && !own) {
            own = &range;
        }
    }
    const HelpTopicRange* range = own ? own : general;
    HelpPlace place;
    if (!range) {
        place.page = kHelpContentsPage;
        return place;
    }
    place.found = true;
    place.page = range->page;
    if (range->anchor[0] == '#' && range->anchor[1] == '\0') {
        place.anchor = "c" + std::to_string(context);
    } else {
        place.anchor = range->anchor;
    }
    return place;
}

}  // namespace kp07
