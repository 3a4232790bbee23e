#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class Teditform;
struct AttributeItem;

// The attribute menus of one editor window. They open only by program, right
// after an element was inserted; each attribute chosen is inserted at the
// caret and the same menu opens again, until Stop or a dismissal ends it.
// The menus are children of the window, named as their rows ("bodypu").
class AttributePopups : public QObject
{
    Q_OBJECT

public:
    explicit AttributePopups(Teditform &editor);

    // Shows a menu without waiting for it: the choice arrives through its
    // actions. An unknown name opens nothing.
    void open(const QString &menuName);

private:
    void chooseAttribute(QMenu *menu, const AttributeItem &item);
    void stopAttributes(QMenu *menu);
    QPoint popupPoint() const;

    Teditform &m_editor;
    QHash<QString, QMenu *> m_menus; // by row name
};
