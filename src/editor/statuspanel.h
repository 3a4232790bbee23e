#pragma once

#include <QLabel>
#include <QStringList>

// One panel of a status bar, as wide as its design width scaled to the font,
// and wider where its texts need it: the longest ones it is told to expect
// in the current language and every text it has shown, so it never cuts a
// text and does not jump back and forth as numbers change.
class StatusPanel : public QLabel
{
    Q_OBJECT

public:
    // A flexible panel gives way when the window is narrower; a fixed one
    // keeps its text readable.
    enum Sizing { Fixed, Flexible };
    StatusPanel(int designWidth, Sizing sizing, QWidget *parent);

    // Shows a text, widening the panel when it would not fit.
    void showText(const QString &text);
    // The longest texts the panel will show, for instance in a new language.
    void setLongestTexts(const QStringList &texts);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    int widthFor(const QString &text) const;
    void fitWidth();

    int m_designWidth;
    Sizing m_sizing;
    QStringList m_longest;
    int m_width = 0;
};
