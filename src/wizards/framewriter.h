#pragma once

#include <QString>

class Teditform;
struct FramesetDescription;

// Fills a fresh editor window with one document of the frameset (page code
// "fr", "lf", "rf" or "3f") and saves it to its file. False when the save
// failed; the document then stays unsaved in its window.
bool writeFrameDocument(Teditform &editor, const FramesetDescription &description, const QString &code);
