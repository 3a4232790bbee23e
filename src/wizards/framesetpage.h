#pragma once

#include "wizards/framesetdescription.h"

#include <QList>
#include <QString>

#include <optional>

// Page codes of the documents of a frameset.
namespace PageCode {
inline const QString Frameset = QStringLiteral("fr");
inline const QString Frame1 = QStringLiteral("lf");
inline const QString Frame2 = QStringLiteral("rf");
inline const QString Frame3 = QStringLiteral("3f");
} // namespace PageCode

struct FrameDocument
{
    QString code;
    QString path;
};

// The documents of a frameset in the order they are written: the frameset
// page, then the page of every frame that is not an existing file.
QList<FrameDocument> frameDocuments(const FramesetDescription &description);

// The file a page code's document is written to.
QString frameDocumentPath(const FramesetDescription &description, const QString &code);

// The text of one document, lines joined by CR LF without a final one;
// nothing for a code the description's layout does not know.
std::optional<QString> frameDocumentText(const FramesetDescription &description, const QString &code);

// The caret offset that puts the caret just after "<title>".
constexpr int FrameDocumentCaret = 23;
