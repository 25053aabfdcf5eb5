// The folders of the user's own that the program writes to when it runs
// from a folder it may not write (installed for every user): the profile in
// the configuration folder, the default file and the radio backups in the
// data folder. They follow the desktop's base-directory convention
// (XDG_CONFIG_HOME, XDG_DATA_HOME, else ~/.config and ~/.local/share).
#pragma once

#include <string>

namespace kp07 {

// The program's name among the user's folders.
extern const char* const kUserFolderName;  // "kp07xt"

// $XDG_DATA_HOME/kp07xt, else ~/.local/share/kp07xt ("" without a home).
std::string UserDataFolder();
// $XDG_CONFIG_HOME/kp07xt, else ~/.config/kp07xt ("" without a home).
std::string UserConfigFolder();

// Creates `path` and the folders above it that are missing (new ones only
// for the user: 0700). True when it is a folder afterwards.
bool MakeFolders(const std::string& path);
// True when `path` is a folder this process may create files in.
bool FolderWritable(const std::string& path);
// Where the program keeps a file it writes: its own folder when it may
// write there, else `userFolder` (created when missing).
std::string WritableProgramFolder(const std::string& programFolder, const std::string& userFolder);

}  // namespace kp07
