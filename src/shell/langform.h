#pragma once

#include <QDialog>

// The first-start language chooser: three flags; clicking one stores the
// language and closes. Closing it otherwise leaves no language chosen.
class Tlangform : public QDialog
{
    Q_OBJECT

public:
    explicit Tlangform(QWidget *parent = nullptr);

private:
    void choose(int lang);
};
