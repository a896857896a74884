#pragma once
// What the benchmarks share: the best of several timed runs, and writing a large record file in
// chunks without holding it in memory.
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <functional>

// The fastest of `runs` calls, in milliseconds: the least disturbed by whatever else the machine does.
inline double best(int runs, const std::function<void()> &fn)
{
    double b = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        b = std::min(b, t.nsecsElapsed() / 1e6);
    }
    return b;
}

// `count` records of `length` bytes, each filled by `fill(index, bytes)`.
inline bool writeChunked(const QString &path, int count, int length, const std::function<void(int, char *)> &fill)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    constexpr int kChunk = 8192;
    QByteArray chunk;
    for (int done = 0; done < count;) {
        const int n = std::min(kChunk, count - done);
        chunk.resize(qsizetype(n) * length);
        for (int i = 0; i < n; ++i)
            fill(done + i, chunk.data() + qsizetype(i) * length);
        if (f.write(chunk) != chunk.size())
            return false;
        done += n;
    }
    return true;
}
