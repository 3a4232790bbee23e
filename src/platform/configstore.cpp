#include "platform/configstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

QString groupOf(const QString &keyPath)
{
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
}

// Creates an empty store file with owner-only access. QSettings keeps the
// permissions of an existing file when it rewrites it.
bool createPrivateFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// An existing file written to may have been readable by others; it is about to hold
// passwords, if it does not already.
void makePrivate(const QString &path)
{
    const QFile::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                      | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFile::Permissions permissions = QFile::permissions(path);
    if (permissions & others)
        QFile::setPermissions(path, permissions & ~others);
}

// The store holds a few hundred short values; a larger file is something else.
constexpr qint64 MaxStoreBytes = 4 * 1024 * 1024;

// An INI file is blank lines, comments, [sections] and name=value lines (a
// value may go on after a trailing backslash) in UTF-8 text. The INI reader
// takes nearly anything for such a file and would write it back as one.
bool isIniText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    bool continued = false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        for (QChar c : line) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r'))
                return false;
        }
        line = line.trimmed();
        const bool ok = continued || line.isEmpty() || line.startsWith(QLatin1Char(';'))
                        || line.startsWith(QLatin1Char('#'))
                        || (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
                        || line.indexOf(QLatin1Char('=')) > 0;
        if (!ok)
            return false;
        continued = line.endsWith(QLatin1Char('\\'));
    }
    return true;
}

} // namespace

ConfigKey::ConfigKey() = default;

ConfigKey::~ConfigKey()
{
    close();
}

QString ConfigKey::storePath()
{
    const QString overridden = qEnvironmentVariable("MARKVALE_CONFIG");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Orvanti/MarkvalePRO.conf");
}

bool ConfigKey::storeUsable()
{
    QFile file(storePath());
    if (!file.exists())
        return true;
    if (file.size() > MaxStoreBytes || !file.open(QIODevice::ReadOnly))
        return false;
    return isIniText(file.readAll());
}

bool ConfigKey::open(const QString &keyPath, Mode mode)
{
    close();
    const QString group = groupOf(keyPath);
    if (group.isEmpty())
        return false;

    const QString path = storePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    if (!info.exists()) {
        if (mode == Mode::OpenExisting || !createPrivateFile(path))
            return false;
    } else if (!storeUsable()) {
        return false;
    }

    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    // A file that does not parse is left exactly as it is.
    if (settings->status() != QSettings::NoError)
        return false;
    const bool exists = settings->childGroups().contains(group);
    if (!exists && mode == Mode::OpenExisting)
        return false;
    m_writable = settings->isWritable();
    if (!exists && !m_writable)
        return false;

    settings->beginGroup(group);
    const QStringList keys = settings->childKeys();
    for (const QString &key : keys)
        m_names.insert(key.toLower(), key);
    m_settings = std::move(settings);
    m_group = group;
    return true;
}

QString ConfigKey::actualName(const QString &name) const
{
    return m_names.value(name.toLower());
}

QString ConfigKey::nameForWriting(const QString &name)
{
    const QString existing = actualName(name);
    if (!existing.isEmpty())
        return existing;
    m_names.insert(name.toLower(), name);
    return name;
}

bool ConfigKey::valueExists(const QString &name) const
{
    return !actualName(name).isEmpty();
}

QString ConfigKey::readString(const QString &name) const
{
    const QString key = actualName(name);
    return key.isEmpty() ? QString() : m_settings->value(key).toString();
}

int ConfigKey::readInteger(const QString &name) const
{
    const QString key = actualName(name);
    return key.isEmpty() ? 0 : m_settings->value(key).toInt();
}

bool ConfigKey::readBool(const QString &name) const
{
    return readInteger(name) != 0;
}

void ConfigKey::writeString(const QString &name, const QString &value)
{
    if (!m_settings || !m_writable)
        return;
    m_settings->setValue(nameForWriting(name), value);
    m_written = true;
}

void ConfigKey::writeInteger(const QString &name, int value)
{
    if (!m_settings || !m_writable)
        return;
    m_settings->setValue(nameForWriting(name), value);
    m_written = true;
}

void ConfigKey::writeBool(const QString &name, bool value)
{
    writeInteger(name, value ? 1 : 0);
}

void ConfigKey::close()
{
    if (!m_settings)
        return;
    m_settings->endGroup();
    if (m_writable)
        m_settings->sync();
    if (m_written)
        makePrivate(m_settings->fileName());
    m_settings.reset();
    m_written = false;
    m_group.clear();
    m_names.clear();
    m_writable = false;
}
