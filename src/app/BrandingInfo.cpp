#include "app/BrandingInfo.h"

#include "Branding.h"

BrandingInfo BrandingInfo::fromBuild()
{
    BrandingInfo branding;
    branding.productName = QString::fromUtf8(Branding::productName);
    branding.companyName = QString::fromUtf8(Branding::companyName);
    branding.comments = QString::fromUtf8(Branding::comments);
    branding.versionMajor = Branding::versionMajor;
    branding.versionMinor = Branding::versionMinor;
    return branding;
}

QString BrandingInfo::versionText() const
{
    return QString::number(versionMajor) + QLatin1Char('.') + QString::number(versionMinor);
}
