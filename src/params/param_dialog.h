// The base of every parameter dialog: a modal dialog with a help line at the
// bottom. Pane 0 of the help line describes the field that has the focus,
// pane 1 tells which key works it ("<SELECT>", "<ENTER>", "<CHECK>"). Every
// control carries an integer control id; its help text is the string-table
// entry of that id, and F1 on it opens the help topic of that number.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QLabel;
class QLayout;
class QPushButton;
class QStatusBar;

namespace kp07 {

class CEnterComboBox;
class CFilterEdit;

// String ids of the help line.
constexpr int kHelpLineBlankId = 121;          // a single blank
constexpr int kKeyOperationIndicator = 59143;  // "[ Key Operation ]"

class CParamDialog : public QDialog {
    Q_OBJECT
  public:
    CParamDialog(int templateId, QWidget* parent = nullptr);
    ~CParamDialog() override;

    int templateId() const { return templateId_; }

    // The area for the dialog's own controls, above the help line.
    QWidget* body() const { return body_; }

    // Shows the help text `id` (0 blanks both panes) and returns the id shown
    // before. A text without a line feed leaves the key hint empty; an id
    // without a text leaves the line as it was.
    int ShowHelpLine(int id);
    int currentHelpId() const { return currentHelpId_; }
    int lastHelpId() const { return lastHelpId_; }
    QString helpText() const;
    QString keyHint() const;
    QStatusBar* statusBar() const { return statusBar_; }

    // Gives `control` its id: focus on it shows its help line (unless
    // `helpOnFocus` is false: a grid shows the line of its column instead),
    // F1 on it asks for its help topic.
    void RegisterControl(QWidget* control, int id, bool helpOnFocus = true);
    QWidget* Control(int id) const;
    static int ControlId(const QWidget* control);

    // Registers a text field whose value `commit` reads (parses, normalises,
    // stores into the record, sets the modified flag and shows the field
    // again). The dialog commits when the field loses the focus and when
    // Enter or a double click passes through it, but only when the field has
    // marked its text as committed; Escape never commits.
    void AddTextField(CFilterEdit* field, int id, std::function<void()> commit);
    // Commits `field` now if it is marked committed (clearing the mark
    // first). Returns whether it committed.
    bool CommitTextField(CFilterEdit* field);

    // Creates a registered list in the body holding `texts` with item
    // `value` selected (none when the list has no such item). Each choice the
    // user makes marks the image modified and is handed to `chosen`.
    CEnterComboBox* AddList(int id, const std::vector<std::string>& texts, unsigned value,
                            std::function<void(unsigned item)> chosen);

    // The OK button; with `needsFocus` OK acts only while the button itself
    // has the focus, so Enter in a field commits the field and the dialog
    // stays open.
    void SetOkButton(QPushButton* ok, bool needsFocus);
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Opens the help topic `topic`; the program installs the help window
    // behind it. Without a hook F1 does nothing.
    static void SetHelpHook(std::function<void(int topic)> hook);

  protected:
    // Lays out `content` above a row with OK and Cancel in the dialog's body;
    // with `okNeedsFocus` OK acts only while it has the focus.
    void FinishLayout(QLayout* content, bool okNeedsFocus);

    // Called when OK acts: the dialog stores its record and closes. The base
    // just closes with OK.
    virtual void OnOk();

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OkClicked();

    int templateId_;
    QWidget* body_;
    QStatusBar* statusBar_;
    QLabel* descriptionPane_;
    QLabel* keyPane_;
    int currentHelpId_ = 0;
    int lastHelpId_ = 0;
    std::map<int, QWidget*> controls_;
    std::map<CFilterEdit*, std::function<void()>> textFields_;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool okNeedsFocus_ = false;
};

}  // namespace kp07
