#include "ftp/ftplisting.h"

#include "settings/messagetable.h"

#include <QStringList>

namespace FtpListing {

namespace {

constexpr qint64 Kilobyte = 1024;

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

bool isFile(const QString &name)
{
    return name.contains(QLatin1Char('.'));
}

Icon iconOf(const QString &fileName)
{
    static const struct {
        Icon icon;
        QStringList extensions;
    } kinds[] = {
        {TextIcon, {QStringLiteral(".txt")}},
        {StyleIcon, {QStringLiteral(".css")}},
        {SoundIcon,
         {QStringLiteral(".mid"), QStringLiteral(".wav"), QStringLiteral(".rmi"), QStringLiteral(".mpg"),
          QStringLiteral(".mp3"), QStringLiteral(".ram"), QStringLiteral(".ra")}},
        {ScriptIcon, {QStringLiteral(".js")}},
        {PageIcon,
         {QStringLiteral(".htm"), QStringLiteral(".html"), QStringLiteral(".shtml"), QStringLiteral(".pl"),
          QStringLiteral(".vrm")}},
        {PictureIcon,
         {QStringLiteral(".gif"), QStringLiteral(".jpg"), QStringLiteral(".bmp"), QStringLiteral(".tif"),
          QStringLiteral(".ico")}},
        {MovieIcon, {QStringLiteral(".mov"), QStringLiteral(".swf"), QStringLiteral(".avi")}},
    };
    const QString extension = extensionOf(fileName);
    for (const auto &kind : kinds) {
        if (kind.extensions.contains(extension))
            return kind.icon;
    }
    return OtherIcon;
}

namespace {

const MessageTable Table{"FTP listing"};

const Message Bytes{Table, {"%1 bytes", "%1 bytes", "%1 Bytes"}};
const Message Kilobytes{Table, {"%1 Kb", "%1 Kb", "%1 KB"}};
const Message FilesSummary{Table, {"Files: %1 in %2", "Filer: %1 i %2", "Dateien: %1 in %2"}};

} // namespace

QString sizeText(qint64 size, int lang)
{
    if (size <= Kilobyte)
        return Bytes.text(lang).arg(size);
    return Kilobytes.text(lang).arg(size / Kilobyte);
}

QString summaryText(int files, qint64 totalSize, int lang)
{
    return FilesSummary.text(lang).arg(files).arg(sizeText(totalSize, lang));
}

QString progressText(qint64 done, qint64 size)
{
    return size > 0 ? QStringLiteral("%1 / %2").arg(done).arg(size) : QString::number(done);
}

bool isSafeLocalName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

bool opensInEditor(const QString &path)
{
    static const QStringList editable = {QStringLiteral(".htm"), QStringLiteral(".html"), QStringLiteral(".txt"),
                                         QStringLiteral(".css"), QStringLiteral(".js")};
    return editable.contains(extensionOf(path));
}

} // namespace FtpListing
