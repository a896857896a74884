#include "settings/ui/frmMenuBuilding.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMenuBuilding::frmMenuBuilding(Mode mode, const std::vector<InputSupport::Building> &others,
                                 const InputSupport::Building &current, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_others(others)
{
    named(this, "frmMenuBuilding");
    setWindowTitle(mode == Mode::Add ? QStringLiteral("マンション名等の追加") : QStringLiteral("マンション名等の変更"));

    txtBuilding = named(new QLineEdit(this), "txtBuilding");
    txtBuilding->setMaxLength(InputSupport::kBuildingNameLength);
    txtAddress = named(new QLineEdit(this), "txtAddress");
    txtAddress->setMinimumWidth(fontMetrics().horizontalAdvance(QString(20, QChar(0x3042))));
    auto *form = new QFormLayout;
    form->addRow(caption(QStringLiteral("マンション名："), txtBuilding, this), txtBuilding);
    form->addRow(caption(QStringLiteral("マンション所在地："), txtAddress, this), txtAddress);

    auto *fraNotes = named(new QGroupBox(QStringLiteral("マンション所在地入力時の注意事項："), this), "fraNotes");
    auto *notes = new QVBoxLayout(fraNotes);
    for (const QString &text :
         {QStringLiteral("■ 「丁目」、「番地」等は使用せず、すべて数字で入力して下さい。"),
          QStringLiteral("×　2丁目1番地5号"), QStringLiteral("○　2-1-5"),
          QStringLiteral("■ 都道府県名は含めないで下さい。"), QStringLiteral("■ 部屋番号は入れないで下さい。")})
        notes->addWidget(new QLabel(text, fraNotes));

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fraNotes);
    layout->addLayout(buttons.layout);

    if (mode == Mode::Change) {
        txtBuilding->setText(current.name);
        txtAddress->setText(current.address);
    }
    connect(txtBuilding, &QLineEdit::textChanged, this, &frmMenuBuilding::updateOk);
    connect(txtAddress, &QLineEdit::textChanged, this, &frmMenuBuilding::updateOk);
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuBuilding::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // An unchanged entry has nothing to confirm.
    cmdOK->setEnabled(false);
    txtBuilding->setFocus();
}

void frmMenuBuilding::updateOk()
{
    cmdOK->setEnabled(InputSupport::CanAcceptBuilding(txtBuilding->text(), txtAddress->text()));
}

void frmMenuBuilding::cmdOK_Click()
{
    // Enter reaches the default button even while it is disabled.
    if (!cmdOK->isEnabled())
        return;
    const QString address = InputSupport::NormalizedAddress(txtAddress->text());
    if (m_mode == Mode::Add && InputSupport::HasAddress(m_others, address)) {
        ShowWarning(QStringLiteral("マンション名等の重複"), QStringLiteral("同一の番地で既に登録されています。"));
        txtAddress->setFocus();
        return;
    }
    m_result = {txtBuilding->text(), address};
    accept();
}
