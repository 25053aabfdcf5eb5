#include "params/key_function_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "blocks/common_params.h"
#include "widgets/enter_combo.h"

namespace kp07 {
namespace {

const char* const kKeyNames[6] = {"[SIDE1]", "[SIDE2]", "[A]", "[B]", "[C]", "[D]"};

QString Q(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

}  // namespace

CKeyFunctionDlg::CKeyFunctionDlg(RadioImage& image, QWidget* parent)
    : CParamDialog(kTemplateId, parent), image_(image), frontKeypad_(ImageHasFrontKeypad(image)) {
    setWindowTitle(QStringLiteral("Key Function Parameters"));
    params_.Load(image_);

    // Pressed keys on the left, the same keys held on the right.
    auto* grid = new QGridLayout;
    for (int k = 0; k < kKeyCount; ++k) {
        const bool held = k >= 6;
        const QString label =
            QStringLiteral("%1 Key (%2)")
                .arg(kKeyNames[k % 6])
                // "&&" shows one "&" (a single one would mark a shortcut).
                .arg(held ? QStringLiteral("Press && Hold") : QStringLiteral("Press"));
        CEnterComboBox* list =
            AddList(kFirstKeyId + k, {}, 0, [this, k](unsigned item) { KeyChosen(k, item); });
        list->setEnabled(KeyFunctionParams::KeyEnabled(k, frontKeypad_));
        keys_[std::size_t(k)] = list;
        auto* text = new QLabel(label, body());
        text->setBuddy(list);
        grid->addWidget(text, k % 6, held ? 2 : 0);
        grid->addWidget(list, k % 6, held ? 3 : 1);
    }
    rotary_ = AddList(kRotaryId, RotarySwitchTexts(), params_.rotarySwitchMode,
                      [this](unsigned item) { params_.rotarySwitchMode = item == 0 ? 0 : 1; });
    rotary_->setEnabled(frontKeypad_);
    grid->addWidget(new QLabel(QStringLiteral("[Rotary] SW"), body()), 6, 0);
    grid->addWidget(rotary_, 6, 1);
    RebuildLists();

    FinishLayout(grid, false);
}

CEnterComboBox* CKeyFunctionDlg::keyList(int key) const {
    return key >= 0 && key < kKeyCount ? keys_[std::size_t(key)] : nullptr;
}

void CKeyFunctionDlg::KeyChosen(int key, unsigned item) {
    const int function = FindKeyFunction(keyList(key)->itemText(int(item)).toStdString());
    if (function < 0) return;
    params_.Assign(key, function);
    // The list box commits a choice only once its drop-down has closed, so
    // the lists can be rebuilt at once.
    RebuildLists();
}

void CKeyFunctionDlg::RebuildLists() {
    for (int k = 0; k < kKeyCount; ++k) {
        std::vector<std::string> texts;
        for (int f : params_.OfferedFunctions(k, frontKeypad_)) texts.push_back(KeyFunctionName(f));
        CEnterComboBox* list = keys_[std::size_t(k)];
        list->SetChoices(texts);
        // A function no list offers (an image from elsewhere) shows nothing.
        list->SelectChoice(list->findText(Q(KeyFunctionName(int(params_.keys[std::size_t(k)]))),
                                          Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

void CKeyFunctionDlg::OnOk() {
    params_.Store(image_);
    accept();
}

}  // namespace kp07
