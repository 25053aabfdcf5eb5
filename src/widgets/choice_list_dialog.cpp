#include "widgets/choice_list_dialog.h"

#include <QListWidget>
#include <QPushButton>

namespace kp07 {

ListChoiceDialog::ListChoiceDialog(const std::string& title,
                                   const std::vector<std::string>& entries, int selected,
                                   int columnWidth, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(title));
    list_ = new QListWidget(this);
    // Entries run down a column, then on into the next one.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setGridSize(QSize(columnWidth, list_->fontMetrics().height() + 2));
    for (const std::string& entry : entries) list_->addItem(QString::fromStdString(entry));
    if (selected >= 0 && selected < list_->count()) list_->setCurrentRow(selected);

    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int ListChoiceDialog::selectedIndex() const {
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    return chosen.isEmpty() ? -1 : list_->row(chosen.first());
}

CChoiceListDlg::CChoiceListDlg(const std::string& title, const std::vector<std::string>& entries,
                               int selected, QWidget* parent)
    : ListChoiceDialog(title, entries, selected, 85, parent) {
    setFixedSize(220, 230);
    list_->setGeometry(5, 5, 200, 150);
    ok_->setGeometry(20, 165, 80, 26);
    cancel_->setGeometry(120, 165, 80, 26);
    list_->setObjectName(QStringLiteral("list%1").arg(kListId));
}

CToneListDlg::CToneListDlg(const std::string& title, const std::vector<std::string>& entries,
                           int selected, int columnWidth, QWidget* parent)
    : ListChoiceDialog(title, entries, selected, columnWidth, parent) {
    setFixedSize(440, 290);
    list_->setGeometry(5, 5, 430, 230);
    ok_->setGeometry(110, 250, 80, 26);
    cancel_->setGeometry(250, 250, 80, 26);
    list_->setObjectName(QStringLiteral("list%1").arg(kListId));
}

}  // namespace kp07
