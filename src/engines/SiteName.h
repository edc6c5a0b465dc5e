#pragma once

#include <QString>

// The forms of a listed site that a source can be asked about. They depend on
// nothing but Qt and the public-suffix list, so that every kind of source
// (and the web-graph lookup) names a site the same way.

// The host of the site as the URL list holds it ("http://user@WWW.Example.de:8080/a",
// "www.example.com/page", "intranet"): in ASCII (IDNA) form, lower case,
// without user info, port, a leading "www." or a trailing dot. The empty text
// when the text names no host.
QString siteHost(const QString& listed);

// The registered domain of an ASCII host by the public-suffix list
// ("news.example.co.uk" gives "example.co.uk"). An IP address, a host that
// is itself a public suffix and a bare name give the host itself.
QString registeredDomain(const QString& asciiHost);
