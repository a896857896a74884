#pragma once
// Small helpers for building windows in code: every control carries its name as objectName and
// its caption as accessible name (screen readers and test robots find it by caption), and every
// caption label is the buddy of its field (mnemonics).
#include <QLabel>
#include <QString>

// A caption as a screen reader should say it: without its mnemonic ("(&G)" or "&") and without
// the colon that ends it ("プリンター(&N)：" gives "プリンター").
QString SpokenCaption(const QString &caption);

template <typename W> W *named(W *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

template <typename W> W *named(W *w, const char *name)
{
    return named(w, QString::fromLatin1(name));
}

// The control named and given `caption` as its accessible name.
template <typename W> W *named(W *w, const QString &name, const QString &caption)
{
    named(w, name);
    w->setAccessibleName(SpokenCaption(caption));
    return w;
}

template <typename W> W *named(W *w, const char *name, const QString &caption)
{
    return named(w, QString::fromLatin1(name), caption);
}

// A caption label, the buddy of its field; a field that has no accessible name yet takes the
// caption as its own, wherever the two sit in the window.
QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent = nullptr);

// A hint beside a field ("（ハイホンなしで入力）"): also the field's buddy, and read out as the
// field's description rather than its name.
QLabel *hint(const QString &text, QWidget *buddy, QWidget *parent = nullptr);
