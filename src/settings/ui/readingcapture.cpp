#include "settings/ui/readingcapture.h"

#include "settings/menureading.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

ReadingCapture::ReadingCapture(QLineEdit *name, QLineEdit *reading, QObject *parent)
    : QObject(parent), m_name(name), m_reading(reading)
{
    m_name->installEventFilter(this);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.isEmpty() && !m_inEvent) {
            m_reading->clear();
            reset();
        }
    });
    // Any other change of the name (pasting, cutting, typing over a selection) may bring a word
    // whose sound never passed through here.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &) {
        if (!m_inEvent && !m_name->text().isEmpty())
            m_missed = true;
    });
}

void ReadingCapture::reset()
{
    m_soundOfWord.clear();
    m_composing = false;
    m_added = false;
    m_missed = false;
}

void ReadingCapture::startOverWhenReplacingAll()
{
    if (!m_name->text().isEmpty() && m_name->selectedText() == m_name->text()) {
        m_reading->clear();
        reset();
    }
}

void ReadingCapture::add(const QString &text, bool atFront)
{
    if (text.isEmpty()) {
        m_missed = true;
        return;
    }
    m_reading->setText(atFront ? text + m_reading->text() : m_reading->text() + text);
    m_added = true;
    emit readingAdded();
}

bool ReadingCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_name)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool printable = !text.isEmpty() && text.at(0).unicode() > 31 && text.at(0) != QChar(0x7f) &&
                               !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (printable && !m_composing) {
            startOverWhenReplacingAll();
            // The character goes into the name first, so a refused one (field full) adds nothing.
            const QString before = m_name->text();
            m_inEvent = true;
            m_name->event(event);
            m_inEvent = false;
            if (m_name->text() != before)
                add(TypedReading(text), false);
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::InputMethod)
        return false;
    auto *ime = static_cast<QInputMethodEvent *>(event);
    const QString committed = ime->commitString();
    if (!committed.isEmpty() || !ime->preeditString().isEmpty())
        startOverWhenReplacingAll();
    const bool atFront = m_name->cursorPosition() == 0 && !m_name->hasSelectedText();
    if (IsReadingComposition(ime->preeditString()))
        m_soundOfWord = ime->preeditString();
    m_inEvent = true;
    m_name->event(event);
    m_inEvent = false;
    if (!committed.isEmpty()) {
        add(CommittedReading(committed, m_soundOfWord), atFront);
        m_soundOfWord.clear();
    }
    m_composing = !ime->preeditString().isEmpty();
    if (!m_composing && committed.isEmpty())
        m_soundOfWord.clear();
    return true;
}
