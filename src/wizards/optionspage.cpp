#include "wizards/optionspage.h"

#include "ui/named.h"
#include "wizards/framesetdescription.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int OptionsHelp = 5103;

QLabel *question(const char *name, QWidget *parent)
{
    auto *label = named<QLabel>(name, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

OptionsPage::OptionsPage(const OptionsPageConfig &config, QWidget *parent)
    : FrameWizardPage({"BitBtn1", "BitBtn3", "BitBtn2"}, Proceed::Ok, OptionsHelp, parent)
{
    setObjectName(QLatin1String(config.name));
    for (const OptionsPageConfig::Border &border : config.borders) {
        auto *yes = named<QRadioButton>(border.yes, this);
        auto *no = named<QRadioButton>(border.no, this);
        auto *group = new QButtonGroup(this);
        group->addButton(yes);
        group->addButton(no);
        no->setChecked(true);
        auto *row = new QHBoxLayout;
        row->addWidget(question(border.question, this), 1);
        row->addWidget(yes);
        row->addWidget(no);
        body()->addLayout(row);
        m_borderYes << yes;
    }

    body()->addSpacing(6);
    body()->addWidget(question(config.scrollingQuestion, this));
    auto *scrolling = new QGridLayout;
    for (int r = 0; r < 3; ++r)
        scrolling->addWidget(named<QLabel>(config.scrollingRows[r], this), r + 1, 0);
    body()->addLayout(scrolling);

    body()->addSpacing(6);
    body()->addWidget(question(config.marginQuestion, this));
    auto *margins = new QGridLayout;
    for (int r = 0; r < 2; ++r)
        margins->addWidget(named<QLabel>(config.marginRows[r], this), r + 1, 0);
    margins->addWidget(question(config.noResizeRow, this), 3, 0);
    body()->addLayout(margins);

    for (int k = 0; k < config.frames.size(); ++k) {
        const OptionsPageConfig::Frame &f = config.frames.at(k);
        const int column = k + 1;
        scrolling->addWidget(named<QLabel>(f.scrollingHead, this), 0, column, Qt::AlignHCenter);
        auto *group = new QButtonGroup(this);
        QList<QRadioButton *> choices;
        for (int r = 0; r < 3; ++r) {
            auto *choice = named<QRadioButton>(f.scrolling[r], this);
            group->addButton(choice);
            scrolling->addWidget(choice, r + 1, column, Qt::AlignHCenter);
            choices << choice;
        }
        choices.at(f.defaultScrolling)->setChecked(true);

        Frame frame{choices.at(OptionsPageConfig::Never), choices.at(OptionsPageConfig::WhenNeeded),
                    named<QCheckBox>(f.horizontalMargin, this), named<QCheckBox>(f.verticalMargin, this),
                    named<QCheckBox>(f.noResize, this)};
        frame.noResize->setChecked(f.defaultNoResize);
        margins->addWidget(named<QLabel>(f.marginHead, this), 0, column, Qt::AlignHCenter);
        margins->addWidget(frame.horizontalMargin, 1, column, Qt::AlignHCenter);
        margins->addWidget(frame.verticalMargin, 2, column, Qt::AlignHCenter);
        margins->addWidget(frame.noResize, 3, column, Qt::AlignHCenter);
        m_frames << frame;
    }
    scrolling->setColumnStretch(0, 1);
    margins->setColumnStretch(0, 1);
    for (QGridLayout *grid : {scrolling, margins}) {
        for (int column = 1; column <= m_frames.size(); ++column)
            grid->setColumnMinimumWidth(column, 90);
    }

    applyPageCaptions(config.captions, config.changes);
    if (config.focusOk)
        proceedButton()->setFocus();
}

void OptionsPage::readInto(FramesetDescription &description) const
{
    description.outerBorder = m_borderYes.value(0) && m_borderYes.at(0)->isChecked();
    description.innerBorder = m_borderYes.value(1) && m_borderYes.at(1)->isChecked();
    for (int k = 0; k < m_frames.size(); ++k) {
        const Frame &f = m_frames.at(k);
        FrameDescription &frame = description.frames[size_t(k)];
        // Neither of the first two choices means Always.
        frame.scrolling = f.never->isChecked()        ? QStringLiteral("No")
                          : f.whenNeeded->isChecked() ? QStringLiteral("Auto")
                                                      : QStringLiteral("Yes");
        frame.horizontalMargin = f.horizontalMargin->isChecked();
        frame.verticalMargin = f.verticalMargin->isChecked();
        frame.noResize = f.noResize->isChecked();
    }
}
