#include "wizards/namespage.h"

#include "ui/named.h"
#include "ui/prompts.h"
#include "wizards/framesetdescription.h"
#include "wizards/frameswizardtexts.h"
#include "wizards/pagenames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int NamesHelp = 5102;
const char *const PageExtension = ".htm";

// A file box puts its caret before the preset extension when entered, so a
// name typed at once lands in front of it.
class FileNameEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        setCursorPosition(0);
    }
};

QLineEdit *fileBox(const char *name, QWidget *parent)
{
    QLineEdit *box = named<FileNameEdit>(name, parent);
    box->setText(QLatin1String(PageExtension));
    return box;
}

void refuse(const Message &message, QLineEdit *box)
{
    Prompts::message(Prompts::Kind::Error,
                     message.text(FramesWizardTexts::language()).arg(box->text()));
    box->setFocus();
}

} // namespace

NamesPage::NamesPage(const NamesPageConfig &config, QWidget *parent)
    : FrameWizardPage({"BitBtn1", "BitBtn3", "BitBtn2"}, Proceed::Next, NamesHelp, parent)
{
    setObjectName(QLatin1String(config.name));
    auto *intro = named<QLabel>(config.intro, this);
    intro->setWordWrap(true);
    body()->addWidget(intro);
    auto *names = new QGridLayout;
    auto *files = new QGridLayout;
    // Names first and files after, so that Tab runs down each column.
    QList<QLineEdit *> nameBoxes;
    for (int k = 0; k < config.frames.size(); ++k) {
        const NamesPageConfig::Frame &f = config.frames.at(k);
        auto *name = named<QLineEdit>(f.nameEdit, this);
        name->setText(QLatin1String(f.defaultName));
        names->addWidget(named<QLabel>(f.nameLabel, this), k, 0);
        names->addWidget(name, k, 1);
        nameBoxes << name;
    }
    for (int k = 0; k < config.frames.size(); ++k) {
        const NamesPageConfig::Frame &f = config.frames.at(k);
        QLineEdit *file = fileBox(f.fileEdit, this);
        // Each pair of choices needs a parent of its own to exclude each other.
        auto *choice = new QWidget(this);
        auto *existing = named<QRadioButton>(f.existing, choice);
        auto *newFile = named<QRadioButton>(f.newFile, choice);
        newFile->setChecked(true);
        auto *choiceRow = new QHBoxLayout(choice);
        choiceRow->setContentsMargins(0, 0, 0, 0);
        choiceRow->addWidget(existing);
        choiceRow->addWidget(newFile);
        files->addWidget(named<QLabel>(f.fileLabel, this), k, 0);
        files->addWidget(file, k, 1);
        files->addWidget(choice, k, 2);
        m_frames.append({nameBoxes.at(k), file, existing});
    }
    m_page = fileBox(config.pageEdit, this);
    const int pageRow = int(config.frames.size());
    files->addWidget(named<QLabel>(config.pageLabel, this), pageRow, 0);
    files->addWidget(m_page, pageRow, 1);
    names->setColumnStretch(1, 1);
    files->setColumnStretch(1, 1);
    body()->addLayout(names);
    body()->addSpacing(8);
    auto *reminder = named<QLabel>(config.reminder, this);
    reminder->setWordWrap(true);
    body()->addWidget(reminder);
    body()->addLayout(files);

    applyPageCaptions(config.captions, config.changes);
    for (QLineEdit *box : fileBoxes())
        connect(box, &QLineEdit::textChanged, this, &NamesPage::updateNext);
    proceedButton()->setEnabled(false);
    m_frames.first().file->setFocus();
}

QList<QLineEdit *> NamesPage::fileBoxes() const
{
    QList<QLineEdit *> boxes;
    for (const Frame &frame : m_frames)
        boxes << frame.file;
    return boxes << m_page;
}

void NamesPage::updateNext()
{
    QStringList names;
    for (const QLineEdit *box : fileBoxes())
        names << box->text();
    proceedButton()->setEnabled(PageNames::acceptable(names));
}

bool NamesPage::checkValues()
{
    if (!proceedButton()->isEnabled())
        return false;
    for (QLineEdit *box : fileBoxes()) {
        if (!PageNames::isPlainFileName(box->text())) {
            refuse(FramesWizardTexts::NotPlainFileName, box);
            return false;
        }
    }
    for (const Frame &frame : std::as_const(m_frames)) {
        if (!PageNames::fitsAttribute(frame.name->text())) {
            refuse(FramesWizardTexts::QuoteInFrameName, frame.name);
            return false;
        }
    }
    return true;
}

void NamesPage::readInto(FramesetDescription &description) const
{
    for (int k = 0; k < m_frames.size(); ++k) {
        FrameDescription &frame = description.frames[size_t(k)];
        frame.name = m_frames.at(k).name->text();
        frame.path = m_frames.at(k).file->text();
        frame.existingFile = m_frames.at(k).existing->isChecked();
    }
    description.framesetPath = m_page->text();
}
