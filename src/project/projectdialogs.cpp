#include "project/projectdialogs.h"

#include "project/projecttexts.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/named.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tprojectname::Tprojectname(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("projectname"));
    setDesignCaption(this, "projectname");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *label = named<QLabel>("namelabel", QStringLiteral("Enter a name for the project: "), this);
    nameEdit = named<QLineEdit>("Edit1", this);
    nameEdit->setMaxLength(8);
    okButton = named<QPushButton>("okbutton", QStringLiteral("&Ok"), this);
    okButton->setDefault(true);
    okButton->setEnabled(false);
    QPushButton *cancel = named<QPushButton>("cancelbutton", QStringLiteral("&Cancel"), this);
    connect(nameEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { okButton->setEnabled(acceptable(text)); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout *buttons = DialogHelpers::buttonRow({okButton, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(nameEdit);
    layout->addLayout(buttons);
    applyCaptions(this, ProjectNameCaptions, settings().Lang);
}

bool Tprojectname::acceptable(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        const bool letter = (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                            || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
        if (!letter)
            return false;
    }
    return true;
}

QString Tprojectname::name() const
{
    return nameEdit->text();
}

Tsnipform::Tsnipform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("snipform"));
    setDesignCaption(this, "snipform");
    auto *label = named<QLabel>("Label1", QStringLiteral("Enter snippet"), this);
    textEdit = named<QPlainTextEdit>("Memo1", this);
    textEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPushButton *cancel = named<QPushButton>("BitBtn1", QStringLiteral("&Cancel"), this);
    okButton = named<QPushButton>("BitBtn2", QStringLiteral("OK"), this);
    okButton->setEnabled(false);
    connect(textEdit, &QPlainTextEdit::textChanged, this,
            [this] { okButton->setEnabled(!textEdit->toPlainText().isEmpty()); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout *buttons = DialogHelpers::buttonRow({cancel, okButton});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(textEdit);
    layout->addLayout(buttons);
    resize(420, 260);
    applyCaptions(this, SnippetCaptions, settings().Lang);
}

QString Tsnipform::text() const
{
    QString text = textEdit->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
