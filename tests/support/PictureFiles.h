// Picture files written by tests: uncompressed PNG (stored deflate blocks) and 24-bit BMP of any
// size, and PNG whose header claims another size than its pixels have.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kivtest {

using Bytes = std::vector<std::uint8_t>;

inline void PutBig32(Bytes& b, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(static_cast<std::uint8_t>(v >> s));
}

inline void PutLittle(Bytes& b, std::uint32_t v, int size)
{
    for (int i = 0; i < size; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline std::uint32_t Crc32(const std::uint8_t* data, size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void Chunk(Bytes& png, const char* type, const Bytes& data)
{
    PutBig32(png, static_cast<std::uint32_t>(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBig32(png, Crc32(png.data() + start, png.size() - start));
}

// A grey PNG of the given size whose pixel data is deflated as stored blocks (no compression).
// claimedWidth/claimedHeight, when given, go into the header instead of the real size.
inline Bytes MakePng(std::uint32_t width, std::uint32_t height, std::uint32_t claimedWidth = 0, std::uint32_t claimedHeight = 0)
{
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBig32(header, claimedWidth ? claimedWidth : width);
    PutBig32(header, claimedHeight ? claimedHeight : height);
    header.insert(header.end(), {8, 0, 0, 0, 0});  // 8-bit greyscale
    Chunk(png, "IHDR", header);
    Bytes raw;
    for (std::uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        for (std::uint32_t x = 0; x < width; ++x)
            raw.push_back(static_cast<std::uint8_t>((x * 16 + y * 32) & 0xFF));
    }
    Bytes zlib = {0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const size_t length = std::min<size_t>(65535, raw.size() - at);
        zlib.push_back(at + length >= raw.size() ? 1 : 0);
        PutLittle(zlib, static_cast<std::uint32_t>(length), 2);
        PutLittle(zlib, static_cast<std::uint32_t>(~length & 0xFFFF), 2);
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        if (raw.empty())
            break;
    }
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(zlib, (b << 16) | a);
    Chunk(png, "IDAT", zlib);
    Chunk(png, "IEND", {});
    return png;
}

// A 24-bit bottom-up BMP of the given size.
inline Bytes MakeBmp(std::uint32_t width, std::uint32_t height)
{
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    Bytes bmp = {'B', 'M'};
    // The file header, then the info header: its size, the picture's, one plane of 24 bits, no
    // compression, the pixels' size, 72 dpi and no palette.
    const std::pair<std::uint32_t, int> fields[] = {{54 + stride * height, 4}, {0, 4}, {54, 4}, {40, 4}, {width, 4},
                                                    {height, 4}, {1, 2}, {24, 2}, {0, 4}, {stride * height, 4},
                                                    {2835, 4}, {2835, 4}, {0, 4}, {0, 4}};
    for (const auto& [value, size] : fields)
        PutLittle(bmp, value, size);
    bmp.resize(bmp.size() + stride * height, 0x80);
    return bmp;
}

}  // namespace kivtest
