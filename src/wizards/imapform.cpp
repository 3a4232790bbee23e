#include "wizards/imapform.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "platform/prompts.h"
#include "settings/captiontable.h"
#include "settings/commoncaptions.h"
#include "settings/settings.h"
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

    BitBtn2 = DialogHelpers::button(this, "BitBtn2", "&Set shape");
    BitBtn5 = DialogHelpers::button(this, "BitBtn5", "Clear &all");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    BitBtn6 = DialogHelpers::button(this, "BitBtn6", "&Default");
    BitBtn3 = DialogHelpers::button(this, "BitBtn3", "&Ok");
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Help");
    BitBtn4 = DialogHelpers::button(this, "BitBtn4", "&Cancel");
    Image1 = new PictureView(picture, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Memo1 = WizardWidgets::pane(this, "Memo1", 2);
    Memo1->setReadOnly(true);
    Memo2 = WizardWidgets::pane(this, "Memo2", 4);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo3 = WizardWidgets::pane(this, "Memo3", 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn5);
    buttons->addSpacing(12);
    buttons->addWidget(Edit1, 1);
    buttons->addWidget(BitBtn6);
    buttons->addSpacing(12);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn4);

    // A picture larger than the screen scrolls rather than growing the window.
    auto *scroller = new QScrollArea(this);
    scroller->setWidget(Image1);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(scroller, 1);
    layout->addWidget(Memo1);
    layout->addWidget(Memo2);
    layout->addWidget(Memo3);

    connect(BitBtn2, &QPushButton::clicked, this, &Timapform::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Timapform::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &Timapform::BitBtn6Click);
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString &url) { BitBtn6->setEnabled(!url.isEmpty()); });
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    applyCaptions(this, TimapformCaptions, settings().Lang);
    setPaneText(Memo1, ImageMapText::head(picturePath, picture.size(), ImageMapText::baseName(mapName)));
    setPaneText(Memo3, ImageMapText::mapEnd());
    BitBtn3->setEnabled(false);
    BitBtn6->setEnabled(false);
    fitToPicture();
}

QString Timapform::mapText() const
{
    return paneText(Memo1) + paneText(Memo2) + paneText(Memo3);
}

void Timapform::BitBtn2Click()
{
    Tshapeform shapes(Image1->picture(), this);
    if (Prompts::runDialog(shapes) != QDialog::Accepted)
        return;
    setPaneText(Memo2, ImageMapText::appendLine(paneText(Memo2), shapes.areaLine()));
    BitBtn3->setEnabled(true);
}

void Timapform::BitBtn5Click()
{
    Memo2->clear();
    setPaneText(Memo3, ImageMapText::mapEnd());
    BitBtn3->setEnabled(false);
}

void Timapform::BitBtn6Click()
{
    // Newest first, all before the end tag.
    setPaneText(Memo3, ImageMapText::defaultAreaLine(Edit1->text()) + paneText(Memo3));
}

void Timapform::fitToPicture()
{
    setMinimumSize(MinimumWidth, MinimumHeight);
    const QSize picture = Image1->picture().size();
    QSize wanted(picture.width() > WidePicture ? picture.width() + PictureMargin : DesignedWidth,
                 std::max(MinimumHeight, picture.height() + ControlsHeight));
    QRect screen(QPoint(0, 0), wanted);
    if (const QScreen *on = this->screen())
        screen = on->availableGeometry();
    resize(wanted.boundedTo(screen.size()));
    // At the top of the screen, so that as much of the picture shows as can.
    move(screen.x() + std::max(0, (screen.width() - width()) / 2), screen.y());
}
