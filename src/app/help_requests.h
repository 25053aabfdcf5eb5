// Where F1 is heard outside the controls that ask for their own topic: on a
// highlighted menu entry (the entry's command) and in a dialog whose focused
// widget has no topic of its own (the dialog's topic).
#pragma once

#include <QObject>

class QWidget;

namespace kp07 {

class CMainFrame;

// The topic of a whole dialog: the help id of its template, resolved like
// any context request (the grid dialogs report the grid's current column,
// a transfer its direction). 0 for a window the help does not know.
int DialogHelpTopic(const QWidget* dialog);

// The template id of a parameter dialog, 0 for any other window. Control ids
// are unique only within their dialog, so their topic needs it.
int DialogTemplateOf(const QWidget* window);

// Watches every key press of the program for F1 and asks the frame for the
// topic; F1 on a control that opens its own topic passes on to it.
class HelpKeyFilter : public QObject {
    Q_OBJECT
  public:
    explicit HelpKeyFilter(CMainFrame& frame);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CMainFrame& frame_;
};

}  // namespace kp07
