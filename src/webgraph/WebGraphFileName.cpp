#include "webgraph/WebGraphFileName.h"

#include <QFileInfo>

namespace {

QByteArray printableRelease(QByteArrayView name)
{
    QByteArray release = name.first(qMin(name.size(), WebGraphFormat::releaseCapacity)).toByteArray();
    for (char& c : release) {
        if (c < 0x20 || c > 0x7E)
            c = '_';
    }
    return release;
}

} // namespace

WebGraphFileName WebGraphFileName::of(const QString& path)
{
    const QByteArray name = QFileInfo(path).fileName().toLocal8Bit();
    const QByteArray lower = name.toLower();
    const qsizetype domainAt = lower.indexOf("-domain-");
    const qsizetype hostAt = lower.indexOf("-host-");
    WebGraphFileName naming;
    if (domainAt < 0 && hostAt < 0) {
        const qsizetype dot = name.indexOf('.');
        QByteArrayView release = dot < 0 ? QByteArrayView(name) : QByteArrayView(name).first(dot);
        for (const QByteArrayView part : {QByteArrayView("-vertices"), QByteArrayView("-counts")}) {
            if (release.endsWith(part))
                release.chop(part.size());
        }
        naming.release = printableRelease(release);
        return naming;
    }
    const bool domainFirst = hostAt < 0 || (domainAt >= 0 && domainAt < hostAt);
    naming.level = domainFirst ? WebGraphFormat::Level::Domain : WebGraphFormat::Level::Host;
    naming.release = printableRelease(QByteArrayView(name).first(domainFirst ? domainAt : hostAt));
    return naming;
}
