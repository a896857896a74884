#pragma once
// The postal-code finder: given a postal code it lists the addresses, given an address the
// postal codes, out of the database file ZipDB.IDX (format in zipdb.h).
//
// Matching:
//  - ZipKey (NormaliseZipKey): 7 digits find that code; 3 to 6 digits find every code that
//    starts with them. Fewer than 3 digits is no usable key (ResultCount -2); anything that is
//    not digits matches nothing.
//  - AddressKey (NormaliseAddressKey): every address that contains the key. When nothing does
//    and the key carries a street number ("千代田区千代田1-1"), the town part before the first
//    digit is searched instead, since the database lists towns, not street numbers.
//  - Both keys set: codes found by ZipKey whose address also contains AddressKey.
// Matches come in postal-code order; at most kResultLimit of them, IsTruncated telling that more
// exist. Business (office) codes carry the "*" marker after their code.
#include "customers/zipdb.h"

#include <QString>

#include <memory>
#include <vector>

class ZipNoFinder
{
  public:
    static constexpr int kResultLimit = 500;

    // A relative name is taken from the current directory (the data folder) at the first search,
    // or, when the data folder has none, from the files that ship with the program.
    void setDatabaseFile(const QString &path);
    void setZipKey(const QString &key);
    void setAddressKey(const QString &key);

    bool IsOpen();
    // Matches for the keys set; -1 unreadable database, -2 no search key, -3 out of memory.
    int ResultCount();
    bool IsTruncated();
    void Reset();
    QString ResultZip(int i);     // "123-4567", "123-4567*" for a business code; "" out of range
    QString ResultAddress(int i); // "" out of range

  private:
    void ensureOpen();
    void ensureSearched();

    QString m_path;
    QString m_zipKey, m_addressKey;
    std::shared_ptr<const ZipDatabase> m_db;
    bool m_tried = false;
    bool m_searched = false;
    int m_count = 0;
    bool m_truncated = false;
    std::vector<quint32> m_hits;
};

// "1234567" -> "123-4567".
QString FormatZipCode(quint32 code);
