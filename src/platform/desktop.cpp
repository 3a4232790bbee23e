#include "platform/desktop.h"

#include <QDesktopServices>
#include <QMimeData>

namespace Desktop {

namespace {
Opener g_opener;
} // namespace

QStringList droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

bool openUrl(const QUrl &url)
{
    return g_opener ? g_opener(url) : QDesktopServices::openUrl(url);
}

void setOpener(Opener opener)
{
    g_opener = std::move(opener);
}

} // namespace Desktop
