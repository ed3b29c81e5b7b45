#pragma once

// Pictures built into the program as raw pixels (made at build time by
// quorvel-raw-pixels): shown without an image decoder, so that neither the PNG
// library nor zlib is loaded into memory for the window's icon or a frame.

#include <QImage>
#include <QString>

namespace quorvel::ui::qt {

// The picture under `path` among the program's resources, sharing the resource's
// memory (read-only) where the pixels lie aligned for 32-bit words, else a copy; a
// null image where there is none or it is malformed.
[[nodiscard]] QImage RawPixels(const QString& path);

}  // namespace quorvel::ui::qt
