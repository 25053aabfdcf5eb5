#include "app/channel_view_commands.h"

#include "app/app_instance.h"
#include "app/app_profile.h"
#include "app/main_frame.h"
#include "app/print_commands.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_alloc_dialog.h"
#include "channels/channel_cells.h"
#include "channels/channel_columns.h"
#include "channels/channel_view.h"
#include "channels/visible_dialog.h"
#include "channels/visible_items.h"
#include "link/link_state.h"
#include "resources/command_ids.h"

namespace kp07 {

CKP05View* InstallChannelView(CMainFrame& frame, AppProfile& profile) {
    auto* view = new CKP05View(&frame);
    view->SetHostFacts([] {
        CKP05View::HostFacts facts;
        facts.comPort = comPort;
        facts.comSpeed = comSpeed;
        facts.printer = PrinterLineText();
        return facts;
    });
    frame.SetView(view, view);

    // View > Item: one item on or off, its columns at once.
    for (int item = 0; item < kVisibleItemCount; ++item) {
        if (item == kItemUnused) continue;  // no column, no command
        frame.SetCommandHandler(cmd::kViewItemFirst + item, [view, item] {
            visibleItems[std::size_t(item)] = visibleItems[std::size_t(item)] ? 0 : 1;
            view->ApplyItemWidths(item);
        });
    }
    frame.SetCommandHandler(cmd::kVisible, [&frame, &profile, view] {
        CVisibleDlg dialog(&frame);
        if (dialog.exec() == QDialog::Accepted) view->RefreshView();
        profile.WriteVisibleItems();
    });
    frame.SetCommandHandler(cmd::kChannelAllocations, [&frame, view] {
        if (!channels) return;
        CChannelAllocDlg dialog(*channels, CurrentRadioHasAlphaTags(), &frame);
        if (dialog.exec() == QDialog::Accepted) channels->SelectGroup(0);
        // Committed sizes stay after Cancel too, and the grid must show the
        // groups as they now lie.
        view->RefreshView();
    });
    return view;
}

}  // namespace kp07
