#pragma once
// A small postal-code database for tests, built the way the admin tool builds the real one:
// from handmade sources in the SKK dictionary form (EUC-JIS-2004) and in the KEN_ALL form (CP932).
#include <QByteArray>
#include <QString>

// Residential codes: 100-0001..100-0006 (千代田区), 450-6201/6202 (floors of a tower),
// 060-0042 (two towns under one code), 153-0064 (目黒区下目黒).
QByteArray HandmadeSkkDictionary();
// Business codes: 100-8111 (宮内庁 in 千代田１−１) and 060-8588 (北海道庁, 北三条西６丁目).
QByteArray HandmadeSkkOfficeDictionary();
// UTF-8 text to EUC-JIS-2004 bytes.
QByteArray ToEucJis2004(const QString &text);
// Writes both dictionaries to `folder` and builds `folder`/ZipDB.IDX from them; fails the test
// when the build fails.
void BuildHandmadeZipDb(const QString &folder);
