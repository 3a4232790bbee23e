#pragma once

#include "wizards/framewizardpage.h"

#include <QList>

class QLineEdit;
class QRadioButton;
struct FramesetDescription;

struct NamesPageConfig
{
    const char *name;
    // Object names of one frame's controls.
    struct Frame
    {
        const char *nameEdit;
        const char *defaultName;
        const char *nameLabel;
        const char *fileEdit;
        const char *fileLabel;
        const char *existing; // "Existing file"
        const char *newFile;  // its partner "New file"
    };
    QList<Frame> frames;
    const char *pageEdit; // file of the frameset page
    const char *pageLabel;
    const char *intro;
    const char *reminder;
    const CaptionTable *captions;
    const CaptionTable *changes = nullptr; // rows that differ from the shared captions
};

// The second page of a layout: the frames' names, their files and the
// frameset page's file. Next is enabled only while every file box holds a
// distinct page name.
class NamesPage : public FrameWizardPage
{
    Q_OBJECT

public:
    explicit NamesPage(const NamesPageConfig &config, QWidget *parent = nullptr);

    // Frame names, existing-file flags, and the file names (without a
    // directory yet) in the paths.
    void readInto(FramesetDescription &description) const;

protected:
    bool checkValues() override;

private:
    struct Frame
    {
        QLineEdit *name;
        QLineEdit *file;
        QRadioButton *existing;
    };

    QList<QLineEdit *> fileBoxes() const;
    void updateNext();

    QList<Frame> m_frames;
    QLineEdit *m_page;
};
