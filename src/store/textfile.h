#pragma once
// Whole-file reading and writing of the CP932 text setting files.
#include <QString>
#include <QStringList>

#include <optional>

// Reads all lines (CR LF, LF or CR ends); nullopt when the file cannot be opened.
// A missing file reads as nullopt as well; check existence first where that matters.
std::optional<QStringList> ReadCp932Lines(const QString &path);
// Writes the lines, each followed by CR LF, replacing the file atomically.
bool WriteCp932Lines(const QString &path, const QStringList &lines);
// Writes raw bytes, replacing the file atomically (temporary file, flush, rename).
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);
