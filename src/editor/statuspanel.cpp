#include "editor/statuspanel.h"

#include <algorithm>

namespace {
// The design widths assume a font whose average character is 5 pixels wide.
constexpr double DesignCharWidth = 5.0;
} // namespace

StatusPanel::StatusPanel(int designWidth, Sizing sizing, QWidget *parent)
    : QLabel(parent)
    , m_width(int(designWidth * std::max(1.0, fontMetrics().averageCharWidth() / DesignCharWidth)))
    , m_sizing(sizing)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMaximumWidth(m_width);
}

QSize StatusPanel::sizeHint() const
{
    return QSize(m_width, QLabel::sizeHint().height());
}

QSize StatusPanel::minimumSizeHint() const
{
    return QSize(m_sizing == Fixed ? m_width : 0, QLabel::minimumSizeHint().height());
}
