// The text field of the parameter dialogs, in three layers:
//  - CColorEdit paints itself in one of three looks taken from the system
//    palette: browse (read-only), editing, disabled;
//  - CModeEdit adds the browse/editing state, the committed flag and the
//    length limit that applies while the user types;
//  - CFilterEdit adds the character filter and the undo copy.
// A field shows its value in browse state; Enter, a double click or an
// accepted character starts editing; Enter, a double click or leaving the
// field ends it and marks the text as committed, which the dialog then reads.
// Escape while editing puts the old text back and commits nothing.
#pragma once

#include "widgets/filtered_line_edit.h"
#include "widgets/input_filters.h"

namespace kp07 {

class CColorEdit : public FilteredLineEdit {
    Q_OBJECT
  public:
    enum class Look { kBrowse, kEditing, kDisabled };

    explicit CColorEdit(QWidget* parent = nullptr);

    // Applies a look: its colours, and whether the field is enabled and
    // writable.
    void SetLook(Look look);
    Look look() const { return look_; }
    QColor textColor() const;
    QColor backgroundColor() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ApplyColors();
    Look look_ = Look::kBrowse;
    bool applying_ = false;
};

class CModeEdit : public CColorEdit {
    Q_OBJECT
  public:
    enum class State { kBrowse, kEditing };

    explicit CModeEdit(QWidget* parent = nullptr);

    State state() const { return state_; }
    bool committed() const { return committed_; }
    void SetCommitted(bool committed) { committed_ = committed; }
    // The most characters the user may type; 0 = no limit. The shown value
    // may be longer: it is cut to the limit only when editing starts.
    int maxTextLength() const { return maxTextLength_; }
    void SetMaxTextLength(int length) { maxTextLength_ = length < 0 ? 0 : length; }

  protected:
    State state_ = State::kBrowse;
    bool committed_ = false;
    int maxTextLength_ = 0;
};

class CFilterEdit : public CModeEdit {
    Q_OBJECT
  public:
    explicit CFilterEdit(QWidget* parent = nullptr);

    int filterKind() const { return filterKind_; }
    void SetFilterKind(int kind) { filterKind_ = kind; }
    // Browse look when true, disabled look when false.
    void SetEnabled(bool enabled);
    // Enter in this field stays here and never reaches the dialog's buttons.
    void SetConsumeEnter(bool consume) { consumeEnter_ = consume; }
    // Letters typed or pasted appear (and are kept) in upper case.
    void SetUpperCase(bool on) { upperCase_ = on; }
    const QString& undoText() const { return undoText_; }
    // Whether the user changed the text since editing last began (typing,
    // deleting, pasting), as opposed to editing begun by Enter and left.
    bool typedSinceEditingBegan() const { return typed_; }

  signals:
    // Emitted after the field has handled Enter or a double click, before
    // the dialog sees the key.
    void enterOrDoubleClick();
    // Emitted after the field has handled the loss of the focus.
    void focusLeft();

  protected:
    bool AcceptsChar(int c, int caret) const override;
    void BeforeTypedChar() override;
    QChar ShownChar(QChar c) const override { return upperCase_ ? c.toUpper() : c; }
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void StartEditing();
    void EndEditing();
    void EnterOrDoubleClick();

    int filterKind_ = kFilterAny;
    QString undoText_;
    bool typed_ = false;
    bool consumeEnter_ = false;
    bool upperCase_ = false;
};

}  // namespace kp07
