// click, type, spin, slide, key, press and focus: what a mouse and a keyboard do to a dialog.
#include "host/core/DriverDetail.h"

#include <commctrl.h>

#include <cwctype>

namespace kivhost::detail {

namespace {

struct KeyName {
    const wchar_t* name;
    UINT vk;
};

const KeyName kKeys[] = {
    {L"RETURN", VK_RETURN}, {L"ENTER", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}, {L"TAB", VK_TAB},
    {L"SPACE", VK_SPACE},   {L"BACK", VK_BACK},    {L"DELETE", VK_DELETE}, {L"UP", VK_UP},
    {L"DOWN", VK_DOWN},     {L"LEFT", VK_LEFT},    {L"RIGHT", VK_RIGHT},   {L"HOME", VK_HOME},
    {L"END", VK_END},       {L"PRIOR", VK_PRIOR},  {L"NEXT", VK_NEXT},     {L"PAGEUP", VK_PRIOR},
    {L"PAGEDOWN", VK_NEXT}, {L"F1", VK_F1},
};

struct KeyPress {
    UINT vk = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

bool ParseKey(std::wstring text, KeyPress& key)
{
    key = KeyPress{};
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    for (;;) {
        if (text.rfind(L"SHIFT+", 0) == 0) {
            key.shift = true;
            text.erase(0, 6);
        } else if (text.rfind(L"CTRL+", 0) == 0) {
            key.ctrl = true;
            text.erase(0, 5);
        } else if (text.rfind(L"ALT+", 0) == 0) {
            key.alt = true;
            text.erase(0, 4);
        } else {
            break;
        }
    }
    for (const KeyName& name : kKeys) {
        if (text == name.name) {
            key.vk = name.vk;
            return true;
        }
    }
    if (text.size() == 1 && (std::iswalnum(text[0]))) {
        key.vk = text[0];
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

// One press and release of a key on the window that has the focus, as the keyboard driver reports
// it: the key messages only. The dialog's own loop translates them into characters, mnemonics and
// navigation, as it does a real key; a character sent as well would act twice.
void PressKey(ActionContext& context, const std::wstring& name)
{
    KeyPress key;
    if (!ParseKey(name, key)) {
        context.Fail(L"key: unknown key " + name);
        return;
    }
    if (key.shift || key.ctrl || key.alt) {
        std::vector<BYTE>& saved = context.savedKeyboard;
        saved.assign(256, 0);
        ::GetKeyboardState(saved.data());
        std::vector<BYTE> pressed = saved;
        if (key.shift)
            pressed[VK_SHIFT] = pressed[VK_LSHIFT] = 0x80;
        if (key.ctrl)
            pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
        if (key.alt)
            pressed[VK_MENU] = pressed[VK_LMENU] = 0x80;
        ::SetKeyboardState(pressed.data());
    }
    // Posted, so that the dialog's own loop sees the key as it sees a real one. With Alt (and
    // without Ctrl) the system reports system keys, with the context bit set.
    const HWND focus = ::GetFocus() ? ::GetFocus() : context.dialog;
    const bool system = key.alt && !key.ctrl;
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key.vk, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM altBit = key.alt ? (1 << 29) : 0;
    ::PostMessageW(focus, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key.vk, scan | altBit | 1);
    ::PostMessageW(focus, system ? WM_SYSKEYUP : WM_KEYUP, key.vk, scan | altBit | static_cast<LPARAM>(0xC0000001u));
}

// key ID KEY: the key with the focus put in control ID first.
void Key(ActionContext& context, const Action& action)
{
    ::SetFocus(context.control);
    PressKey(context, action.args[1]);
}

// press KEY: the key on whatever has the focus, as a user at the keyboard presses it.
void Press(ActionContext& context, const Action& action)
{
    PressKey(context, action.args[0]);
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
        {L"press", 1, Target::Dialog, nullptr, &Press},
        {L"focus", 1, Target::Control, nullptr, &Focus},
    };
}

}  // namespace kivhost::detail
