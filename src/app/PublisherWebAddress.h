#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens an address in the default web browser, or, in tests, records it.
using UrlOpener = std::function<void(const QUrl&)>;

// The address to open for the branding's comments field: the text itself
// when it contains "http://" or "https://" anywhere (letter case ignored),
// otherwise the text with "http://" in front.
QString publisherWebAddress(const QString& comments);

// Opens the publisher's web address (the build's branding) with the opener.
// Whether a browser really opens is not examined.
void openPublisherWebAddress(const UrlOpener& opener);
// The same for an explicit comments field.
void openPublisherWebAddress(const QString& comments, const UrlOpener& opener);
