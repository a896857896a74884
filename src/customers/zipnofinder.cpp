#include "customers/zipnofinder.h"

#include "customers/zipkey.h"
#include "platform/datafolder.h"

#include <QDir>

#include <new>

void ZipNoFinder::setDatabaseFile(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_db.reset();
    m_tried = false;
    m_searched = false;
}

void ZipNoFinder::setZipKey(const QString &key)
{
    m_zipKey = key;
    m_searched = false;
}

void ZipNoFinder::setAddressKey(const QString &key)
{
    m_addressKey = key;
    m_searched = false;
}

void ZipNoFinder::Reset()
{
    m_zipKey.clear();
    m_addressKey.clear();
    m_hits.clear();
    m_searched = false;
    m_count = 0;
    m_truncated = false;
}

void ZipNoFinder::ensureOpen()
{
    if (m_tried)
        return;
    m_tried = true;
    if (m_path.isEmpty())
        return;
    // An installed program ships a read-only database; a copy in the data folder still wins, so a
    // shop can keep a newer one.
    const QString path =
        QDir::isAbsolutePath(m_path) ? m_path : DataOrProgramFileIn(QDir::currentPath(), ProgramFolder(), m_path);
    m_db = ZipDatabase::open(path);
}

bool ZipNoFinder::IsOpen()
{
    ensureOpen();
    return m_db != nullptr;
}

void ZipNoFinder::ensureSearched()
{
    if (m_searched)
        return;
    m_searched = true;
    m_hits.clear();
    m_truncated = false;
    ensureOpen();
    if (!m_db) {
        m_count = -1;
        return;
    }
    const QString zip = NormaliseZipKey(m_zipKey);
    const QString address = NormaliseAddressKey(m_addressKey);
    if (zip.isEmpty() && address.isEmpty()) {
        m_count = -2;
        return;
    }
    try {
        if (!zip.isEmpty()) {
            if (!IsZipSearchKey(zip)) {
                // One or two digits would list a tenth of the country: no usable key yet.
                // Letters are no code at all.
                bool digitsOnly = true;
                for (QChar c : zip)
                    digitsOnly = digitsOnly && c.isDigit() && c.unicode() < 128;
                m_count = digitsOnly && zip.size() < 3 ? -2 : 0;
                return;
            }
            quint32 scale = 1;
            for (qsizetype i = zip.size(); i < 7; ++i)
                scale *= 10;
            const quint32 lo = zip.toUInt() * scale;
            const auto [first, last] = m_db->codeRange(lo, lo + scale - 1);
            for (quint32 i = first; i < last; ++i) {
                if (!address.isEmpty() && !m_db->key(i).contains(address))
                    continue;
                if (m_hits.size() >= std::size_t(kResultLimit)) {
                    m_truncated = true;
                    break;
                }
                m_hits.push_back(i);
            }
        } else {
            m_hits = m_db->findAddress(address, kResultLimit, &m_truncated);
            const QString town = TownPart(address);
            if (m_hits.empty() && !town.isEmpty() && town != address)
                m_hits = m_db->findAddress(town, kResultLimit, &m_truncated);
        }
    } catch (const std::bad_alloc &) {
        m_hits.clear();
        m_truncated = false;
        m_count = -3;
        return;
    }
    m_count = int(m_hits.size());
}

int ZipNoFinder::ResultCount()
{
    ensureSearched();
    return m_count;
}

bool ZipNoFinder::IsTruncated()
{
    ensureSearched();
    return m_truncated;
}

QString ZipNoFinder::ResultZip(int i)
{
    ensureSearched();
    if (i < 0 || std::size_t(i) >= m_hits.size())
        return {};
    const quint32 entry = m_hits[std::size_t(i)];
    QString text = FormatZipCode(m_db->code(entry));
    if (m_db->office(entry))
        text += QLatin1Char('*');
    return text;
}

QString ZipNoFinder::ResultAddress(int i)
{
    ensureSearched();
    if (i < 0 || std::size_t(i) >= m_hits.size())
        return {};
    return m_db->display(m_hits[std::size_t(i)]);
}

QString FormatZipCode(quint32 code)
{
    const QString digits = QStringLiteral("%1").arg(code, 7, 10, QLatin1Char('0'));
    return digits.left(3) + QLatin1Char('-') + digits.mid(3);
}
