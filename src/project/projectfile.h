#pragma once

#include "platform/textfile.h"

#include <QStringList>

#include <optional>

// The contents of a project file: the files' full paths and the snippets'
// texts (each line of a snippet followed by CR LF).
struct ProjectData
{
    QStringList files;
    QStringList snippets;
};

namespace ProjectFile {

// Parses the lines of a project file; nothing when the first line is not
// exactly "[Files]". A file of that line alone is an empty project.
std::optional<ProjectData> parse(const QStringList &lines);

// The lines a project is written as.
QStringList lines(const ProjectData &project);

// Reads and parses a file; nothing when it cannot be read or is no project.
std::optional<ProjectData> read(const QString &path);

TextFile::Error write(const QString &path, const ProjectData &project, QString *detail = nullptr);

} // namespace ProjectFile
