// The picture class on real files: pictures this test writes itself (BMP and PNG) load at their
// size from every path spelling, and files that are cut off, mislabelled, empty or lying about
// their size fail cleanly instead of reaching the decoder.
#include "framework/kivcom/CommonFile.h"
#include "platform/afx/Image.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBig32(Bytes& b, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(static_cast<std::uint8_t>(v >> s));
}

void PutLittle(Bytes& b, std::uint32_t v, int size)
{
    for (int i = 0; i < size; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t Crc32(const std::uint8_t* data, size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Chunk(Bytes& png, const char* type, const Bytes& data)
{
    PutBig32(png, static_cast<std::uint32_t>(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBig32(png, Crc32(png.data() + start, png.size() - start));
}

// A grey PNG of the given size whose pixel data is deflated as stored blocks (no compression).
// claimedWidth/claimedHeight, when given, go into the header instead of the real size.
Bytes MakePng(std::uint32_t width, std::uint32_t height, std::uint32_t claimedWidth = 0, std::uint32_t claimedHeight = 0)
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
Bytes MakeBmp(std::uint32_t width, std::uint32_t height)
{
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    Bytes bmp = {'B', 'M'};
    PutLittle(bmp, 54 + stride * height, 4);
    PutLittle(bmp, 0, 4);
    PutLittle(bmp, 54, 4);
    PutLittle(bmp, 40, 4);
    PutLittle(bmp, width, 4);
    PutLittle(bmp, height, 4);
    PutLittle(bmp, 1, 2);
    PutLittle(bmp, 24, 2);
    PutLittle(bmp, 0, 4);
    PutLittle(bmp, stride * height, 4);
    PutLittle(bmp, 2835, 4);
    PutLittle(bmp, 2835, 4);
    PutLittle(bmp, 0, 4);
    PutLittle(bmp, 0, 4);
    bmp.resize(bmp.size() + stride * height, 0x80);
    return bmp;
}

std::wstring Folder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name + L"\\";
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1))
        ::CreateDirectoryW(CCommonFile::ExtendedPath(folder.substr(0, at).c_str()), nullptr);
    return folder;
}

std::wstring Write(const std::wstring& path, const Bytes& bytes)
{
    const HANDLE file = ::CreateFileW(CCommonFile::ExtendedPath(path.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                      nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << testing::PrintToString(path);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

Bytes Cut(const Bytes& bytes, size_t size)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, bytes.size())));
}

struct GoodFile {
    const char* name;
    std::wstring folder;
    const wchar_t* file;
    Bytes bytes;
    int width, height;
};

TEST(ImageFile, PicturesLoadAtTheirSizeFromEveryPathSpelling)
{
    std::wstring longFolder = L"kivimage-long";
    while (longFolder.size() < 280)
        longFolder += L"\\" + std::wstring(40, L'p');
    const GoodFile cases[] = {
        {"png", Folder(L"kivimage"), L"day.png", MakePng(64, 16), 64, 16},
        {"bmp", Folder(L"kivimage"), L"day.bmp", MakeBmp(32, 8), 32, 8},
        {"png of more than one deflate block", Folder(L"kivimage"), L"wide.png", MakePng(1024, 256), 1024, 256},
        {"japanese folder", Folder(L"kivimage-風景 写真"), L"昼景.png", MakePng(16, 4), 16, 4},
        {"longer than MAX_PATH", Folder(longFolder), L"day.png", MakePng(16, 4), 16, 4},
        {"png named .bmp", Folder(L"kivimage"), L"named-wrong.bmp", MakePng(8, 2), 8, 2},
    };
    for (const GoodFile& c : cases) {
        const std::wstring path = Write(c.folder + c.file, c.bytes);
        CImage image;
        ASSERT_TRUE(SUCCEEDED(image.Load(path.c_str()))) << c.name;
        EXPECT_FALSE(image.IsNull()) << c.name;
        EXPECT_EQ(image.GetWidth(), c.width) << c.name;
        EXPECT_EQ(image.GetHeight(), c.height) << c.name;
    }
}

TEST(ImageFile, BrokenAndLyingFilesFailWithoutDecoding)
{
    const std::wstring folder = Folder(L"kivimage-bad");
    const Bytes good = MakePng(256, 64);
    Bytes huge = MakePng(4, 1, 100000, 25000);
    huge.resize(100 * 1024, 0);  // a 100 KB file that claims 2.5 billion pixels
    struct BadFile {
        const char* name;
        const wchar_t* file;
        Bytes bytes;
    } cases[] = {
        {"empty", L"empty.png", {}},
        {"cut in its header", L"cut-header.png", Cut(good, 20)},
        {"cut in its pixels", L"cut-pixels.png", Cut(good, good.size() / 2)},
        {"text named .jpg", L"text.jpg", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}},
        {"claims 100000 x 25000", L"huge.png", huge},
        {"claims a side over 32768", L"tall.png", MakePng(4, 1, 4, 40000)},
        {"header smaller than its pixels", L"small-claim.png", MakePng(64, 16, 8, 2)},
        {"bmp cut after its header", L"cut.bmp", Cut(MakeBmp(64, 64), 60)},
    };
    for (const BadFile& c : cases) {
        const std::wstring path = Write(folder + c.file, c.bytes);
        CImage image;
        EXPECT_TRUE(FAILED(image.Load(path.c_str()))) << c.name;
        EXPECT_TRUE(image.IsNull()) << c.name;
        EXPECT_EQ(image.GetWidth(), 0) << c.name;
        EXPECT_EQ(image.GetHeight(), 0) << c.name;
    }
}

}  // namespace
