#include "testconfig.h"

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
