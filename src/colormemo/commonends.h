#pragma once

#include <QStringView>

// Characters both texts start with.
qsizetype commonPrefix(QStringView a, QStringView b);

// Characters both texts end with, at most `limit`.
qsizetype commonSuffix(QStringView a, QStringView b, qsizetype limit);
