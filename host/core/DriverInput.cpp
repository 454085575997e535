// click, type, spin, slide, key and focus: what a mouse and a keyboard do to one control.
#include "host/core/DriverDetail.h"

#include <commctrl.h>

#include <cwctype>

namespace kivhost::detail {

namespace {

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

std::wstring CheckSpin(const Action& action)
{
    return action.args[1] == L"up" || action.args[1] == L"down" ? L"" : L"spin takes up or down";
}

void Click(ActionContext& context, const Action&)
{
    ::SendMessageW(context.control, BM_CLICK, 0, 0);
}

void Type(ActionContext& context, const Action& action)
{
    HWND edit = context.control;
    if (IsClass(edit, L"ComboBox"))
        edit = ::FindWindowExW(edit, nullptr, L"Edit", nullptr);
    if (!edit) {
        context.Fail(L"type " + action.args[0] + L": the control takes no typing");
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
}

void Spin(ActionContext& context, const Action& action)
{
    RECT client{};
    ::GetClientRect(context.control, &client);
    const bool horizontal = (::GetWindowLongPtrW(context.control, GWL_STYLE) & UDS_HORZ) != 0;
    const bool up = action.args[1] == L"up";
    POINT point{};
    if (horizontal)
        point = {up ? client.right * 3 / 4 : client.right / 4, client.bottom / 2};
    else
        point = {client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4};
    SendClick(context.control, point, false);
}

void Slide(ActionContext& context, const Action& action)
{
    const int position = std::stoi(action.args[1]);
    const bool vertical = (::GetWindowLongPtrW(context.control, GWL_STYLE) & TBS_VERT) != 0;
    const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    const HWND parent = ::GetParent(context.control);
    ::SendMessageW(context.control, TBM_SETPOS, TRUE, position);
    const LPARAM from = reinterpret_cast<LPARAM>(context.control);
    ::SendMessageW(parent, message, MAKEWPARAM(TB_THUMBTRACK, position), from);
    ::SendMessageW(parent, message, MAKEWPARAM(TB_THUMBPOSITION, position), from);
    ::SendMessageW(parent, message, MAKEWPARAM(TB_ENDTRACK, 0), from);
}

void Key(ActionContext& context, const Action& action)
{
    UINT vk = 0;
    wchar_t ch = 0;
    bool shift = false;
    bool ctrl = false;
    if (!ParseKey(action.args[1], vk, ch, shift, ctrl)) {
        context.Fail(L"key: unknown key " + action.args[1]);
        return;
    }
    ::SetFocus(context.control);
    if (shift || ctrl) {
        std::vector<BYTE>& saved = context.savedKeyboard;
        saved.assign(256, 0);
        ::GetKeyboardState(saved.data());
        std::vector<BYTE> pressed = saved;
        if (shift)
            pressed[VK_SHIFT] = pressed[VK_LSHIFT] = 0x80;
        if (ctrl)
            pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
        ::SetKeyboardState(pressed.data());
    }
    // Posted, so that the dialog's own loop sees the key as it sees a real one.
    const HWND focus = ::GetFocus() ? ::GetFocus() : context.control;
    ::PostMessageW(focus, WM_KEYDOWN, vk, 1);
    if (ch)
        ::PostMessageW(focus, WM_CHAR, ch, 1);
    ::PostMessageW(focus, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}

// Focus goes to disabled and hidden controls too, as a program may put it there.
void Focus(ActionContext& context, const Action&)
{
    ::SetFocus(context.control);
}

}  // namespace

std::vector<Verb> InputVerbs()
{
    return {
        {L"click", 1, Target::UsableControl, nullptr, &Click},
        {L"type", -1, Target::UsableControl, nullptr, &Type},
        {L"spin", 2, Target::UsableControl, &CheckSpin, &Spin},
        {L"slide", 2, Target::UsableControl, &CheckNumberArgument, &Slide},
        {L"key", 2, Target::UsableControl, nullptr, &Key},
        {L"focus", 1, Target::Control, nullptr, &Focus},
    };
}

}  // namespace kivhost::detail
