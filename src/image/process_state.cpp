#include "image/process_state.h"

namespace kp07 {

bool factoryMode = false;
bool productionMode = false;
int identityEdited = 0;
int imageBytesEdited = 0;

void ResetModeStateForTest() {
    factoryMode = false;
    productionMode = false;
    identityEdited = 0;
    imageBytesEdited = 0;
}

}  // namespace kp07
