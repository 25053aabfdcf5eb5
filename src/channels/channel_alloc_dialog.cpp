#include "channels/channel_alloc_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/channel_table.h"
#include "channels/group_editing.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

constexpr int kCountLength = 3;
constexpr int kTagLength = 8;

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CChannelAllocDlg::CChannelAllocDlg(ChannelTable& table, bool alphaTags, QWidget* parent)
    : CParamDialog(kTemplateId, parent), table_(table), savedGroup_(table.currentGroup) {
    setWindowTitle(tr("Channel Allocation/Group Tag"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Channels"), body()), 0, 1);
    grid->addWidget(new QLabel(tr("Group Alpha Tag"), body()), 0, 2);
    for (int g = 0; g < kGroupCount; ++g) {
        const QString name = g == 0 ? QStringLiteral("CB") : QStringLiteral("Grp &%1").arg(g);
        auto* label = new QLabel(name, body());
        grid->addWidget(label, g + 1, 0);
        if (g == 0) {
            // The CB group's size is fixed.
            auto* count = new QLineEdit(body());
            count->setReadOnly(true);
            RegisterControl(count, kFirstCountId);
            counts_[0] = count;
        } else {
            auto* count = new CFilterEdit(body());
            count->SetFilterKind(kFilterSigned);
            count->SetMaxTextLength(kCountLength);
            AddTextField(count, kFirstCountId + g, [this, g] { CommitCount(g); });
            counts_[std::size_t(g)] = count;
            label->setBuddy(count);
        }
        counts_[std::size_t(g)]->setText(Q(GroupCountText(table_, g)));
        auto* tag = new CFilterEdit(body());
        tag->SetFilterKind(kFilterTag);
        tag->SetMaxTextLength(kTagLength);
        tag->SetUpperCase(true);
        tag->setText(alphaTags ? Q(table_.groupTags[std::size_t(g)]) : QString(8, ' '));
        AddTextField(tag, kFirstTagId + g, [this, g] { CommitTag(g); });
        // A radio without alpha tags shows blanks; committing them would
        // overwrite the tag it keeps (and for the CB group switch it off).
        if (!alphaTags) tag->SetLook(CColorEdit::Look::kDisabled);
        tags_[std::size_t(g)] = tag;
        grid->addWidget(counts_[std::size_t(g)], g + 1, 1);
        grid->addWidget(tag, g + 1, 2);
    }

    FinishLayout(grid, true);
}

QLineEdit* CChannelAllocDlg::countEdit(int group) const {
    return group >= 0 && group < kGroupCount ? counts_[std::size_t(group)] : nullptr;
}

CFilterEdit* CChannelAllocDlg::tagEdit(int group) const {
    return group >= 0 && group < kGroupCount ? tags_[std::size_t(group)] : nullptr;
}

void CChannelAllocDlg::CommitCount(int group) {
    QLineEdit* edit = countEdit(group);
    if (!edit || group == 0) return;
    const bool taken = CommitGroupCount(table_, group, edit->text().toStdString());
    edit->setText(Q(GroupCountText(table_, group)));
    // A refused count is typed again.
    if (!taken) edit->setFocus();
}

void CChannelAllocDlg::CommitTag(int group) {
    CFilterEdit* edit = tagEdit(group);
    if (edit && edit->look() != CColorEdit::Look::kDisabled) {
        CommitAllocationTag(table_, group, edit->text().toLatin1().toStdString());
    }
}

void CChannelAllocDlg::OnOk() {
    // The sizes are recounted as they stand.
    table_.SetGroupSizes(table_.groupSizes());
    accept();
}

// Committed sizes and tags stay; only the group shown goes back.
void CChannelAllocDlg::reject() {
    table_.SelectGroup(savedGroup_);
    CParamDialog::reject();
}

}  // namespace kp07
