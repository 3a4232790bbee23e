#pragma once

#include "settings/captiontable.h"

#include <QList>
#include <QObject>

// Sets the texts of the named objects below (or at) root for Lang 1, 2 or 3;
// any other language leaves the designed captions as they are. The tables
// together are all the captions of that window.
void applyCaptions(QObject *root, std::initializer_list<const CaptionTable *> tables, int lang);
void applyCaptions(QObject *root, const CaptionTable &table, int lang);

// Gives a control or window its designed caption, which its table replaces
// for Lang 1, 2 and 3.
void setDesignCaption(QObject *object, const char *caption);

// A control whose text comes from no caption table: a name, a tag, a number,
// a file, a text set from a message, or one that mirrors a captioned control.
void markNotCaptioned(QObject *object);
// Gives a control or window a name for a caption, the same in every language:
// the program's, a wizard's, a language's own.
void setNameCaption(QObject *object, const QString &name);

// Watches every application of caption tables. While one is installed (and in
// debug builds) each application is checked: a row whose control is missing
// and a captioned control that no row covers are problems.
class CaptionObserver
{
public:
    virtual ~CaptionObserver() = default;
    virtual void applied(QObject *root, const QList<const CaptionTable *> &tables, int lang) = 0;
    virtual void problem(const QString &text) = 0;
};

// Installs an observer (nullptr removes it) and returns the one it replaces.
CaptionObserver *setCaptionObserver(CaptionObserver *observer);

// The object a row names: the root itself, one of its own controls, or a
// deeper one.
QObject *findCaptioned(QObject *root, const char *name);
