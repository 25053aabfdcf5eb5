// The password that confirms factory mode at start-up.
#pragma once

#include <string>

namespace kp07 {

// True only for the exact factory password (case-sensitive, whole text).
bool IsFactoryPassword(const std::string& text);

}  // namespace kp07
