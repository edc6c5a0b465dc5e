#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 has them, in UTF-8: a field holding a
// comma, a double quote, a line break or a space at either end is put in
// double quotes (a double quote inside doubled), and every record ends with
// CR LF.
namespace Csv {

QByteArray record(const QStringList& fields);

// The field as a spreadsheet may take it from a file or the clipboard: a
// field that starts with =, +, -, @, a tab or a CR would be read as a
// formula, so it gets an apostrophe in front, which the spreadsheet shows
// as text. Sites and saved-search names come from lists and clipboards the
// user did not write. Counts and dates never start with those characters.
QString inertField(const QString& field);

} // namespace Csv
