#include "store/settingtables.h"

QStringList BuildMotiveList()
{
    // Positions are stored in CustomerRecord.Motive; never reorder.
    return {QStringLiteral("郵便ポストにメニュー"),
            QStringLiteral("新聞折込広告"),
            QStringLiteral("イエローページ"),
            QStringLiteral("店舗利用経験有り"),
            QStringLiteral("インターネット"),
            QStringLiteral("知人の紹介"),
            QStringLiteral("その他")};
}
