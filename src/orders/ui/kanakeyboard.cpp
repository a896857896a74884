#include "orders/ui/kanakeyboard.h"

namespace
{

// The table as shown, row by row from the left; "・" leaves a cell empty.
// Left part: the marks and small kana; right part: ﾝ ﾜ ﾗ ﾔ ﾏ ﾊ ﾅ ﾀ ｻ ｶ ｱ, so the ｱ column is on
// the right as in a printed 50-sound table.
KanaKeypadLayout orderLayout()
{
    KanaKeypadLayout layout;
    // clang-format off
    layout.rows = {
        QStringLiteral("ﾞｯｬｧﾝﾜﾗﾔﾏﾊﾅﾀｻｶｱ"),
        QStringLiteral("ﾟ・・ｨ・・ﾘ・ﾐﾋﾆﾁｼｷｲ"),
        QStringLiteral("ｰ・ｭｩ・・ﾙﾕﾑﾌﾇﾂｽｸｳ"),
        QStringLiteral("・・・ｪ・・ﾚ・ﾒﾍﾈﾃｾｹｴ"),
        QStringLiteral("・・ｮｫ・ｦﾛﾖﾓﾎﾉﾄｿｺｵ"),
    };
    // clang-format on
    layout.namePrefix = QStringLiteral("cmdMoji");
    return layout;
}

} // namespace

KanaKeyboard::KanaKeyboard(QWidget *parent) : KanaKeypad(orderLayout(), parent)
{
}
