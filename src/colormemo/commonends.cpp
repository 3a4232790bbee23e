#include "colormemo/commonends.h"

#include <algorithm>
#include <cstring>

namespace {

// Whole chunks are compared first: memcmp is many times faster than a loop
// over characters, and the texts are often megabytes long.
constexpr qsizetype Chunk = 4096;

} // namespace

qsizetype commonPrefix(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i + Chunk <= n && std::memcmp(a.data() + i, b.data() + i, Chunk * sizeof(QChar)) == 0)
        i += Chunk;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

qsizetype commonSuffix(QStringView a, QStringView b, qsizetype limit)
{
    limit = std::min({limit, a.size(), b.size()});
    qsizetype i = 0;
    while (i + Chunk <= limit
           && std::memcmp(a.data() + a.size() - i - Chunk, b.data() + b.size() - i - Chunk,
                          Chunk * sizeof(QChar))
               == 0)
        i += Chunk;
    while (i < limit && a[a.size() - 1 - i] == b[b.size() - 1 - i])
        ++i;
    return i;
}
