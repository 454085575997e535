#include "platform/afx/DialogTemplate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {

// Reads an extended template: where its header, font and items lie. Every read is checked
// against the template's size, so that a cut or foreign resource is refused instead of read past.
class CTemplateReader {
public:
    CTemplateReader(const BYTE* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    bool Skip(size_t nBytes)
    {
        if (m_nSize - m_nPos < nBytes)
            return false;
        m_nPos += nBytes;
        return true;
    }
    bool Word(WORD& w)
    {
        if (m_nSize - m_nPos < sizeof w)
            return false;
        std::memcpy(&w, m_pData + m_nPos, sizeof w);
        m_nPos += sizeof w;
        return true;
    }
    // A text, or a number marked by 0xFFFF, or nothing (a lone 0).
    bool TextOrNumber(std::wstring* pText = nullptr)
    {
        WORD first = 0;
        if (!Word(first))
            return false;
        if (first == 0xFFFF)
            return Skip(sizeof(WORD));
        for (WORD c = first; c != 0;) {
            if (pText)
                pText->push_back(static_cast<wchar_t>(c));
            if (!Word(c))
                return false;
        }
        return true;
    }
    bool AlignToDword() { return Skip((4 - m_nPos % 4) % 4); }
    size_t Position() const { return m_nPos; }

private:
    const BYTE* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
};

// Offsets in an extended template: the header's style, item count and rectangle.
constexpr size_t kSignatureOffset = 2;
constexpr size_t kStyleOffset = 12;
constexpr size_t kCountOffset = 16;
constexpr size_t kHeaderRectOffset = 18;
constexpr size_t kHeaderSize = 26;
// An item's rectangle follows its help id, extended style and style.
constexpr size_t kItemRectOffset = 12;
constexpr size_t kItemFixedSize = 24;

struct CTemplateFont {
    int nPoints = 0;
    int nWeight = FW_NORMAL;
    BYTE bItalic = 0;
    BYTE nCharSet = DEFAULT_CHARSET;
    std::wstring strFace;
};

// The template's font and the offsets of the rectangles to scale: the dialog's first, then one
// per item. False for anything but a complete extended template with a font.
bool ReadTemplate(const BYTE* pData, size_t nSize, CTemplateFont& font, std::vector<size_t>& rects)
{
    if (nSize < kHeaderSize)
        return false;
    WORD signature = 0;
    DWORD style = 0;
    WORD count = 0;
    std::memcpy(&signature, pData + kSignatureOffset, sizeof signature);
    std::memcpy(&style, pData + kStyleOffset, sizeof style);
    std::memcpy(&count, pData + kCountOffset, sizeof count);
    if (signature != 0xFFFF || !(style & (DS_SETFONT | DS_SHELLFONT)))
        return false;
    CTemplateReader reader(pData, nSize);
    WORD points = 0;
    WORD weight = 0;
    WORD italicAndCharSet = 0;
    if (!reader.Skip(kHeaderSize) || !reader.TextOrNumber() || !reader.TextOrNumber() || !reader.TextOrNumber() ||
        !reader.Word(points) || !reader.Word(weight) || !reader.Word(italicAndCharSet) ||
        !reader.TextOrNumber(&font.strFace))
        return false;
    font.nPoints = points;
    font.nWeight = weight;
    font.bItalic = LOBYTE(italicAndCharSet);
    font.nCharSet = HIBYTE(italicAndCharSet);
    rects.assign(1, kHeaderRectOffset);
    for (WORD i = 0; i < count; ++i) {
        WORD extra = 0;
        if (!reader.AlignToDword())
            return false;
        const size_t item = reader.Position();
        if (!reader.Skip(kItemFixedSize) || !reader.TextOrNumber() || !reader.TextOrNumber() || !reader.Word(extra) ||
            !reader.Skip(extra))
            return false;
        rects.push_back(item + kItemRectOffset);
    }
    return true;
}

// The font's dialog units on a screen of dpi dots per inch, as the system works them out: the
// mean width of the Latin letters, rounded, and the text height.
SIZE BaseUnits(HDC dc, const CTemplateFont& font, int dpi)
{
    LOGFONTW logFont{};
    logFont.lfHeight = -::MulDiv(font.nPoints, dpi, 72);
    logFont.lfWeight = font.nWeight;
    logFont.lfItalic = font.bItalic;
    logFont.lfCharSet = font.nCharSet;
    font.strFace.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    const HFONT handle = ::CreateFontIndirectW(&logFont);
    const HGDIOBJ old = ::SelectObject(dc, handle);
    static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, kLetters, 52, &extent);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::DeleteObject(handle);
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

short ScaleUnit(int value, double factor)
{
    return static_cast<short>(std::lround(value * factor));
}

}  // namespace

CTemplateScale TemplateScaleForScreen(const void* pTemplate, size_t nSize)
{
    CTemplateFont font;
    std::vector<size_t> rects;
    if (!pTemplate || !ReadTemplate(static_cast<const BYTE*>(pTemplate), nSize, font, rects) || font.nPoints <= 0)
        return {};
    const HDC dc = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    CTemplateScale scale;
    if (dpi > 96) {
        const SIZE here = BaseUnits(dc, font, dpi);
        const SIZE designed = BaseUnits(dc, font, 96);
        if (here.cx > 0 && here.cy > 0) {
            scale.dX = std::max(1.0, designed.cx * static_cast<double>(dpi) / (96.0 * here.cx));
            scale.dY = std::max(1.0, designed.cy * static_cast<double>(dpi) / (96.0 * here.cy));
        }
    }
    ::ReleaseDC(nullptr, dc);
    return scale;
}

std::vector<BYTE> ScaleDialogTemplate(const void* pTemplate, size_t nSize, const CTemplateScale& scale)
{
    const auto* data = static_cast<const BYTE*>(pTemplate);
    CTemplateFont font;
    std::vector<size_t> rects;
    if (!data || !ReadTemplate(data, nSize, font, rects))
        return {};
    std::vector<BYTE> copy(data, data + nSize);
    for (size_t i = 0; i < rects.size(); ++i) {
        short rect[4];
        std::memcpy(rect, copy.data() + rects[i], sizeof rect);
        if (i == 0) {
            // The dialog keeps its place; its size grows with its contents.
            rect[2] = ScaleUnit(rect[2], scale.dX);
            rect[3] = ScaleUnit(rect[3], scale.dY);
        } else {
            // Edges, not sizes, are rounded, so that items that touched still touch.
            const short left = ScaleUnit(rect[0], scale.dX);
            const short top = ScaleUnit(rect[1], scale.dY);
            rect[2] = static_cast<short>(ScaleUnit(rect[0] + rect[2], scale.dX) - left);
            rect[3] = static_cast<short>(ScaleUnit(rect[1] + rect[3], scale.dY) - top);
            rect[0] = left;
            rect[1] = top;
        }
        std::memcpy(copy.data() + rects[i], rect, sizeof rect);
    }
    return copy;
}
