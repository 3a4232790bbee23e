#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file for a test; fails the running test when it cannot.
void writeTestFile(const QString &path, const QByteArray &bytes);

// A file's whole content; empty when it cannot be read.
QByteArray readTestFile(const QString &path);
