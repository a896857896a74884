#include "backup/ui/frmBackup.h"

#include "backup/backupflow.h"
#include "backup/ftpclient.h"
#include "backup/ui/ftpframe.h"
#include "platform/ui/widgetnaming.h"

#include <QGroupBox>
#include <QPushButton>

frmBackup::frmBackup(RecordStore &records, QWidget *parent)
    : BackupPlaceDialog(QStringLiteral("ご使用のパソコン又は外部記憶装置に保存"),
                        QStringLiteral("バックアップファイルの保存"), true, parent),
      m_records(records), m_ftp(std::make_unique<clsFtpClient>())
{
    named(this, "frmBackup");
    setWindowTitle(QStringLiteral("バックアップ"));
    cmdBackup = named(new QPushButton(QStringLiteral("バックアップの実行(&B)"), fraLocal), "cmdBackup");
    cmdBackup->setDefault(true);
    addActionButton(cmdBackup);
    connect(cmdBackup, &QPushButton::clicked, this, [this] {
        if (RunBackup(m_records, m_place))
            accept();
    });

    fraServer = new FtpFrame(QStringLiteral("弊社サーバーに保存（インターネット接続が必要）"),
                             QStringLiteral("バックアップの実行(&B)"), "cmdFtpBackup", this);
    fraServer->addNote(QStringLiteral("注）サーバーには1個だけしかバックアップファイルを\n"
                                      "保存できません。送信すると、前回サーバーに保存した\n"
                                      "バックアップファイルは新しいファイルに置き換わります。"));
    addFrame(fraServer);
    connect(fraServer->cmdAction, &QPushButton::clicked, this, [this] {
        if (fraServer->checkFields())
            RunFtpUpload(m_records, *m_ftp, fraServer->account(), fraServer->view());
    });
}

frmBackup::~frmBackup() = default;
