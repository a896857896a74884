// ZipDB.IDX as it may be found beside the program: checked, then searched by code and address.
#include "fuzzsupport.h"

#include "customers/zipdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    // The first bytes are the search; the header's checksum is set right half of the time so the
    // fuzzer gets past it to the tables.
    const uint8_t mode = in.byte();
    QByteArray rest = in.rest();
    const int keyLength = rest.isEmpty() ? 0 : uchar(rest[0]) % 8;
    const QString search = QString::fromUtf8(rest.mid(1, keyLength));
    QByteArray bytes = rest.mid(1 + keyLength);
    if ((mode & 1) && bytes.size() >= kZipDbHeaderSize) {
        const quint64 sum = ZipDbChecksum(reinterpret_cast<const uchar *>(bytes.constData()) + kZipDbHeaderSize,
                                          bytes.size() - kZipDbHeaderSize);
        const quint64 fileSize = quint64(bytes.size());
        for (int i = 0; i < 8; ++i) {
            bytes[32 + i] = char((fileSize >> (8 * i)) & 0xff);
            bytes[40 + i] = char((sum >> (8 * i)) & 0xff);
        }
    }
    const auto db = ZipDatabase::fromBytes(bytes);
    if (!db)
        return 0;
    for (quint32 i = 0; i < db->count() && i < 64; ++i) {
        db->code(i);
        db->office(i);
        db->display(i);
        db->key(i);
    }
    const auto [first, last] = db->codeRange(mode * 10000u, mode * 10000u + 99999u);
    Fuzz::Check(first <= last && last <= db->count(), "code range outside the table");
    bool more = false;
    const auto found = db->findAddress(search, 50, &more);
    Fuzz::Check(found.size() <= 50, "more addresses than asked for");
    for (size_t i = 0; i < found.size(); ++i) {
        Fuzz::Check(found[i] < db->count(), "address entry outside the table");
        Fuzz::Check(i == 0 || found[i - 1] < found[i], "addresses not ascending");
    }
    return 0;
}
