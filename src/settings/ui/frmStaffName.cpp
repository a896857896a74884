#include "settings/ui/frmStaffName.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/staffnames.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmStaffName::frmStaffName(Mode mode, const QStringList &taken, const QString &current, QWidget *parent)
    : QDialog(parent), m_taken(taken)
{
    setObjectName(QStringLiteral("frmStaffName"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("スタッフの追加") : QStringLiteral("スタッフ名の変更"));
    setModal(true);

    txtStaff = named(new QLineEdit(this), "txtStaff");
    txtStaff->setMaxLength(StaffNames::kMaxLength);
    // Names are typed in hiragana: the input method stays on.
    txtStaff->setAttribute(Qt::WA_InputMethodEnabled, true);
    const QFontMetrics fm(txtStaff->font());
    txtStaff->setMinimumWidth(fm.horizontalAdvance(QString(StaffNames::kMaxLength + 1, QChar(0x3042))) + 12);

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *field = new QHBoxLayout;
    field->addWidget(caption(QStringLiteral("スタッフ名："), txtStaff, this));
    field->addWidget(txtStaff, 1);
    auto *root = new QVBoxLayout(this);
    root->addLayout(field);
    root->addLayout(buttons.layout);

    if (mode == Mode::Change) {
        txtStaff->setText(current);
        txtStaff->selectAll();
    }
    // In Change mode the unchanged name is nothing to confirm: OK waits for an edit.
    cmdOK->setEnabled(false);
    connect(txtStaff, &QLineEdit::textEdited, this,
            [this](const QString &text) { cmdOK->setEnabled(!text.isEmpty()); });
    connect(txtStaff, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            cmdOK->setEnabled(false);
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmStaffName::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmStaffName::reject);
    txtStaff->setFocus();
}

QString frmStaffName::StaffName() const
{
    return txtStaff->text();
}

void frmStaffName::cmdOK_Click()
{
    if (StaffName().isEmpty())
        return;
    if (StaffNames::IsTaken(m_taken, StaffName())) {
        ShowWarning(QStringLiteral("スタッフ名の重複"), QStringLiteral("同一名のスタッフが既に存在します。"));
        txtStaff->setFocus();
        txtStaff->selectAll();
        return;
    }
    accept();
}
