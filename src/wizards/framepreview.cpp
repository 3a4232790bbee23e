#include "wizards/framepreview.h"

#include "wizards/previewgeometry.h"

FramePreview::FramePreview(int layout, QWidget *parent)
    : QFrame(parent)
    , m_layout(layout)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(PreviewGeometry::Width + 2, PreviewGeometry::Height + 2);
    const int count = layout >= 3 ? 3 : 2;
    for (int k = 0; k < count; ++k) {
        auto *pane = new QFrame(this);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAutoFillBackground(true);
        m_panes << pane;
    }
    setGrey(false);
}

void FramePreview::setPercentages(int outer, int inner)
{
    const QList<QRect> rects = PreviewGeometry::panes(m_layout, outer, inner);
    for (int k = 0; k < m_panes.size() && k < rects.size(); ++k)
        m_panes.at(k)->setGeometry(rects.at(k).translated(1, 1));
}

void FramePreview::setGrey(bool grey)
{
    m_grey = grey;
    for (QWidget *pane : std::as_const(m_panes)) {
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Window, grey ? QColor(Qt::lightGray) : QColor(Qt::white));
        pane->setPalette(palette);
    }
}
