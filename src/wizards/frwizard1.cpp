#include "wizards/frwizard1.h"

#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "wizards/frameswizardtexts.h"
#include "wizards/layoutpicture.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int FirstPageHelp = 5100;

const CaptionTable Captions{"frames wizard, first page", {
    {"BitBtn2", CommonCaptions::Help},
    {"BitBtn1", CommonCaptions::Cancel},
}};

const MessageTable Table{"frames wizard, first page"};

const Message Welcome{Table,
                      {"Welcome to the frames wizard.\n"
                       "The first thing you have to choose is the layout you want to use.\n"
                       "\n"
                       "Click on the symbol representing the layout you want, or click \"cancel\" to leave the wizard.",
                       "Velkommen til frames wizard'en.\n"
                       "Det første du skal gøre er at vælge det layout du vil bruge.\n"
                       "\n"
                       "Klik på symbolet med det layout du vil have, eller klik \"Afbryd\" for at forlade wizard'en.",
                       "Willkommen zur \"Frames wizard\".\n"
                       "Als erstes wählen Sie sie bitte das Design das Sie benutzen wollen"}};

} // namespace

Tfrwizard1::Tfrwizard1(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfrwizard1"));
    setNameCaption(this, QStringLiteral("Frames wizard"));
    const int lang = FramesWizardTexts::language();

    auto *memo = named<QPlainTextEdit>("Memo1", Welcome.text(lang), this);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setMinimumWidth(memo->fontMetrics().averageCharWidth() * 64);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 7);

    auto *pictures = new QHBoxLayout;
    for (int layout = 1; layout <= 4; ++layout) {
        auto *image = new QToolButton(this);
        image->setObjectName(QStringLiteral("Image%1").arg(layout));
        const QPixmap picture = layoutPicture(layout);
        image->setIcon(picture);
        image->setIconSize(picture.size());
        image->setAutoRaise(true);
        image->setCursor(Qt::PointingHandCursor);
        connect(image, &QToolButton::clicked, this, [this, layout] { choose(layout); });
        pictures->addWidget(image);
        m_layoutButtons[layout - 1] = image;
    }

    m_cancel = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    QPushButton *help = DialogHelpers::button(this, "BitBtn2", "&Help");
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { DialogRunner::showHelp(FirstPageHelp); });
    QHBoxLayout *buttons = DialogHelpers::buttonRow({help}, {m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo);
    layout->addLayout(pictures);
    layout->addLayout(buttons);
    applyCaptions(this, Captions, lang);
    DialogHelpers::makeFixed(this, true);
}

void Tfrwizard1::choose(int layout)
{
    m_layout = layout;
    accept();
}
