#pragma once

#include <QPixmap>

// A small picture of how layout 1..4 divides the browser window, for the
// first page of the frames wizard (80 by 60 pixels).
QPixmap layoutPicture(int layout);
