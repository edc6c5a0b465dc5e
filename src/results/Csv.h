#pragma once

#include <QByteArray>
#include <QStringList>

// Comma-separated values as RFC 4180 has them, in UTF-8: a field holding a
// comma, a double quote, a line break or a space at either end is put in
// double quotes (a double quote inside doubled), and every record ends with
// CR LF.
namespace Csv {

QByteArray record(const QStringList& fields);

} // namespace Csv
