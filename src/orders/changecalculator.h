#pragma once
// The digit entry of the change calculator. The tendered amount is kept as the text the window
// shows ("12,345", "" for nothing), because the entry rules count the characters of that text:
// the thousands separator is part of the count.
#include <QString>

class ChangeCalculator
{
  public:
    // `price` is the amount to pay as shown (e.g. "1,280"); "" counts as 0.
    explicit ChangeCalculator(QString price = QString()) : m_price(std::move(price)) {}

    const QString &Price() const { return m_price; }
    const QString &Tendered() const { return m_tendered; }
    const QString &Change() const { return m_change; }

    // Digit d (0..9). Ignored once five digits are in.
    void Digit(int d);
    // "00": two zeros while there are at most three digits, one zero at four digits.
    void DoubleZero();
    // Removes the last digit.
    void Back();
    void Clear();
    // "＝": the change, or empty when the tendered amount does not cover the price.
    void Compute();

    // "##,###": thousands separators, empty for zero.
    static QString FormatTendered(qint64 amount);
    // Reads a shown amount ("1,280", "" = 0); anything unreadable counts as 0.
    static qint64 ReadAmount(const QString &text);

  private:
    void setTendered(const QString &digits);

    QString m_price;
    QString m_tendered;
    QString m_change;
};
