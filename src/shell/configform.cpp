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

    auto *ok = named<QPushButton>("okbutton", QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    auto *standard = named<QPushButton>("defaultbutton", QStringLiteral("D&efault"), this);
    auto *cancel = named<QPushButton>("cancelbutton", QStringLiteral("&Cancel"), this);
    auto *help = named<QPushButton>("helpbutton", QStringLiteral("&Help"), this);
    connect(ok, &QPushButton::clicked, this, &Tconfigform::okbuttonClick);
    connect(standard, &QPushButton::clicked, this, &Tconfigform::defaultbuttonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { DialogRunner::showHelp(6100); });

    QHBoxLayout *buttons = DialogHelpers::buttonRow({ok, standard, cancel, help});
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
        const Message *prompt;
    } rows[] = {
        {"openlabel", "Open file", "opendir", &opendir, &ConfigTexts::OpenDirPrompt},
        {"savelabel", "Save file", "savedir", &savedir, &ConfigTexts::SaveDirPrompt},
        {"textlabel", "Insert text", "textdir", &textdir, &ConfigTexts::TextDirPrompt},
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
    fontbox = named<QFontComboBox>("fontbox", page);
    fontbox->setFontFilters(QFontComboBox::ScalableFonts);
    connect(fontbox, &QComboBox::activated, this, [this] { m_fontPicked = true; });
    missinglabel = named<QLabel>("missinglabel", QStringLiteral("(not installed)"), page);
    fontspin = named<QSpinBox>("fontspin", page);
    fontspin->setRange(MinFontSize, MaxFontSize);
    grid->addWidget(named<QLabel>("typelabel", QStringLiteral("Font type"), page), 0, 0);
    grid->addWidget(fontbox, 0, 1);
    grid->addWidget(missinglabel, 0, 2);
    grid->addWidget(named<QLabel>("sizelabel", QStringLiteral("Size"), page), 1, 0);
    grid->addWidget(fontspin, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget *Tconfigform::buildPreferencesPage()
{
    auto *page = named<QWidget>("prefsheet");
    auto *column = new QVBoxLayout(page);
    colorbox = named<QCheckBox>("colorbox", QStringLiteral("Colo&r coding on/off"), page);
    templatesbox = named<QCheckBox>("templatesbox", QStringLiteral("&Tag templates on/off"), page);
    autobox = named<QCheckBox>("autobox", QStringLiteral("&Auto save on/off"), page);
    wrapbox = named<QCheckBox>("wrapbox", QStringLiteral("&Word wrapping on/off"), page);
    for (QCheckBox *box : {colorbox, templatesbox, autobox, wrapbox})
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
        {"ukbox", "ukflag", Flag::UnitedKingdom, "English", &ukbox},
        {"dkbox", "dkflag", Flag::Denmark, "Dansk", &dkbox},
        {"gerbox", "gerflag", Flag::Germany, "Deutsch", &gerbox},
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
    ukbox->setChecked(s.Lang == English);
    dkbox->setChecked(s.Lang == Danish);
    gerbox->setChecked(s.Lang == German);
    if (s.Lang != English && s.Lang != Danish && s.Lang != German) {
        // No language chosen yet: no button may show as selected.
        for (QRadioButton *radio : {ukbox, dkbox, gerbox}) {
            radio->setAutoExclusive(false);
            radio->setChecked(false);
            radio->setAutoExclusive(true);
        }
    }
    autobox->setChecked(s.AutoSave);
    colorbox->setChecked(s.Color);
    showFont(s.FontType);
    fontspin->setValue(s.FontSize);
    opendir->setText(s.OpenDir);
    savedir->setText(s.SaveDir);
    templatesbox->setChecked(s.Tags);
    textdir->setText(s.TextDir);
    wrapbox->setChecked(s.WordWrap);
}

// A stored font that is not installed would otherwise show as the font that
// stands in for it, and OK would store that one without the user choosing it.
void Tconfigform::showFont(const QString &family)
{
    m_fontPicked = false;
    fontbox->setCurrentFont(QFont(family));
    const bool installed = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    missinglabel->setVisible(!installed);
    if (!installed) {
        fontbox->insertItem(0, family);
        fontbox->setCurrentIndex(0);
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
    s.OpenDir = opendir->text();
    s.SaveDir = savedir->text();
    s.TextDir = textdir->text();
    if (m_fontPicked)
        s.FontType = fontbox->currentFont().family();
    s.FontSize = fontspin->value();
    s.Color = colorbox->isChecked();
    s.Tags = templatesbox->isChecked();
    s.AutoSave = autobox->isChecked();
    s.WordWrap = wrapbox->isChecked();
    s.Lang = gerbox->isChecked() ? German : dkbox->isChecked() ? Danish : English;
}

void Tconfigform::okbuttonClick()
{
    applyToSettings();
    accept();
}

void Tconfigform::defaultbuttonClick()
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
