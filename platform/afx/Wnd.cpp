#include "platform/afx/Wnd.h"

#include "platform/afx/Controls.h"

#include "platform/afx/DataExchange.h"
#include "platform/afx/ResourceChain.h"

#include <cstring>
#include <memory>
#include <unordered_map>

namespace {

// Objects that own the routing of their window's messages, by handle.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// Wrappers handed out for handles without a permanent object. A wrapper holds nothing but the
// handle, so an entry whose window is gone is harmless; entries are purged as the map grows.
std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

void PurgeTemporaries()
{
    auto& map = TemporaryMap();
    for (auto it = map.begin(); it != map.end();) {
        if (!::IsWindow(it->first))
            it = map.erase(it);
        else
            ++it;
    }
}

const wchar_t kWindowClass[] = L"KivFwWindow";

bool IsControlNotification(const AFX_MSG& msg)
{
    return (msg.message == WM_COMMAND && msg.lParam != 0) || msg.message == WM_NOTIFY;
}

}  // namespace

const CRuntimeClass CWnd::classCWnd{"CWnd", &CObject::classCObject};

const CRuntimeClass* CWnd::GetRuntimeClass() const
{
    return &classCWnd;
}

CWnd* AfxWndFromHandle(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        const HWND hWnd = m_hWnd;
        if (m_pfnSuper)
            UnsubclassWindow();
        else
            DetachPermanent();
        if (m_bOwnsWindow && ::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto& map = PermanentMap();
    const auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd))
        return permanent;
    auto& temporaries = TemporaryMap();
    auto it = temporaries.find(hWnd);
    if (it == temporaries.end()) {
        if (temporaries.size() > 256)
            PurgeTemporaries();
        auto wrapper = std::make_unique<CWnd>();
        wrapper->m_hWnd = hWnd;
        it = temporaries.emplace(hWnd, std::move(wrapper)).first;
    }
    return it->second.get();
}

void CWnd::AttachPermanent(HWND hWnd)
{
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    TemporaryMap().erase(hWnd);
}

void CWnd::DetachPermanent()
{
    if (m_hWnd) {
        auto& map = PermanentMap();
        const auto it = map.find(m_hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = nullptr;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    AttachPermanent(hWnd);
    return TRUE;
}

HWND CWnd::Detach()
{
    const HWND hWnd = m_hWnd;
    DetachPermanent();
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    const HWND hControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return hControl ? SubclassWindow(hControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    const HWND hWnd = m_hWnd;
    if (hWnd && m_pfnSuper) {
        if (::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc))
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    DetachPermanent();
    return hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                    UINT nID, HMENU hMenu, LPCWSTR lpszClassName)
{
    static const ATOM registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetFrameworkHandle();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kWindowClass;
        return ::RegisterClassExW(&wc);
    }();
    (void)registered;
    const HWND hParent = pParent ? pParent->m_hWnd : nullptr;
    const HMENU menuOrId = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : hMenu;
    const HWND hWnd = ::CreateWindowExW(dwExStyle, lpszClassName ? lpszClassName : kWindowClass, lpszWindowName,
                                        dwStyle, rect.left, rect.top, rect.right - rect.left,
                                        rect.bottom - rect.top, hParent, menuOrId, AfxGetFrameworkHandle(), nullptr);
    if (!hWnd)
        return FALSE;
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::SetWindowText(const wchar_t* lpszString)
{
    ::SetWindowTextW(m_hWnd, lpszString ? lpszString : L"");
}

void CWnd::GetWindowText(CString& rString) const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBuffer(length + 1), length + 1);
    rString.ReleaseBuffer();
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(const RECT& rect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bRepaint);
}

void CWnd::SetDlgItemText(int nID, const wchar_t* lpszString)
{
    ::SetDlgItemTextW(m_hWnd, nID, lpszString ? lpszString : L"");
}

CString CWnd::GetDlgItemText(int nID) const
{
    const HWND hControl = ::GetDlgItem(m_hWnd, nID);
    return hControl ? FromHandle(hControl)->GetWindowText() : CString();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    ++m_nDataExchangeDepth;
    BOOL ok = FALSE;
    try {
        DoDataExchange(&dx);
        ok = TRUE;
    } catch (const CUserException&) {
        // The failing exchange has already told the user and put the focus on the control.
    }
    --m_nDataExchangeDepth;
    return ok;
}

void CWnd::DoDataExchange(CDataExchange*) {}

HRESULT CWnd::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...)
{
    if (!m_pControlDispatch)
        return E_POINTER;
    const size_t count = pbParamInfo ? std::strlen(reinterpret_cast<const char*>(pbParamInfo)) : 0;
    std::unique_ptr<VARIANTARG[]> args(new VARIANTARG[count ? count : 1]);
    va_list list;
    va_start(list, pbParamInfo);
    // Automation takes the arguments last to first.
    for (size_t i = 0; i < count; ++i) {
        VARIANTARG& arg = args[count - 1 - i];
        ::VariantInit(&arg);
        switch (pbParamInfo[i]) {
        case VT_BSTR:
            arg.vt = VT_BSTR;
            arg.bstrVal = ::SysAllocString(va_arg(list, const wchar_t*));
            break;
        case VT_I4:
            arg.vt = VT_I4;
            arg.lVal = va_arg(list, long);
            break;
        case VT_R8:
            arg.vt = VT_R8;
            arg.dblVal = va_arg(list, double);
            break;
        default:
            break;
        }
    }
    va_end(list);

    DISPPARAMS params{args.get(), nullptr, static_cast<UINT>(count), 0};
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO exception{};
    UINT argError = 0;
    HRESULT hr = m_pControlDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                                            vtRet == VT_EMPTY ? nullptr : &result, &exception, &argError);
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn)
            exception.pfnDeferredFillIn(&exception);
        ::SysFreeString(exception.bstrSource);
        ::SysFreeString(exception.bstrDescription);
        ::SysFreeString(exception.bstrHelpFile);
    }
    for (size_t i = 0; i < count; ++i)
        ::VariantClear(&args[i]);
    if (SUCCEEDED(hr) && pvRet) {
        if (vtRet == VT_BSTR) {
            CString& answer = *static_cast<CString*>(pvRet);
            if (result.vt == VT_BSTR && result.bstrVal)
                answer = CString(result.bstrVal, static_cast<int>(::SysStringLen(result.bstrVal)));
            else
                answer.Empty();
        } else if (vtRet == VT_I4 && ::VariantChangeType(&result, &result, 0, VT_I4) == S_OK) {
            *static_cast<long*>(pvRet) = result.lVal;
        }
    }
    ::VariantClear(&result);
    return hr;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    static const AFX_MSGMAP map{nullptr, nullptr, 0};
    return &map;
}

bool CWnd::DispatchToMap(const AFX_MSG& msg, LRESULT& result)
{
    UINT code = 0;
    UINT id = 0;
    if (msg.message == WM_COMMAND) {
        code = HIWORD(msg.wParam);
        id = LOWORD(msg.wParam);
    } else if (msg.message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(msg.lParam);
        code = header->code;
        id = static_cast<UINT>(header->idFrom);
    }
    const bool keyed = msg.message == WM_COMMAND || msg.message == WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (size_t i = 0; i < map->nCount; ++i) {
            const AFX_MSGMAP_ENTRY& entry = map->lpEntries[i];
            if (entry.nMessage != msg.message)
                continue;
            if (keyed && (entry.nCode != code || id < entry.nID || id > entry.nLastID))
                continue;
            if (entry.pfnThunk(this, msg, result))
                return true;
        }
    }
    return false;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSG msg{message, wParam, lParam};
    if (IsControlNotification(msg) && m_nDataExchangeDepth > 0 && message == WM_COMMAND) {
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_MEASUREITEM)
        ProposeListItemHeight(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    if (DispatchToMap(msg, *pResult))
        return TRUE;

    switch (message) {
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    case WM_COMMAND:
        if (lParam) {
            CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
            return child && child->OnChildNotify(message, wParam, lParam, pResult);
        }
        return FALSE;
    case WM_NOTIFY: {
        CWnd* child = FromHandlePermanent(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom);
        return child && child->OnChildNotify(message, wParam, lParam, pResult);
    }
    default:
        return FALSE;
    }
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!lpDrawItemStruct || lpDrawItemStruct->CtlType == ODT_MENU)
        return;
    LRESULT result = 0;
    if (CWnd* child = FromHandlePermanent(lpDrawItemStruct->hwndItem))
        child->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(lpDrawItemStruct), &result);
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (!lpMeasureItemStruct || lpMeasureItemStruct->CtlType == ODT_MENU)
        return;
    LRESULT result = 0;
    if (CWnd* child = FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID))))
        child->OnChildNotify(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(lpMeasureItemStruct), &result);
}

// A list box measured as it is created proposes the height of the system font, as the system's
// own list box does; the proposal is made again at the screen's density before the owner (or the
// default, which keeps it) sees it, so that rows grow with the text.
void CWnd::ProposeListItemHeight(LPMEASUREITEMSTRUCT lpMeasureItemStruct) const
{
    if (!lpMeasureItemStruct || lpMeasureItemStruct->CtlType != ODT_LISTBOX)
        return;
    const HWND list = ::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID));
    if (list && !::SendMessageW(list, WM_GETFONT, 0, 0)) {
        if (const int height = AfxListTextHeight(list))
            lpMeasureItemStruct->itemHeight = static_cast<UINT>(height);
    }
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

// The one window procedure of framework windows: finds the object, lets no exception cross
// into the system, and unbinds the object when its window is gone.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        ::OutputDebugStringW(L"kivfw: a message handler threw; the message was dropped\n");
        result = 0;
    }
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        pWnd->UnsubclassWindow();
        pWnd->m_bOwnsWindow = false;
        pWnd->PostNcDestroy();
    }
    return result;
}
