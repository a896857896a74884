#include "backup/ui/frmRestore.h"

#include "backup/backupflow.h"
#include "backup/ftpclient.h"
#include "backup/ui/ftpframe.h"
#include "platform/ui/widgetnaming.h"

#include <QGroupBox>
#include <QPushButton>

frmRestore::frmRestore(RecordStore &records, QWidget *parent)
    : BackupPlaceDialog(QStringLiteral("ご使用のパソコン又は外部記憶装置から復元"),
                        QStringLiteral("バックアップファイルの復元"), false, parent),
      m_records(records), m_ftp(std::make_unique<clsFtpClient>())
{
    named(this, "frmRestore");
    setWindowTitle(QStringLiteral("バックアップファイルの復元"));
    cmdRestore = named(new QPushButton(QStringLiteral("バックアップデータの復元(&B)"), fraLocal), "cmdRestore");
    cmdRestore->setDefault(true);
    addActionButton(cmdRestore);
    connect(cmdRestore, &QPushButton::clicked, this, [this] {
        if (RunRestore(m_records, m_place) == RestoreOutcome::Restored) {
            m_restored = true;
            accept();
        }
    });

    fraServer = new FtpFrame(QStringLiteral("弊社サーバーから復元（インターネット接続が必要）"),
                             QStringLiteral("バックアップデータの復元(&B)"), "cmdFtpRestore", this);
    addFrame(fraServer);
    connect(fraServer->cmdAction, &QPushButton::clicked, this, [this] {
        if (!fraServer->checkFields())
            return;
        if (RunFtpRestore(m_records, *m_ftp, fraServer->account(), fraServer->view()) == RestoreOutcome::Restored) {
            m_restored = true;
            accept();
        }
    });
}

frmRestore::~frmRestore() = default;
