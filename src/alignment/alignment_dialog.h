// The Alignment dialog: one of the document's channels selected on the
// radio, its frequencies and signaling shown, and the eleven adjustment
// items with their values for that channel. Enter or a double click on a
// value opens the item's editor.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "alignment/alignment_items.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kp07 {

class CAlignmentDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kChannelListId = 2860;

    // The radio has channel 1 selected already (the way in selects it).
    explicit CAlignmentDlg(QWidget* parent = nullptr);

    // The channel shown (slot index).
    int channel() const { return channel_; }
    QComboBox* channelList() const { return channelList_; }
    QLineEdit* valueField(int item) const { return values_[std::size_t(item)]; }
    QLabel* itemLabel(int item) const { return labels_[std::size_t(item)]; }
    // The read-only channel field `index` (RX, TX, Power, Sub Audio,
    // TONE/CODE, W/N).
    QLineEdit* channelField(int index) const { return fields_[std::size_t(index)]; }

    // Opens the editor of `item` modally, as Enter on its value does.
    void OpenEditor(int item);

    // F1 on a value opens its help topic through this hook (the program
    // installs the help window behind it).
    static void SetHelpHook(std::function<void(int topic)> hook);

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ChannelChosen(int index);
    void ShowChannel(int channel);
    void ShowValues();
    int ItemOfField(const QObject* field) const;

    static constexpr int kFieldCount = 6;
    QComboBox* channelList_;
    std::array<QLineEdit*, kFieldCount> fields_{};
    std::array<QLabel*, kAlignmentItemCount> labels_{};
    std::array<QLineEdit*, kAlignmentItemCount> values_{};
    int channel_ = 0;
    int listIndex_ = 0;
    bool reverting_ = false;
};

}  // namespace kp07
