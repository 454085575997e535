#include "platform/afx/Accessible.h"

namespace {

BSTR ToBstr(const CString& strText)
{
    return ::SysAllocStringLen(strText.GetString(), static_cast<UINT>(strText.GetLength()));
}

VARIANT LongVariant(long nValue)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = nValue;
    return v;
}

}  // namespace

CString AfxAccessibleCaption(const CString& strCaption)
{
    CString caption;
    for (int i = 0; i < strCaption.GetLength(); ++i) {
        if (strCaption[i] == L'&' && i + 1 < strCaption.GetLength())
            ++i;
        caption += strCaption[i];
    }
    return caption;
}

CAccessibleControl::CAccessibleControl(HWND hWnd) : m_hWnd(hWnd)
{
    ::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&m_pStandard));
}

CAccessibleControl::~CAccessibleControl()
{
    if (m_pStandard)
        m_pStandard->Release();
}

LRESULT CAccessibleControl::AnswerGetObject(CAccessibleControl* pObject, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (static_cast<LONG>(lParam) == OBJID_CLIENT && pObject->m_pStandard)
        result = ::LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(pObject));
    pObject->Release();
    return result;
}

long CAccessibleControl::ChildOf(const VARIANT& varChild) const
{
    if (varChild.vt != VT_I4 || varChild.lVal < 0 || varChild.lVal > Rows())
        return -1;
    return varChild.lVal;
}

long CAccessibleControl::RowState(int nRow) const
{
    long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (::SendMessageW(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nRow), 0) > 0)
        state |= STATE_SYSTEM_SELECTED;
    if (::GetFocus() == m_hWnd && ::SendMessageW(m_hWnd, LB_GETCARETINDEX, 0, 0) == nRow)
        state |= STATE_SYSTEM_FOCUSED;
    return state;
}

HRESULT CAccessibleControl::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CAccessibleControl::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CAccessibleControl::Release()
{
    const LONG refs = ::InterlockedDecrement(&m_nRefs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

HRESULT CAccessibleControl::GetTypeInfoCount(UINT* pctinfo)
{
    return m_pStandard->GetTypeInfoCount(pctinfo);
}

HRESULT CAccessibleControl::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo)
{
    return m_pStandard->GetTypeInfo(iTInfo, lcid, ppTInfo);
}

HRESULT CAccessibleControl::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId)
{
    return m_pStandard->GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId);
}

HRESULT CAccessibleControl::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr)
{
    return m_pStandard->Invoke(dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult, pExcepInfo, puArgErr);
}

HRESULT CAccessibleControl::get_accParent(IDispatch** ppdispParent)
{
    return m_pStandard->get_accParent(ppdispParent);
}

HRESULT CAccessibleControl::get_accChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_POINTER;
    if (Rows() > 0) {
        *pcountChildren = Rows();
        return S_OK;
    }
    return m_pStandard->get_accChildCount(pcountChildren);
}

HRESULT CAccessibleControl::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_POINTER;
    if (ChildOf(varChild) > 0) {
        // A row is a simple element, answered by its list.
        *ppdispChild = nullptr;
        return S_FALSE;
    }
    return m_pStandard->get_accChild(varChild, ppdispChild);
}

HRESULT CAccessibleControl::get_accName(VARIANT varChild, BSTR* pszName)
{
    if (!pszName)
        return E_POINTER;
    CString name;
    const long child = ChildOf(varChild);
    if (child >= 0 && Name(child, name)) {
        *pszName = ToBstr(name);
        return S_OK;
    }
    return m_pStandard->get_accName(varChild, pszName);
}

HRESULT CAccessibleControl::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    return m_pStandard->get_accValue(varChild, pszValue);
}

HRESULT CAccessibleControl::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (!pszDescription)
        return E_POINTER;
    CString description;
    const long child = ChildOf(varChild);
    if (child >= 0 && Description(child, description)) {
        *pszDescription = ToBstr(description);
        return S_OK;
    }
    return m_pStandard->get_accDescription(varChild, pszDescription);
}

HRESULT CAccessibleControl::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!pvarRole)
        return E_POINTER;
    long role = 0;
    const long child = ChildOf(varChild);
    if (child >= 0 && Role(child, role)) {
        *pvarRole = LongVariant(role);
        return S_OK;
    }
    return m_pStandard->get_accRole(varChild, pvarRole);
}

HRESULT CAccessibleControl::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    if (!pvarState)
        return E_POINTER;
    long state = 0;
    const long child = ChildOf(varChild);
    if (child >= 0 && State(child, state)) {
        *pvarState = LongVariant(state);
        return S_OK;
    }
    return m_pStandard->get_accState(varChild, pvarState);
}

HRESULT CAccessibleControl::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    return m_pStandard->get_accHelp(varChild, pszHelp);
}

HRESULT CAccessibleControl::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic)
{
    return m_pStandard->get_accHelpTopic(pszHelpFile, varChild, pidTopic);
}

HRESULT CAccessibleControl::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    return m_pStandard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut);
}

HRESULT CAccessibleControl::get_accFocus(VARIANT* pvarChild)
{
    return m_pStandard->get_accFocus(pvarChild);
}

HRESULT CAccessibleControl::get_accSelection(VARIANT* pvarChildren)
{
    return m_pStandard->get_accSelection(pvarChildren);
}

HRESULT CAccessibleControl::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return m_pStandard->get_accDefaultAction(varChild, pszDefaultAction);
}

HRESULT CAccessibleControl::accSelect(long flagsSelect, VARIANT varChild)
{
    return m_pStandard->accSelect(flagsSelect, varChild);
}

HRESULT CAccessibleControl::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    const long child = ChildOf(varChild);
    if (child > 0 && pxLeft && pyTop && pcxWidth && pcyHeight) {
        RECT row{};
        if (::SendMessageW(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(child - 1), reinterpret_cast<LPARAM>(&row)) ==
            LB_ERR)
            return E_INVALIDARG;
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&row), 2);
        *pxLeft = row.left;
        *pyTop = row.top;
        *pcxWidth = row.right - row.left;
        *pcyHeight = row.bottom - row.top;
        return S_OK;
    }
    return m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
}

HRESULT CAccessibleControl::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    return m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
}

HRESULT CAccessibleControl::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (Rows() > 0 && pvarChild) {
        POINT point{xLeft, yTop};
        ::ScreenToClient(m_hWnd, &point);
        const LRESULT hit = ::SendMessageW(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
        if (HIWORD(hit) == 0 && static_cast<long>(LOWORD(hit)) < Rows()) {
            *pvarChild = LongVariant(static_cast<long>(LOWORD(hit)) + 1);
            return S_OK;
        }
    }
    return m_pStandard->accHitTest(xLeft, yTop, pvarChild);
}

HRESULT CAccessibleControl::accDoDefaultAction(VARIANT varChild)
{
    return m_pStandard->accDoDefaultAction(varChild);
}

HRESULT CAccessibleControl::put_accName(VARIANT varChild, BSTR szName)
{
    return m_pStandard->put_accName(varChild, szName);
}

HRESULT CAccessibleControl::put_accValue(VARIANT varChild, BSTR szValue)
{
    return m_pStandard->put_accValue(varChild, szValue);
}
