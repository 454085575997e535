// The driver's core: reading actions, following the dialogs of the thread and performing each
// action through the verb tables of its family.
#include "host/core/Driver.h"
#include "host/core/DriverDetail.h"

#include "platform/afx/Dialog.h"

#include <algorithm>

namespace kivhost {

using namespace detail;

namespace {

Driver* g_driver = nullptr;
bool g_expectMessageBox = false;

// Every verb the driver knows; a new family of actions adds its table here.
const std::vector<Verb>& Verbs()
{
    static const std::vector<Verb> verbs = [] {
        std::vector<Verb> all;
        for (std::vector<Verb> (*family)() : {&InputVerbs, &ListVerbs, &DialogVerbs, &CheckListVerbs, &AccessibilityVerbs}) {
            const std::vector<Verb> some = family();
            all.insert(all.end(), some.begin(), some.end());
        }
        return all;
    }();
    return verbs;
}

const Verb* FindVerb(const std::wstring& name)
{
    for (const Verb& verb : Verbs()) {
        if (name == verb.name)
            return &verb;
    }
    return nullptr;
}

// The next word of text from pos on, skipping spaces; pos moves past it.
std::wstring NextWord(const std::wstring& text, size_t& pos)
{
    pos = std::min(text.find_first_not_of(L' ', pos), text.size());
    const size_t end = std::min(text.find(L' ', pos), text.size());
    std::wstring word = text.substr(pos, end - pos);
    pos = std::min(end + 1, text.size());
    return word;
}

}  // namespace

bool ParseAction(const std::wstring& text, Action& action, std::wstring& error)
{
    action = Action{};
    size_t pos = 0;
    action.verb = NextWord(text, pos);
    if (action.verb.empty()) {
        error = L"empty action";
        return false;
    }
    const Verb* verb = FindVerb(action.verb);
    if (!verb) {
        error = L"unknown action \"" + action.verb + L"\"";
        return false;
    }
    const bool takesId = verb->target != Target::Dialog;
    if (verb->arguments < 0) {
        // "type ID TEXT", "file PATH": the rest of the line exactly as given, spaces and all.
        if (takesId) {
            const size_t idEnd = std::min(text.find(L' ', pos), text.size());
            action.args.push_back(text.substr(pos, idEnd - pos));
            pos = std::min(idEnd + 1, text.size());
        }
        action.args.push_back(text.substr(pos));
    } else {
        for (std::wstring word = NextWord(text, pos); !word.empty(); word = NextWord(text, pos))
            action.args.push_back(word);
        if (static_cast<int>(action.args.size()) != verb->arguments) {
            error = L"\"" + action.verb + L"\" takes " + std::to_wstring(verb->arguments) + L" argument(s)";
            return false;
        }
    }
    if (takesId && (action.args.empty() || !IsInteger(action.args[0]))) {
        error = L"\"" + action.verb + L"\" needs a control id";
        return false;
    }
    if (verb->check)
        error = verb->check(action);
    return !verb->check || error.empty();
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
        // Its controls are still there: the state the user left them in as the dialog closed.
        if (hwnd == g_driver->m_closeDumpDialog) {
            g_driver->m_closeDumpDialog = nullptr;
            Dump(g_driver->m_journal, hwnd);
        }
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
    ActionContext{m_journal, nullptr, nullptr, m_savedKeyboard, m_failures, m_closeDumpDialog, m_userDriven}.Fail(text);
}

void Driver::Tick()
{
    if (!m_savedKeyboard.empty()) {
        ::SetKeyboardState(m_savedKeyboard.data());
        m_savedKeyboard.clear();
    }
    if (m_userDriven)
        return;
    bool messageBox = false;
    const HWND top = TopDialog(messageBox);
    if (!top)
        return;
    if (messageBox) {
        // A picture of the box itself, when the script asks for one while the box is up.
        if (m_next < m_actions.size() && m_actions[m_next].verb == L"shot") {
            Perform(top, m_actions[m_next++]);
            return;
        }
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
    const Verb* verb = FindVerb(action.verb);
    if (!verb) {
        Fail(L"unknown action " + action.verb);
        return;
    }
    ActionContext context{m_journal, dialog, nullptr, m_savedKeyboard, m_failures, m_closeDumpDialog, m_userDriven};
    if (verb->target != Target::Dialog) {
        context.control = FindControl(dialog, std::stoi(action.args[0]));
        if (!context.control) {
            Fail(action.verb + L" " + action.args[0] + L": no such control");
            return;
        }
        const bool usable =
            (::GetWindowLongPtrW(context.control, GWL_STYLE) & WS_VISIBLE) && ::IsWindowEnabled(context.control);
        if (verb->target == Target::UsableControl && !usable) {
            Fail(action.verb + L" " + action.args[0] + L": the control is disabled or hidden");
            return;
        }
    }
    verb->perform(context, action);
}

}  // namespace kivhost
