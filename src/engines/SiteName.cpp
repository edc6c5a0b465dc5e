#include "engines/SiteName.h"

#include <QHostAddress>
#include <QUrl>

#include <libpsl.h>

#include <memory>

namespace {

// The list of the system's publicsuffix package when it can be read (it is
// updated more often than the library), else the one built into the library.
const psl_ctx_t* publicSuffixes()
{
    static const std::unique_ptr<psl_ctx_t, void (*)(psl_ctx_t*)> latest(psl_latest(nullptr), psl_free);
    return latest ? latest.get() : psl_builtin();
}

} // namespace

QString siteHost(const QString& listed)
{
    const QString text = listed.trimmed();
    if (text.isEmpty())
        return {};
    // A text without a scheme is a web address without its "http://".
    const QUrl url(text.contains(QLatin1String("://")) ? text : QStringLiteral("http://") + text);
    if (!url.isValid())
        return {};
    QString host = url.host(QUrl::FullyEncoded).toLower();
    while (host.endsWith(u'.'))
        host.chop(1);
    if (host.startsWith(QLatin1String("www.")) && host.size() > 4)
        host.remove(0, 4);
    return host;
}

QString registeredDomain(const QString& asciiHost)
{
    if (asciiHost.isEmpty() || !QHostAddress(asciiHost).isNull())
        return asciiHost;
    const QByteArray host = asciiHost.toLower().toLatin1();
    const char* domain = psl_registrable_domain(publicSuffixes(), host.constData());
    return domain ? QString::fromLatin1(domain) : asciiHost;
}
