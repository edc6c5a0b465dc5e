#pragma once

#include <QByteArray>
#include <QString>

// Plain byte reads and writes for setting up and checking files in tests.
bool writeBytes(const QString& path, const QByteArray& bytes);
// The file's bytes, or "<unreadable>" so a comparison shows what went wrong.
QByteArray readBytes(const QString& path);
