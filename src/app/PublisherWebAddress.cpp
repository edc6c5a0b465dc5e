#include "app/PublisherWebAddress.h"

#include "app/BrandingInfo.h"

QString publisherWebAddress(const QString& comments)
{
    if (comments.contains(QLatin1String("http://"), Qt::CaseInsensitive) ||
        comments.contains(QLatin1String("https://"), Qt::CaseInsensitive))
        return comments;
    return QStringLiteral("http://") + comments;
}

void openPublisherWebAddress(const UrlOpener& opener)
{
    openPublisherWebAddress(BrandingInfo::fromBuild().comments, opener);
}

void openPublisherWebAddress(const QString& comments, const UrlOpener& opener)
{
    if (opener)
        opener(QUrl(publisherWebAddress(comments)));
}
