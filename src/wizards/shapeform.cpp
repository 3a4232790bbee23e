#include "wizards/shapeform.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "settings/captiontable.h"
#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
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
    auto *button = new QRadioButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit *edit(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

Tshapeform::Tshapeform(const QImage &picture, QWidget *parent)
    : QDialog(parent)
    , m_shape(picture.size())
{
    setObjectName(QStringLiteral("Tshapeform"));
    setNameCaption(this, QStringLiteral("Imagemap wizard"));

    Label1 = WizardWidgets::label(this, "Label1", "Select type of \"hot spot\":");
    RadioButton1 = radio(this, "RadioButton1", "Rectangle");
    RadioButton2 = radio(this, "RadioButton2", "Circle");
    RadioButton3 = radio(this, "RadioButton3", "Polygon");
    Label5 = WizardWidgets::label(this, "Label5", "");
    Label5->setMinimumWidth(Label5->fontMetrics().horizontalAdvance(QStringLiteral("X: 00000   Y: 00000")));
    Label2 = WizardWidgets::label(this, "Label2", "");
    Label3 = WizardWidgets::label(this, "Label3", "Enter the URL");
    Edit1 = edit(this, "Edit1");
    Label3->setBuddy(Edit1);
    Label4 = WizardWidgets::label(this, "Label4", "Enter the \"title\"");
    Edit2 = edit(this, "Edit2");
    Label4->setBuddy(Edit2);
    Memo1 = WizardWidgets::pane(this, "Memo1", 2);
    Memo1->setReadOnly(true);
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Ok");
    BitBtn2 = DialogHelpers::button(this, "BitBtn2", "&Help");
    BitBtn3 = DialogHelpers::button(this, "BitBtn3", "&Cancel");
    BitBtn4 = DialogHelpers::button(this, "BitBtn4", "Clear &points");
    Image1 = new PictureView(picture, this);
    Image1->setObjectName(QStringLiteral("Image1"));

    auto *shapes = new QHBoxLayout;
    shapes->addWidget(Label1);
    shapes->addWidget(RadioButton1);
    shapes->addWidget(RadioButton2);
    shapes->addWidget(RadioButton3);
    shapes->addStretch();
    shapes->addWidget(Label5);

    auto *texts = new QHBoxLayout;
    texts->addWidget(Label3);
    texts->addWidget(Edit1, 1);
    texts->addWidget(Label4);
    texts->addWidget(Edit2, 1);

    auto *buttons = new QGridLayout;
    buttons->addWidget(BitBtn1, 0, 0);
    buttons->addWidget(BitBtn3, 0, 1);
    buttons->addWidget(BitBtn4, 1, 0);
    buttons->addWidget(BitBtn2, 1, 1);
    auto *result = new QHBoxLayout;
    result->addWidget(Memo1, 1);
    result->addLayout(buttons);

    // A picture larger than the screen scrolls rather than growing the dialog.
    auto *scroller = new QScrollArea(this);
    scroller->setWidget(Image1);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(shapes);
    layout->addWidget(Label2);
    layout->addLayout(texts);
    layout->addLayout(result);
    layout->addWidget(scroller, 1);

    connect(RadioButton1, &QRadioButton::clicked, this, [this] { shapeClick(HotSpotShape::Kind::Rectangle); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { shapeClick(HotSpotShape::Kind::Circle); });
    connect(RadioButton3, &QRadioButton::clicked, this, [this] { shapeClick(HotSpotShape::Kind::Polygon); });
    connect(Edit1, &QLineEdit::textChanged, this, &Tshapeform::rebuild);
    connect(Edit2, &QLineEdit::textChanged, this, &Tshapeform::rebuild);
    connect(Image1, &PictureView::clicked, this, &Tshapeform::Image1Click);
    connect(Image1, &PictureView::hovered, this, &Tshapeform::Image1MouseMove);
    connect(Image1, &PictureView::left, Label5, &QLabel::clear);
    connect(BitBtn4, &QPushButton::clicked, this, &Tshapeform::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    applyCaptions(this, TshapeformCaptions, settings().Lang);
    RadioButton1->setChecked(true);
    shapeClick(HotSpotShape::Kind::Rectangle);
    fitToPicture();
}

void Tshapeform::shapeClick(HotSpotShape::Kind kind)
{
    m_shape.setKind(kind);
    Label2->setText(hint(kind));
    BitBtn4->setVisible(kind == HotSpotShape::Kind::Polygon);
    rebuild();
}

void Tshapeform::Image1Click(QPoint at)
{
    m_shape.click(at);
    rebuild();
}

void Tshapeform::Image1MouseMove(QPoint at)
{
    Label5->setText(QStringLiteral("X: %1   Y: %2").arg(at.x()).arg(at.y()));
    m_shape.hover(at);
    Image1->setOutline(m_shape.outline());
}

void Tshapeform::BitBtn4Click()
{
    m_shape.clear();
    rebuild();
}

void Tshapeform::rebuild()
{
    m_areaLine = ImageMapText::areaLine(m_shape.word(), m_shape.coords(), Edit1->text(), Edit2->text());
    Memo1->setPlainText(m_areaLine.trimmed());
    BitBtn1->setEnabled(m_shape.isComplete());
    Image1->setOutline(m_shape.outline());
}

void Tshapeform::fitToPicture()
{
    const QSize picture = Image1->picture().size();
    QSize wanted(std::max(DesignedWidth, picture.width() + PictureMargin),
                 std::max(MinimumHeight, picture.height() + ControlsHeight));
    if (const QScreen *screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    resize(wanted);
}
