#include "wizards/sizepage.h"

#include "ui/named.h"
#include "ui/prompts.h"
#include "wizards/framepreview.h"
#include "wizards/framesetdescription.h"
#include "wizards/frameswizardtexts.h"
#include "wizards/pagenames.h"
#include "wizards/updown.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int SizeHelp = 5101;

} // namespace

SizePage::SizePage(const SizePageConfig &config, QWidget *parent)
    : FrameWizardPage(config.buttons, Proceed::Next, SizeHelp, parent)
    , m_preview(new FramePreview(config.layout, this))
{
    setObjectName(QLatin1String(config.name));
    if (config.description) {
        auto *description = named<QLabel>(config.description, this);
        description->setWordWrap(true);
        body()->addWidget(description);
    }
    auto *sizes = new QVBoxLayout;
    for (int k = 0; k < config.sizes.size(); ++k)
        sizes->addWidget(buildSize(config.sizes.at(k), config.startPercent, k > 0));
    sizes->addStretch();
    auto *row = new QHBoxLayout;
    row->addLayout(sizes);
    row->addSpacing(12);
    row->addWidget(m_preview, 0, Qt::AlignTop);
    body()->addLayout(row);

    applyPageCaptions(config.captions, config.changes);
    updateStates();
    updatePreview();
    m_sizes.first().upDown->setFocus();
}

QWidget *SizePage::buildSize(const SizePageConfig::Size &config, int startPercent, bool panel)
{
    auto *box = new QFrame(this);
    if (panel)
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    const SizeControlNames &n = config.controls;
    Size size{named<QRadioButton>(n.percent, box),
              named<QRadioButton>(n.pixels, box),
              named<QLabel>(n.percentCaption, box),
              named<QLabel>(n.pixelCaption, box),
              named<UpDown>(n.upDown, box),
              named<QLabel>(n.value, box),
              named<QLineEdit>(n.edit, box),
              config.outer};
    size.percent->setChecked(true);
    size.upDown->setRange(0, 100);
    size.upDown->setValue(startPercent);
    size.value->setText(QString::number(startPercent));
    size.value->setMinimumWidth(size.value->fontMetrics().horizontalAdvance(QStringLiteral("100")));

    auto *percentage = new QHBoxLayout;
    percentage->addWidget(size.upDown);
    percentage->addWidget(size.value);
    percentage->addStretch();
    auto *grid = new QGridLayout(box);
    grid->addWidget(size.percent, 0, 0);
    grid->addWidget(size.percentCaption, 0, 1);
    grid->addLayout(percentage, 0, 2);
    grid->addWidget(size.pixels, 1, 0);
    grid->addWidget(size.pixelCaption, 1, 1);
    grid->addWidget(size.edit, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(size.percent, &QRadioButton::toggled, this, &SizePage::updateStates);
    connect(size.upDown, &UpDown::valueChanged, this, [this, value = size.value](int position) {
        value->setText(QString::number(position));
        updatePreview();
    });
    m_sizes << size;
    return box;
}

void SizePage::updateStates()
{
    bool allPercent = true;
    for (const Size &size : std::as_const(m_sizes)) {
        const bool percent = size.percent->isChecked();
        size.upDown->setEnabled(percent);
        size.percentCaption->setEnabled(percent);
        size.pixelCaption->setEnabled(!percent);
        size.edit->setEnabled(!percent);
        allPercent = allPercent && percent;
    }
    m_preview->setGrey(!allPercent);
}

void SizePage::updatePreview()
{
    int outer = 0;
    int inner = 0;
    for (const Size &size : std::as_const(m_sizes))
        (size.outer ? outer : inner) = size.upDown->value();
    m_preview->setPercentages(outer, inner);
}

void SizePage::readInto(FramesetDescription &description) const
{
    for (const Size &size : m_sizes) {
        const QString value = size.percent->isChecked() ? size.value->text() + QLatin1Char('%')
                                                        : size.edit->text();
        (size.outer ? description.outerSize : description.innerSize) = value;
    }
}

bool SizePage::checkValues()
{
    for (const Size &size : std::as_const(m_sizes)) {
        if (size.pixels->isChecked() && !PageNames::fitsAttribute(size.edit->text())) {
            Prompts::message(Prompts::Kind::Error,
                             FramesWizardTexts::QuoteInSize.text(FramesWizardTexts::language())
                                 .arg(size.edit->text()));
            size.edit->setFocus();
            return false;
        }
    }
    return true;
}
