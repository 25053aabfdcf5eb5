// Program-wide flags that several subsystems read. Each subsystem keeps its
// own state in its own header; these live at the ground floor because the
// document, the link, the channel editor and the dialogs all consult them.
#pragma once

namespace kp07 {

// Started with the factory switch and the right password.
extern bool factoryMode;
// Started with the production switch: repeated downloads of one file.
extern bool productionMode;
// The production or serial number was edited since the last download; a
// factory-mode download then keeps them instead of taking the radio's.
extern int identityEdited;
// A byte was patched in the file data viewer since the last download.
extern int imageBytesEdited;

// Puts the flags above back to how a fresh process starts (tests only).
void ResetModeStateForTest();

}  // namespace kp07
