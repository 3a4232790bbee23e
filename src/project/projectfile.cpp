#include "project/projectfile.h"

namespace {

const QString FilesSection = QStringLiteral("[Files]");
const QString SnippetSection = QStringLiteral("[Snippet]");

// Far beyond any real project; a larger file is not one.
constexpr qint64 MaxProjectBytes = 16 * 1024 * 1024;

} // namespace

namespace ProjectFile {

std::optional<ProjectData> parse(const QStringList &lines)
{
    if (lines.isEmpty() || lines.first() != FilesSection)
        return std::nullopt;
    ProjectData project;
    qsizetype i = 1;
    for (; i < lines.size() && lines.at(i) != SnippetSection; ++i)
        project.files << lines.at(i);
    while (i < lines.size()) {
        QString snippet;
        for (++i; i < lines.size() && lines.at(i) != SnippetSection; ++i)
            snippet += lines.at(i) + QLatin1String("\r\n");
        project.snippets << snippet;
    }
    return project;
}

QStringList lines(const ProjectData &project)
{
    QStringList result{FilesSection};
    result += project.files;
    for (const QString &snippet : project.snippets) {
        result << SnippetSection;
        result += TextFile::splitLines(snippet);
    }
    return result;
}

std::optional<ProjectData> read(const QString &path)
{
    const TextFile::ReadResult file = TextFile::read(path, MaxProjectBytes);
    if (!file.ok())
        return std::nullopt;
    return parse(file.lines);
}

TextFile::Error write(const QString &path, const ProjectData &project, QString *detail)
{
    return TextFile::write(path, lines(project), TextEncoding(), detail);
}

} // namespace ProjectFile
