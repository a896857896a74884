#pragma once
// The list form of the quoted setting files ("BackUp.snw", "dm.snw"): every value enclosed in
// double quotes, one value per line.
#include <QString>
#include <QStringList>

// The value in list form: enclosed in double quotes, a double quote inside doubled.
QString ListValue(const QString &value);
// Reads every value of a list-form text. A quoted value runs to its closing quote (line ends
// and commas inside belong to it, two quotes in a row stand for one); anything after the
// closing quote up to the next comma or line end is ignored. An unquoted value runs to the
// next comma or line end, without surrounding blanks. Lines holding nothing are skipped.
QStringList ReadListValues(const QString &text);
