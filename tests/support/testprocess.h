#pragma once

class QProcess;

// Ends a server a test started: asks it to stop, and kills it when it does not.
void stopTestProcess(QProcess &process);
