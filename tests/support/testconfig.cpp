#include "testconfig.h"

#include <QFile>

TestConfig::TestConfig()
    : m_path(m_dir.filePath(QStringLiteral("MarkvalePRO.conf")))
    , m_previous(qgetenv("MARKVALE_CONFIG"))
{
    qputenv("MARKVALE_CONFIG", m_path.toLocal8Bit());
}

TestConfig::~TestConfig()
{
    if (m_previous.isEmpty())
        qunsetenv("MARKVALE_CONFIG");
    else
        qputenv("MARKVALE_CONFIG", m_previous);
}

void TestConfig::write(const QByteArray &contents) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write the test configuration %s", qPrintable(m_path));
}

void TestConfig::writeLanguage(int lang, const QByteArray &more) const
{
    write("[Config]\nLang=" + QByteArray::number(lang) + "\nTagsInstalled=1\n" + more);
}
