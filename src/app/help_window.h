// The help viewer: one window that shows a numbered topic of the help file.
#pragma once

#include <QString>

class QWidget;

namespace kp07 {

class HelpWindow {
  public:
    // Shows topic `context` of `helpFile` in the help window (created on
    // first use, raised afterwards).
    static void Show(const QString& helpFile, int context, QWidget* parent);
    // The context the window shows now (0 when it has not been opened).
    static int CurrentContext();
};

}  // namespace kp07
