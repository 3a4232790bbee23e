#include "shell/langform.h"

#include "settings/language.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "shell/flags.h"
#include "ui/captions.h"
#include "ui/named.h"

#include <QHBoxLayout>
#include <QToolButton>

Tlangform::Tlangform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("langform"));
    setNameCaption(this, QStringLiteral("Language, sprog, Sprache"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const struct {
        const char *name;
        Flag flag;
        int lang;
        const char *tip;
    } choices[] = {
        {"ukimage", Flag::UnitedKingdom, English, "English"},
        {"dkimage", Flag::Denmark, Danish, "Dansk"},
        {"gerimage", Flag::Germany, German, "Deutsch"},
    };
    auto *row = new QHBoxLayout(this);
    row->setSpacing(16);
    row->setContentsMargins(20, 20, 20, 20);
    for (const auto &choice : choices) {
        auto *button = named<QToolButton>(choice.name, this);
        button->setIcon(QIcon(flagPixmap(choice.flag, QSize(96, 60))));
        button->setIconSize(QSize(96, 60));
        button->setAutoRaise(true);
        button->setToolTip(QString::fromUtf8(choice.tip));
        const int lang = choice.lang;
        connect(button, &QToolButton::clicked, this, [this, lang] { choose(lang); });
        m_flags.insert(lang, button);
        row->addWidget(button);
    }
    setFixedSize(sizeHint());
}

void Tlangform::choose(int lang)
{
    settings().Lang = lang;
    SaveLanguage();
    accept();
}
