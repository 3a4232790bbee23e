#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Asks for the name of a new project: one to eight ASCII letters.
class Tprojectname : public QDialog
{
    Q_OBJECT

public:
    explicit Tprojectname(QWidget *parent = nullptr);
    QString name() const;

    QLineEdit *nameEdit = nullptr;
    QPushButton *okButton = nullptr;

    static bool acceptable(const QString &name);
};

// Takes the text of a new snippet.
class Tsnipform : public QDialog
{
    Q_OBJECT

public:
    explicit Tsnipform(QWidget *parent = nullptr);
    QString text() const;

    QPlainTextEdit *textEdit = nullptr;
    QPushButton *okButton = nullptr;
};
