// CImage: a picture file (BMP, JPEG, PNG, GIF) decoded by GDI+ into a 32-bit device-independent
// bitmap that GDI can copy and scale.
//
// The picture's pixel size is read from the file's own header before anything is decoded, and a
// picture larger than the decoders can be trusted with is refused as unreadable: a file of a few
// kilobytes can claim a size that exhausts memory or crashes a decoder.
#pragma once

#include "platform/afx/AfxExport.h"

#include <cstddef>
#include <cstdint>

class KIVFW_API CImage {
public:
    // The largest picture that is decoded: each side at most kMaxSide pixels, and at most
    // kMaxPixels pixels in all.
    static constexpr int kMaxSide = 32768;
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 27;

    CImage() = default;
    ~CImage() { Destroy(); }
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // Decodes the file. S_OK on success; a failure (negative) result, with the image left empty,
    // when the file cannot be read, is no picture of a known kind, is larger than the limits or
    // does not decode. Paths longer than MAX_PATH are read too.
    HRESULT Load(const wchar_t* pszFileName);
    void Destroy();

    bool IsNull() const { return m_hBitmap == nullptr; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    operator HBITMAP() const { return m_hBitmap; }
    // Differs between any two pictures this process has loaded, so that a copy made from one
    // picture can tell it apart from a later one at the same address.
    std::uint64_t GetSerial() const { return m_nSerial; }

    // Copies the source rectangle of the picture, scaled, onto the destination rectangle; the
    // stretch mode is the destination's.
    BOOL StretchBlt(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc, DWORD dwROP = SRCCOPY) const;

    // The pixel size a picture file's header claims, from its first bytes; false when the bytes
    // are no BMP, PNG, JPEG or GIF header, or are cut off before the size.
    static bool ReadHeaderSize(const std::uint8_t* pBytes, std::size_t nBytes, std::int64_t& nWidth,
                               std::int64_t& nHeight);
    // Whether a picture of this size is small enough to decode.
    static bool IsWithinLimits(std::int64_t nWidth, std::int64_t nHeight);

private:
    HBITMAP m_hBitmap = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::uint64_t m_nSerial = 0;
};
