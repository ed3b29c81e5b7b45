#include <array>
#include <cstdint>
#include <fstream>
#include <vector>

#include "toolkits/win32/win32_adapters.h"
#include "toolkits/win32/win32_program.h"

// A window's client area as PNG: brought to the front, drawn anew with all its
// children and copied as it shows on the screen, written as 8-bit RGB with stored
// (uncompressed) deflate blocks, which every reader takes and which needs no
// compression library.

namespace quorvel::ui::win32 {

namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1U) : c >> 1U;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFFU] ^ (crc >> 8U);
    return ~crc;
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> static_cast<unsigned>(shift)));
}

void Chunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& data) {
    Put32(png, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    Put32(png, Crc32(body.data(), body.size()));
}

std::vector<std::uint8_t> Zlib(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> z{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n & 0xFFU));
        z.push_back(static_cast<std::uint8_t>(n >> 8U));
        z.push_back(static_cast<std::uint8_t>(~n & 0xFFU));
        z.push_back(static_cast<std::uint8_t>((~n >> 8U) & 0xFFU));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521U;
        b = (b + a) % 65521U;
    }
    Put32(z, (b << 16U) | a);
    return z;
}

}  // namespace

WindowPixels CaptureWindow(void* handle) {
    auto* hwnd = static_cast<HWND>(handle);
    RECT client;
    GetClientRect(hwnd, &client);
    WindowPixels shot;
    if (client.right <= 0 || client.bottom <= 0) return shot;
    shot.width = client.right;
    shot.height = client.bottom;
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC screen = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, shot.width, shot.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* px = static_cast<const std::uint32_t*>(bits);
    shot.rgb.reserve(static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height));
    for (std::size_t i = 0; i < static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height); ++i) {
        shot.rgb.push_back(px[i] & 0xFFFFFFU);  // a 32-bit DIB is 0x00RRGGBB
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(hwnd, screen);
    return shot;
}

bool SaveWindowPng(void* handle, const std::string& path) {
    const WindowPixels shot = CaptureWindow(handle);
    if (shot.rgb.empty()) return false;
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(shot.height) * (static_cast<std::size_t>(shot.width) * 3 + 1));
    for (int y = 0; y < shot.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < shot.width; ++x) {
            const std::uint32_t p = shot.At(x, y);
            raw.push_back(static_cast<std::uint8_t>(p >> 16U));
            raw.push_back(static_cast<std::uint8_t>(p >> 8U));
            raw.push_back(static_cast<std::uint8_t>(p));
        }
    }

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Put32(header, static_cast<std::uint32_t>(shot.width));
    Put32(header, static_cast<std::uint32_t>(shot.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Zlib(raw));
    Chunk(png, "IEND", {});
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
}

}  // namespace quorvel::ui::win32
