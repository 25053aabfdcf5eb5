// Helpers of the signaling dialog tests.
#pragma once

#include <QString>

#include "image/radio_image.h"

class QWidget;

namespace kp07 {
class CParamDialog;
namespace test {

// A new image of defaults (5-tone), and one switched to 2-tone as the
// Signaling Type dialog leaves it.
RadioImage NewFiveToneImage();
RadioImage NewTwoToneImage();

// What control `id` of `dialog` shows: a list's current text, a field's text.
QString Shown(const CParamDialog& dialog, int id);
// Types `text` into field `id` (which starts editing it) and presses Enter,
// which commits it.
void TypeAndEnter(CParamDialog& dialog, int id, const QString& text);

}  // namespace test
}  // namespace kp07
