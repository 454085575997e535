#include "host/core/Driver.h"
#include "host/core/DriverListView.h"

#include "framework/afx/Dialog.h"
#include "framework/afx/Controls.h"
#include "framework/kivcst/ZenControls.h"

#include <commctrl.h>
#include <commdlg.h>
#include <gdiplus.h>

#include <algorithm>
#include <cwctype>
#include <map>

namespace kivhost {

namespace {

Driver* g_driver = nullptr;
bool g_expectMessageBox = false;

// How many words each verb takes; -1: the rest of the text is one argument (may be empty).
int ArgumentCount(const std::wstring& verb)
{
    static const std::map<std::wstring, int> counts{
        {L"click", 1}, {L"type", -1}, {L"spin", 2}, {L"slide", 2}, {L"select", 2}, {L"check", 2}, {L"key", 2},
        {L"mark", 3},  {L"dblmark", 3}, {L"focus", 1}, {L"file", -1}, {L"dump", 0},  {L"fit", 0}, {L"ok", 0},    {L"cancel", 0}};
    const auto it = counts.find(verb);
    return it == counts.end() ? -2 : it->second;
}

bool IsInteger(const std::wstring& text)
{
    if (text.empty())
        return false;
    size_t i = text[0] == L'-' ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (!std::iswdigit(text[i]))
            return false;
    }
    return true;
}

std::wstring ClassName(HWND hwnd)
{
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return name;
}

bool IsClass(HWND hwnd, const wchar_t* name)
{
    return ::CompareStringOrdinal(ClassName(hwnd).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

std::wstring WindowText(HWND hwnd)
{
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

// The control with this id: a child of the dialog, or of a panel inside it (a file dialog's
// added panel).
HWND FindControl(HWND dialog, int id)
{
    if (const HWND direct = ::GetDlgItem(dialog, id))
        return direct;
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        dialog,
        [](HWND child, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (::GetDlgCtrlID(child) == s->id) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SendClick(HWND control, POINT point, bool twice)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(control, WM_LBUTTONUP, 0, at);
    if (twice) {
        ::SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageW(control, WM_LBUTTONUP, 0, at);
    }
}

void NotifyParent(HWND control, UINT code)
{
    ::SendMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), code),
                   reinterpret_cast<LPARAM>(control));
}

struct KeyName {
    const wchar_t* name;
    UINT vk;
    wchar_t ch;
};

const KeyName kKeys[] = {
    {L"RETURN", VK_RETURN, L'\r'}, {L"ENTER", VK_RETURN, L'\r'}, {L"ESCAPE", VK_ESCAPE, 0x1B},
    {L"TAB", VK_TAB, L'\t'},       {L"SPACE", VK_SPACE, L' '},   {L"BACK", VK_BACK, L'\b'},
    {L"DELETE", VK_DELETE, 0},     {L"UP", VK_UP, 0},            {L"DOWN", VK_DOWN, 0},
    {L"LEFT", VK_LEFT, 0},         {L"RIGHT", VK_RIGHT, 0},      {L"HOME", VK_HOME, 0},
    {L"END", VK_END, 0},           {L"PRIOR", VK_PRIOR, 0},      {L"NEXT", VK_NEXT, 0},
    {L"PAGEUP", VK_PRIOR, 0},      {L"PAGEDOWN", VK_NEXT, 0},    {L"F1", VK_F1, 0},
};

bool ParseKey(std::wstring text, UINT& vk, wchar_t& ch, bool& shift, bool& ctrl)
{
    shift = ctrl = false;
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    for (;;) {
        if (text.rfind(L"SHIFT+", 0) == 0) {
            shift = true;
            text.erase(0, 6);
        } else if (text.rfind(L"CTRL+", 0) == 0) {
            ctrl = true;
            text.erase(0, 5);
        } else {
            break;
        }
    }
    for (const KeyName& key : kKeys) {
        if (text == key.name) {
            vk = key.vk;
            ch = key.ch;
            return true;
        }
    }
    if (text.size() == 1 && (std::iswalnum(text[0]))) {
        vk = text[0];
        ch = ctrl ? static_cast<wchar_t>(text[0] & 0x1F) : (shift ? text[0] : static_cast<wchar_t>(std::towlower(text[0])));
        if (std::iswdigit(text[0]))
            ch = ctrl ? 0 : text[0];
        return true;
    }
    return false;
}

// Buttons that have a check state: check boxes and radio buttons of any kind.
bool HasCheckState(HWND control)
{
    if (!IsClass(control, L"Button"))
        return false;
    switch (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return true;
    default:
        // Skinned buttons may have become owner-drawn; their check state still answers.
        return false;
    }
}

int ListViewSelection(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::wstring ListViewRow(HWND list, int row)
{
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    std::wstring line;
    for (int column = 0; column < std::max(columns, 1); ++column) {
        wchar_t buffer[1024] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 1024;
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (column)
            line += L'\t';
        line += buffer;
    }
    return line;
}

}  // namespace

bool ParseAction(const std::wstring& text, Action& action, std::wstring& error)
{
    action = Action{};
    size_t pos = text.find_first_not_of(L' ');
    if (pos == std::wstring::npos) {
        error = L"empty action";
        return false;
    }
    size_t end = text.find(L' ', pos);
    action.verb = text.substr(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
    const int count = ArgumentCount(action.verb);
    if (count == -2) {
        error = L"unknown action \"" + action.verb + L"\"";
        return false;
    }
    pos = end == std::wstring::npos ? text.size() : end + 1;
    if (count == -1) {
        // "type ID TEXT": the id, then the rest of the line exactly as given.
        if (action.verb == L"type") {
            const size_t idEnd = text.find(L' ', pos);
            action.args.push_back(text.substr(pos, idEnd == std::wstring::npos ? std::wstring::npos : idEnd - pos));
            action.args.push_back(idEnd == std::wstring::npos ? std::wstring() : text.substr(idEnd + 1));
        } else {
            action.args.push_back(text.substr(std::min(pos, text.size())));
        }
    } else {
        while (pos < text.size()) {
            const size_t wordEnd = text.find(L' ', pos);
            const std::wstring word = text.substr(pos, wordEnd == std::wstring::npos ? std::wstring::npos : wordEnd - pos);
            if (!word.empty())
                action.args.push_back(word);
            pos = wordEnd == std::wstring::npos ? text.size() : wordEnd + 1;
        }
        if (static_cast<int>(action.args.size()) != count) {
            error = L"\"" + action.verb + L"\" takes " + std::to_wstring(count) + L" argument(s)";
            return false;
        }
    }
    const bool firstIsId = action.verb != L"file" && action.verb != L"dump" && action.verb != L"fit" &&
                           action.verb != L"ok" &&
                           action.verb != L"cancel";
    if (firstIsId && (action.args.empty() || !IsInteger(action.args[0]))) {
        error = L"\"" + action.verb + L"\" needs a control id";
        return false;
    }
    if (action.verb == L"spin" && action.args[1] != L"up" && action.args[1] != L"down") {
        error = L"spin takes up or down";
        return false;
    }
    if ((action.verb == L"slide" || action.verb == L"select" || action.verb == L"check") && !IsInteger(action.args[1])) {
        error = L"\"" + action.verb + L"\" needs a number";
        return false;
    }
    if ((action.verb == L"mark" || action.verb == L"dblmark") && (!IsInteger(action.args[1]) || !IsInteger(action.args[2]))) {
        error = L"\"" + action.verb + L"\" needs a row and a header id";
        return false;
    }
    if (action.verb == L"file" && action.args[0].empty()) {
        error = L"file needs a path or cancel";
        return false;
    }
    return true;
}

Driver::Driver(Journal& journal, std::vector<Action> actions, std::wstring shotPath)
    : m_journal(journal), m_actions(std::move(actions)), m_shotPath(std::move(shotPath))
{
    g_driver = this;
    g_expectMessageBox = false;
    m_hook = ::SetWindowsHookExW(WH_CBT, &Driver::CbtProc, nullptr, ::GetCurrentThreadId());
    m_timer = ::SetTimer(nullptr, 0, 10, &Driver::TimerProc);
}

Driver::~Driver()
{
    if (m_timer)
        ::KillTimer(nullptr, m_timer);
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    if (!m_savedKeyboard.empty())
        ::SetKeyboardState(m_savedKeyboard.data());
    g_driver = nullptr;
}

void Driver::ExpectMessageBox()
{
    g_expectMessageBox = true;
}

LRESULT CALLBACK Driver::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (g_driver && code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        const LPCWSTR cls = create->lpcs->lpszClass;
        const bool dialogClass = IS_INTRESOURCE(cls) ? reinterpret_cast<ULONG_PTR>(cls) == 0x8002
                                                     : ::CompareStringOrdinal(cls, -1, L"#32770", -1, TRUE) == CSTR_EQUAL;
        if (dialogClass && !(create->lpcs->style & WS_CHILD)) {
            const HWND hwnd = reinterpret_cast<HWND>(wParam);
            g_driver->m_dialogs.push_back({hwnd, g_expectMessageBox});
            g_expectMessageBox = false;
            if (!g_driver->m_mainDialog)
                g_driver->m_mainDialog = hwnd;
        }
    } else if (g_driver && code == HCBT_DESTROYWND) {
        auto& dialogs = g_driver->m_dialogs;
        const HWND hwnd = reinterpret_cast<HWND>(wParam);
        dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(), [hwnd](const Tracked& t) { return t.hwnd == hwnd; }),
                      dialogs.end());
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Driver::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver)
        g_driver->Tick();
}

HWND Driver::TopDialog(bool& messageBox)
{
    while (!m_dialogs.empty() && !::IsWindow(m_dialogs.back().hwnd))
        m_dialogs.pop_back();
    if (m_dialogs.empty())
        return nullptr;
    messageBox = m_dialogs.back().messageBox;
    return m_dialogs.back().hwnd;
}

void Driver::Fail(const std::wstring& text)
{
    ++m_failures;
    m_journal.Note(L"driver: " + text);
}

void Driver::Tick()
{
    if (!m_savedKeyboard.empty()) {
        ::SetKeyboardState(m_savedKeyboard.data());
        m_savedKeyboard.clear();
    }
    bool messageBox = false;
    const HWND top = TopDialog(messageBox);
    if (!top)
        return;
    if (messageBox) {
        const LRESULT defId = ::SendMessageW(top, DM_GETDEFID, 0, 0);
        const int button = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : IDOK;
        ::SendMessageW(top, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(top, button)));
        return;
    }
    if (!CDialog::IsInitialized(top) || std::find(m_busy.begin(), m_busy.end(), top) != m_busy.end())
        return;
    // Act once the dialog is on the screen, as a user would; a dialog that never shows itself
    // is driven all the same after a while.
    if (!::IsWindowVisible(top) && ++m_hiddenTicks < 50)
        return;
    m_hiddenTicks = 0;
    const bool closesMain = m_next < m_actions.size() && top == m_mainDialog &&
                            (m_actions[m_next].verb == L"ok" || m_actions[m_next].verb == L"cancel");
    if (!m_shotPath.empty() && !m_shotTaken && top == m_mainDialog && (m_next >= m_actions.size() || closesMain))
        TakeShot(top);
    if (m_next < m_actions.size()) {
        const Action action = m_actions[m_next++];
        m_busy.push_back(top);
        Perform(top, action);
        m_busy.erase(std::find(m_busy.begin(), m_busy.end(), top));
        return;
    }
    // The script is done: whatever is still open is cancelled, the top dialog first.
    ::SendMessageW(top, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(top, IDCANCEL)));
}

void Driver::TakeShot(HWND dialog)
{
    m_shotTaken = SaveWindowPicture(dialog, m_shotPath);
    if (!m_shotTaken)
        Fail(L"could not write the picture " + m_shotPath);
}

void Driver::Perform(HWND dialog, const Action& action)
{
    const std::wstring& verb = action.verb;
    if (verb == L"ok" || verb == L"cancel") {
        const int id = verb == L"ok" ? IDOK : IDCANCEL;
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
        return;
    }
    if (verb == L"dump") {
        Dump(m_journal, dialog);
        return;
    }
    if (verb == L"fit") {
        Fit(m_journal, dialog);
        return;
    }
    if (verb == L"file") {
        if (action.args[0] == L"cancel") {
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        // The file-name box of the file dialog, then Open.
        ::SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(action.args[0].c_str()));
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        return;
    }

    const int id = std::stoi(action.args[0]);
    const HWND control = FindControl(dialog, id);
    if (!control) {
        Fail(verb + L" " + action.args[0] + L": no such control");
        return;
    }
    if (verb == L"focus") {
        ::SetFocus(control);
        return;
    }
    if (!(::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) || !::IsWindowEnabled(control)) {
        Fail(verb + L" " + action.args[0] + L": the control is disabled or hidden");
        return;
    }

    if (verb == L"click") {
        ::SendMessageW(control, BM_CLICK, 0, 0);
    } else if (verb == L"type") {
        HWND edit = control;
        if (IsClass(control, L"ComboBox"))
            edit = ::FindWindowExW(control, nullptr, L"Edit", nullptr);
        if (!edit) {
            Fail(L"type " + action.args[0] + L": the control takes no typing");
            return;
        }
        ::SetFocus(edit);
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        const std::wstring& text = action.args[1];
        if (text.empty())
            ::SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        for (const wchar_t c : text) {
            if (!::IsWindow(edit))
                break;
            ::SendMessageW(edit, WM_CHAR, c, 1);
        }
    } else if (verb == L"spin") {
        RECT client{};
        ::GetClientRect(control, &client);
        const bool horizontal = (::GetWindowLongPtrW(control, GWL_STYLE) & UDS_HORZ) != 0;
        const bool up = action.args[1] == L"up";
        POINT point{};
        if (horizontal)
            point = {up ? client.right * 3 / 4 : client.right / 4, client.bottom / 2};
        else
            point = {client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4};
        SendClick(control, point, false);
    } else if (verb == L"slide") {
        const int position = std::stoi(action.args[1]);
        const bool vertical = (::GetWindowLongPtrW(control, GWL_STYLE) & TBS_VERT) != 0;
        const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
        const HWND parent = ::GetParent(control);
        ::SendMessageW(control, TBM_SETPOS, TRUE, position);
        const LPARAM from = reinterpret_cast<LPARAM>(control);
        ::SendMessageW(parent, message, MAKEWPARAM(TB_THUMBTRACK, position), from);
        ::SendMessageW(parent, message, MAKEWPARAM(TB_THUMBPOSITION, position), from);
        ::SendMessageW(parent, message, MAKEWPARAM(TB_ENDTRACK, 0), from);
    } else if (verb == L"select") {
        const int index = std::stoi(action.args[1]);
        if (IsClass(control, L"ListBox")) {
            if (index < 0) {
                ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
                NotifyParent(control, LBN_SELCHANGE);
                return;
            }
            if (index >= ::SendMessageW(control, LB_GETCOUNT, 0, 0)) {
                Fail(L"select " + action.args[0] + L": no entry " + action.args[1]);
                return;
            }
            ::SendMessageW(control, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
            RECT item{};
            ::SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
            ::SetFocus(control);
            // On the entry's text: clear of a check list's mark on the left and of the mark
            // columns that owner-drawn lists keep on the right.
            const int x = item.left + std::max(4L, (item.right - item.left) / 4);
            SendClick(control, POINT{x, (item.top + item.bottom) / 2}, false);
        } else if (IsClass(control, L"ComboBox")) {
            if (index >= ::SendMessageW(control, CB_GETCOUNT, 0, 0)) {
                Fail(L"select " + action.args[0] + L": no entry " + action.args[1]);
                return;
            }
            ::SetFocus(control);
            ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            NotifyParent(control, CBN_SELCHANGE);
            NotifyParent(control, CBN_SELENDOK);
        } else if (IsClass(control, WC_LISTVIEWW)) {
            ::SetFocus(control);
            LVITEMW state{};
            state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            state.state = index < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
            ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(index < 0 ? -1 : index),
                           reinterpret_cast<LPARAM>(&state));
            if (index >= 0)
                ::SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
        } else {
            Fail(L"select " + action.args[0] + L": not a list");
        }
    } else if (verb == L"check") {
        const int row = std::stoi(action.args[1]);
        if (IsClass(control, L"ListBox") && row >= 0 && row < ::SendMessageW(control, LB_GETCOUNT, 0, 0)) {
            // A check list box: a click on the row's mark.
            ::SendMessageW(control, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
            RECT item{};
            ::SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            ::SetFocus(control);
            SendClick(control, CZenListBoxCheck::CheckRect(item).CenterPoint(), false);
            return;
        }
        if (!IsClass(control, WC_LISTVIEWW) || row < 0 || row >= ::SendMessageW(control, LVM_GETITEMCOUNT, 0, 0)) {
            Fail(L"check " + action.args[0] + L": no list row " + action.args[1]);
            return;
        }
        const bool checked = ListView_GetCheckState(control, row) != 0;
        ListView_SetCheckState(control, row, !checked);
    } else if (verb == L"key") {
        UINT vk = 0;
        wchar_t ch = 0;
        bool shift = false;
        bool ctrl = false;
        if (!ParseKey(action.args[1], vk, ch, shift, ctrl)) {
            Fail(L"key: unknown key " + action.args[1]);
            return;
        }
        ::SetFocus(control);
        if (shift || ctrl) {
            m_savedKeyboard.assign(256, 0);
            ::GetKeyboardState(m_savedKeyboard.data());
            std::vector<BYTE> pressed = m_savedKeyboard;
            if (shift)
                pressed[VK_SHIFT] = pressed[VK_LSHIFT] = 0x80;
            if (ctrl)
                pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
            ::SetKeyboardState(pressed.data());
        }
        // Posted, so that the dialog's own loop sees the key as it sees a real one.
        const HWND focus = ::GetFocus() ? ::GetFocus() : control;
        ::PostMessageW(focus, WM_KEYDOWN, vk, 1);
        if (ch)
            ::PostMessageW(focus, WM_CHAR, ch, 1);
        ::PostMessageW(focus, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    } else if (verb == L"mark" || verb == L"dblmark") {
        const int row = std::stoi(action.args[1]);
        const HWND header = FindControl(dialog, std::stoi(action.args[2]));
        if (!IsClass(control, L"ListBox") || !header || row < 0 || row >= ::SendMessageW(control, LB_GETCOUNT, 0, 0)) {
            Fail(verb + L" " + action.args[0] + L": no such row or header");
            return;
        }
        // The mark slot: the header's extent over the row, as the list computes it.
        RECT item{};
        ::SendMessageW(control, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        ::SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        RECT headerRect{};
        RECT listRect{};
        ::GetWindowRect(header, &headerRect);
        ::GetWindowRect(control, &listRect);
        const int x = (headerRect.left + headerRect.right) / 2 - listRect.left;
        ::SetFocus(control);
        SendClick(control, POINT{x, (item.top + item.bottom) / 2}, verb == L"dblmark");
    } else {
        Fail(L"unknown action " + verb);
    }
}

void Driver::Dump(Journal& journal, HWND dialog)
{
    journal.Note(L"dump " + WindowText(dialog));
    // A panel inside the dialog (a file dialog's added panel) is followed by its own controls.
    std::vector<HWND> controls;
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        controls.push_back(control);
        for (HWND inner = IsClass(control, L"#32770") ? ::GetWindow(control, GW_CHILD) : nullptr; inner;
             inner = ::GetWindow(inner, GW_HWNDNEXT))
            controls.push_back(inner);
    }
    for (const HWND control : controls) {
        const int id = ::GetDlgCtrlID(control);
        const std::wstring cls = ClassName(control);
        int checked = 0;
        int sel = -1;
        std::wstring text = WindowText(control);
        if (HasCheckState(control))
            checked = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
        if (IsClass(control, L"ListBox")) {
            sel = static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
        } else if (IsClass(control, L"ComboBox")) {
            sel = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
        } else if (IsClass(control, WC_LISTVIEWW)) {
            sel = ListViewSelection(control);
        } else if (IsClass(control, TRACKBAR_CLASSW)) {
            sel = static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0));
        } else if (IsClass(control, UPDOWN_CLASSW)) {
            sel = static_cast<int>(::SendMessageW(control, UDM_GETPOS32, 0, 0));
        }
        journal.Note(std::to_wstring(id) + L" " + cls + L" enabled=" + (::IsWindowEnabled(control) ? L"1" : L"0") +
                     L" visible=" + (::IsWindowVisible(control) ? L"1" : L"0") + L" checked=" + std::to_wstring(checked) +
                     L" sel=" + std::to_wstring(sel) + L" text=" + text);

        if (IsClass(control, L"ListBox")) {
            const int count = static_cast<int>(::SendMessageW(control, LB_GETCOUNT, 0, 0));
            const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
            const bool strings = (style & LBS_HASSTRINGS) || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
            for (int i = 0; i < count; ++i) {
                CString itemText;
                int itemChecked = 0;
                CListBox* list = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(control));
                if (!(list && list->DescribeItem(i, itemText, itemChecked)) && strings) {
                    const int length = static_cast<int>(::SendMessageW(control, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
                    std::wstring buffer(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
                    ::SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
                    buffer.resize(static_cast<size_t>(std::max(length, 0)));
                    itemText = CString(buffer);
                }
                journal.Note(L"  " + std::to_wstring(i) + L" checked=" + std::to_wstring(itemChecked) + L" " + itemText.str());
            }
        } else if (IsClass(control, L"ComboBox")) {
            const int count = static_cast<int>(::SendMessageW(control, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                const int length = static_cast<int>(::SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
                std::wstring buffer(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
                ::SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
                buffer.resize(static_cast<size_t>(std::max(length, 0)));
                journal.Note(L"  " + std::to_wstring(i) + L" checked=0 " + buffer);
            }
        } else if (IsClass(control, WC_LISTVIEWW)) {
            DumpListViewColumns(journal, control);
            const int count = static_cast<int>(::SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                journal.Note(L"  " + std::to_wstring(i) + L" checked=" + (ListView_GetCheckState(control, i) ? L"1" : L"0") +
                             L" " + ListViewRow(control, i));
            }
        }
    }
}

bool Driver::SaveWindowPicture(HWND window, const std::wstring& path)
{
    static ULONG_PTR gdiplusToken = [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
        return token;
    }();
    (void)gdiplusToken;

    ::ShowWindow(window, SW_SHOW);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Let the controls finish painting (owner-drawn items come with their own messages).
    const DWORD until = ::GetTickCount() + 60;
    MSG msg;
    while (::GetTickCount() < until) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER && msg.hwnd == nullptr)
                continue;  // the driver's own tick must not run inside a picture
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(5);
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    const HDC source = ::GetWindowDC(window);
    const HDC memory = ::CreateCompatibleDC(source);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(source, width, height);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(window, source);

    bool saved = false;
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        UINT count = 0;
        UINT size = 0;
        Gdiplus::GetImageEncodersSize(&count, &size);
        std::vector<BYTE> buffer(size);
        auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
        if (size && Gdiplus::GetImageEncoders(count, size, encoders) == Gdiplus::Ok) {
            for (UINT i = 0; i < count; ++i) {
                if (std::wstring(encoders[i].MimeType) == L"image/png") {
                    saved = picture.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
                    break;
                }
            }
        }
    }
    ::DeleteObject(bitmap);
    return saved;
}

}  // namespace kivhost
