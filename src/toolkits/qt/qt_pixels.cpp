#include "toolkits/qt/qt_pixels.h"

#include <QResource>
#include <cstdint>
#include <cstring>

// The resources live in a static library, where nothing would pull them in unless
// their registration is called; the macro must stand outside any namespace.
static void RegisterPixelResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(quorvel_pixels);
        return true;
    }();
    (void)done;
}

namespace quorvel::ui::qt {

QImage RawPixels(const QString& path) {
    RegisterPixelResources();
    const QResource resource(path);
    // Built uncompressed, so the data is the pixels themselves.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
    const qint64 length = resource.size();
    std::uint32_t size[2] = {0, 0};
    if (length < static_cast<qint64>(sizeof size)) return {};
    std::memcpy(size, resource.data(), sizeof size);
    const qint64 width = size[0];
    const qint64 height = size[1];
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || length != static_cast<qint64>(sizeof size) + width * height * 4) return {};
    const uchar* pixels = resource.data() + sizeof size;
    const QImage image(pixels, static_cast<int>(width), static_cast<int>(height), static_cast<qsizetype>(width * 4),
                       QImage::Format_ARGB32_Premultiplied);
    // An image reads its pixels as 32-bit words; a resource holds bytes, which lie
    // where the resource compiler put them.
    return reinterpret_cast<std::uintptr_t>(pixels) % alignof(std::uint32_t) == 0 ? image : image.copy();
}

}  // namespace quorvel::ui::qt
