#pragma once
// Record bytes built by hand from the file layouts: offsets, widths, little-endian integers,
// CP932 text given as raw bytes, OLE dates as doubles, money as yen x 10000.
// Nothing here uses the program's record codec, so a test comparing the two proves that the
// program reads and writes the very bytes an existing data folder holds.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace fx
{

// CP932 bytes of a few texts, written out byte by byte.
inline const QByteArray kYamada("\x8e\x52\x93\x63");                                        // 山田
inline const QByteArray kYamadaTaroKana("\xd4\xcf\xc0\xde\xc0\xdb\xb3");                    // ﾔﾏﾀﾞﾀﾛｳ
inline const QByteArray kTokyoShinjuku("\x93\x8c\x8b\x9e\x93\x73\x90\x56\x8f\x68\x8b\xe6"); // 東京都新宿区
inline const QByteArray
    kNishiShinjuku("\x90\xbc\x90\x56\x8f\x68\x82\x51\x81\x7c\x82\x57\x81\x7c\x82\x50"); // 西新宿２－８－１
inline const QByteArray kRamen("\x83\x89\x81\x5b\x83\x81\x83\x93");                     // ラーメン
inline const QByteArray kNone("\x81\x69\x82\xc8\x82\xb5\x81\x6a");                      // （なし）
inline const QByteArray kOomori("\x91\xe5\x90\xb7\x82\xe8");                            // 大盛り
inline const QByteArray kTanaka("\x93\x63\x92\x86");                                    // 田中
inline const QByteArray kCircled1("\x87\x40");                                          // ①

// OLE dates (days since 1899-12-30, the fraction the time of day), worked out by hand.
constexpr double kOle20040110_0900 = 37996.375;
constexpr double kOle20040115_1230 = 38001.520833333336;
constexpr double kOle20040115_1845 = 38001.78125;
constexpr double kOle20040115_1905 = 38001.79513888889;
constexpr double kOle20040220_2015 = 38037.84375;
constexpr double kOle20040305_1300 = 38051.541666666664;
constexpr double kOle20040305_1700 = 38051.708333333336;
constexpr double kOle20000301_1100 = 36586.458333333336;

// Little-endian writers and readers on a record buffer.
void PutI16(QByteArray &rec, int offset, int16_t v);
void PutI32(QByteArray &rec, int offset, int32_t v);
void PutI64(QByteArray &rec, int offset, int64_t v);
void PutF64(QByteArray &rec, int offset, double v);
// Raw CP932 bytes padded with ASCII blanks to `width` (the bytes must fit).
void PutText(QByteArray &rec, int offset, int width, const QByteArray &cp932);
int16_t GetI16(const QByteArray &rec, int offset);
int32_t GetI32(const QByteArray &rec, int offset);
double GetF64(const QByteArray &rec, int offset);

struct Customer {
    int32_t CustomerId = 1;
    QByteArray Tel = "0312345678";
    QByteArray NameKana = kYamadaTaroKana;
    QByteArray Zip = "1600023";
    QByteArray City = kTokyoShinjuku;
    QByteArray Banchi = kNishiShinjuku;
    int32_t Points = 120;
    QByteArray Building;
    double FirstUseDate = kOle20040110_0900;
    double LastUseDate = kOle20040115_1230;
    int16_t UseCount = 3;
    int16_t Motive = 2;
    double LastEditDate = kOle20040115_1845;
    QByteArray Remarks;
    int16_t DmFlag = 1;
    QByteArray bytes() const; // 276 bytes
};

struct Line {
    QByteArray Name;
    int16_t Qty = 1;
    int64_t Yen = 0;
    QByteArray Option = kNone;
};

struct Sale {
    QByteArray OrderDate = "20040115";
    int16_t OrderNo = 1;
    int32_t CustomerId = 1;
    double OrderTime = kOle20040115_1230;
    QByteArray OrderStaff = kTanaka;
    std::vector<Line> Lines{{kRamen, 2, 650, kOomori}, {"Gyoza", 1, 300, kNone}};
    QByteArray DeliverTo = kNone;
    int32_t PointDiscount = -100;
    int16_t ServiceDiscount = -50;
    double DesignatedTime = 1.0;
    double DepartTime = kOle20040115_1845;
    QByteArray DeliveryStaff = kTanaka;
    double DoneTime = kOle20040115_1905;
    double CollectTime = 1.0;
    QByteArray CollectStaff;
    int16_t Status = 0;
    QByteArray bytes() const; // 1628 bytes
};

struct PhoneBook {
    QByteArray Tel = "0398765432";
    QByteArray Name = kYamada;
    QByteArray Zip = "1600023";
    QByteArray Address = kTokyoShinjuku;
    QByteArray bytes() const; // 98 bytes
};

// Concatenates records into file contents.
template <typename T> QByteArray FileOf(const std::vector<T> &records)
{
    QByteArray out;
    for (const T &r : records)
        out += r.bytes();
    return out;
}

// Record n (1-based) of a file's bytes.
QByteArray RecordAt(const QByteArray &file, int length, int recordNo);

} // namespace fx
