#include "wizards/wizardwidgets.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace WizardWidgets {

QLabel *label(QWidget *parent, const char *name, const char *caption)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QPlainTextEdit *pane(QWidget *parent, const char *name, int lines)
{
    auto *p = new QPlainTextEdit(parent);
    p->setObjectName(QLatin1String(name));
    p->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(p->font());
    const int frame = 2 * p->frameWidth() + int(p->document()->documentMargin()) * 2;
    p->setFixedHeight(lines * metrics.lineSpacing() + frame);
    return p;
}

} // namespace WizardWidgets
