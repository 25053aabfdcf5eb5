// The two texts of the Help menu's text window, put together from their
// string-table pieces.
#pragma once

#include <string>

namespace kp07 {

// Heading, welcome, configuration and the first upload (lines end in "\r\n").
std::string GetStartedText();
// Heading, the system, port conflicts, the cable and weak batteries.
std::string CommonProblemsText();

}  // namespace kp07
