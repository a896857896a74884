#include "settings/ui/frmMenuGroup.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/menucatalogue.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMenuGroup::frmMenuGroup(Mode mode, const QStringList &taken, const QString &current, QWidget *parent)
    : QDialog(parent), m_taken(taken)
{
    setObjectName(QStringLiteral("frmMenuGroup"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("グループの追加") : QStringLiteral("グループ名の変更"));
    setModal(true);

    txtGroup = named(new QLineEdit(this), "txtGroup");
    txtGroup->setMaxLength(MenuCatalogue::kGroupMaxLength);
    txtGroup->setAttribute(Qt::WA_InputMethodEnabled, true);
    txtGroup->setMinimumWidth(QFontMetrics(txtGroup->font()).horizontalAdvance(QString(16, QChar(0x3042))));

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *field = new QHBoxLayout;
    field->addWidget(caption(QStringLiteral("グループ名："), txtGroup, this));
    field->addWidget(txtGroup, 1);
    auto *root = new QVBoxLayout(this);
    root->addLayout(field);
    root->addLayout(buttons.layout);

    if (mode == Mode::Change) {
        txtGroup->setText(current);
        txtGroup->selectAll();
    }
    // In Change mode the unchanged name is nothing to confirm: OK waits for an edit.
    cmdOK->setEnabled(false);
    connect(txtGroup, &QLineEdit::textEdited, this,
            [this](const QString &text) { cmdOK->setEnabled(!text.isEmpty()); });
    connect(txtGroup, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            cmdOK->setEnabled(false);
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuGroup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMenuGroup::reject);
    txtGroup->setFocus();
}

QString frmMenuGroup::GroupName() const
{
    return txtGroup->text();
}

void frmMenuGroup::cmdOK_Click()
{
    if (GroupName().isEmpty())
        return;
    if (MenuCatalogue::IsTaken(m_taken, GroupName())) {
        ShowWarning(QStringLiteral("グループ名の重複"), QStringLiteral("同一名のグループが既に存在します。"));
        txtGroup->setFocus();
        txtGroup->selectAll();
        return;
    }
    accept();
}
