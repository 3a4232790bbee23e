#include "wizards/wizardcommands.h"

#include "editor/editform.h"
#include "editor/editorhost.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "ui/prompts.h"
#include "wizards/dirdia.h"
#include "wizards/framesetpage.h"
#include "wizards/frameswizardtexts.h"
#include "wizards/framewriter.h"
#include "wizards/frwizard1.h"
#include "wizards/layoutpages.h"
#include "wizards/pagenames.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

constexpr int QuestionHelp = 5104;

QWidget *pageParent()
{
    return QApplication::activeWindow();
}

int chooseLayout()
{
    Tfrwizard1 page(pageParent());
    return Prompts::runDialog(page) == QDialog::Accepted ? page.layout() : 0;
}

// Each page lives only until its values are read.
template<typename Page>
bool runAndRead(std::unique_ptr<Page> page, FramesetDescription &description)
{
    if (Prompts::runDialog(*page) != QDialog::Accepted)
        return false;
    page->readInto(description);
    return true;
}

bool describeLayout(FramesetDescription &description)
{
    const int layout = description.layout;
    return runAndRead(createSizePage(layout, pageParent()), description)
           && runAndRead(createNamesPage(layout, pageParent()), description)
           && runAndRead(createOptionsPage(layout, pageParent()), description);
}

std::optional<QString> chooseDirectory()
{
    Tdirdia page(settings().SaveDir, pageParent());
    if (Prompts::runDialog(page) != QDialog::Accepted)
        return std::nullopt;
    return PageNames::absoluteDirectory(page.directory(), QDir::homePath());
}

bool confirmed(const QString &question)
{
    return Prompts::message(Prompts::Kind::Confirmation, question,
                            Prompts::Button::Yes | Prompts::Button::No | Prompts::Button::Help, QuestionHelp)
           == Prompts::Button::Yes;
}

void refuse(const Message &message, const QString &directory)
{
    Prompts::message(Prompts::Kind::Error, message.text(FramesWizardTexts::language()).arg(directory));
}

// The directory exists and takes files, or the user has been told why not.
bool prepareDirectory(const QString &directory)
{
    if (!QFileInfo(directory).isDir()) {
        if (!confirmed(SharedTexts::MissingDirectory.text()))
            return false;
        if (!QDir().mkpath(directory)) {
            refuse(FramesWizardTexts::DirectoryNotCreated, directory);
            return false;
        }
    }
    if (!QFileInfo(directory).isWritable()) {
        refuse(FramesWizardTexts::DirectoryNotWritable, directory);
        return false;
    }
    return true;
}

void placeFiles(FramesetDescription &description, const QString &directory)
{
    description.framesetPath = PageNames::joinPath(directory, description.framesetPath);
    for (int k = 0; k < description.frameCount(); ++k) {
        QString &path = description.frames[size_t(k)].path;
        path = PageNames::joinPath(directory, path);
    }
}

bool confirmOverwrites(const FramesetDescription &description)
{
    const QList<FrameDocument> documents = frameDocuments(description);
    for (const FrameDocument &document : documents) {
        if (QFileInfo::exists(document.path) && !confirmed(document.path + SharedTexts::FileExists.text()))
            return false;
    }
    return true;
}

// Stops at the first document that cannot be saved; it stays in its window.
void generate(EditorWindows &windows, MainStatus &status, const FramesetDescription &description)
{
    status.setCommandEnabled(HostCommand::FramesWizard, false);
    const QList<FrameDocument> documents = frameDocuments(description);
    for (const FrameDocument &document : documents) {
        Teditform *editor = windows.openDocument(SharedTexts::BlankName.text());
        if (!editor || !writeFrameDocument(*editor, description, document.code))
            return;
    }
}

} // namespace

void FramesWizard(EditorWindows &windows, MainStatus &status)
{
    if (windows.EditorCount() != 0)
        return;
    FramesetDescription description;
    description.layout = chooseLayout();
    if (description.layout == 0 || !describeLayout(description))
        return;
    const std::optional<QString> directory = chooseDirectory();
    if (!directory || !prepareDirectory(*directory))
        return;
    placeFiles(description, *directory);
    if (confirmOverwrites(description))
        generate(windows, status, description);
}
