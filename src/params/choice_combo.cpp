#include "params/choice_combo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>

#include "params/param_dialog.h"
#include "resources/strings.h"

namespace kp07 {

namespace {

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

void FillChoices(QComboBox* combo, const ChoiceTexts& texts) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const std::string& text : texts) combo->addItem(Q(text));
}

void FillChoices(QComboBox* combo, const ChoiceTexts& texts, const ChoiceValues& values) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        combo->addItem(Q(texts[i]), i < values.size() ? values[i] : unsigned(i));
    }
}

void SelectValue(QComboBox* combo, unsigned value) {
    ChoiceValues values;
    for (int i = 0; i < combo->count(); ++i) values.push_back(combo->itemData(i).toUInt());
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->count() ? ItemOfValue(values, value) : -1);
}

unsigned SelectedValue(const QComboBox* combo) {
    const QVariant data = combo->currentData();
    return data.isValid() ? data.toUInt() : unsigned(combo->currentIndex());
}

void AddFormRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* control) {
    auto* text = new QLabel(label, grid->parentWidget());
    text->setBuddy(control);
    grid->addWidget(text, row, column);
    grid->addWidget(control, row, column + 1);
}

void FitHelpLines(CParamDialog* dialog, std::initializer_list<int> ids) {
    const QFontMetrics metrics = dialog->statusBar()->fontMetrics();
    // The key pane is at least as wide as its "[ Key Operation ]" title.
    const int keyPane =
        metrics.horizontalAdvance(QString::fromStdString(LoadString(kKeyOperationIndicator))) + 8;
    int widest = 0;
    for (int id : ids) {
        const QStringList lines = QString::fromStdString(LoadString(id)).split(QLatin1Char('\n'));
        const int key = lines.size() > 1 ? metrics.horizontalAdvance(lines[1]) : 0;
        widest = std::max(widest, metrics.horizontalAdvance(lines[0]) + std::max(key, keyPane));
    }
    constexpr int kMargins = 32;
    dialog->setMinimumWidth(widest + kMargins);
}

}  // namespace kp07
