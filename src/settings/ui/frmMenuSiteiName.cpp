#include "settings/ui/frmMenuSiteiName.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/inputsupport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMenuSiteiName::frmMenuSiteiName(Mode mode, const QStringList &names, const QString &current, QWidget *parent)
    : QDialog(parent), m_names(names)
{
    named(this, "frmMenuSiteiName");
    setWindowTitle(mode == Mode::Add ? QStringLiteral("特定配達先の追加") : QStringLiteral("特定配達先の変更"));

    txtSiteiName = named(new QLineEdit(this), "txtSiteiName");
    txtSiteiName->setMaxLength(InputSupport::kDeliverToLength);
    txtSiteiName->setMinimumWidth(fontMetrics().horizontalAdvance(QString(21, QChar(0x3042))));
    auto *row = new QHBoxLayout;
    row->addWidget(caption(QStringLiteral("特定配達先："), txtSiteiName, this));
    row->addWidget(txtSiteiName, 1);

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons.layout);

    if (mode == Mode::Change) {
        txtSiteiName->setText(current);
        txtSiteiName->selectAll();
    }
    connect(txtSiteiName, &QLineEdit::textChanged, this,
            [this](const QString &text) { cmdOK->setEnabled(InputSupport::CanAcceptDeliverTo(text)); });
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuSiteiName::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cmdOK->setEnabled(false);
    txtSiteiName->setFocus();
}

void frmMenuSiteiName::cmdOK_Click()
{
    if (!cmdOK->isEnabled())
        return;
    // The name being changed counts too: confirming it unchanged would change nothing.
    const QString name = txtSiteiName->text();
    if (InputSupport::HasDeliverTo(m_names, name)) {
        ShowWarning(QStringLiteral("特定配達先の重複"), QStringLiteral("同一の特定配達先が既に存在します。"));
        txtSiteiName->setFocus();
        txtSiteiName->selectAll();
        return;
    }
    m_result = name;
    accept();
}
