#include "app/firststart.h"

#include "store/prefs.h"

#include <QStringList>

namespace
{
const QString kSection = QStringLiteral("SYSTEM");
const QString kKey = QStringLiteral("STARTED");
} // namespace

bool IsFirstStart()
{
    return GetPref(kSection, kKey) != QLatin1String("1");
}

void MarkFirstStartDone()
{
    SavePref(kSection, kKey, QStringLiteral("1"));
    SyncPrefs();
}

void SaveLabelPaperDefaults()
{
    const QString paper = QStringLiteral("PAPER");
    SavePref(paper, QStringLiteral("UP"), QStringLiteral("23.5"));
    SavePref(paper, QStringLiteral("LEFT"), QStringLiteral("7"));
    SavePref(paper, QStringLiteral("WIDTH"), QStringLiteral("64"));
    SavePref(paper, QStringLiteral("HEIGHT"), QStringLiteral("33.9"));
    SavePref(paper, QStringLiteral("TATE"), QStringLiteral("7"));
}

QString FirstStartNoticeText()
{
    const QStringList lines = {
        QStringLiteral("ソラノワをご使用するにあたり､まず以下の初期設定を行う必要がございます｡"),
        QString(),
        QStringLiteral("・店舗設定"),
        QStringLiteral("・出前メニュー設定"),
        QStringLiteral("・スタッフ設定"),
        QStringLiteral("・CTI設定"),
        QString(),
        QStringLiteral("店舗設定はこの後の画面で行って下さい。"),
        QStringLiteral("その他の設定はソラノワ起動後、画面左メニューの[設定]から行って下さい。"),
        QStringLiteral("なおこれらの設定は、随時[設定]から登録・変更できます。"),
        QString(),
        QStringLiteral("本ソフトウェアの使用により生じたいかなる損害についても、制作者は責任を負いかねます。"
                       "データは定期的にバックアップして下さい。"),
    };
    return lines.join(QStringLiteral("\r\n"));
}
