// The factory tools: Radio > Alignment and the file data viewer (Shift+F9 in
// the channel view and in 5-Tone Systems).
#pragma once

class QWidget;

namespace kp07 {

class CKP05View;
class CMainFrame;
class CTransferDialog;

// Registers the commands and the file data viewer's keys; the transfer
// dialog is the program's one instance (the alignment's way in and out run
// transfers through it).
void InstallAlignmentCommands(CMainFrame& frame, CTransferDialog& transfer, CKP05View* view);

// Alignment mode from start to end in the frame's bracket: the image
// rebuilt, a fresh port, the way in, the Alignment dialog, the way out, then
// the port closed and the view rebuilt.
void RunAlignment(CMainFrame& frame, CTransferDialog& transfer);

// The file data viewer over `parent`; true when it ended with OK (the image
// then holds the bytes edited).
bool RunFileDataViewer(QWidget* parent);

}  // namespace kp07
