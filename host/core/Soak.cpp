#include "host/core/Soak.h"

#include <uxtheme.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <string>
#include <cstdio>
#include <vector>

namespace kivhost {

namespace {

// Handle tables hand out freed slots before new ones, so once a probe has used up every free
// slot, the highest slot index it got is the number of occupied slots plus the probe's size.
// The probe must be larger than the free list; a soak's free list stays far below this.
constexpr int kProbeSize = 6000;

long ProbeGdiOccupancy()
{
    std::vector<HGDIOBJ> probe;
    probe.reserve(kProbeSize);
    long highest = -1;
    for (int i = 0; i < kProbeSize; ++i) {
        const HGDIOBJ brush = ::CreateSolidBrush(RGB(i & 0xFF, 0, 0));
        if (!brush)
            break;
        probe.push_back(brush);
        highest = std::max(highest, static_cast<long>(reinterpret_cast<ULONG_PTR>(brush) & 0xFFFF));
    }
    for (auto it = probe.rbegin(); it != probe.rend(); ++it)
        ::DeleteObject(*it);
    return highest + 1 - static_cast<long>(probe.size());
}

BOOL CALLBACK CountChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<long*>(counter);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM counter)
{
    ++*reinterpret_cast<long*>(counter);
    ::EnumChildWindows(window, &CountChild, counter);
    return TRUE;
}

}  // namespace

ObjectCount CountLiveObjects()
{
    ObjectCount count;
    // Windows itself knows; where it answers 0 (Wine) the probe and the enumeration stand in.
    const HANDLE process = ::GetCurrentProcess();
    count.gdi = std::max<long>(static_cast<long>(::GetGuiResources(process, GR_GDIOBJECTS)), ProbeGdiOccupancy());
    long windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    count.user = std::max<long>(static_cast<long>(::GetGuiResources(process, GR_USEROBJECTS)), windows);
    return count;
}

std::wstring SoakResult::Line() const
{
    wchar_t text[256];
    std::swprintf(text, 256, L"soak %ls cycles=%d gdi=%+ld user=%+ld ms=%.1f late-gdi=%+ld late-user=%+ld",
                  dialog.c_str(), cycles, gdiGrowth, userGrowth, msPerCycle, gdiLateGrowth, userLateGrowth);
    return text;
}

namespace {

// Closes the message box that WarmSystemCaches shows.
void CALLBACK CloseWarmingBox(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770")
                ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return TRUE;
        },
        0);
}

// The window manager hands out the device contexts of GetDC from a cache that never shrinks: an
// idle context stays with its window until the window is destroyed, so the cache grows to the most
// windows that ever held one at the same time, up to its size (64 under Wine), a context and a
// region each. A hostile run puts a message box over a dialog now and then, so that peak crept up
// by a few contexts over hundreds of cycles and read as growth. Taking the cache's size at once
// from a window of our own and giving them back fills it before the first count. A context that a
// dialog never gives back still shows, once the cache's idle entries are used up.
constexpr int kDcCacheSize = 64;

void FillDcCache()
{
    const HWND window =
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return;
    std::vector<HDC> taken;
    for (int i = 0; i < kDcCacheSize; ++i) {
        if (const HDC dc = ::GetDCEx(window, nullptr, DCX_CACHE))
            taken.push_back(dc);
    }
    for (const HDC dc : taken)
        ::ReleaseDC(window, dc);
    ::DestroyWindow(window);
}

// The visual style keeps each picture of a control part for as long as the style is in use, once
// something has drawn that part. A hostile answer can give a dialog a look it had not shown before
// the first count, and the pictures that look loads read as growth. Drawing every part of the
// common control classes once loads them all.
void WarmThemeImages()
{
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 64, 64);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    const RECT area{0, 0, 64, 64};
    for (const wchar_t* const name : {L"BUTTON", L"SCROLLBAR", L"EDIT", L"COMBOBOX", L"LISTBOX", L"SPIN", L"TRACKBAR",
                                      L"HEADER", L"LISTVIEW", L"TOOLTIP", L"TAB", L"WINDOW", L"PROGRESS", L"STATUS",
                                      L"TREEVIEW", L"TOOLBAR", L"REBAR"}) {
        const HTHEME theme = ::OpenThemeData(nullptr, name);
        if (!theme)
            continue;
        // More parts and states than any class of a style has; the ones it lacks draw nothing.
        for (int part = 0; part <= 40; ++part) {
            for (int state = 0; state <= 12; ++state)
                ::DrawThemeBackground(theme, memory, part, state, &area, nullptr);
        }
        ::CloseThemeData(theme);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

// The system keeps the standard icons and the font of message boxes for the life of the
// process once one is shown; one box and the icons drawn before the first count keep a
// dialog's first message box after the baseline from reading as growth.
void WarmSystemCaches()
{
    static const bool warmed = [] {
        FillDcCache();
        WarmThemeImages();
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &CloseWarmingBox);
        ::MessageBoxW(nullptr, L"soak", L"kivhost", MB_OK | MB_ICONEXCLAMATION);
        ::KillTimer(nullptr, timer);
        const HDC screen = ::GetDC(nullptr);
        const HDC memory = ::CreateCompatibleDC(screen);
        const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 64, 64);
        const HGDIOBJ old = ::SelectObject(memory, bitmap);
        for (const LPCWSTR id : {IDI_EXCLAMATION, IDI_ASTERISK, IDI_QUESTION, IDI_HAND, IDI_APPLICATION, IDI_WARNING,
                                 IDI_INFORMATION, IDI_ERROR}) {
            if (const HICON icon = ::LoadIconW(nullptr, id))
                ::DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        }
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        return true;
    }();
    (void)warmed;
}

}  // namespace

SoakResult Soak(HostSession& session, const DialogEntry& entry, int cycles)
{
    WarmSystemCaches();
    SoakResult result;
    result.dialog = entry.className;
    result.cycles = cycles;
    const int baselineCycle = cycles > kBaselineCycle ? kBaselineCycle : 1;
    const int middleCycle = cycles / 2;
    // Each count is the least over three cycles: caches that the system fills and empties on its
    // own (font links, glyphs) come and go between cycles, a leak only grows. A dialog that leaks
    // k objects a cycle still reads k * (cycles - 10), and about half of that from the middle on;
    // a cache that fills up reads less from the middle on, and nothing once it is full.
    const auto inWindow = [](int cycle, int last) { return cycle <= last && cycle > last - kWindowCycles; };
    ObjectCount baseline{LONG_MAX, LONG_MAX};
    ObjectCount middle{LONG_MAX, LONG_MAX};
    ObjectCount final{LONG_MAX, LONG_MAX};
    const auto keepLeast = [](ObjectCount& least, const ObjectCount& count) {
        least.gdi = std::min(least.gdi, count.gdi);
        least.user = std::min(least.user, count.user);
    };
    session.Window();
    const auto start = std::chrono::steady_clock::now();
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        std::vector<Action> actions(2);
        actions[0].verb = L"dump";
        actions[1].verb = cycle % 2 ? L"ok" : L"cancel";
        {
            Driver driver(session.GetJournal(), actions, L"");
            entry.run(session);
        }
        // The journal of a long soak would otherwise be what grows.
        session.GetJournal().Clear();
        const bool first = inWindow(cycle, baselineCycle);
        const bool mid = inWindow(cycle, middleCycle) && cycle > baselineCycle;
        const bool last = inWindow(cycle, cycles) && cycle > baselineCycle;
        if (first || mid || last) {
            const ObjectCount count = CountLiveObjects();
            if (first)
                keepLeast(baseline, count);
            if (mid)
                keepLeast(middle, count);
            if (last)
                keepLeast(final, count);
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (final.gdi == LONG_MAX)
        final = baseline;  // too few cycles for a window of their own
    if (middle.gdi == LONG_MAX)
        middle = baseline;
    result.gdiGrowth = final.gdi - baseline.gdi;
    result.userGrowth = final.user - baseline.user;
    result.gdiLateGrowth = final.gdi - middle.gdi;
    result.userLateGrowth = final.user - middle.user;
    result.msPerCycle = std::chrono::duration<double, std::milli>(elapsed).count() / cycles;
    return result;
}

}  // namespace kivhost
