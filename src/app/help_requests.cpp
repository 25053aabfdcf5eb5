#include "app/help_requests.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "alignment/align_readback_dialog.h"
#include "alignment/align_slider_dialog.h"
#include "alignment/alignment_dialog.h"
#include "alignment/alignment_items.h"
#include "alignment/file_data_dialog.h"
#include "alignment/password_dialog.h"
#include "app/about_dialog.h"
#include "app/help_text_dialog.h"
#include "app/main_frame.h"
#include "channels/visible_dialog.h"
#include "link/transfer_dialog.h"
#include "link/transfer_jobs.h"
#include "params/grid_param_dialog.h"
#include "resources/help_contexts.h"
#include "widgets/choice_list_dialog.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

// The template numbers of the dialogs that are not parameter dialogs.
constexpr int kVisibleTemplate = 169;
constexpr int kChoiceListTemplate = 186;
constexpr int kToneListTemplate = 136;
constexpr int kPasswordTemplate = 146;
constexpr int kAboutTemplate = 165;
constexpr int kHelpTextTemplate = 166;
constexpr int kFileDataTemplate = 170;
constexpr int kAlignmentTemplate = 190;
constexpr int kAlignSliderTemplate = 191;
constexpr int kAlignReadBackTemplate = 209;
// The topics of the toolbar's Upload and Download.
constexpr int kUploadTopic = 1000;
constexpr int kDownloadTopic = 1001;

bool IsF1(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

}  // namespace

int DialogTemplateOf(const QWidget* window) {
    const auto* dialog = qobject_cast<const CParamDialog*>(window);
    return dialog ? dialog->templateId() : 0;
}

int DialogHelpTopic(const QWidget* dialog) {
    if (!dialog) return 0;
    if (const auto* param = qobject_cast<const CParamDialog*>(dialog)) {
        int reported = 0;
        if (const auto* grid = qobject_cast<const CGridParamDialog*>(param)) {
            reported = grid->HelpTopic(grid->grid());
        }
        return HelpContextFor(kDialogHelpBase + param->templateId(), 0, reported);
    }
    if (const auto* transfer = qobject_cast<const CTransferDialog*>(dialog)) {
        const int mode = transfer->mode();
        return mode == kTransferDownload || mode == kTransferDownloadChanges ? kDownloadTopic
                                                                             : kUploadTopic;
    }
    if (qobject_cast<const ListChoiceDialog*>(dialog)) {
        // A list opened from a dialog belongs to that dialog's topic; one
        // opened from the channel grid has its own.
        const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        if (qobject_cast<const QDialog*>(owner)) return DialogHelpTopic(owner);
        const bool tones = qobject_cast<const CToneListDlg*>(dialog);
        return kDialogHelpBase + (tones ? kToneListTemplate : kChoiceListTemplate);
    }
    const struct {
        bool is;
        int templateId;
    } others[] = {
        {qobject_cast<const CVisibleDlg*>(dialog) != nullptr, kVisibleTemplate},
        {qobject_cast<const PasswordDialog*>(dialog) != nullptr, kPasswordTemplate},
        {qobject_cast<const CAlignmentDlg*>(dialog) != nullptr, kAlignmentTemplate},
        {qobject_cast<const CAlignSliderDlg*>(dialog) != nullptr, kAlignSliderTemplate},
        {qobject_cast<const CAlignReadBackDlg*>(dialog) != nullptr, kAlignReadBackTemplate},
        {qobject_cast<const CFileDataDlg*>(dialog) != nullptr, kFileDataTemplate},
        {qobject_cast<const CAboutDlg*>(dialog) != nullptr, kAboutTemplate},
        {qobject_cast<const CHelpTextDlg*>(dialog) != nullptr, kHelpTextTemplate},
    };
    for (const auto& other : others) {
        if (other.is) return kDialogHelpBase + other.templateId;
    }
    return 0;
}

HelpKeyFilter::HelpKeyFilter(CMainFrame& frame) : QObject(&frame), frame_(frame) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!IsF1(event) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);

    // A highlighted menu entry: the topic of its command. The menu closes,
    // as it does for any command.
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        const QAction* action = menu->activeAction();
        const int command = action ? action->data().toInt() : 0;
        if (command <= 0) return false;
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        frame_.ShowHelp(HelpContextFor(kCommandHelpBase + command, 0, 0));
        return true;
    }

    QWidget* window = widget->window();
    if (window == &frame_ || !qobject_cast<QDialog*>(window)) return false;
    // A control of a parameter dialog, and an item value of the Alignment
    // dialog, open their own topics.
    if (qobject_cast<CParamDialog*>(window)) {
        const int id = CParamDialog::ControlId(widget);
        if (id >= 1 && id != 9) return false;
    }
    if (qobject_cast<CAlignmentDlg*>(window)) {
        const int id = widget->objectName().toInt();
        if (id >= ItemFieldId(0) && id <= ItemFieldId(kAlignmentItemCount - 1)) return false;
    }
    const int topic = DialogHelpTopic(window);
    if (topic == 0) return false;
    frame_.ShowHelp(topic);
    return true;
}

}  // namespace kp07
