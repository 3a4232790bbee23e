#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the program would meet them.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Text decoded leniently, as a socket or a file might deliver it.
inline QString fuzzText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Stops the run with a readable message when a property does not hold.
#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition))                                                                 \
            qFatal("fuzz check failed: %s (%s:%d)", #condition, __FILE__, __LINE__);      \
    } while (false)
