// The small list dialogs of the channel grid: CChoiceListDlg (Pri mark,
// squelch level, signaling number, encryption) and CToneListDlg (the CTCSS
// and DCS tones). Both show their entries in a multi-column list, in the
// order given, so that an entry's position is its value.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace kp07 {

class ListChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    // The entry the user chose (valid after exec() returned Accepted), -1
    // for none.
    int selectedIndex() const;
    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }

  protected:
    ListChoiceDialog(const std::string& title, const std::vector<std::string>& entries,
                     int selected, int columnWidth, QWidget* parent);

    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

class CChoiceListDlg : public ListChoiceDialog {
    Q_OBJECT
  public:
    static constexpr int kListId = 1193;
    CChoiceListDlg(const std::string& title, const std::vector<std::string>& entries, int selected,
                   QWidget* parent = nullptr);
};

class CToneListDlg : public ListChoiceDialog {
    Q_OBJECT
  public:
    static constexpr int kListId = 1064;
    CToneListDlg(const std::string& title, const std::vector<std::string>& entries, int selected,
                 int columnWidth, QWidget* parent = nullptr);
    // Whether the dialog closed with OK.
    bool accepted() const { return result() == QDialog::Accepted; }
};

}  // namespace kp07
