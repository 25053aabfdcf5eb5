// String-table entries of the document subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {32, "Problem opening file\r\nFile Name = %1"},
    {33, "Problem writing to file"},
    {34, "Problem reading from file\r\nFile Name = %1"},
    {35, "Problem opening file\r\n%1"},
    {36, "Do  you want to write default file?"},
    {37, "The File cannot be Opened.\r\nThe File's format is invalid or not Supported"},
    {49, "The File's attribute is Read_Only.\r\nFile Name = %1"},
    {5000, "Update the firmware Ver.4.00 or later."},
    {5001, "Save changes to %1?"},
    {5002, "The path is too long for a data file (at most 238 characters).\r\nFile Name = %1"},
    {5003, "The file's checksum does not match; it may be damaged. Open it anyway?"},
};
}  // namespace

const StringTable kDocumentStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
