#include "customers/zipsources.h"

#include "store/cp932.h"
#include "store/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace
{

const QChar kGeta(0x3013); // 〓

bool isDigits(QStringView s, qsizetype n)
{
    if (s.size() != n)
        return false;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Characters of the JIS 2004 mapping that CP932 writes otherwise: a customer record keeps them.
QChar toCp932Form(QChar c)
{
    switch (c.unicode()) {
    case 0x2014:
        return QChar(0x2015); // —
    case 0x2212:
        return QChar(0xFF0D); // −
    case 0x301C:
        return QChar(0xFF5E); // 〜
    case 0x2016:
        return QChar(0x2225); // ‖
    case 0x00A2:
        return QChar(0xFFE0);
    case 0x00A3:
        return QChar(0xFFE1);
    case 0x00AC:
        return QChar(0xFFE2);
    default:
        return c;
    }
}

QString cp932Forms(QString s)
{
    for (QChar &c : s)
        c = toCp932Form(c);
    return s;
}

QString unquote(QStringView s)
{
    if (s.size() >= 2 && s.front() == QLatin1Char('"') && s.back() == QLatin1Char('"'))
        s = s.mid(1, s.size() - 2);
    return s.toString();
}

// A town of KEN_ALL as an address part.
QString cleanTown(QString town)
{
    if (town == QStringLiteral("以下に掲載がない場合") || town.endsWith(QStringLiteral("の次に番地がくる場合")))
        return {};
    const qsizetype open = town.indexOf(QStringLiteral("（"));
    if (open < 0)
        return town;
    const QString inner = town.mid(open + 1).chopped(town.endsWith(QStringLiteral("）")) ? 1 : 0);
    // Floors of a high-rise building have codes of their own: they are part of the address.
    if (inner.endsWith(QStringLiteral("階")) || inner == QStringLiteral("地階・階層不明"))
        return town;
    return town.left(open);
}

} // namespace

QString DecodeEucJis2004(const QByteArray &bytes, int *bad)
{
    if (bad)
        *bad = 0;
    iconv_t cd = iconv_open("UTF-16LE", "EUC-JISX0213");
    if (cd == iconv_t(-1))
        return {};
    QString out;
    out.reserve(bytes.size());
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char buffer[16384];
    while (inLeft > 0) {
        char *o = buffer;
        size_t oLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(reinterpret_cast<const QChar *>(buffer), qsizetype((sizeof buffer - oLeft) / 2));
        if (r != size_t(-1) || errno == E2BIG)
            continue;
        // An invalid or cut-short sequence: one mark for it, then go on after it.
        // The lead byte goes, and the trail bytes that belong to it; a byte that cannot be a
        // trail byte starts the next character.
        const size_t want = uchar(*in) == 0x8F ? 3 : uchar(*in) >= 0x80 ? 2 : 1;
        size_t skip = 1;
        while (skip < want && skip < inLeft && uchar(in[skip]) >= 0xA1 && uchar(in[skip]) <= 0xFE)
            ++skip;
        in += skip;
        inLeft -= skip;
        out += kGeta;
        if (bad)
            ++*bad;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

ZipSourceKind DetectZipSource(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty())
            continue;
        if (line.startsWith(";;"))
            return ZipSourceKind::SkkDictionary;
        if (line.size() > 9 && isDigits(QString::fromLatin1(line.left(7)), 7) && line.mid(7, 2) == " /")
            return ZipSourceKind::SkkDictionary;
        const QByteArray first = line.left(line.indexOf(','));
        const QByteArray digits = first.startsWith('"') && first.endsWith('"') ? first.mid(1, first.size() - 2) : first;
        if (line.contains(',') && isDigits(QString::fromLatin1(digits), 5))
            return ZipSourceKind::KenAllCsv;
        return ZipSourceKind::Unknown;
    }
    return ZipSourceKind::Unknown;
}

std::vector<ZipDbEntry> ParseSkkZipDictionary(const QString &text, bool office)
{
    std::vector<ZipDbEntry> entries;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.size() < 10 || line.startsWith(QLatin1Char(';')) || !isDigits(line.left(7), 7) ||
            line.mid(7, 2) != QLatin1String(" /"))
            continue;
        const quint32 code = line.left(7).toUInt();
        for (QStringView candidate : line.mid(9).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            // An SKK candidate may carry a note after ";": no part of the address.
            const qsizetype note = candidate.indexOf(QLatin1Char(';'));
            if (note >= 0)
                candidate = candidate.left(note);
            ZipDbEntry e;
            e.code = code;
            e.office = office;
            const qsizetype at = candidate.indexOf(QLatin1String(" @ "));
            if (office && at >= 0) {
                e.name = cp932Forms(candidate.left(at).trimmed().toString());
                e.address = cp932Forms(candidate.mid(at + 3).trimmed().toString());
            } else {
                e.address = cp932Forms(candidate.trimmed().toString());
            }
            if (!e.address.isEmpty())
                entries.push_back(std::move(e));
        }
    }
    return entries;
}

std::vector<ZipDbEntry> ParseKenAll(const QString &text)
{
    std::vector<ZipDbEntry> entries;
    ZipDbEntry pending; // a town whose bracket is still open
    bool open = false;
    auto finish = [&](ZipDbEntry e) {
        e.address += cleanTown(e.name);
        e.name.clear();
        e.address = cp932Forms(e.address);
        entries.push_back(std::move(e));
    };
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QList<QStringView> f = line.split(QLatin1Char(','));
        if (f.size() < 9)
            continue;
        const QString zip = unquote(f[2]);
        if (!isDigits(zip, 7))
            continue;
        const quint32 code = zip.toUInt();
        const QString town = unquote(f[8]);
        if (open && pending.code == code) {
            pending.name += town;
            if (town.contains(QStringLiteral("）"))) {
                finish(std::move(pending));
                open = false;
            }
            continue;
        }
        if (open)
            finish(std::move(pending)); // never closed: keep what there is
        open = false;
        ZipDbEntry e;
        e.code = code;
        e.address = unquote(f[6]) + unquote(f[7]);
        e.name = town; // the town, until it is complete
        if (town.contains(QStringLiteral("（")) && !town.contains(QStringLiteral("）"))) {
            pending = std::move(e);
            open = true;
            continue;
        }
        finish(std::move(e));
    }
    if (open)
        finish(std::move(pending));
    return entries;
}

bool ReadZipSource(const QString &path, std::vector<ZipDbEntry> *entries, ZipSourceReport *report, QString *error)
{
    report->path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    report->kind = DetectZipSource(bytes);
    const QString base = QFileInfo(path).fileName().toLower();
    const bool office = base.contains(QLatin1String("office")) || base.contains(QLatin1String("jigyosyo"));
    std::vector<ZipDbEntry> found;
    switch (report->kind) {
    case ZipSourceKind::SkkDictionary:
        found = ParseSkkZipDictionary(DecodeEucJis2004(bytes, &report->badCharacters), office);
        break;
    case ZipSourceKind::KenAllCsv: {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8.decode(bytes);
        if (utf8.hasError())
            text = FromCp932(bytes);
        found = ParseKenAll(text);
        break;
    }
    case ZipSourceKind::Unknown:
        *error = QStringLiteral("%1 is neither an SKK postal-code dictionary nor a KEN_ALL.CSV").arg(path);
        return false;
    }
    report->entries = int(found.size());
    entries->insert(entries->end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    return true;
}

bool BuildZipDbFile(const QString &outPath, QStringList sources, std::vector<ZipSourceReport> *reports,
                    qint64 *fileSize, QString *error)
{
    if (sources.isEmpty())
        sources = {kDebianZipDictionary, kDebianOfficeZipDictionary};
    std::vector<ZipDbEntry> entries;
    for (const QString &path : sources) {
        ZipSourceReport report;
        if (!ReadZipSource(path, &entries, &report, error))
            return false;
        reports->push_back(report);
    }
    if (entries.empty()) {
        *error = QStringLiteral("the sources hold no postal codes");
        return false;
    }
    const QByteArray bytes = BuildZipDbBytes(std::move(entries));
    if (!WriteFileAtomically(outPath, bytes)) {
        *error = QStringLiteral("cannot write %1").arg(outPath);
        return false;
    }
    *fileSize = bytes.size();
    return true;
}
