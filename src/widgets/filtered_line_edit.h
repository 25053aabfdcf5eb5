// A single-line edit whose typed and pasted characters pass a character test
// first. The grid cell editor and the dialogs' text fields build on it; each
// says which characters it takes and what happens before one is inserted.
#pragma once

#include <QLineEdit>

namespace kp07 {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FilteredLineEdit(QWidget* parent = nullptr);

    // Inserts `text` at the caret as if it were typed: refused characters are
    // dropped, the others go in (shown as ShownChar gives them).
    void InsertFiltered(const QString& text);

  protected:
    // Whether character `c` (a code point; 8 is Backspace) may go in with the
    // caret at `caret`.
    virtual bool AcceptsChar(int c, int caret) const = 0;
    // Called before a typed, accepted character (or Backspace) is processed.
    virtual void BeforeTypedChar() {}
    // How an accepted character is shown and stored.
    virtual QChar ShownChar(QChar c) const { return c; }

    // The start of the selection, or the caret when nothing is selected.
    int CaretForTest() const;

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void PasteFrom(bool selectionClipboard);
};

}  // namespace kp07
