#pragma once

#include <QPixmap>

// The program's logo, drawn rather than shipped so it is sharp at any size.
QPixmap markvaleLogo(int size);
