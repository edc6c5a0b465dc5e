#pragma once

#include <QPixmap>
#include <QSize>

struct BrandingInfo;

// The program's pictures that are painted rather than stored: they carry
// the branding's names, which are data of the build.
namespace BrandArtwork {

// Resource path of the program's logo, also the window icon.
inline constexpr char logoResource[] = ":/icons/quorvex.svg";

QPixmap logo(int size);

// The about window's banner, without text: its label carries the name.
QPixmap aboutBanner(QSize size);

// The splash picture with the product's and the publisher's names.
QPixmap splashPicture(QSize size, const BrandingInfo& branding);

} // namespace BrandArtwork
