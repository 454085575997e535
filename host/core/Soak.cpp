#include "host/core/Soak.h"

#include <algorithm>
#include <chrono>
#include <climits>
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
    std::swprintf(text, 256, L"soak %ls cycles=%d gdi=%+ld user=%+ld ms=%.1f", dialog.c_str(), cycles, gdiGrowth,
                  userGrowth, msPerCycle);
    return text;
}

SoakResult Soak(HostSession& session, const DialogEntry& entry, int cycles)
{
    SoakResult result;
    result.dialog = entry.className;
    result.cycles = cycles;
    const int baselineCycle = cycles > kBaselineCycle ? kBaselineCycle : 1;
    // Each end is the least count over three cycles: caches that the system fills and empties
    // on its own (font links, glyphs) come and go between cycles, a leak only grows. A dialog
    // that leaks k objects a cycle still reads k * (cycles - 10).
    const auto inWindow = [](int cycle, int last) { return cycle <= last && cycle > last - kWindowCycles; };
    ObjectCount baseline{LONG_MAX, LONG_MAX};
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
        const bool last = inWindow(cycle, cycles) && cycle > baselineCycle;
        if (first || last) {
            const ObjectCount count = CountLiveObjects();
            keepLeast(first ? baseline : final, count);
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (final.gdi == LONG_MAX)
        final = baseline;  // too few cycles for a window of their own
    result.gdiGrowth = final.gdi - baseline.gdi;
    result.userGrowth = final.user - baseline.user;
    result.msPerCycle = std::chrono::duration<double, std::milli>(elapsed).count() / cycles;
    return result;
}

}  // namespace kivhost
