#include "fuzzsupport.h"

#include "platform/datafolder.h"
#include "platform/prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace
{

class QuietPrompt final : public PromptService
{
  public:
    int boxes = 0;
    PromptAnswer ask(const PromptRequest &request) override
    {
        ++boxes;
        switch (request.buttons) {
        case PromptButtons::Ok:
        case PromptButtons::OkCancel:
            return PromptAnswer::Ok;
        case PromptButtons::RetryCancel:
            return PromptAnswer::Cancel; // never loop on a retry
        default:
            return PromptAnswer::No;
        }
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }
};

struct Environment {
    int argc = 1;
    char name[16] = "fuzz";
    char *argv[2] = {name, nullptr};
    QCoreApplication *app = nullptr;
    QTemporaryDir *dir = nullptr;
    QuietPrompt prompt;
    QString folder;

    Environment()
    {
        // Preferences and user folders of a scratch user, never the real ones.
        QStandardPaths::setTestModeEnabled(true);
        app = new QCoreApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("SoranowaFuzz"));
        // In memory where there is such a folder: the readers sync what they write.
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        dir = new QTemporaryDir(base + QStringLiteral("/soranowa-fuzz-XXXXXX"));
        if (!dir->isValid())
            Fuzz::Fail("no scratch folder");
        folder = dir->path() + QStringLiteral("/data");
        QDir().mkpath(folder);
        SetDataFolderOverride(folder);
        QDir::setCurrent(folder);
        SetPromptService(&prompt);
    }
};

Environment &env()
{
    static Environment *e = [] {
        auto *made = new Environment;
        // The scratch folder goes when the fuzzer ends normally; a crash leaves it for a look.
        std::atexit([] { QDir(env().dir->path()).removeRecursively(); });
        return made;
    }();
    return *e;
}

} // namespace

namespace Fuzz
{

const QString &DataFolder()
{
    return env().folder;
}

void WriteFile(const QString &name, const QByteArray &bytes)
{
    QFile file(DataFolder() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail("scratch file not written");
}

void RemoveFile(const QString &name)
{
    QFile::remove(DataFolder() + QLatin1Char('/') + name);
}

int TakeBoxCount()
{
    const int n = env().prompt.boxes;
    env().prompt.boxes = 0;
    return n;
}

uint8_t Input::byte()
{
    if (m_size == 0)
        return 0;
    --m_size;
    return *m_data++;
}

QByteArray Input::rest()
{
    QByteArray bytes(reinterpret_cast<const char *>(m_data), qsizetype(m_size));
    m_data += m_size;
    m_size = 0;
    return bytes;
}

void Fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

} // namespace Fuzz
