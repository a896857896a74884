#pragma once
// Sums of yen that stay within the currency range: a total that would leave it stops at its
// limit instead of wrapping round to a wrong figure.
#include <QtGlobal>

#include <limits>

constexpr qint64 kMaxYen = std::numeric_limits<qint64>::max() / 10000;

inline qint64 ClampYen(qint64 v)
{
    return v > kMaxYen ? kMaxYen : (v < -kMaxYen ? -kMaxYen : v);
}

inline qint64 SaturatingAdd(qint64 a, qint64 b)
{
    qint64 r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return b > 0 ? kMaxYen : -kMaxYen;
    return ClampYen(r);
}

inline qint64 SaturatingMul(qint64 a, qint64 b)
{
    qint64 r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return ((a < 0) != (b < 0)) ? -kMaxYen : kMaxYen;
    return ClampYen(r);
}
