// The lists of the settings dialogs are filled from the core text tables,
// the same tables the printed report prints from.
#pragma once

#include <QString>
#include <initializer_list>

#include "blocks/choice_texts.h"
#include "blocks/common_params.h"

class QComboBox;
class QGridLayout;
class QWidget;

namespace kp07 {

// Empties `combo` and adds `texts`; item i stands for the stored value i.
void FillChoices(QComboBox* combo, const ChoiceTexts& texts);
// The same, each item carrying its stored value as item data.
void FillChoices(QComboBox* combo, const ChoiceTexts& texts, const ChoiceValues& values);
// Selects the first item whose data is `value` (item 0 when none is).
void SelectValue(QComboBox* combo, unsigned value);
// The stored value of the item shown (its item data, else its index).
unsigned SelectedValue(const QComboBox* combo);

// A form row: `label` (its mnemonic leading to `control`) in grid column
// `column`, the control in the next column.
void AddFormRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* control);

class CParamDialog;

// Makes a narrow dialog wide enough to show the help lines of the controls
// `ids` uncut.
void FitHelpLines(CParamDialog* dialog, std::initializer_list<int> ids);

}  // namespace kp07
