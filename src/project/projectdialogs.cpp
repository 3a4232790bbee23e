#include "project/projectdialogs.h"

#include "project/projecttexts.h"
#include "settings/settings.h"

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
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(8);
    okbutton = button(this, "okbutton", QStringLiteral("&Ok"));
    okbutton->setDefault(true);
    okbutton->setEnabled(false);
    QPushButton *cancel = button(this, "cancelbutton", QStringLiteral("&Cancel"));
    connect(Edit1, &QLineEdit::textChanged, this,
            [this](const QString &text) { okbutton->setEnabled(acceptable(text)); });
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbutton);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Edit1);
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
    return Edit1->text();
}

Tsnipform::Tsnipform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("snipform"));
    setDesignCaption(this, "snipform");
    auto *label = new QLabel(QStringLiteral("Enter snippet"), this);
    label->setObjectName(QStringLiteral("Label1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPushButton *cancel = button(this, "BitBtn1", QStringLiteral("&Cancel"));
    BitBtn2 = button(this, "BitBtn2", QStringLiteral("OK"));
    BitBtn2->setEnabled(false);
    connect(Memo1, &QPlainTextEdit::textChanged, this,
            [this] { BitBtn2->setEnabled(!Memo1->toPlainText().isEmpty()); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
    resize(420, 260);
    applyCaptions(this, SnippetCaptions, settings().Lang);
}

QString Tsnipform::text() const
{
    QString text = Memo1->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
