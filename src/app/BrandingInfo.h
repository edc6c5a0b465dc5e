#pragma once

#include <QString>

// The product's branding: what the version record of the program holds on
// other platforms, here fixed data of the build (Branding.h). Windows take
// it as a value, so tests can show any product and version.
struct BrandingInfo
{
    QString productName;
    QString companyName;
    QString comments; // the publisher's web address
    int versionMajor = 0;
    int versionMinor = 0;

    // The values this build was configured with.
    static BrandingInfo fromBuild();

    // "major.minor", each a plain integer: version 1.5 reads "1.5".
    QString versionText() const;
};
