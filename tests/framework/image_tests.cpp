// The picture class's header guard: sizes read from each kind of header, and the limits that
// keep a decoder away from pictures that claim more than it can take.
#include "platform/afx/Image.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> Png(std::uint32_t w, std::uint32_t h)
{
    std::vector<std::uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (std::uint32_t v : {w, h})
        for (int s = 24; s >= 0; s -= 8)
            b.push_back(static_cast<std::uint8_t>(v >> s));
    return b;
}

TEST(ImageHeader, ReadsSizesAndRefusesWhatItCannotTrust)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool read;
        std::int64_t w, h;
        bool within;
    };
    std::vector<std::uint8_t> bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0,
                                     0x00, 0x10, 0, 0, 0x00, 0xFC, 0xFF, 0xFF};  // 4096 x -1024
    std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 17, 8, 0x04, 0x00, 0x10, 0x00};
    std::vector<std::uint8_t> cut = Png(8, 2);
    cut.resize(20);
    const Case cases[] = {
        {"png 4096x1024", Png(4096, 1024), true, 4096, 1024, true},
        {"png claiming 100000x25000", Png(100000, 25000), true, 100000, 25000, false},
        {"png 32768x4096 is at the pixel limit", Png(32768, 4096), true, 32768, 4096, true},
        {"png 32768x4097 is over it", Png(32768, 4097), true, 32768, 4097, false},
        {"png cut off in IHDR", cut, false, 0, 0, false},
        {"bmp stored top row first", bmp, true, 4096, 1024, true},
        {"jpeg after an APP0 segment", jpeg, true, 4096, 1024, true},
        {"text named .png", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, false, 0, 0, false},
        {"png of zero width", Png(0, 16), true, 0, 16, false},
    };
    for (const Case& c : cases) {
        std::int64_t w = 0, h = 0;
        EXPECT_EQ(CImage::ReadHeaderSize(c.bytes.data(), c.bytes.size(), w, h), c.read) << c.name;
        if (c.read) {
            EXPECT_EQ(w, c.w) << c.name;
            EXPECT_EQ(h, c.h) << c.name;
        }
        EXPECT_EQ(c.read && CImage::IsWithinLimits(w, h), c.within) << c.name;
    }
}

TEST(ImageLoad, FailsCleanlyOnMissingFiles)
{
    CImage image;
    EXPECT_TRUE(FAILED(image.Load(L"C:\\no such folder\\picture.png")));
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(image.GetWidth(), 0);
}

}  // namespace
