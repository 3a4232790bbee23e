#pragma once

#include "wizards/framewizardpage.h"

#include <QList>

class QAbstractButton;
class QCheckBox;
struct FramesetDescription;

struct OptionsPageConfig
{
    const char *name;
    // A Yes/No question about the borders of the outer, then the inner frameset.
    struct Border
    {
        const char *question;
        const char *yes;
        const char *no;
    };
    enum Scrolling { Never, WhenNeeded, Always };
    struct Frame
    {
        const char *scrolling[3]; // Never, When needed, Always
        Scrolling defaultScrolling;
        const char *horizontalMargin;
        const char *verticalMargin;
        const char *noResize;
        bool defaultNoResize;
        const char *scrollingHead;
        const char *marginHead;
    };
    QList<Border> borders;
    QList<Frame> frames;
    const char *scrollingQuestion;
    const char *scrollingRows[3];
    const char *marginQuestion;
    const char *marginRows[2];
    const char *noResizeRow;
    bool focusOk;
    const CaptionTable *captions;
    const CaptionTable *changes = nullptr; // rows that differ from the shared captions
};

// The last page of a layout: borders, scroll bars, margins and resizing.
class OptionsPage : public FrameWizardPage
{
    Q_OBJECT

public:
    explicit OptionsPage(const OptionsPageConfig &config, QWidget *parent = nullptr);

    void readInto(FramesetDescription &description) const;

private:
    struct Frame
    {
        QAbstractButton *never;
        QAbstractButton *whenNeeded;
        QCheckBox *horizontalMargin;
        QCheckBox *verticalMargin;
        QCheckBox *noResize;
    };

    QList<QAbstractButton *> m_borderYes;
    QList<Frame> m_frames;
};
