// The window of a signaling table grid: the grid, sized to show its columns
// and a number of rows, above the OK/Cancel row.
#pragma once

class QPushButton;

namespace kp07 {

class CGridParamDialog;

// Lays out the grid of `dialog` to show every column and `visibleRows` rows
// (headings included) without scrolling, with `ok` and `cancel` below it.
void LayOutTableGrid(CGridParamDialog& dialog, QPushButton* ok, QPushButton* cancel,
                     int visibleRows);

}  // namespace kp07
