#include "editor/statuspanel.h"

#include <QEvent>

#include <algorithm>

namespace {
// The design widths assume a font whose average character is 5 pixels wide.
constexpr double DesignCharWidth = 5.0;
} // namespace

StatusPanel::StatusPanel(int designWidth, Sizing sizing, QWidget *parent)
    : QLabel(parent)
    , m_designWidth(designWidth)
    , m_sizing(sizing)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    fitWidth();
}

void StatusPanel::showText(const QString &text)
{
    setText(text);
    if (widthFor(text) > m_width) {
        m_width = widthFor(text);
        setMaximumWidth(m_width);
        updateGeometry();
    }
}

void StatusPanel::setLongestTexts(const QStringList &texts)
{
    m_longest = texts;
    fitWidth();
}

int StatusPanel::widthFor(const QString &text) const
{
    // Frame and a character's room on either side, as the label draws it.
    return fontMetrics().horizontalAdvance(text) + 2 * (frameWidth() + margin() + std::max(0, indent()))
           + fontMetrics().averageCharWidth();
}

void StatusPanel::fitWidth()
{
    // Starts afresh: a new font or language may need less than the old one.
    m_width = int(m_designWidth * std::max(1.0, fontMetrics().averageCharWidth() / DesignCharWidth));
    for (const QString &text : std::as_const(m_longest))
        m_width = std::max(m_width, widthFor(text));
    m_width = std::max(m_width, widthFor(text()));
    setMaximumWidth(m_width);
    updateGeometry();
}

void StatusPanel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitWidth();
}

QSize StatusPanel::sizeHint() const
{
    return QSize(m_width, QLabel::sizeHint().height());
}

QSize StatusPanel::minimumSizeHint() const
{
    return QSize(m_sizing == Fixed ? m_width : 0, QLabel::minimumSizeHint().height());
}
