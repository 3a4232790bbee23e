#include "wizards/imapform.h"

#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/prompts.h"
#include "wizards/imagemaptext.h"
#include "wizards/pictureview.h"
#include "wizards/shapeform.h"
#include "wizards/wizardwidgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

const CaptionTable TimapformCaptions{"image map window", {
    {"BitBtn2", {"&Set shape", "Hot-&spot", "Hot-&spot"}},
    {"BitBtn5", {"Clear &all", "Sle&t alle", "Alle &löschen"}},
    {"BitBtn6", {"&Default", "&Default", "&Default"}},
    {"BitBtn3", CommonCaptions::Ok},
    {"BitBtn1", CommonCaptions::Help},
    {"BitBtn4", CommonCaptions::Cancel},
}};

namespace {

constexpr int HelpTopic = 5201;
// Room for the button row and the three panes.
constexpr int ControlsHeight = 236;
constexpr int MinimumWidth = 591;
constexpr int MinimumHeight = 289;
constexpr int DesignedWidth = 730;
constexpr int WidePicture = 700;
constexpr int PictureMargin = 30;

// The panes show line breaks as the text control's own; the map uses CR LF.
QString paneText(const QPlainTextEdit *pane)
{
    return pane->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void setPaneText(QPlainTextEdit *pane, QString text)
{
    pane->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

} // namespace

Timapform::Timapform(const QImage &picture, const QString &picturePath, const QString &mapName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Timapform"));
    setNameCaption(this, QStringLiteral("Imagemap Wizard"));

    setShapeButton = DialogHelpers::button(this, "BitBtn2", "&Set shape");
    clearAllButton = DialogHelpers::button(this, "BitBtn5", "Clear &all");
    defaultLinkEdit = named<QLineEdit>("Edit1", this);
    defaultButton = DialogHelpers::button(this, "BitBtn6", "&Default");
    okButton = DialogHelpers::button(this, "BitBtn3", "&Ok");
    helpButton = DialogHelpers::button(this, "BitBtn1", "&Help");
    cancelButton = DialogHelpers::button(this, "BitBtn4", "&Cancel");
    pictureView = named<PictureView>("Image1", picture, this);
    headPane = WizardWidgets::pane(this, "Memo1", 2);
    headPane->setReadOnly(true);
    areasPane = WizardWidgets::pane(this, "Memo2", 4);
    areasPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    endPane = WizardWidgets::pane(this, "Memo3", 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(setShapeButton);
    buttons->addWidget(clearAllButton);
    buttons->addSpacing(12);
    buttons->addWidget(defaultLinkEdit, 1);
    buttons->addWidget(defaultButton);
    buttons->addSpacing(12);
    buttons->addWidget(okButton);
    buttons->addWidget(helpButton);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(WizardWidgets::pictureScroller(this, pictureView), 1);
    layout->addWidget(headPane);
    layout->addWidget(areasPane);
    layout->addWidget(endPane);

    connect(setShapeButton, &QPushButton::clicked, this, &Timapform::setShape);
    connect(clearAllButton, &QPushButton::clicked, this, &Timapform::clearAll);
    connect(defaultButton, &QPushButton::clicked, this, &Timapform::addDefaultArea);
    connect(defaultLinkEdit, &QLineEdit::textChanged, this, [this](const QString &url) { defaultButton->setEnabled(!url.isEmpty()); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    applyCaptions(this, TimapformCaptions, settings().Lang);
    setPaneText(headPane, ImageMapText::head(picturePath, picture.size(), ImageMapText::baseName(mapName)));
    setPaneText(endPane, ImageMapText::mapEnd());
    okButton->setEnabled(false);
    defaultButton->setEnabled(false);
    fitToPicture();
}

QString Timapform::mapText() const
{
    return paneText(headPane) + paneText(areasPane) + paneText(endPane);
}

void Timapform::setShape()
{
    Tshapeform shapes(pictureView->picture(), this);
    if (Prompts::runDialog(shapes) != QDialog::Accepted)
        return;
    setPaneText(areasPane, ImageMapText::appendLine(paneText(areasPane), shapes.areaLine()));
    okButton->setEnabled(true);
}

void Timapform::clearAll()
{
    areasPane->clear();
    setPaneText(endPane, ImageMapText::mapEnd());
    okButton->setEnabled(false);
}

void Timapform::addDefaultArea()
{
    // Newest first, all before the end tag.
    setPaneText(endPane, ImageMapText::defaultAreaLine(defaultLinkEdit->text()) + paneText(endPane));
}

void Timapform::fitToPicture()
{
    setMinimumSize(MinimumWidth, MinimumHeight);
    const QSize picture = pictureView->picture().size();
    QSize wanted(picture.width() > WidePicture ? picture.width() + PictureMargin : DesignedWidth,
                 std::max(MinimumHeight, picture.height() + ControlsHeight));
    QRect screen(QPoint(0, 0), wanted);
    if (const QScreen *on = this->screen())
        screen = on->availableGeometry();
    resize(wanted.boundedTo(screen.size()));
    // At the top of the screen, so that as much of the picture shows as can.
    move(screen.x() + std::max(0, (screen.width() - width()) / 2), screen.y());
}
