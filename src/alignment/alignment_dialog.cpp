#include "alignment/alignment_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "alignment/align_readback_dialog.h"
#include "alignment/align_slider_dialog.h"
#include "alignment/alignment_link.h"
#include "alignment/alignment_mode.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "link/clone_frames.h"
#include "resources/message.h"

namespace kp07 {
namespace {

std::function<void(int)>& HelpHook() {
    static std::function<void(int)> hook;
    return hook;
}

const char* const kFieldLabels[] = {"RX Freq.",  "TX Freq.",  "Power",
                                    "Sub Audio", "TONE/CODE", "W/N"};

QLineEdit* ReadOnlyField(QWidget* parent, const char* widest) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    QFont fixed = field->font();
    fixed.setFamily(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    field->setFont(fixed);
    field->setFixedWidth(QFontMetrics(fixed).horizontalAdvance(QString::fromLatin1(widest)) + 12);
    return field;
}

bool HaveChannel(int channel) {
    return hardware && channels && channel >= 0 && channel < kChannelSlots;
}

}  // namespace

void CAlignmentDlg::SetHelpHook(std::function<void(int topic)> hook) {
    HelpHook() = std::move(hook);
}

CAlignmentDlg::CAlignmentDlg(QWidget* parent) : QDialog(parent), channelList_(new QComboBox(this)) {
    setWindowTitle(tr("Alignment"));
    channelList_->setObjectName(QString::number(kChannelListId));
    if (channels) {
        for (int slot = 0; slot < kChannelSlots; ++slot) {
            if (channels->IsInUse(slot))
                channelList_->addItem(QString::asprintf("%d", slot + 1), slot);
        }
    }

    // The channel's own data, read-only.
    auto* channelBox = new QGroupBox(tr("Channel"), this);
    auto* channelGrid = new QGridLayout(channelBox);
    channelGrid->addWidget(new QLabel(tr("CH No."), channelBox), 0, 0);
    channelGrid->addWidget(channelList_, 0, 1);
    const char* const widest[] = {"000.00000 ", "000.00000 ", "High",
                                  "CTCSS",      "000.0",      "Wide 5kHz"};
    for (int i = 0; i < kFieldCount; ++i) {
        fields_[std::size_t(i)] = ReadOnlyField(channelBox, widest[i]);
        const int row = 1 + i % 2;
        const int col = 2 * (i / 2);
        channelGrid->addWidget(new QLabel(tr(kFieldLabels[i]), channelBox), row, col);
        channelGrid->addWidget(fields_[std::size_t(i)], row, col + 1);
    }
    channelGrid->setColumnStretch(6, 1);

    // The eleven items: the transmitter's on the left, the receiver's on the
    // right.
    auto* itemBox = new QGroupBox(tr("Alignment Items"), this);
    auto* itemGrid = new QGridLayout(itemBox);
    for (int item = 0; item < kAlignmentItemCount; ++item) {
        auto* label = new QLabel(itemBox);
        auto* value = new QLineEdit(itemBox);
        value->setObjectName(QString::number(ItemFieldId(item)));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight);
        value->setFixedWidth(value->fontMetrics().horizontalAdvance("00000") + 14);
        value->installEventFilter(this);
        label->setBuddy(value);
        labels_[std::size_t(item)] = label;
        values_[std::size_t(item)] = value;
        const int row = item < kItemRxSensitivity ? item : item - kItemRxSensitivity;
        const int col = item < kItemRxSensitivity ? 0 : 3;
        itemGrid->addWidget(label, row, col);
        itemGrid->addWidget(value, row, col + 1);
    }
    itemGrid->setColumnMinimumWidth(2, 24);
    itemGrid->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* b : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(b)) push->setAutoDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAlignmentDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(channelBox);
    layout->addWidget(itemBox);
    layout->addWidget(buttons);

    // The way in selected channel 1 on the radio. When channel 1 is not in
    // use, the first channel of the list is selected and shown instead, so
    // that the list, the fields and the radio agree. Should the radio refuse
    // it, the radio is still on channel 1: that is the channel shown (values
    // are worked back from the shown channel), and the list selects nothing.
    int first = 0;
    if (channelList_->count() > 0) first = channelList_->itemData(0).toInt();
    if (first != 0 && SelectChannel(first) != kLinkOk) {
        ShowMessage(kMsgChannelError, MsgButtons::kOk, MsgIcon::kExclamation);
        first = 0;
        channelList_->setCurrentIndex(-1);
    }
    ShowChannel(first);
    connect(channelList_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CAlignmentDlg::ChannelChosen);
    if (values_[0]) values_[0]->setFocus(Qt::OtherFocusReason);
}

void CAlignmentDlg::ChannelChosen(int index) {
    if (reverting_ || index < 0) return;
    const int slot = channelList_->itemData(index).toInt();
    if (SelectChannel(slot) != kLinkOk) {
        ShowMessage(kMsgChannelError, MsgButtons::kOk, MsgIcon::kExclamation);
        reverting_ = true;
        channelList_->setCurrentIndex(listIndex_);
        reverting_ = false;
        return;
    }
    listIndex_ = index;
    ShowChannel(slot);
}

void CAlignmentDlg::ShowChannel(int channel) {
    channel_ = channel;
    listIndex_ = channelList_->currentIndex();
    if (!HaveChannel(channel)) return;
    const ChannelRecord& record = channels->records[std::size_t(channel)];
    const AlignmentChannelTexts t = ChannelTexts(record);
    const std::string* texts[] = {&t.rxFrequency, &t.txFrequency, &t.power,
                                  &t.subAudio,    &t.toneCode,    &t.bandwidth};
    for (int i = 0; i < kFieldCount; ++i) {
        fields_[std::size_t(i)]->setText(QString::fromStdString(*texts[i]));
    }
    for (int item = 0; item < kAlignmentItemCount; ++item) {
        labels_[std::size_t(item)]->setText(QString::fromStdString(ItemLabel(record, item)));
        const bool shown = ItemShown(record, item);
        labels_[std::size_t(item)]->setVisible(shown);
        values_[std::size_t(item)]->setVisible(shown);
    }
    ShowValues();
}

void CAlignmentDlg::ShowValues() {
    if (!HaveChannel(channel_)) return;
    const ChannelRecord& record = channels->records[std::size_t(channel_)];
    for (int item = 0; item < kAlignmentItemCount; ++item) {
        values_[std::size_t(item)]->setText(
            QString::asprintf("%d", ItemValue(*hardware, record, item)));
    }
}

int CAlignmentDlg::ItemOfField(const QObject* field) const {
    for (int item = 0; item < kAlignmentItemCount; ++item) {
        if (values_[std::size_t(item)] == field) return item;
    }
    return -1;
}

void CAlignmentDlg::OpenEditor(int item) {
    if (!HaveChannel(channel_) || item < 0 || item >= kAlignmentItemCount) return;
    if (!ItemShown(channels->records[std::size_t(channel_)], item)) return;
    for (QLineEdit* value : values_) value->setEnabled(false);
    if (IsSliderItem(item)) {
        CAlignSliderDlg editor(channel_, item, this);
        editor.exec();
    } else {
        CAlignReadBackDlg editor(channel_, item, this);
        editor.exec();
    }
    for (QLineEdit* value : values_) value->setEnabled(true);
    ShowValues();
    // A window manager need not give the keyboard back to this dialog when
    // the editor closes.
    activateWindow();
    values_[std::size_t(item)]->setFocus(Qt::OtherFocusReason);
}

bool CAlignmentDlg::eventFilter(QObject* watched, QEvent* event) {
    const int item = ItemOfField(watched);
    if (item < 0) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OpenEditor(item);
            return true;
        }
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (HelpHook() && HaveChannel(channel_)) {
                HelpHook()(ItemHelpTopic(channels->records[std::size_t(channel_)], item));
            }
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        OpenEditor(item);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CAlignmentDlg::reject() {
    // Nothing goes into the radio; the values stored stay in the document.
    alignmentModified = 0;
    QDialog::reject();
}

}  // namespace kp07
