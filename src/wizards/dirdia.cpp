#include "wizards/dirdia.h"

#include "settings/messagetable.h"
#include "ui/named.h"
#include "ui/prompts.h"
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
    , m_directoryEdit(new QLineEdit(start, this))
{
    setObjectName(QStringLiteral("Tdirdia"));
    auto *label = named<QLabel>("Label1", this);
    m_directoryEdit->setObjectName(QStringLiteral("DirectoryEdit1"));
    m_directoryEdit->setMinimumWidth(360);
    QAction *browse = m_directoryEdit->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("BrowseDirectory"));
    connect(browse, &QAction::triggered, this, &Tdirdia::browse);
    connect(m_directoryEdit, &QLineEdit::textChanged, this, &Tdirdia::updateOk);
    body()->addWidget(label);
    body()->addWidget(m_directoryEdit);
    applyPageCaptions(&Captions, nullptr);
    updateOk();
}

QString Tdirdia::directory() const
{
    return m_directoryEdit->text();
}

void Tdirdia::browse()
{
    const QString chosen =
        Prompts::folder(PickerTitle.text(FramesWizardTexts::language()), m_directoryEdit->text());
    if (!chosen.isEmpty())
        m_directoryEdit->setText(chosen);
}

void Tdirdia::updateOk()
{
    // Without a directory the pages would land wherever the program runs, so
    // Enter leaves the wizard; once a path is there, Enter goes on with it.
    const bool path = !m_directoryEdit->text().trimmed().isEmpty();
    proceedButton()->setEnabled(path);
    proceedButton()->setDefault(path);
    cancelButton()->setDefault(!path);
}
