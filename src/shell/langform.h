#pragma once

#include <QDialog>
#include <QHash>

class QToolButton;

// The first-start language chooser: three flags; clicking one stores the
// language and closes. Closing it otherwise leaves no language chosen.
class Tlangform : public QDialog
{
    Q_OBJECT

public:
    explicit Tlangform(QWidget *parent = nullptr);

    // The flag that chooses a language (English, Danish or German).
    QToolButton *flagButton(int lang) const { return m_flags.value(lang); }

private:
    void choose(int lang);

    QHash<int, QToolButton *> m_flags;
};
