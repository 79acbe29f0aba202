// The engine's pictures as Qt sees them.
#pragma once

#include <cstdint>

#include <QImage>

#include "platform/Bitmap.h"

namespace dulm {

// The bitmap's own pixels, not copied: valid while the bitmap keeps its memory (until it is
// destroyed or given another size). A null image for an empty bitmap.
inline QImage ImageOf(const Bitmap& picture) {
    if (picture.IsNull()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(picture.Row(0)), picture.Width(), picture.Height(),
                  qsizetype(picture.Stride()) * qsizetype(sizeof(std::uint32_t)), QImage::Format_RGB32);
}

}  // namespace dulm
