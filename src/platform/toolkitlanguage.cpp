#include "platform/toolkitlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

QString g_current = QStringLiteral("en");
QPointer<QTranslator> g_translator;

} // namespace

namespace ToolkitLanguage {

bool set(const QString &folder)
{
    const bool translated = folder == QLatin1String("da") || folder == QLatin1String("de");
    g_current = translated ? folder : QStringLiteral("en");
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator);
        delete g_translator;
    }
    if (!translated)
        return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(folder), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    g_translator = translator;
    return true;
}

QString current()
{
    return g_current;
}

} // namespace ToolkitLanguage
