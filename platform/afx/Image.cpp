#include "platform/afx/Image.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <string>

namespace {

std::uint32_t Be16(const std::uint8_t* p) { return (std::uint32_t{p[0]} << 8) | p[1]; }
std::uint32_t Be32(const std::uint8_t* p) { return (Be16(p) << 16) | Be16(p + 2); }
std::uint32_t Le16(const std::uint8_t* p) { return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8); }
std::uint32_t Le32(const std::uint8_t* p) { return Le16(p) | (Le16(p + 2) << 16); }

bool ReadPngSize(const std::uint8_t* p, std::size_t n, std::int64_t& w, std::int64_t& h)
{
    static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (n < 24 || std::memcmp(p, kSignature, sizeof kSignature) != 0 || std::memcmp(p + 12, "IHDR", 4) != 0)
        return false;
    w = Be32(p + 16);
    h = Be32(p + 20);
    return true;
}

bool ReadBmpSize(const std::uint8_t* p, std::size_t n, std::int64_t& w, std::int64_t& h)
{
    if (n < 18 || p[0] != 'B' || p[1] != 'M')
        return false;
    const std::uint32_t headerSize = Le32(p + 14);
    if (headerSize == 12) {
        if (n < 22)
            return false;
        w = Le16(p + 18);
        h = Le16(p + 20);
        return true;
    }
    if (headerSize < 16 || n < 26)
        return false;
    w = static_cast<std::int32_t>(Le32(p + 18));
    // A negative height marks a picture stored top row first.
    h = static_cast<std::int32_t>(Le32(p + 22));
    if (h < 0)
        h = -h;
    return true;
}

bool ReadJpegSize(const std::uint8_t* p, std::size_t n, std::int64_t& w, std::int64_t& h)
{
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    std::size_t i = 2;
    while (i < n) {
        if (p[i] != 0xFF)
            return false;
        while (i < n && p[i] == 0xFF)
            ++i;
        if (i >= n)
            return false;
        const std::uint8_t marker = p[i++];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue;
        if (marker == 0xD9 || marker == 0xDA || i + 2 > n)
            return false;  // the picture data begins (or the file ends) before any frame header
        const std::size_t length = Be16(p + i);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || i + 7 > n)
                return false;
            h = Be16(p + i + 3);
            w = Be16(p + i + 5);
            return true;
        }
        if (length < 2)
            return false;
        i += length;
    }
    return false;
}

bool ReadGifSize(const std::uint8_t* p, std::size_t n, std::int64_t& w, std::int64_t& h)
{
    if (n < 10 || (std::memcmp(p, "GIF87a", 6) != 0 && std::memcmp(p, "GIF89a", 6) != 0))
        return false;
    w = Le16(p + 6);
    h = Le16(p + 8);
    return true;
}

// GDI+ is started once, on the first picture, and left running until the process ends: shutting
// it down from a DLL's unload would run under the loader lock.
bool StartGdiplus()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    });
    return started;
}

// The form of a path that the file functions accept beyond MAX_PATH characters.
std::wstring ExtendedPath(const wchar_t* path)
{
    std::wstring text(path);
    if (text.size() < MAX_PATH || text.compare(0, 4, L"\\\\?\\") == 0)
        return text;
    for (wchar_t& c : text) {
        if (c == L'/')
            c = L'\\';
    }
    if (text.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + text.substr(2);
    if (text.size() > 2 && text[1] == L':')
        return L"\\\\?\\" + text;
    return text;
}

// The whole file in movable global memory (which a stream can take over); null when it cannot
// be read or could never hold a picture within the limits.
HGLOBAL ReadWholeFile(const wchar_t* path, std::size_t& size)
{
    const HANDLE file = ::CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    HGLOBAL memory = nullptr;
    LARGE_INTEGER length{};
    // An uncompressed 32-bit bitmap at the pixel limit, with room for its headers.
    const LONGLONG kMaxFileSize = CImage::kMaxPixels * 4 + 65536;
    if (::GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart <= kMaxFileSize) {
        size = static_cast<std::size_t>(length.QuadPart);
        memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
        void* bytes = memory ? ::GlobalLock(memory) : nullptr;
        bool complete = bytes != nullptr;
        for (std::size_t done = 0; complete && done < size;) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
            complete = ::ReadFile(file, static_cast<std::uint8_t*>(bytes) + done, want, &got, nullptr) && got > 0;
            done += got;
        }
        if (bytes)
            ::GlobalUnlock(memory);
        if (!complete && memory) {
            ::GlobalFree(memory);
            memory = nullptr;
        }
    }
    ::CloseHandle(file);
    return memory;
}

std::atomic<std::uint64_t> g_nextSerial{1};

}  // namespace

bool CImage::ReadHeaderSize(const std::uint8_t* pBytes, std::size_t nBytes, std::int64_t& nWidth, std::int64_t& nHeight)
{
    std::int64_t w = 0, h = 0;
    if (!pBytes || !(ReadPngSize(pBytes, nBytes, w, h) || ReadBmpSize(pBytes, nBytes, w, h) ||
                     ReadJpegSize(pBytes, nBytes, w, h) || ReadGifSize(pBytes, nBytes, w, h)))
        return false;
    nWidth = w;
    nHeight = h;
    return true;
}

bool CImage::IsWithinLimits(std::int64_t nWidth, std::int64_t nHeight)
{
    return nWidth > 0 && nHeight > 0 && nWidth <= kMaxSide && nHeight <= kMaxSide && nWidth * nHeight <= kMaxPixels;
}

void CImage::Destroy()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_nWidth = 0;
    m_nHeight = 0;
    m_nSerial = 0;
}

HRESULT CImage::Load(const wchar_t* pszFileName)
{
    Destroy();
    if (!pszFileName || !*pszFileName || !StartGdiplus())
        return E_FAIL;
    std::size_t size = 0;
    HGLOBAL memory = ReadWholeFile(pszFileName, size);
    if (!memory)
        return E_FAIL;
    std::int64_t headerWidth = 0, headerHeight = 0;
    const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(memory));
    const bool known = ReadHeaderSize(bytes, size, headerWidth, headerHeight);
    ::GlobalUnlock(memory);
    if (!known || !IsWithinLimits(headerWidth, headerHeight)) {
        ::GlobalFree(memory);
        return E_FAIL;
    }
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        ::GlobalFree(memory);
        return E_FAIL;
    }
    HRESULT result = E_FAIL;
    {
        Gdiplus::Bitmap picture(stream);
        const int width = static_cast<int>(picture.GetWidth());
        const int height = static_cast<int>(picture.GetHeight());
        // The decoder's size must be the header's: a file that says one thing and holds another
        // was not checked against the limits.
        if (picture.GetLastStatus() == Gdiplus::Ok && width == headerWidth && height == headerHeight) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = -height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void* bits = nullptr;
            HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            if (bitmap && bits) {
                Gdiplus::BitmapData data{};
                data.Width = static_cast<UINT>(width);
                data.Height = static_cast<UINT>(height);
                data.Stride = width * 4;
                data.PixelFormat = PixelFormat32bppARGB;
                data.Scan0 = bits;
                const Gdiplus::Rect all(0, 0, width, height);
                if (picture.LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                     PixelFormat32bppARGB, &data) == Gdiplus::Ok &&
                    picture.UnlockBits(&data) == Gdiplus::Ok) {
                    m_hBitmap = bitmap;
                    bitmap = nullptr;
                    m_nWidth = width;
                    m_nHeight = height;
                    m_nSerial = g_nextSerial++;
                    result = S_OK;
                }
            }
            if (bitmap)
                ::DeleteObject(bitmap);
        }
    }
    stream->Release();
    return result;
}

BOOL CImage::StretchBlt(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc, DWORD dwROP) const
{
    if (!m_hBitmap)
        return FALSE;
    const HDC source = ::CreateCompatibleDC(hDestDC);
    if (!source)
        return FALSE;
    const HGDIOBJ old = ::SelectObject(source, m_hBitmap);
    const BOOL done = ::StretchBlt(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left,
                                   rectDest.bottom - rectDest.top, source, rectSrc.left, rectSrc.top,
                                   rectSrc.right - rectSrc.left, rectSrc.bottom - rectSrc.top, dwROP);
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return done;
}
