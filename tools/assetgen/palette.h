#pragma once

#include <QImage>

// Reduction of a true-colour picture to a 256-colour palette.
namespace Palette {

// Entry 0 is `key`, used for exactly the pixels of that colour; the other 255 entries are chosen by median cut
// over the remaining pixels, each pixel taking its nearest entry, and none of them equals the key.
QImage reduce(const QImage &image, QRgb key);

} // namespace Palette
