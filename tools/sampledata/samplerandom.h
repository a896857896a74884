#pragma once
// A small random source whose sequence is fixed by its seed on every platform and compiler
// (splitmix64 with our own distributions), so sample data is reproducible byte for byte.
#include <QtGlobal>

#include <cmath>
#include <vector>

class SampleRandom
{
  public:
    explicit SampleRandom(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [0, n); n > 0.
    int below(int n) { return int(unit() * n); }
    // Uniform in [low, high].
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(double p) { return unit() < p; }
    // Standard normal (Box-Muller).
    double normal()
    {
        const double u = 1.0 - unit();
        const double v = unit();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
    }
    // Index drawn with the given cumulative weights (last element = total).
    int weighted(const std::vector<int> &cumulative)
    {
        const int r = below(cumulative.back());
        int i = 0;
        while (cumulative[size_t(i)] <= r)
            ++i;
        return i;
    }

  private:
    quint64 m_state;
};
