#include "wizards/framesetpage.h"

#include <QFileInfo>
#include <QStringList>

namespace {

const QStringList PageHead = {
    QStringLiteral("<html>"),
    QStringLiteral("<head>"),
    QStringLiteral("<title></title>"),
    QStringLiteral("</head>"),
};

QString framesetTag(const char *list, const QString &size, bool border)
{
    const char *digit = border ? "1" : "0";
    return QStringLiteral("<frameset %1=\"%2,*\" border=\"%3\" frameborder=\"%3\">")
        .arg(QLatin1String(list), size, QLatin1String(digit));
}

QString frameTag(const FrameDescription &frame)
{
    QString tag = QStringLiteral("<frame src=\"%1\" name=\"%2\" scrolling=\"%3\"")
                      .arg(QFileInfo(frame.path).fileName(), frame.name, frame.scrolling);
    if (frame.noResize)
        tag += QLatin1String(" noresize");
    // A frame the user wants margins in leaves them to the browser.
    if (!frame.horizontalMargin)
        tag += QLatin1String(" marginwidth=\"0\"");
    if (!frame.verticalMargin)
        tag += QLatin1String(" marginheight=\"0\"");
    return tag + QLatin1Char('>');
}

QString framesetPage(const FramesetDescription &d)
{
    QStringList lines = PageHead;
    const auto &f = d.frames;
    switch (d.layout) {
    case 1:
    case 2:
        lines << framesetTag(d.layout == 1 ? "cols" : "rows", d.outerSize, d.outerBorder)
              << frameTag(f[0]) << frameTag(f[1]) << QStringLiteral("</frameset>");
        break;
    default:
        lines << framesetTag(d.layout == 3 ? "rows" : "cols", d.outerSize, d.outerBorder)
              << frameTag(f[0])
              << framesetTag(d.layout == 3 ? "cols" : "rows", d.innerSize, d.innerBorder)
              << frameTag(f[1]) << frameTag(f[2]) << QStringLiteral("</frameset>")
              << QStringLiteral("</frameset>");
        break;
    }
    lines << QStringLiteral("</html>");
    return lines.join(QLatin1String("\r\n"));
}

QString framePage()
{
    QStringList lines = PageHead;
    // The colour is left for the user to fill in.
    lines << QStringLiteral("<body text=\"#\">") << QString() << QStringLiteral("</body>")
          << QStringLiteral("</html>");
    return lines.join(QLatin1String("\r\n"));
}

const QString &frameCode(int index)
{
    static const QString codes[] = {PageCode::Frame1, PageCode::Frame2, PageCode::Frame3};
    return codes[index];
}

bool knownLayout(int layout)
{
    return layout >= 1 && layout <= 4;
}

} // namespace

QList<FrameDocument> frameDocuments(const FramesetDescription &description)
{
    if (!knownLayout(description.layout))
        return {};
    QList<FrameDocument> documents{{PageCode::Frameset, description.framesetPath}};
    for (int k = 0; k < description.frameCount(); ++k) {
        const FrameDescription &frame = description.frames[size_t(k)];
        if (!frame.existingFile)
            documents.append({frameCode(k), frame.path});
    }
    return documents;
}

QString frameDocumentPath(const FramesetDescription &description, const QString &code)
{
    if (code == PageCode::Frameset)
        return description.framesetPath;
    for (int k = 0; k < 3; ++k) {
        if (code == frameCode(k))
            return description.frames[size_t(k)].path;
    }
    return QString();
}

std::optional<QString> frameDocumentText(const FramesetDescription &description, const QString &code)
{
    if (!knownLayout(description.layout))
        return std::nullopt;
    if (code == PageCode::Frameset)
        return framesetPage(description);
    if (code == PageCode::Frame1 || code == PageCode::Frame2
        || (code == PageCode::Frame3 && description.frameCount() == 3))
        return framePage();
    return std::nullopt;
}
