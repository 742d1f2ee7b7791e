#pragma once
#include <QImage>
#include <QString>

namespace ov {

// The program's own pictures, drawn rather than shipped, so a fresh install
// looks finished before a distributor adds Icon.ico, Logo.bmp or Logo_2.bmp.

// The emblem: a rounded tile with a flash of light; square, size pixels.
QImage BuiltinIconImage(int size);

// The emblem as a scalable picture (SVG), drawn from the same shapes.
QString BuiltinIconSvg();

// The header strip: the emblem and the product name on a dark gradient.
QImage BuiltinHeaderImage(const QString& productName, int width, int height);

// The tall side image of the product and Settings pages, 64 x 246.
inline constexpr int kSideImageWidth = 64;
inline constexpr int kSideImageHeight = 246;
QImage BuiltinSideImage();

} // namespace ov
