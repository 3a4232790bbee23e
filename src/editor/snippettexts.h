#pragma once

#include <QString>

#include <optional>
#include <vector>

// The texts of the Javascripts menu, the link block of the Misc menu and the
// layer generator. No widgets: the commands insert what these return.
namespace SnippetTexts {

struct Snippet
{
    const char *name;      // menu item
    const char *caption;   // design caption
    const char *shortcut;  // portable text
    QString text;          // inserted at the caret
    int caretBack;         // characters the caret moves back from the end
};

// The seven Javascripts items in menu order.
const std::vector<Snippet> &javascriptSnippets();

// The two script templates the editor window keeps in hidden memos: each
// line followed by CR LF (919 and 382 characters).
QString detectMemoText();
QString sizeMemoText();

// The addresses "Link to Markvale" points at.
extern const char *const ProductPage;
extern const char *const BannerImage;
extern const char *const BannerFile;

// The three lines of the link block, without a final line break.
QString linkBlock();

// Geometry of the layers as typed; empty after Skip.
struct LayerGeometry
{
    QString height;
    QString width;
    QString top;
    QString left;
};

// The whole layer script for layers 1 to count (none for 0 or less), each
// line followed by CR LF.
QString layerScript(int count, const LayerGeometry &geometry);

// The geometry dialog accepts four whole numbers whose sum is at most 4999.
bool geometryAcceptable(const LayerGeometry &geometry);

// The generator makes at most this many layers; more would build a script of
// tens of megabytes that no page needs.
constexpr int MaxLayers = 1000;

} // namespace SnippetTexts
