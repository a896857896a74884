#include "app/frmExit.h"
#include "platform/ui/widgetnaming.h"

#include "platform/datafolder.h"
#include "platform/shell.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmExit::frmExit(const QString &backupFolder, const QString &backupFileName, QWidget *parent) : QDialog(parent)
{
    named(this, "frmExit");
    setWindowTitle(QStringLiteral("終了処理（バックアップの実行）"));
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    lblQuestion = named(new QLabel(QStringLiteral("バックアップを行いますか？"), this), "lblQuestion");
    QFont big = lblQuestion->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    lblQuestion->setFont(big);

    lblFolder = named(new QLabel(backupFolder, this), "lblFolder");
    QLabel *folderCaption = caption(QStringLiteral("バックアップ先："), lblFolder, this);
    lblFileName = named(new QLabel(backupFileName, this), "lblFileName");
    QLabel *fileCaption = caption(QStringLiteral("ファイル名："), lblFileName, this);
    for (QLabel *l : {lblFolder, lblFileName})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    chkOptimize = named(new QCheckBox(QStringLiteral("ファイルの最適化を行う"), this), "chkOptimize");
    chkOptimize->setChecked(false);

    cmdYes = named(new QPushButton(QStringLiteral("はい(&Y)"), this), "cmdYes");
    cmdYes->setDefault(true);
    cmdNo = named(new QPushButton(QStringLiteral("いいえ(&N)"), this), "cmdNo");
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel");
    cmdHelp = named(new QPushButton(QStringLiteral("ヘルプ(&H)"), this), "cmdHelp");

    auto *head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(lblQuestion, 1);
    auto *grid = new QGridLayout;
    grid->addWidget(folderCaption, 0, 0);
    grid->addWidget(lblFolder, 0, 1);
    grid->addWidget(fileCaption, 1, 0);
    grid->addWidget(lblFileName, 1, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {cmdYes, cmdNo, cmdCancel, cmdHelp})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(chkOptimize);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(cmdYes, &QPushButton::clicked, this, [this] {
        m_choice = Yes;
        accept();
    });
    connect(cmdNo, &QPushButton::clicked, this, [this] {
        m_choice = No;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmExit::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [] { OpenHelp(335); });
}

bool frmExit::compactionChosen() const
{
    return chkOptimize->isChecked();
}

void frmExit::reject()
{
    m_choice = Cancel;
    QDialog::reject();
}
