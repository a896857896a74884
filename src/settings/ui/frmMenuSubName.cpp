#include "settings/ui/frmMenuSubName.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/menucatalogue.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMenuSubName::frmMenuSubName(Mode mode, const QStringList &taken, const QString &current, QWidget *parent)
    : QDialog(parent), m_taken(taken)
{
    setObjectName(QStringLiteral("frmMenuSubName"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("補助項目の追加") : QStringLiteral("補助項目の変更"));
    setModal(true);

    txtSubName = named(new QLineEdit(this), "txtSubName");
    txtSubName->setMaxLength(MenuCatalogue::kSubItemMaxLength);
    txtSubName->setAttribute(Qt::WA_InputMethodEnabled, true);
    txtSubName->setMinimumWidth(QFontMetrics(txtSubName->font()).horizontalAdvance(QString(16, QChar(0x3042))));

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *field = new QHBoxLayout;
    field->addWidget(caption(QStringLiteral("補助項目："), txtSubName, this));
    field->addWidget(txtSubName, 1);
    auto *root = new QVBoxLayout(this);
    root->addLayout(field);
    root->addLayout(buttons.layout);

    if (mode == Mode::Change) {
        txtSubName->setText(current);
        txtSubName->selectAll();
    }
    // In Change mode the unchanged name is nothing to confirm: OK waits for an edit.
    cmdOK->setEnabled(false);
    connect(txtSubName, &QLineEdit::textEdited, this,
            [this](const QString &text) { cmdOK->setEnabled(!text.isEmpty()); });
    connect(txtSubName, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            cmdOK->setEnabled(false);
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuSubName::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMenuSubName::reject);
    txtSubName->setFocus();
}

QString frmMenuSubName::SubItemName() const
{
    return txtSubName->text();
}

void frmMenuSubName::cmdOK_Click()
{
    if (SubItemName().isEmpty())
        return;
    if (MenuCatalogue::IsTaken(m_taken, SubItemName())) {
        ShowWarning(QStringLiteral("補助項目名の重複"), QStringLiteral("同一の補助項目が既に存在します。"));
        txtSubName->setFocus();
        txtSubName->selectAll();
        return;
    }
    accept();
}
