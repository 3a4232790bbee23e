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
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_previous;
};
