// What a screen reader is told about a control: the system's own account of the window (its
// standard accessible object) with the answers replaced that a control drawing itself knows better,
// and, for a list that draws its own rows, one child per row. A control answers WM_GETOBJECT with
// it through AnswerGetObject.
#pragma once

#include "platform/afx/CString.h"

#include <oleacc.h>
#include <windows.h>

class KIVFW_API CAccessibleControl : public IAccessible {
public:
    // The answer to WM_GETOBJECT for the client object: pObject (which the call takes over) handed
    // to the asker; 0 for other objects, which the window's default handling then answers.
    static LRESULT AnswerGetObject(CAccessibleControl* pObject, WPARAM wParam, LPARAM lParam);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: the standard object's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* pcountChildren) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT varChild, BSTR szName) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT varChild, BSTR szValue) override;

protected:
    explicit CAccessibleControl(HWND hWnd);
    virtual ~CAccessibleControl();

    // What the control knows better than the standard object; nChild 0 is the control itself, 1
    // to Rows() its rows. False leaves the question to the standard object.
    virtual long Rows() const { return 0; }
    virtual bool Name(long, CString&) const { return false; }
    virtual bool Description(long, CString&) const { return false; }
    virtual bool Role(long, long&) const { return false; }
    virtual bool State(long, long&) const { return false; }
    // The state every row of a list shares: selectable and focusable, selected and focused as the
    // list shows it (row is 0-based).
    long RowState(int nRow) const;

    HWND m_hWnd;

private:
    // Which child varChild names: 0 for the control, 1.. for its rows, -1 for none of these.
    long ChildOf(const VARIANT& varChild) const;

    LONG m_nRefs = 1;
    IAccessible* m_pStandard = nullptr;
};

// The caption of a control as a screen reader reads it: mnemonic marks taken out ("&&" is "&").
KIVFW_API CString AfxAccessibleCaption(const CString& strCaption);

// A list that draws its own rows: the control answers as a list, each row as one of its items.
class CAccessibleList : public CAccessibleControl {
protected:
    using CAccessibleControl::CAccessibleControl;

    bool Role(long nChild, long& nRole) const override
    {
        nRole = nChild == 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
        return true;
    }
};
