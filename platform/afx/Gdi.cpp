#include "platform/afx/Gdi.h"

#include "platform/afx/ResourceChain.h"
#include "platform/afx/Wnd.h"

#include <memory>
#include <unordered_map>

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (m_hObject || !hObject)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    DeleteObject();
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    DeleteObject();
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    DeleteObject();
    return Attach(::CreateFontIndirectW(lpLogFont));
}

int CFont::GetLogFont(LOGFONTW* pLogFont) const
{
    return ::GetObjectW(m_hObject, sizeof(LOGFONTW), pLogFont);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    DeleteObject();
    const LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
    const HINSTANCE module = AfxFindResourceHandle(name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    return module ? Attach(::LoadBitmapW(module, name)) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(HDC hdc, int nWidth, int nHeight)
{
    DeleteObject();
    return Attach(::CreateCompatibleBitmap(hdc, nWidth, nHeight));
}

CSize CBitmap::GetSize() const
{
    BITMAP info{};
    if (!m_hObject || !::GetObjectW(m_hObject, sizeof info, &info))
        return CSize();
    return CSize(info.bmWidth, info.bmHeight);
}

CDC* CDC::FromHandle(HDC hdc)
{
    // Wrappers of borrowed device contexts hold only the handle; one per handle is kept.
    static std::unordered_map<HDC, std::unique_ptr<CDC>> wrappers;
    if (!hdc)
        return nullptr;
    auto& slot = wrappers[hdc];
    if (!slot)
        slot = std::make_unique<CDC>(hdc);
    return slot.get();
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF cr)
{
    const COLORREF previous = ::SetBkColor(m_hDC, cr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

CSize CDC::GetTextExtent(const CString& str) const
{
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, str, str.GetLength(), &size);
    return CSize(size);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
}

CWaitCursor::CWaitCursor() : m_hPrevious(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor()
{
    ::SetCursor(m_hPrevious ? m_hPrevious : ::LoadCursorW(nullptr, IDC_ARROW));
}
