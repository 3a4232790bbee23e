#pragma once

#include <QPixmap>

// The three language flags, drawn so they need no picture files.
enum class Flag { UnitedKingdom, Denmark, Germany };

QPixmap flagPixmap(Flag flag, const QSize &size);
