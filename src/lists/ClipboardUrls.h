#pragma once

#include <QString>
#include <QStringList>

// Turns clipboard text into URLs for the URL list.
namespace ClipboardUrls {

// One URL per non-empty line, each completed by withWebPrefix().
QStringList fromText(const QString& text);

// A line that names no scheme gets "http://" in front, and also "www."
// when it does not contain "www." anywhere. Letter case is ignored in the
// checks; nothing is trimmed.
QString withWebPrefix(const QString& line);

} // namespace ClipboardUrls
