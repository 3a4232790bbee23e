#include "shell/aboutbox.h"

#include "shell/logo.h"
#include "shell/mainformtexts.h"
#include "ui/captions.h"
#include "ui/named.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setNameCaption(this, QStringLiteral("Markvale PRO"));
    auto *logo = new QLabel(this);
    logo->setPixmap(markvaleLogo(128));
    auto *text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(MainTexts::AboutText.text().arg(QApplication::applicationVersion()));
    auto *buttons = named<QDialogButtonBox>("OKButton", QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(logo);
    row->addSpacing(16);
    row->addWidget(text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
