#include "shell/configform.h"

#include "settings/regops.h"
#include "settings/settings.h"
#include "shell/configformtexts.h"
#include "shell/flags.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/prompts.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

Tconfigform::Tconfigform(std::function<void(const QString &)> hint, QWidget *parent)
    : QDialog(parent)
    , m_hint(std::move(hint))
{
    setObjectName(QStringLiteral("configform"));
    setNameCaption(this, QStringLiteral("Markvale PRO"));

    pages = named<QTabWidget>("PageControl1", this);
    const auto addPage = [this](QWidget *page, const char *caption) {
        pages->addTab(page, QString());
        setDesignCaption(page, caption);
    };
    addPage(buildDirectoriesPage(), "&Directories");
    addPage(buildFontPage(), "&Font");
    addPage(buildPreferencesPage(), "&Preferences");
    addPage(buildLanguagePage(), "&Language");
    pages->setCurrentIndex(2);

    okButton = named<QPushButton>("okbutton", QStringLiteral("&Ok"), this);
    okButton->setDefault(true);
    defaultButton = named<QPushButton>("defaultbutton", QStringLiteral("D&efault"), this);
    cancelButton = named<QPushButton>("cancelbutton", QStringLiteral("&Cancel"), this);
    helpButton = named<QPushButton>("helpbutton", QStringLiteral("&Help"), this);
    connect(okButton, &QPushButton::clicked, this, &Tconfigform::applyAndClose);
    connect(defaultButton, &QPushButton::clicked, this, &Tconfigform::applyAndStore);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(6100); });

    QHBoxLayout *buttons = DialogHelpers::buttonRow({okButton, defaultButton, cancelButton, helpButton});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    FormShow();
    setFixedSize(QSize(480, 320).expandedTo(sizeHint()));
}

QWidget *Tconfigform::buildDirectoriesPage()
{
    m_dirsheet = named<QWidget>("dirsheet");
    m_dirsheet->setMouseTracking(true);
    m_dirsheet->installEventFilter(this);
    auto *grid = new QGridLayout(m_dirsheet);
    const struct {
        const char *label;
        const char *caption;
        const char *field;
        QLineEdit **target;
        QPushButton **browse;
        const Message *prompt;
    } rows[] = {
        {"openlabel", "Open file", "opendir", &openFolderEdit, &openFolderButton, &ConfigTexts::OpenDirPrompt},
        {"savelabel", "Save file", "savedir", &saveFolderEdit, &saveFolderButton, &ConfigTexts::SaveDirPrompt},
        {"textlabel", "Insert text", "textdir", &textFolderEdit, &textFolderButton, &ConfigTexts::TextDirPrompt},
    };
    int row = 0;
    for (const auto &r : rows) {
        grid->addWidget(named<QLabel>(r.label, QString::fromUtf8(r.caption), m_dirsheet), row, 0);
        QLineEdit *field = named<QLineEdit>(r.field, m_dirsheet);
        field->setReadOnly(true); // chosen through the folder dialog only
        field->setMouseTracking(true);
        field->installEventFilter(this);
        *r.target = field;
        grid->addWidget(field, row, 1);
        auto *browseButton = new QPushButton(QStringLiteral("..."), m_dirsheet);
        browseButton->setObjectName(QLatin1String(r.field) + QLatin1String("button"));
        browseButton->setFixedWidth(32);
        *r.browse = browseButton;
        const Message *prompt = r.prompt;
        connect(browseButton, &QPushButton::clicked, this, [this, field, prompt] { browse(field, prompt->text()); });
        grid->addWidget(browseButton, row, 2);
        ++row;
    }
    grid->addWidget(named<QLabel>("exlabel", QStringLiteral("Choose the respective starting directories."), m_dirsheet),
                    row, 0, 1, 3);
    grid->setRowStretch(row + 1, 1);
    return m_dirsheet;
}

QWidget *Tconfigform::buildFontPage()
{
    auto *page = named<QWidget>("fontsheet");
    auto *grid = new QGridLayout(page);
    fontBox = named<QFontComboBox>("fontbox", page);
    fontBox->setFontFilters(QFontComboBox::ScalableFonts);
    connect(fontBox, &QComboBox::activated, this, [this] { m_fontPicked = true; });
    missingFontLabel = named<QLabel>("missinglabel", QStringLiteral("(not installed)"), page);
    fontSizeBox = named<QSpinBox>("fontspin", page);
    fontSizeBox->setRange(MinFontSize, MaxFontSize);
    grid->addWidget(named<QLabel>("typelabel", QStringLiteral("Font type"), page), 0, 0);
    grid->addWidget(fontBox, 0, 1);
    grid->addWidget(missingFontLabel, 0, 2);
    grid->addWidget(named<QLabel>("sizelabel", QStringLiteral("Size"), page), 1, 0);
    grid->addWidget(fontSizeBox, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget *Tconfigform::buildPreferencesPage()
{
    auto *page = named<QWidget>("prefsheet");
    auto *column = new QVBoxLayout(page);
    colorCodingBox = named<QCheckBox>("colorbox", QStringLiteral("Colo&r coding on/off"), page);
    tagTemplatesBox = named<QCheckBox>("templatesbox", QStringLiteral("&Tag templates on/off"), page);
    autoSaveBox = named<QCheckBox>("autobox", QStringLiteral("&Auto save on/off"), page);
    wordWrapBox = named<QCheckBox>("wrapbox", QStringLiteral("&Word wrapping on/off"), page);
    for (QCheckBox *box : {colorCodingBox, tagTemplatesBox, autoSaveBox, wordWrapBox})
        column->addWidget(box);
    column->addStretch();
    return page;
}

QWidget *Tconfigform::buildLanguagePage()
{
    auto *page = named<QWidget>("langsheet");
    auto *grid = new QGridLayout(page);
    const struct {
        const char *radio;
        const char *flagName;
        Flag flag;
        const char *label;
        QRadioButton **target;
    } rows[] = {
        {"ukbox", "ukflag", Flag::UnitedKingdom, "English", &englishButton},
        {"dkbox", "dkflag", Flag::Denmark, "Dansk", &danishButton},
        {"gerbox", "gerflag", Flag::Germany, "Deutsch", &germanButton},
    };
    int row = 0;
    for (const auto &r : rows) {
        QRadioButton *radio = named<QRadioButton>(r.radio, page);
        *r.target = radio;
        auto *flag = named<QLabel>(r.flagName, page);
        flag->setPixmap(flagPixmap(r.flag, QSize(40, 25)));
        auto *label = new QLabel(page);
        setNameCaption(label, QString::fromUtf8(r.label));
        // Clicking the flag or its name checks the button beside it.
        for (QLabel *clickable : {flag, label}) {
            clickable->setProperty("radio", QVariant::fromValue<QObject *>(radio));
            clickable->installEventFilter(this);
        }
        grid->addWidget(radio, row, 0);
        grid->addWidget(flag, row, 1);
        grid->addWidget(label, row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
    return page;
}

void Tconfigform::FormShow()
{
    const Settings &s = settings();
    applyCaptions(this, ConfigCaptions, s.Lang);
    englishButton->setChecked(s.Lang == English);
    danishButton->setChecked(s.Lang == Danish);
    germanButton->setChecked(s.Lang == German);
    if (s.Lang != English && s.Lang != Danish && s.Lang != German) {
        // No language chosen yet: no button may show as selected.
        for (QRadioButton *radio : {englishButton, danishButton, germanButton}) {
            radio->setAutoExclusive(false);
            radio->setChecked(false);
            radio->setAutoExclusive(true);
        }
    }
    autoSaveBox->setChecked(s.AutoSave);
    colorCodingBox->setChecked(s.Color);
    showFont(s.FontType);
    fontSizeBox->setValue(s.FontSize);
    openFolderEdit->setText(s.OpenDir);
    saveFolderEdit->setText(s.SaveDir);
    tagTemplatesBox->setChecked(s.Tags);
    textFolderEdit->setText(s.TextDir);
    wordWrapBox->setChecked(s.WordWrap);
}

// A stored font that is not installed would otherwise show as the font that
// stands in for it, and OK would store that one without the user choosing it.
void Tconfigform::showFont(const QString &family)
{
    m_fontPicked = false;
    fontBox->setCurrentFont(QFont(family));
    const bool installed = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    missingFontLabel->setVisible(!installed);
    if (!installed) {
        fontBox->insertItem(0, family);
        fontBox->setCurrentIndex(0);
    }
}

void Tconfigform::browse(QLineEdit *field, const QString &prompt)
{
    const QString chosen = Prompts::folder(prompt, field->text());
    if (!chosen.isEmpty())
        field->setText(chosen);
}

void Tconfigform::applyToSettings()
{
    Settings &s = settings();
    s.OpenDir = openFolderEdit->text();
    s.SaveDir = saveFolderEdit->text();
    s.TextDir = textFolderEdit->text();
    if (m_fontPicked)
        s.FontType = fontBox->currentFont().family();
    s.FontSize = fontSizeBox->value();
    s.Color = colorCodingBox->isChecked();
    s.Tags = tagTemplatesBox->isChecked();
    s.AutoSave = autoSaveBox->isChecked();
    s.WordWrap = wordWrapBox->isChecked();
    s.Lang = germanButton->isChecked() ? German : danishButton->isChecked() ? Danish : English;
}

void Tconfigform::applyAndClose()
{
    applyToSettings();
    accept();
}

void Tconfigform::applyAndStore()
{
    applyToSettings();
    SaveSettings();
    accept();
}

bool Tconfigform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_hint) {
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            m_hint(field->text());
        else if (watched == m_dirsheet)
            m_hint(QString());
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (auto *radio = qobject_cast<QRadioButton *>(watched->property("radio").value<QObject *>()))
            radio->setChecked(true);
    }
    return QDialog::eventFilter(watched, event);
}
