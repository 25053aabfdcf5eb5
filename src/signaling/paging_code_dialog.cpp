#include "signaling/paging_code_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "blocks/common_params.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {

CPagingCodeDlg::CPagingCodeDlg(RadioImage& image, QWidget* parent)
    : CSignalingDialog(kTemplateId, tr("Paging Code"), image, parent) {
    record_.Load(image);
    CommonParams common;
    common.Load(image);
    optionBoard_ = common.optionBoard;
    const bool paging = optionBoard_ == kPagingOptionBoard;
    // A page never entered shows no code, whatever its digits hold.
    record_.ClearCodesNotEntered();

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(tr("Code"), body()), 0, 1);
    form->addWidget(new QLabel(tr("Decode"), body()), 0, 2);
    for (int i = 0; i < kPageCodeCount; ++i) {
        const PageCodeEntry& page = record_.pages[std::size_t(i)];
        CFilterEdit* code =
            AddField(kFirstCodeId + i, kFilterDtmf, int(kPageCodeDigits), page.code);
        code->SetUpperCase(true);
        code->SetConsumeEnter(true);
        code->SetEnabled(paging);
        CEnterComboBox* decode =
            AddList(kFirstDecodeId + i, PageDecodeChoices(), page.decode,
                    [this, i](unsigned v) { record_.pages[std::size_t(i)].decode = v; });
        decode->setEnabled(paging && page.entered);
        auto* label = new QLabel(tr("PAGE %1").arg(i + 1), body());
        label->setBuddy(code);
        form->addWidget(label, i + 1, 0);
        form->addWidget(code, i + 1, 1);
        form->addWidget(decode, i + 1, 2);
        connect(code, &QLineEdit::textChanged, this, [this, i] { CodeEdited(i); });
    }
    form->setColumnMinimumWidth(1, 60);
    FinishLayout(form, true);
}

void CPagingCodeDlg::CodeEdited(int page) {
    auto* code = qobject_cast<CFilterEdit*>(Control(kFirstCodeId + page));
    QWidget* decode = Control(kFirstDecodeId + page);
    if (code && decode) decode->setEnabled(PageDecodeSelectable(optionBoard_, S(code->text())));
}

void CPagingCodeDlg::OnOk() {
    for (int i = 0; i < kPageCodeCount; ++i) {
        auto* code = qobject_cast<CFilterEdit*>(Control(kFirstCodeId + i));
        if (!code || !code->committed()) continue;
        record_.CommitPageCode(i, S(code->text()));
        imageModified = 1;
    }
    record_.Store(image());
    accept();
}

}  // namespace kp07
