#pragma once

#include <QHash>
#include <QString>
#include <memory>

class QSettings;

// One key of the program's configuration store: an INI file whose groups stand
// for keys. Value names are matched without regard to case, like the keys they
// replace. The file is $MARKVALE_CONFIG, or Orvanti/MarkvalePRO.conf in the
// user's configuration directory; it is created readable by its owner only
// because it holds FTP passwords, and an existing one is made so when written.
class ConfigKey
{
public:
    enum class Mode { OpenExisting, CreateIfMissing };

    ConfigKey();
    ~ConfigKey();
    ConfigKey(const ConfigKey &) = delete;
    ConfigKey &operator=(const ConfigKey &) = delete;

    // Opens the key named by the last component of a path such as
    // "\SOFTWARE\Orvanti\MarkvalePRO\Config". Returns false when the key does
    // not exist (and may not be created) or the store cannot be used.
    bool open(const QString &keyPath, Mode mode);

    bool valueExists(const QString &name) const;
    QString readString(const QString &name) const;
    int readInteger(const QString &name) const;
    bool readBool(const QString &name) const;

    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, int value);
    void writeBool(const QString &name, bool value);

    // Writes pending changes; also done by the destructor.
    void close();

    static QString storePath();
    // False when the store's file exists but is no configuration file (a
    // letter, a picture): such a file is neither read nor written.
    static bool storeUsable();

private:
    QString actualName(const QString &name) const;
    QString nameForWriting(const QString &name);

    std::unique_ptr<QSettings> m_settings;
    QString m_group;
    QHash<QString, QString> m_names; // lower-case name -> name as stored
    bool m_writable = false;
    bool m_written = false;
};
