#pragma once

#include <QString>

// Percent-encodes the characters that would break a site's address when it
// is put into a search query: "%" first, so that the "%" of the escapes made
// afterwards is not encoded again, then space < > # { } | \ ^ ~ [ ] ` ; / ? :
// @ = & $ line feed and carriage return. Every other character, letters,
// digits and characters beyond ASCII included, is left as it is.
QString urlEncode(const QString& text);
