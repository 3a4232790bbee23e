#include "wizards/shapeform.h"

#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "wizards/imagemaptext.h"
#include "wizards/pictureview.h"
#include "wizards/wizardwidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

const CaptionTable TshapeformCaptions{"hot spot dialog", {
    {"Label1", {"Select type of \"hot spot\":", "Vælg \"hot spot\" type:", "Wählen Sie hot-spot:"}},
    {"Label3", {"Enter the URL", "Indtast URL", "URL eingeben"}},
    {"Label4", {"Enter the \"title\"", "Indtast \"titel\"", "\"Titel\" eingeben"}},
    {"BitBtn1", CommonCaptions::Ok},
    {"BitBtn3", CommonCaptions::Cancel},
    {"BitBtn2", CommonCaptions::Help},
    {"BitBtn4", {"Clear &points", "Slet &punkter", "Punkte &löschen"}},
    {"RadioButton1", {"Rectangle", "Rektangel", "Rechteck"}},
    {"RadioButton2", {"Circle", "Cirkel", "Kreis"}},
    {"RadioButton3", {"Polygon", "Polygon", "Polygon"}},
}};

namespace {

constexpr int HelpTopic = 5202;
// Room for the controls above the picture.
constexpr int ControlsHeight = 190;
constexpr int MinimumHeight = 234;
constexpr int DesignedWidth = 600;
constexpr int PictureMargin = 30;

const MessageTable Table{"hot spot dialog"};

const Message RectangleHint{Table,
                            {"First click the upper left corner, then the lower right corner",
                             "Først klik på det øvre venstre hjørne, derefter det nedre højre hjørne",
                             "Erst die obere linke Ecke anklicken, dann die untere rechte Ecke"}};
const Message CircleHint{Table,
                         {"First click the center, then drag the circle.",
                          "Først klik på centrum, derefter træk circlen",
                          "Erst das Zentrum anklicken, dann den Kreis ziehen"}};
const Message PolygonHint{Table,
                          {"Click the individual points one by one", "Klik hvert af punkterne en efter en",
                           "Die einzelen Punkte einen nach dem anderen anklicken"}};

QString hint(HotSpotShape::Kind kind)
{
    switch (kind) {
    case HotSpotShape::Kind::Rectangle:
        return RectangleHint.text();
    case HotSpotShape::Kind::Circle:
        return CircleHint.text();
    case HotSpotShape::Kind::Polygon:
        break;
    }
    return PolygonHint.text();
}

QRadioButton *radio(QWidget *parent, const char *name, const char *caption)
{
    return named<QRadioButton>(name, QLatin1String(caption), parent);
}

} // namespace

Tshapeform::Tshapeform(const QImage &picture, QWidget *parent)
    : QDialog(parent)
    , m_shape(picture.size())
{
    setObjectName(QStringLiteral("Tshapeform"));
    setNameCaption(this, QStringLiteral("Imagemap wizard"));

    shapeLabel = DialogHelpers::label(this, "Label1", "Select type of \"hot spot\":");
    rectangleButton = radio(this, "RadioButton1", "Rectangle");
    circleButton = radio(this, "RadioButton2", "Circle");
    polygonButton = radio(this, "RadioButton3", "Polygon");
    positionLabel = DialogHelpers::label(this, "Label5", "");
    positionLabel->setMinimumWidth(
        positionLabel->fontMetrics().horizontalAdvance(QStringLiteral("X: 00000   Y: 00000")));
    hintLabel = DialogHelpers::label(this, "Label2", "");
    linkLabel = DialogHelpers::label(this, "Label3", "Enter the URL");
    linkEdit = DialogHelpers::lineEdit(this, "Edit1");
    linkLabel->setBuddy(linkEdit);
    titleLabel = DialogHelpers::label(this, "Label4", "Enter the \"title\"");
    titleEdit = DialogHelpers::lineEdit(this, "Edit2");
    titleLabel->setBuddy(titleEdit);
    areaPane = WizardWidgets::pane(this, "Memo1", 2);
    areaPane->setReadOnly(true);
    okButton = DialogHelpers::button(this, "BitBtn1", "&Ok");
    helpButton = DialogHelpers::button(this, "BitBtn2", "&Help");
    cancelButton = DialogHelpers::button(this, "BitBtn3", "&Cancel");
    clearPointsButton = DialogHelpers::button(this, "BitBtn4", "Clear &points");
    pictureView = named<PictureView>("Image1", picture, this);

    auto *shapes = new QHBoxLayout;
    shapes->addWidget(shapeLabel);
    shapes->addWidget(rectangleButton);
    shapes->addWidget(circleButton);
    shapes->addWidget(polygonButton);
    shapes->addStretch();
    shapes->addWidget(positionLabel);

    auto *texts = new QHBoxLayout;
    texts->addWidget(linkLabel);
    texts->addWidget(linkEdit, 1);
    texts->addWidget(titleLabel);
    texts->addWidget(titleEdit, 1);

    auto *buttons = new QGridLayout;
    buttons->addWidget(okButton, 0, 0);
    buttons->addWidget(cancelButton, 0, 1);
    buttons->addWidget(clearPointsButton, 1, 0);
    buttons->addWidget(helpButton, 1, 1);
    auto *result = new QHBoxLayout;
    result->addWidget(areaPane, 1);
    result->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(shapes);
    layout->addWidget(hintLabel);
    layout->addLayout(texts);
    layout->addLayout(result);
    layout->addWidget(WizardWidgets::pictureScroller(this, pictureView), 1);

    connect(rectangleButton, &QRadioButton::clicked, this, [this] { shapeClick(HotSpotShape::Kind::Rectangle); });
    connect(circleButton, &QRadioButton::clicked, this, [this] { shapeClick(HotSpotShape::Kind::Circle); });
    connect(polygonButton, &QRadioButton::clicked, this, [this] { shapeClick(HotSpotShape::Kind::Polygon); });
    connect(linkEdit, &QLineEdit::textChanged, this, &Tshapeform::rebuild);
    connect(titleEdit, &QLineEdit::textChanged, this, &Tshapeform::rebuild);
    connect(pictureView, &PictureView::clicked, this, &Tshapeform::pictureClicked);
    connect(pictureView, &PictureView::hovered, this, &Tshapeform::pictureHovered);
    connect(pictureView, &PictureView::left, positionLabel, &QLabel::clear);
    connect(clearPointsButton, &QPushButton::clicked, this, &Tshapeform::clearPoints);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    applyCaptions(this, TshapeformCaptions, settings().Lang);
    rectangleButton->setChecked(true);
    shapeClick(HotSpotShape::Kind::Rectangle);
    fitToPicture();
}

void Tshapeform::shapeClick(HotSpotShape::Kind kind)
{
    m_shape.setKind(kind);
    hintLabel->setText(hint(kind));
    clearPointsButton->setVisible(kind == HotSpotShape::Kind::Polygon);
    rebuild();
}

void Tshapeform::pictureClicked(QPoint at)
{
    m_shape.click(at);
    rebuild();
}

void Tshapeform::pictureHovered(QPoint at)
{
    positionLabel->setText(QStringLiteral("X: %1   Y: %2").arg(at.x()).arg(at.y()));
    m_shape.hover(at);
    pictureView->setOutline(m_shape.outline());
}

void Tshapeform::clearPoints()
{
    m_shape.clear();
    rebuild();
}

void Tshapeform::rebuild()
{
    m_areaLine = ImageMapText::areaLine(m_shape.word(), m_shape.coords(), linkEdit->text(), titleEdit->text());
    areaPane->setPlainText(m_areaLine.trimmed());
    okButton->setEnabled(m_shape.isComplete());
    pictureView->setOutline(m_shape.outline());
}

void Tshapeform::fitToPicture()
{
    const QSize picture = pictureView->picture().size();
    QSize wanted(std::max(DesignedWidth, picture.width() + PictureMargin),
                 std::max(MinimumHeight, picture.height() + ControlsHeight));
    if (const QScreen *screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    resize(wanted);
}
