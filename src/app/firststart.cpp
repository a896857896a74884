#include "app/firststart.h"

#include "store/preferences.h"
#include "store/prefs.h"

#include <QStringList>

bool IsFirstStart()
{
    return !Prefs::FirstStartDone.get();
}

void MarkFirstStartDone()
{
    Prefs::FirstStartDone.set(true);
    SyncPrefs();
}

void SaveLabelPaperDefaults()
{
    for (const auto &size : {Prefs::LabelTop, Prefs::LabelLeft, Prefs::LabelWidth, Prefs::LabelHeight})
        size.storeDefault();
    Prefs::LabelRows.storeDefault();
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
