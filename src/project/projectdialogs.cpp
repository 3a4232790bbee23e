#include "project/projectdialogs.h"

#include "project/projecttexts.h"
#include "settings/settings.h"
#include "ui/captions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

Tprojectname::Tprojectname(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("projectname"));
    setDesignCaption(this, "projectname");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *label = new QLabel(QStringLiteral("Enter a name for the project: "), this);
    label->setObjectName(QStringLiteral("namelabel"));
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("Edit1"));
    nameEdit->setMaxLength(8);
    okButton = button(this, "okbutton", QStringLiteral("&Ok"));
    okButton->setDefault(true);
    okButton->setEnabled(false);
    QPushButton *cancel = button(this, "cancelbutton", QStringLiteral("&Cancel"));
    connect(nameEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { okButton->setEnabled(acceptable(text)); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
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
    auto *label = new QLabel(QStringLiteral("Enter snippet"), this);
    label->setObjectName(QStringLiteral("Label1"));
    textEdit = new QPlainTextEdit(this);
    textEdit->setObjectName(QStringLiteral("Memo1"));
    textEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPushButton *cancel = button(this, "BitBtn1", QStringLiteral("&Cancel"));
    okButton = button(this, "BitBtn2", QStringLiteral("OK"));
    okButton->setEnabled(false);
    connect(textEdit, &QPlainTextEdit::textChanged, this,
            [this] { okButton->setEnabled(!textEdit->toPlainText().isEmpty()); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(okButton);
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
