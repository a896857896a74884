#pragma once
// Only one copy of the program runs per user: a second one is refused at start.
#include <QLockFile>
#include <QString>

#include <memory>

class SingleInstanceGuard
{
  public:
    // `lockPath` "" = the per-user lock of the program.
    explicit SingleInstanceGuard(const QString &lockPath = QString());
    // True when this process now holds the lock; false when another instance holds it.
    bool acquire();

  private:
    std::unique_ptr<QLockFile> m_lock;
};

// "すでに「<title>」は起動されています。" CR LF CR LF "ニ重起動はできません。"
QString DuplicateStartText(const QString &programTitle);
inline const QString kDuplicateStartTitle = QStringLiteral("起動できません");
