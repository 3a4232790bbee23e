// Settings-file import: any file either imports or is refused, and a refused
// file leaves the store as it was.
#include "fuzzinput.h"
#include "settings/integertext.h"
#include "settings/regops.h"
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QTemporaryDir &workDir()
{
    static QTemporaryDir dir(QStringLiteral("/dev/shm/markvale-fuzz-XXXXXX"));
    return dir;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString store = workDir().filePath(QStringLiteral("store.conf"));
    const QString input = workDir().filePath(QStringLiteral("input.mvc"));
    qputenv("MARKVALE_CONFIG", store.toLocal8Bit());
    QFile::remove(store);
    SaveSettings();
    {
        QFile file(input);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QByteArray before = readAll(store);
    const ImportResult result = ImportSettingsFile(input);
    if (result == ImportResult::Invalid)
        FUZZ_CHECK(readAll(store) == before);
    LoadSettings();

    // The integer rule alone, on the same bytes.
    const std::optional<int> value = parseInteger(fuzzText(data, size));
    if (value && size > 0 && size < 12 && data[0] >= '0' && data[0] <= '9') {
        bool ok = false;
        const int plain = fuzzText(data, size).toInt(&ok);
        if (ok)
            FUZZ_CHECK(plain == *value);
    }
    return 0;
}
