#include "backup/ui/frmBackup.h"

#include "backup/backupflow.h"
#include "platform/ui/widgetnaming.h"

#include <QGroupBox>
#include <QPushButton>

frmBackup::frmBackup(RecordStore &records, QWidget *parent)
    : BackupPlaceDialog(QStringLiteral("ご使用のパソコン又は外部記憶装置に保存"),
                        QStringLiteral("バックアップファイルの保存"), true, parent),
      m_records(records)
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
}
