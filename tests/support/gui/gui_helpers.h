// Helpers for the widget tests.
#pragma once

#include <QWidget>

namespace kp07::test {

// Shows `window`, makes it the active window and waits until it is, so that
// focus changes behave as on a desktop. Returns whether it became active.
bool ShowActive(QWidget* window);

}  // namespace kp07::test
