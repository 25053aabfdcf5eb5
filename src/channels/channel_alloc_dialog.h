// "Channel Allocation/Group Tag": how many channels each group has, and the
// groups' alpha tags. Every committed field changes the channel table at
// once; OK and Cancel only finish. Changing a size moves no channel: the
// boundaries between the groups move, so channels pass from one group to
// the next.
#pragma once

#include <array>

#include "image/accessors.h"
#include "params/param_dialog.h"

class QLineEdit;

namespace kp07 {

class ChannelTable;

class CChannelAllocDlg : public CParamDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplateId = 129;
    static constexpr int kFirstCountId = 2601;  // + group
    static constexpr int kFirstTagId = 2633;    // + group

    CChannelAllocDlg(ChannelTable& table, bool alphaTags, QWidget* parent = nullptr);

    // Group 0 (CB) has a read-only count; groups 1..6 are CFilterEdits.
    QLineEdit* countEdit(int group) const;
    CFilterEdit* tagEdit(int group) const;

    void CommitCount(int group);
    void CommitTag(int group);

  protected:
    void OnOk() override;
    void reject() override;

  private:
    ChannelTable& table_;
    int savedGroup_;
    std::array<QLineEdit*, kGroupCount> counts_{};
    std::array<CFilterEdit*, kGroupCount> tags_{};
};

}  // namespace kp07
