#include "backup/ui/backupplace.h"

#include "backup/backupflow.h"
#include "platform/datafolder.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/settingfiles.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
const QString kFilter = QStringLiteral("ソラノワﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙ (*.snb);;すべてのﾌｧｲﾙ (*.*)");
}

BackupPlaceDialog::BackupPlaceDialog(const QString &frameTitle, const QString &browseTitle, bool saving,
                                     QWidget *parent)
    : QDialog(parent), m_browseTitle(browseTitle), m_saving(saving)
{
    setModal(true);
    SettingTables tables;
    LoadBackupSettings(tables); // fills in the defaults for an empty folder or name
    m_place = tables.Backup;

    fraLocal = named(new QGroupBox(frameTitle, this), "fraLocal");
    lblFolder = named(new QLabel(fraLocal), "lblFolder");
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Shown like a field, on one line beside its caption: a path has no blanks to wrap at.
    lblFolder->setFrameShape(QFrame::StyledPanel);
    lblFolder->setMinimumWidth(320);
    txtFileName = named(new QLineEdit(fraLocal), "txtFileName");
    cmdBrowse = named(new QPushButton(QStringLiteral("参照(&R)..."), fraLocal), "cmdBrowse");
    cmdDefault = named(new QPushButton(QStringLiteral("最初の設定(&D)"), fraLocal), "cmdDefault");
    cmdClose = named(new QPushButton(QStringLiteral("閉じる"), this), "cmdClose");

    auto *grid = new QGridLayout;
    grid->addWidget(caption(QStringLiteral("場所："), lblFolder, fraLocal), 0, 0);
    grid->addWidget(lblFolder, 0, 1);
    grid->addWidget(caption(QStringLiteral("ﾌｧｲﾙ名："), txtFileName, fraLocal), 1, 0);
    grid->addWidget(txtFileName, 1, 1);
    grid->setColumnStretch(1, 1);
    m_frameButtons = new QVBoxLayout;
    m_frameButtons->addWidget(cmdBrowse);
    m_frameButtons->addWidget(cmdDefault);
    m_frameButtons->addStretch(1);
    auto *inFrame = new QHBoxLayout(fraLocal);
    inFrame->addLayout(grid, 1);
    inFrame->addLayout(m_frameButtons);

    auto *foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(cmdClose);
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(fraLocal);
    m_layout->addLayout(foot);

    showPlace();
    lblFolder->setFixedHeight(txtFileName->sizeHint().height());
    connect(txtFileName, &QLineEdit::textEdited, this, [this](const QString &text) { m_place.BackupFileName = text; });
    connect(cmdBrowse, &QPushButton::clicked, this, &BackupPlaceDialog::browse);
    connect(cmdDefault, &QPushButton::clicked, this, [this] {
        ResetBackupSettings(m_place);
        showPlace();
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void BackupPlaceDialog::addActionButton(QPushButton *button)
{
    m_frameButtons->insertWidget(2, button);
}

void BackupPlaceDialog::addFrame(QWidget *frame)
{
    m_layout->insertWidget(m_layout->count() - 1, frame);
}

void BackupPlaceDialog::showPlace()
{
    lblFolder->setText(m_place.BackupFolder);
    lblFolder->setToolTip(m_place.BackupFolder);
    txtFileName->setText(m_place.BackupFileName);
}

void BackupPlaceDialog::browse()
{
    const QString start = BackupArchivePath(m_place);
    QString chosen = m_saving ? Prompt().saveFileName(m_browseTitle, start, kFilter)
                              : Prompt().openFileName(m_browseTitle, start, kFilter);
    EnterDataFolder();
    if (chosen.isEmpty())
        return;
    if (m_saving && QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".snb");
    const QFileInfo info(chosen);
    m_place.BackupFolder = info.absolutePath();
    m_place.BackupFileName = info.fileName();
    showPlace();
}
