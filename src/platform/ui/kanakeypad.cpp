#include "platform/ui/kanakeypad.h"

#include "platform/ui/widgetnaming.h"

#include <QGridLayout>
#include <QPushButton>

namespace
{

// ｦ is the first half-width katakana in both CP932 and Unicode; the two run in parallel.
constexpr char16_t kFirstKanaUnicode = 0xFF66;

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

int KanaKeypad::CodeOf(QChar ch)
{
    const int offset = int(ch.unicode()) - int(kFirstKanaUnicode);
    if (offset < 0 || offset > kLastCode - kFirstCode)
        return -1;
    return kFirstCode + offset;
}

QChar KanaKeypad::CharacterOf(int code)
{
    if (code < kFirstCode || code > kLastCode)
        return {};
    return QChar(char16_t(kFirstKanaUnicode + (code - kFirstCode)));
}

KanaKeypad::KanaKeypad(const KanaKeypadLayout &layout, QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int row = 0; row < layout.rows.size(); ++row) {
        const QString &cells = layout.rows.at(row);
        for (int col = 0; col < cells.size(); ++col) {
            const QChar ch = cells.at(col);
            const int code = CodeOf(ch);
            if (code < 0)
                continue;
            const QString text = layout.caption ? layout.caption(ch) : QString(ch);
            auto *b = named(new QPushButton(text, this), layout.namePrefix + QString::number(code), spokenKey(ch));
            b->setFocusPolicy(Qt::NoFocus); // the keys type into the search field, which keeps the focus
            b->setFixedSize(layout.keySize);
            b->setEnabled(false);
            grid->addWidget(b, row, col);
            connect(b, &QPushButton::clicked, this, [this, ch] { emit characterPressed(QString(ch)); });
            m_keys[code] = b;
        }
    }
}

void KanaKeypad::setHighlighted(QPushButton *button, bool on)
{
    if (button->property("highlighted").toBool() == on)
        return;
    button->setProperty("highlighted", on);
    if (on) {
        QPalette p = button->palette();
        p.setColor(QPalette::Button, kHighlight);
        button->setPalette(p);
    } else {
        button->setPalette(QPalette()); // back to the style's normal colour
    }
}

void KanaKeypad::disableAll()
{
    for (auto &[code, b] : m_keys) {
        b->setEnabled(false);
        setHighlighted(b, false);
    }
}

void KanaKeypad::setNextCharacters(const QString &characters)
{
    std::map<int, bool> wanted;
    for (QChar ch : characters)
        wanted[CodeOf(ch)] = true;
    setEnabledCodes([&wanted](int code) { return wanted.count(code) > 0; });
}

void KanaKeypad::setEnabledCodes(const std::function<bool(int code)> &enabled)
{
    for (auto &[code, b] : m_keys) {
        const bool on = enabled(code);
        b->setEnabled(on);
        setHighlighted(b, on && m_highlighting);
    }
}

QPushButton *KanaKeypad::key(int code) const
{
    const auto it = m_keys.find(code);
    return it == m_keys.end() ? nullptr : it->second;
}

bool KanaKeypad::isHighlighted(int code) const
{
    const QPushButton *b = key(code);
    return b && b->property("highlighted").toBool();
}
