#include "wizards/dirdia.h"

#include "platform/prompts.h"
#include "settings/messagetable.h"
#include "wizards/frameswizardtexts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int DirectoryHelp = 5104;

const CaptionTable Captions{"frames wizard, directory page", {
    {"Label1",
     {"Choose the directory where the files will saved to", "Vælg den folder som filerne vil blive gemt i",
      "Wählen Sie den Ordner wo die Dateien gespeichert werden sollen."}},
}};

const MessageTable Table{"frames wizard, directory page"};

const Message PickerTitle{Table,
                          {"Look up the directory, then click \"ok\"", "Find folderen og klik \"ok\"",
                           "Wählen Sie das Destinationsverziechniss"}};

} // namespace

Tdirdia::Tdirdia(const QString &start, QWidget *parent)
    : FrameWizardPage({"BitBtn1", "BitBtn3", "BitBtn2"}, Proceed::Ok, DirectoryHelp, parent)
    , DirectoryEdit1(new QLineEdit(start, this))
{
    setObjectName(QStringLiteral("Tdirdia"));
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    DirectoryEdit1->setMinimumWidth(360);
    QAction *browse = DirectoryEdit1->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("BrowseDirectory"));
    connect(browse, &QAction::triggered, this, &Tdirdia::browse);
    connect(DirectoryEdit1, &QLineEdit::textChanged, this, &Tdirdia::updateOk);
    body()->addWidget(label);
    body()->addWidget(DirectoryEdit1);
    applyPageCaptions(&Captions, nullptr);
    updateOk();
}

QString Tdirdia::directory() const
{
    return DirectoryEdit1->text();
}

void Tdirdia::browse()
{
    const QString chosen =
        Prompts::folder(PickerTitle.text(FramesWizardTexts::language()), DirectoryEdit1->text());
    if (!chosen.isEmpty())
        DirectoryEdit1->setText(chosen);
}

void Tdirdia::updateOk()
{
    // Without a directory the pages would land wherever the program runs, so
    // Enter leaves the wizard; once a path is there, Enter goes on with it.
    const bool path = !DirectoryEdit1->text().trimmed().isEmpty();
    proceedButton()->setEnabled(path);
    proceedButton()->setDefault(path);
    findChild<QPushButton *>(QStringLiteral("BitBtn1"))->setDefault(!path);
}
