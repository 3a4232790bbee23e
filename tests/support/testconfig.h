#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points the configuration store at a fresh file in a temporary folder for
// the lifetime of the object.
class TestConfig
{
public:
    TestConfig();
    ~TestConfig();
    TestConfig(const TestConfig &) = delete;
    TestConfig &operator=(const TestConfig &) = delete;

    QString path() const { return m_path; }

    // Replaces the file's contents.
    void write(const QByteArray &contents) const;
    // A store past its first start, in a language: no chooser, no template
    // installation; `more` adds further lines.
    void writeLanguage(int lang, const QByteArray &more = QByteArray()) const;
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_previous;
};
