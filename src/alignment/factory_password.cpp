#include "alignment/factory_password.h"

namespace kp07 {

bool IsFactoryPassword(const std::string& text) {
    return text == "tonavi-ke";
}

}  // namespace kp07
