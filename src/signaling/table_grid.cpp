#include "signaling/table_grid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "params/grid_param_dialog.h"
#include "widgets/choice_list_dialog.h"
#include "widgets/flex_grid.h"

namespace kp07 {

void LayOutTableGrid(CGridParamDialog& dialog, QPushButton* ok, QPushButton* cancel,
                     int visibleRows) {
    FlexGrid* grid = dialog.grid();
    int width = 0;
    for (int c = 0; c < grid->cols(); ++c) width += grid->colWidth(c) / kTwipsPerPixel;
    const int frame = 2 * grid->frameWidth();
    const int scroll = grid->verticalScrollBar()->sizeHint().width();
    const int rows = visibleRows < grid->rows() ? visibleRows : grid->rows();
    // Every column fits, and every row when they are few: no scroll bar
    // needs to take room from the cells.
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (rows == grid->rows()) grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setMinimumSize(width + frame + (rows < grid->rows() ? scroll : 0) + 1,
                         rows * grid->rowHeight() / kTwipsPerPixel + frame + 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog.body());
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
}

int RunChoiceList(QWidget* parent, const std::string& title, const std::vector<std::string>& lines,
                  int selected) {
    CChoiceListDlg dialog(title, lines, selected, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedIndex() : -1;
}

}  // namespace kp07
