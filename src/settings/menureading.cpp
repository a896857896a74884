#include "settings/menureading.h"

#include "platform/datafolder.h"

#include <QFileInfo>

#include <mecab.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#ifndef SORANOWA_MECAB_DICDIR
#define SORANOWA_MECAB_DICDIR "/var/lib/mecab/dic/ipadic-utf8"
#endif

namespace
{

icu::Transliterator *kanaTransliterator()
{
    static const std::unique_ptr<icu::Transliterator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance("Hiragana-Katakana; Fullwidth-Halfwidth", UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            t.reset();
        return t;
    }();
    return instance.get();
}

bool isSingleByte(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7f) || (u >= 0xff61 && u <= 0xff9f);
}

// Words with these characters need the dictionary; everything else is read as written.
bool needsDictionary(const QString &word)
{
    for (QChar c : word) {
        if (c.script() == QChar::Script_Han || c == u'々' || c == u'〆' || c == u'ヶ' || c == u'ヵ')
            return true;
    }
    return false;
}

// Characters with no single-byte form (〜, ♪, …) carry no sound and are left out.
QString singleByteOnly(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (isSingleByte(c))
            out += c;
    }
    return out;
}

// The reading field of an IPA-dictionary feature; unknown words have none.
std::optional<QString> dictionaryReading(const char *feature)
{
    const QStringList fields = QString::fromUtf8(feature).split(u',');
    if (fields.size() < 8 || fields[7].isEmpty() || fields[7] == u"*")
        return std::nullopt;
    return fields[7];
}

} // namespace

QString KanaToHalfWidthKatakana(const QString &text)
{
    icu::Transliterator *t = kanaTransliterator();
    if (text.isEmpty() || !t)
        return text;
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
    t->transliterate(s);
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

struct MenuReader::Analyser {
    std::unique_ptr<MeCab::Model> model;
    std::unique_ptr<MeCab::Tagger> tagger;
    std::unique_ptr<MeCab::Lattice> lattice;
};

MenuReader::MenuReader(MenuReadingDictionary where) : where_(std::move(where))
{
}

MenuReader::~MenuReader() = default;

bool MenuReader::loaded() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return analyser_ != nullptr;
}

bool MenuReader::load()
{
    std::lock_guard<std::mutex> guard(lock_);
    return loadLocked();
}

bool MenuReader::loadLocked()
{
    if (tried_)
        return analyser_ != nullptr;
    tried_ = true;
    // MeCab reports a missing dictionary only through its error text; check first so a missing
    // file never reaches the analyser.
    const QString dicrc = where_.systemDir + QStringLiteral("/dicrc");
    if (!QFileInfo::exists(where_.systemDir + QStringLiteral("/sys.dic")) || !QFileInfo::exists(dicrc))
        return false;
    if (!where_.userDic.isEmpty() && !QFileInfo::exists(where_.userDic))
        return false;
    // The system dictionary's own dicrc serves as the resource file, so no /etc/mecabrc is needed.
    std::vector<std::string> args = {"soranowa", "-r", dicrc.toStdString(), "-d", where_.systemDir.toStdString()};
    if (!where_.userDic.isEmpty()) {
        args.push_back("-u");
        args.push_back(where_.userDic.toStdString());
    }
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    auto analyser = std::make_unique<Analyser>();
    analyser->model.reset(MeCab::createModel(int(argv.size()), argv.data()));
    if (!analyser->model)
        return false;
    analyser->tagger.reset(analyser->model->createTagger());
    analyser->lattice.reset(analyser->model->createLattice());
    if (!analyser->tagger || !analyser->lattice)
        return false;
    analyser_ = std::move(analyser);
    return true;
}

std::optional<QString> MenuReader::reading(const QString &name)
{
    if (name.isEmpty())
        return QString();
    if (!needsDictionary(name))
        return singleByteOnly(KanaToHalfWidthKatakana(name));
    // One lattice serves every caller, so a reading is made under the lock.
    std::lock_guard<std::mutex> guard(lock_);
    if (!loadLocked())
        return std::nullopt;
    const std::string text = name.toStdString();
    MeCab::Lattice *lattice = analyser_->lattice.get();
    lattice->set_sentence(text.c_str());
    if (!analyser_->tagger->parse(lattice))
        return std::nullopt;

    QString out;
    for (const MeCab::Node *node = lattice->bos_node(); node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        // Spaces before a word are not part of its surface; keep them as the name has them.
        const int spaceBytes = int(node->rlength) - int(node->length);
        out += KanaToHalfWidthKatakana(QString::fromUtf8(node->surface - spaceBytes, spaceBytes));
        const QString surface = QString::fromUtf8(node->surface, int(node->length));
        if (!needsDictionary(surface)) {
            out += KanaToHalfWidthKatakana(surface);
            continue;
        }
        const std::optional<QString> read = dictionaryReading(node->feature);
        if (!read)
            return std::nullopt;
        out += KanaToHalfWidthKatakana(*read);
    }
    return singleByteOnly(out);
}

MenuReader &ProgramMenuReader()
{
    static MenuReader reader(
        MenuReadingDictionary{QStringLiteral(SORANOWA_MECAB_DICDIR), ProgramFile(QStringLiteral("menuwords.dic"))});
    return reader;
}

std::optional<QString> MenuNameReading(const QString &name, const QString &inputMethodReading, MenuReader &reader)
{
    if (!inputMethodReading.isEmpty())
        return singleByteOnly(KanaToHalfWidthKatakana(inputMethodReading));
    return reader.reading(name);
}

namespace
{

bool allSingleByte(const QString &text)
{
    return std::all_of(text.begin(), text.end(), isSingleByte);
}

} // namespace

QString CommittedReading(const QString &committed, const QString &reading)
{
    if (committed.isEmpty())
        return {};
    const QString half = KanaToHalfWidthKatakana(committed);
    if (allSingleByte(half))
        return half;
    return singleByteOnly(KanaToHalfWidthKatakana(reading));
}

QString TypedReading(const QString &typed)
{
    const QString half = KanaToHalfWidthKatakana(typed);
    return allSingleByte(half) ? half : QString();
}

bool IsReadingComposition(const QString &preedit)
{
    if (preedit.isEmpty())
        return false;
    return std::all_of(preedit.begin(), preedit.end(), [](QChar c) {
        return c.script() == QChar::Script_Hiragana || c.script() == QChar::Script_Katakana || c == u'ー' ||
               isSingleByte(c);
    });
}
