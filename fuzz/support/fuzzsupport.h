#pragma once
// What every fuzz target shares: one scratch data folder that is the current directory, a prompt
// service that answers every box at once, and small helpers to cut the input into parts.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Fuzz
{

// Sets everything up on first use; the scratch data folder (the current directory).
const QString &DataFolder();
// The file `name` in the data folder now holds exactly `bytes`.
void WriteFile(const QString &name, const QByteArray &bytes);
void RemoveFile(const QString &name);
// Number of boxes the readers showed since the last call (and resets it).
int TakeBoxCount();

// The fuzzer's input, consumed from the front.
class Input
{
  public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    // The next byte, 0 when the input is used up.
    uint8_t byte();
    // The rest of the input.
    QByteArray rest();
    size_t size() const { return m_size; }

  private:
    const uint8_t *m_data;
    size_t m_size;
};

// Reports a broken promise of the code under test and aborts, so the fuzzer keeps the input.
[[noreturn]] void Fail(const char *what);
inline void Check(bool condition, const char *what)
{
    if (!condition)
        Fail(what);
}

} // namespace Fuzz
