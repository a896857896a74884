#include "orders/ui/kanakeyboard.h"

#include "orders/kanasearch.h"
#include "platform/ui/widgetnaming.h"

#include <QGridLayout>
#include <QPushButton>

namespace
{

// The table as shown, row by row from the left; "・" leaves a cell empty.
// Left part: the marks and small kana; right part: ﾝ ﾜ ﾗ ﾔ ﾏ ﾊ ﾅ ﾀ ｻ ｶ ｱ, so the ｱ column is on
// the right as in a printed 50-sound table.
// clang-format off
const char16_t *const kRows[] = {
    u"ﾞｯｬｧﾝﾜﾗﾔﾏﾊﾅﾀｻｶｱ",
    u"ﾟ・・ｨ・・ﾘ・ﾐﾋﾆﾁｼｷｲ",
    u"ｰ・ｭｩ・・ﾙﾕﾑﾌﾇﾂｽｸｳ",
    u"・・・ｪ・・ﾚ・ﾒﾍﾈﾃｾｹｴ",
    u"・・ｮｫ・ｦﾛﾖﾓﾎﾉﾄｿｺｵ",
};
// clang-format on

// A key as a screen reader should say it: the marks by their names, small kana as small.
QString spokenKey(QChar ch)
{
    switch (ch.unicode()) {
    case 0xFF9E:
        return QStringLiteral("濁点");
    case 0xFF9F:
        return QStringLiteral("半濁点");
    case 0xFF70:
        return QStringLiteral("長音");
    default:
        break;
    }
    // ｧ to ｫ, ｬ to ｮ and ｯ.
    if (ch.unicode() >= 0xFF67 && ch.unicode() <= 0xFF6F)
        return QStringLiteral("小さい") + ch;
    return ch;
}

} // namespace

KanaKeyboard::KanaKeyboard(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    int row = 0;
    for (const char16_t *line : kRows) {
        const QString cells = QString::fromUtf16(line);
        for (int col = 0; col < cells.size(); ++col) {
            const int code = KanaKeyCode(cells.at(col));
            if (code < 0)
                continue;
            const QString ch = cells.at(col);
            auto *b = named(new QPushButton(ch, this), QStringLiteral("cmdMoji%1").arg(code), spokenKey(ch.at(0)));
            b->setFocusPolicy(Qt::NoFocus); // the keys type into the search field, which keeps the focus
            b->setFixedSize(26, 24);
            b->setEnabled(false);
            grid->addWidget(b, row, col);
            connect(b, &QPushButton::clicked, this, [this, ch] { emit characterPressed(ch); });
            m_keys[code] = b;
        }
        ++row;
    }
}

void KanaKeyboard::setHighlighted(QPushButton *button, bool on)
{
    button->setProperty("highlighted", on);
    if (on) {
        QPalette p = button->palette();
        p.setColor(QPalette::Button, kHighlight);
        button->setPalette(p);
    } else {
        button->setPalette(QPalette()); // back to the style's normal colour
    }
}

void KanaKeyboard::disableAll()
{
    for (auto &[code, b] : m_keys) {
        b->setEnabled(false);
        setHighlighted(b, false);
    }
}

void KanaKeyboard::setNextCharacters(const QString &characters)
{
    disableAll();
    for (QChar ch : characters) {
        if (QPushButton *b = key(KanaKeyCode(ch))) {
            b->setEnabled(true);
            setHighlighted(b, true);
        }
    }
}

QPushButton *KanaKeyboard::key(int code) const
{
    const auto it = m_keys.find(code);
    return it == m_keys.end() ? nullptr : it->second;
}

bool KanaKeyboard::isHighlighted(int code) const
{
    const QPushButton *b = key(code);
    return b && b->property("highlighted").toBool();
}
