// Readings of menu names: the analyser's load time, and the time per name once loaded against
// the ICU half-width conversion of the same names, measured in the same run:
//   load (dictionaries opened, first name read)                     reported
//   reading per name  vs  ToHalfWidth of the same name              target < 5 ms per name
//
//   bench_reading [SYSTEM_DICTIONARY_DIR [MENU_WORDS_DIC]]
// Defaults: the dictionaries the program is built with (menuwords.dic beside this executable's
// build folder).
#include "settings/menureading.h"
#include "store/helpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

namespace
{

const char *const kNames[] = {
    "天ぷらそば",
    "親子丼",
    "カツ丼",
    "海老フライ定食",
    "ざるそば大盛り",
    "鍋焼きうどん",
    "きつねうどん",
    "鴨南蛮そば",
    "上寿司",
    "焼き餃子定食",
    "ＢＩＧカツ丼セット",
    "季節の天ぷら盛り合わせ",
    "味噌ラーメン",
    "冷やし中華",
    "生姜焼き定食",
    "かけそば",
    "コーラ",
    "特上うな重",
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    MenuReadingDictionary where{args.size() > 1 ? args[1] : QStringLiteral(SORANOWA_MECAB_DICDIR),
                                args.size() > 2 ? args[2] : QStringLiteral(SORANOWA_MENUWORDS_DIC)};
    QStringList names;
    for (const char *n : kNames)
        names << QString::fromUtf8(n);

    MenuReader reader(where);
    QElapsedTimer t;
    t.start();
    const std::optional<QString> first = reader.reading(names[1]);
    const double loadMs = t.nsecsElapsed() / 1e6;
    if (!first) {
        std::fprintf(stderr, "the analyser could not be loaded from %s\n", qPrintable(where.systemDir));
        return 1;
    }

    constexpr int kRounds = 2000;
    qsizetype sink = 0;
    t.restart();
    for (int r = 0; r < kRounds; ++r)
        for (const QString &n : names)
            sink += ToHalfWidth(n).size();
    const double baseNs = double(t.nsecsElapsed()) / (kRounds * names.size());

    t.restart();
    for (int r = 0; r < kRounds; ++r)
        for (const QString &n : names)
            sink += reader.reading(n).value_or(QString()).size();
    const double readNs = double(t.nsecsElapsed()) / (kRounds * names.size());

    std::printf("names: %lld, rounds: %d (checksum %lld)\n", (long long)names.size(), kRounds, (long long)sink);
    std::printf("load (first reading):      %8.2f ms\n", loadMs);
    std::printf("ToHalfWidth per name:      %8.2f us (baseline)\n", baseNs / 1e3);
    std::printf("reading per name:          %8.2f us  ratio %.1f  target < 5 ms: %s\n", readNs / 1e3, readNs / baseNs,
                readNs < 5e6 ? "met" : "MISSED");
    std::printf("load / reading per name:   %8.1f\n", loadMs * 1e6 / readNs);
    return 0;
}
