#include "channels/channel_view.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "channels/channel_columns.h"
#include "channels/group_editing.h"
#include "image/process_state.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

constexpr int kIdleStatusId = 57345;
constexpr int kMargin = 7;
constexpr int kFactsHeight = 50;
constexpr int kGroupRowHeight = 30;
constexpr int kTagLimit = 8;
// Text of the channels that are not in use.
const QColor kNotInUseColor(220, 220, 220);

const char* const kFactNames[CKP05View::kFactCount] = {
    "Serial No:", "Freq Band:", "ProductType:", "FW Version:", "COM Port:", "Printer:"};

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CKP05View::CKP05View(QWidget* parent) : QWidget(parent) {
    factsFrame_ = new QFrame(this);
    factsFrame_->setFrameShape(QFrame::StyledPanel);
    for (int i = 0; i < kFactCount; ++i) {
        factLabels_[std::size_t(i)] = new QLabel(kFactNames[i], factsFrame_);
        factValues_[std::size_t(i)] = new QLabel(factsFrame_);
        factValues_[std::size_t(i)]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    groupFrame_ = new QFrame(this);
    groupLabel_ = new QLabel(tr("Group"), groupFrame_);
    selector_ = new QComboBox(groupFrame_);
    tagLabel_ = new QLabel(tr("Group Alpha Tag"), groupFrame_);
    tagEdit_ = new CCellEdit(groupFrame_);
    tagEdit_->SetMode(kCellTag);
    tagEdit_->SetLimit(kTagLimit);
    tagEdit_->show();

    grid_ = new FlexGrid(this);
    editor_ = new CCellEdit(this);
    editor_->hide();

    checkMark_ = CheckMarkPixmap(palette().color(QPalette::Text));
    greyCheckMark_ = CheckMarkPixmap(kNotInUseColor);

    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshDelayMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &CKP05View::RefreshView);
    cbTagTimer_.setSingleShot(true);
    cbTagTimer_.setInterval(kCbTagDelayMs);
    connect(&cbTagTimer_, &QTimer::timeout, this, &CKP05View::CbTagCheck);

    grid_->SetEventHook([this](QEvent* e) { return GridEvent(e); });
    grid_->viewport()->installEventFilter(this);
    connect(grid_, &FlexGrid::rowColChanged, this, &CKP05View::OnRowColChanged);
    connect(grid_, &FlexGrid::keyPressed, this, &CKP05View::OnKeyPressed);
    connect(grid_, &FlexGrid::scrolled, this, [this] {
        // Scrolling away from the cell being edited ends the edit.
        if (editing_ && editor_->hasFocus()) grid_->setFocus();
    });
    connect(editor_, &CCellEdit::enterPressed, this, &CKP05View::EditorEnter);
    connect(editor_, &CCellEdit::escapePressed, this, &CKP05View::EditorEscape);
    connect(editor_, &CCellEdit::focusLost, this, &CKP05View::CommitEdit);

    connect(selector_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CKP05View::GroupSelected);
    connect(tagEdit_, &CCellEdit::enterPressed, this, &CKP05View::CommitGroupTagEdit);
    connect(tagEdit_, &CCellEdit::focusLost, this, &CKP05View::CommitGroupTagEdit);
    connect(tagEdit_, &QLineEdit::textEdited, this, &CKP05View::CommitGroupTagEdit);

    resize(820, 480);
    LayOut();
}

CKP05View::~CKP05View() {
    // The editors' last focus changes must not reach a half-destroyed view.
    disconnect(editor_, nullptr, this, nullptr);
    disconnect(tagEdit_, nullptr, this, nullptr);
    grid_->SetEventHook(nullptr);
}

// ------------------------------------------------------------------ layout

void CKP05View::LayOut() {
    const int w = width();
    const int h = height();
    const int inner = w - 2 * kMargin - 1;  // the frames and the grid: width less 15
    factsFrame_->setGeometry(kMargin, kMargin, inner, kFactsHeight);
    const int column = std::max(60, (w - 30) / 3);
    const int lineHeight = (kFactsHeight - 6) / 2;
    for (int i = 0; i < kFactCount; ++i) {
        const int x = 6 + (i % 3) * column;
        const int y = 3 + (i / 3) * lineHeight;
        const int labelWidth = std::min(90, column / 3);
        factLabels_[std::size_t(i)]->setGeometry(x, y, labelWidth, lineHeight);
        factValues_[std::size_t(i)]->setGeometry(x + labelWidth, y, column - labelWidth - 4,
                                                 lineHeight);
    }
    const int groupTop = kMargin + kFactsHeight + 4;
    groupFrame_->setGeometry(kMargin, groupTop, inner, kGroupRowHeight);
    groupLabel_->setGeometry(0, 4, 50, 22);
    selector_->setGeometry(54, 3, 110, 24);
    tagLabel_->setGeometry(190, 4, 110, 22);
    tagEdit_->setGeometry(304, 3, 110, 24);
    const int gridTop = groupTop + kGroupRowHeight + 4;
    grid_->setGeometry(kMargin, gridTop, inner, std::max(40, h - gridTop - 2 * kMargin - 1));
}

void CKP05View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void CKP05View::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        RemoveAlignmentEntry();
        // The first keys go to the channels, not to the group selector.
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

// Alignment is a factory tool: outside factory mode its menu entry goes.
void CKP05View::RemoveAlignmentEntry() {
    if (factoryMode) return;
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (!frame) return;
    for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->data().toInt() == cmd::kAlignment) menu->removeAction(action);
        }
    }
}

void CKP05View::ShowIdleStatus() {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (frame) frame->statusBar()->showMessage(QString::fromStdString(LoadString(kIdleStatusId)));
}

// -------------------------------------------------------------- the header

QString CKP05View::factText(int index) const {
    return index >= 0 && index < kFactCount ? factValues_[std::size_t(index)]->text() : QString();
}

void CKP05View::ShowRadioFacts() {
    if (!identity || !hardware) return;
    const HostFacts host = hostFacts_ ? hostFacts_() : HostFacts();
    const RadioFacts facts =
        RadioFactsOf(*identity, *hardware, host.comPort, host.comSpeed, host.printer);
    const std::string texts[kFactCount] = {facts.serialNumber, facts.band,    facts.productType,
                                           facts.firmware,     facts.comPort, facts.printer};
    for (int i = 0; i < kFactCount; ++i) {
        factValues_[std::size_t(i)]->setText(QString::fromStdString(texts[i]));
    }
}

EditContext CKP05View::Context() const {
    return CurrentEditContext();
}

// ------------------------------------------------------------- the grid

void CKP05View::ApplyColumnWidths() {
    for (int c = 0; c < kChannelColumnCount; ++c)
        grid_->SetColWidth(c, ShownColumnWidth(c, visibleItems));
}

void CKP05View::ApplyItemWidths(int item) {
    for (int c : ColumnsOfItem(item)) grid_->SetColWidth(c, ShownColumnWidth(c, visibleItems));
}

void CKP05View::RefreshView() {
    if (!channels) return;
    ChannelTable& table = *channels;
    // A cell being edited keeps what was typed.
    if (editing_) CommitEdit();
    ShowIdleStatus();
    const bool alphaTags = CurrentRadioHasAlphaTags();
    tagEdit_->SetLimit(kTagLimit);
    // A radio without alpha tags shows blanks here; committing them would
    // overwrite the tag it keeps (and for the CB group switch it off).
    tagEdit_->setReadOnly(!alphaTags);

    refreshing_ = true;
    selector_->clear();
    const std::vector<int> groups = SelectorGroups(table);
    for (int g : groups) selector_->addItem(Q(SelectorName(g)), g);

    grid_->SetRedraw(false);
    grid_->SetRows(2);
    grid_->SetRows(3);
    grid_->SetCols(kChannelColumnCount);
    grid_->SetFixedRows(kChannelHeadingRows);
    grid_->SetFixedCols(0);
    ApplyColumnWidths();
    for (int c = 0; c < kChannelColumnCount; ++c) {
        grid_->SetColAlignment(c, c == kColTag ? FlexGrid::kLeftTop : FlexGrid::kCenterTop);
        grid_->SetFixedAlignment(c, FlexGrid::kCenterTop);
    }
    grid_->SetMergeCells(true);
    grid_->SetMergeRow(0, true);
    grid_->SetMergeRow(1, true);
    for (int c = 0; c < kChannelColumnCount; ++c) {
        grid_->SetTextMatrix(0, c, QString::fromLatin1(ChannelColumnAt(c).heading0));
        grid_->SetTextMatrix(1, c, QString::fromLatin1(ChannelColumnAt(c).heading1));
    }
    grid_->SetGridLinesFixed(false);

    const int group = table.currentGroup;
    const int size =
        group >= 0 && group < kGroupCount ? int(table.groupSizes()[std::size_t(group)]) : 0;
    grid_->SetRows(size + kChannelHeadingRows);
    int position = -1;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i] == group) position = int(i);
    }
    selector_->setCurrentIndex(position);
    const QString tag = Q(ShownGroupTag(table, group, alphaTags));
    if (tagEdit_->text() != tag) tagEdit_->setText(tag);
    refreshing_ = false;

    ShowRadioFacts();
    table.currentChannel = table.firstRow - 1;
    for (int k = 0; k < size; ++k) {
        const int slot = table.firstRow - 1 + k;
        if (slot >= 0 && slot < kChannelSlots) PaintRow(slot, k + kChannelHeadingRows);
    }
    if (size > 0) grid_->SetCurrentCell(kChannelHeadingRows, 0);
    grid_->SetRedraw(true);
}

void CKP05View::PaintCell(int slot, int gridRow, int col) {
    const bool inUse = channels->IsInUse(slot);
    const CellShown shown = ShownCell(*channels, slot, col, CurrentRadioHasAlphaTags());
    grid_->SetCellForeColor(gridRow, col, inUse ? QColor() : kNotInUseColor);
    grid_->SetTextMatrix(gridRow, col, Q(shown.text));
    if (IsCheckMarkColumn(col)) {
        grid_->SetCellPicture(gridRow, col,
                              shown.checkMark ? (inUse ? checkMark_ : greyCheckMark_) : QPixmap(),
                              FlexGrid::kCenterCenter);
    }
}

void CKP05View::PaintRow(int slot, int gridRow) {
    if (!channels || slot < 0 || slot >= kChannelSlots) return;
    // Writing cells never moves the user's current cell; the focus
    // rectangle stays off meanwhile so that it is not drawn half-way.
    grid_->SetFocusRect(false);
    for (int c = kChannelColumnCount - 1; c >= 0; --c) PaintCell(slot, gridRow, c);
    grid_->SetFocusRect(true);
}

void CKP05View::PaintColumn(int slot, int gridRow, int col) {
    if (!channels || slot < 0 || slot >= kChannelSlots) return;
    switch (col) {
        case kColChannel:
            PaintRow(slot, gridRow);
            return;
        case kColRx:
            for (int c : {kColRx, kColTx, kColXtal}) PaintCell(slot, gridRow, c);
            return;
        case kColDecoder:
        case kColEncoder:
            for (int c : {kColDecoder, kColEncoder, kColQlnk}) PaintCell(slot, gridRow, c);
            return;
        case kColSignalingType:
            for (int c = kColSignalingType; c <= kColEncryption; ++c) PaintCell(slot, gridRow, c);
            return;
        default:
            PaintCell(slot, gridRow, col);
    }
}

// The P and G marks are radio-wide: a change can take one from any row.
void CKP05View::PaintPriColumn() {
    if (!channels) return;
    for (int row = kChannelHeadingRows; row < grid_->rows(); ++row) {
        PaintCell(channels->firstRow - 1 + row - kChannelHeadingRows, row, kColPri);
    }
}

bool CKP05View::IsDataRow(int row) const {
    return row >= kChannelHeadingRows && row < grid_->rows();
}

int CKP05View::CurrentSlot() const {
    if (!channels || !IsDataRow(grid_->row())) return -1;
    const int slot = channels->firstRow - 1 + grid_->row() - kChannelHeadingRows;
    return slot >= 0 && slot < kChannelSlots ? slot : -1;
}

int CKP05View::GridRowOfSlot(int slot) const {
    if (!channels) return -1;
    const int row = slot - (channels->firstRow - 1) + kChannelHeadingRows;
    return IsDataRow(row) ? row : -1;
}

void CKP05View::OnRowColChanged() {
    if (!channels) return;
    bool ok = false;
    const int number = grid_->textMatrix(grid_->row(), 0).trimmed().toInt(&ok);
    if (ok && number >= 1 && number <= kChannelSlots) channels->currentChannel = number - 1;
}

// ------------------------------------------------------------ keys, help

void CKP05View::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F2 && mods == Qt::NoModifier) {
        FinishEditing();
        CommitGroupTagEdit();
        if (channels) channels->NextGroup();
        RefreshView();
        return;
    }
    if (event->key() == Qt::Key_F5 && mods == Qt::NoModifier) {
        if (!productionMode || !productionDownload_) return;
        FinishEditing();
        productionDownload_();
        return;
    }
    if (event->key() == Qt::Key_F9 && mods == Qt::ShiftModifier) {
        if (!factoryMode || !fileDataViewer_) return;
        FinishEditing();
        fileDataViewer_();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The group tag needs nothing here: every change of it is committed as it
// is typed.
void CKP05View::FinishEditing() {
    if (editing_) grid_->setFocus();
    if (editing_) CommitEdit();
}

int CKP05View::HelpContext() const {
    const QWidget* focus = focusWidget();
    if (focus == grid_) return ChannelColumnAt(grid_->col()).helpContext;
    if (focus == editor_ && editing_) return ChannelColumnAt(editCol_).helpContext;
    if (focus == selector_) return kGroupSelectorHelp;
    if (focus == tagEdit_) return kGroupTagHelp;
    return 0;
}

// ---------------------------------------------------------- context menu

bool CKP05View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::ContextMenu) {
        ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The Edit menu of the main window (Copy, Paste) pops up at the mouse.
void CKP05View::ShowContextMenu(const QPoint& globalPos) {
    if (auto* frame = qobject_cast<QMainWindow*>(window())) {
        for (QAction* action : frame->menuBar()->actions()) {
            if (action->menu() && action->text() == QLatin1String("&Edit")) {
                action->menu()->exec(globalPos);
                return;
            }
        }
    }
    QMenu menu;
    menu.addAction(tr("&Copy"), this, &CKP05View::Copy);
    menu.addAction(tr("&Paste"), this, &CKP05View::Paste);
    menu.exec(globalPos);
}

}  // namespace kp07
