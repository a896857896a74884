#pragma once
// CP932 (Shift-JIS as Windows writes it) text, the character set of every data file.
#include <QByteArray>
#include <QString>

// Converts to CP932; characters CP932 cannot hold become "?".
QByteArray ToCp932(const QString &text);
// Converts from CP932; bytes that are not valid CP932 become U+FFFD, never a crash.
QString FromCp932(const QByteArray &bytes);
QString FromCp932(const char *bytes, int length);

// A fixed-width field: the text in CP932, cut to at most `width` bytes without splitting a
// double-byte character, then padded with ASCII blanks to exactly `width` bytes.
QByteArray Cp932Field(const QString &text, int width);
// Writes Cp932Field(text, width) to `out` (exactly `width` bytes).
void PutCp932Field(char *out, const QString &text, int width);
// Reads a fixed-width field the way every reader does: decode, drop NULs, drop trailing blanks.
QString GetCp932Field(const char *in, int width);

// Number of CP932 bytes of the text (a full-width character counts 2).
int Cp932Length(const QString &text);
