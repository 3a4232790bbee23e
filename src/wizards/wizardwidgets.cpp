#include "wizards/wizardwidgets.h"

#include "ui/named.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextDocument>

namespace WizardWidgets {

QPlainTextEdit *pane(QWidget *parent, const char *name, int lines)
{
    auto *p = named<QPlainTextEdit>(name, parent);
    p->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(p->font());
    const int frame = 2 * p->frameWidth() + int(p->document()->documentMargin()) * 2;
    p->setFixedHeight(lines * metrics.lineSpacing() + frame);
    return p;
}

QScrollArea *pictureScroller(QWidget *parent, QWidget *picture)
{
    auto *scroller = new QScrollArea(parent);
    scroller->setWidget(picture);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return scroller;
}

} // namespace WizardWidgets
