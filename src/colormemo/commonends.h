#pragma once

#include <QString>
#include <QStringView>

// Characters both texts start with.
qsizetype commonPrefix(QStringView a, QStringView b);

// Characters both texts end with, at most `limit`.
qsizetype commonSuffix(QStringView a, QStringView b, qsizetype limit);

// What a text is known to share with an earlier one, `earlier`: its first
// `prefix` and last `suffix` characters, which need no comparing.
struct KnownEnds
{
    QString earlier;
    qsizetype prefix = 0;
    qsizetype suffix = 0;
};
