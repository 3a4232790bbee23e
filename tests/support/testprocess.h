#pragma once

#include <QtGlobal>

class QProcess;

// Ends a server a test started: asks it to stop, and kills it when it does not.
void stopTestProcess(QProcess &process);

// A loopback port nobody listens on now; 0 when none could be found.
quint16 freePort();
