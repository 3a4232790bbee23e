#pragma once

#include "wizards/framewizardpage.h"

#include <QList>

class FramePreview;
class QLabel;
class QLineEdit;
class QRadioButton;
struct FramesetDescription;
class UpDown;

// Object names of the controls of one size: a percentage shown by a label
// beside its up-down, or pixels typed into a box.
struct SizeControlNames
{
    const char *percent;        // "Percentage" radio button
    const char *pixels;         // "Pixels" radio button
    const char *percentCaption; // "... in %"
    const char *pixelCaption;   // "... in px"
    const char *upDown;
    const char *value;          // shows the up-down's position
    const char *edit;           // pixel box
};

struct SizePageConfig
{
    const char *name;
    int layout;
    // The sizes from top to bottom, with whether each is the outer
    // frameset's; a second size stands in a panel of its own.
    struct Size
    {
        SizeControlNames controls;
        bool outer;
    };
    QList<Size> sizes;
    const char *description; // explanation above the sizes, or nullptr
    int startPercent;
    FrameWizardPage::ButtonNames buttons;
    const CaptionTable *captions;
    const CaptionTable *changes = nullptr; // rows that differ from the shared captions
};

// The first page of a layout: the width or height of the outer frame and,
// with three frames, of the inner one, with a preview of the division.
class SizePage : public FrameWizardPage
{
    Q_OBJECT

public:
    explicit SizePage(const SizePageConfig &config, QWidget *parent = nullptr);

    // The outer and inner size: the percentage followed by "%", or the pixel
    // box's text as it stands.
    void readInto(FramesetDescription &description) const;

protected:
    bool checkValues() override;

private:
    struct Size
    {
        QRadioButton *percent;
        QRadioButton *pixels;
        QLabel *percentCaption;
        QLabel *pixelCaption;
        UpDown *upDown;
        QLabel *value;
        QLineEdit *edit;
        bool outer;
    };

    QWidget *buildSize(const SizePageConfig::Size &size, int startPercent, bool panel);
    void updateStates();
    void updatePreview();

    QList<Size> m_sizes;
    FramePreview *m_preview;
};
