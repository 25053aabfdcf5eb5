// The window of a signaling table grid: the grid, sized to show its columns
// and a number of rows, above the OK/Cancel row.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace kp07 {

class CGridParamDialog;

// Lays out the grid of `dialog` to show every column and `visibleRows` rows
// (headings included) without scrolling, with `ok` and `cancel` below it.
void LayOutTableGrid(CGridParamDialog& dialog, QPushButton* ok, QPushButton* cancel,
                     int visibleRows);

// Runs a chooser list for a cell: its title, its lines and the line to
// select (-1 none); returns the chosen line, or -1 when it was cancelled.
// The grid dialogs run RunChoiceList; tests put their own answer in.
using ListChooser = std::function<int(const std::string& title,
                                      const std::vector<std::string>& lines, int selected)>;
int RunChoiceList(QWidget* parent, const std::string& title, const std::vector<std::string>& lines,
                  int selected);

}  // namespace kp07
