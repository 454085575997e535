// Soak runs (kivhost --soak N): a dialog opened and closed many times, with a few actions in
// between, while the live GDI and USER objects of the process are counted. A dialog that leaks
// shows as growth between an early cycle, once caches have filled, and the last one.
#pragma once

#include "host/core/DialogCatalog.h"
#include "host/core/HostSession.h"

#include <string>

namespace kivhost {

// Live objects of this process, counted in ways that also work where GetGuiResources answers 0.
struct ObjectCount {
    long gdi = 0;   // GDI objects: the handle table's occupancy, found with a probe
    long user = 0;  // windows of this thread, children included
};
ObjectCount CountLiveObjects();

struct SoakResult {
    std::wstring dialog;
    int cycles = 0;
    long gdiGrowth = 0;   // from the cycles up to kBaselineCycle to the last cycles, least counts
    long userGrowth = 0;
    double msPerCycle = 0.0;
    long gdiLateGrowth = 0;   // the same from the cycles up to N / 2 to the last cycles
    long userLateGrowth = 0;
    bool Grew() const { return gdiGrowth > 0 || userGrowth > 0; }
    // "soak CDlgName cycles=N gdi=+G user=+U ms=T late-gdi=+G2 late-user=+U2"
    std::wstring Line() const;
};

// The cycle after which the baseline is taken (fewer cycles: the first one).
constexpr int kBaselineCycle = 10;
// How many cycles at each end the least count is taken over.
constexpr int kWindowCycles = 3;

// Opens and closes the dialog `cycles` times, OK and Cancel in turn, a dump in between.
SoakResult Soak(HostSession& session, const DialogEntry& entry, int cycles);

}  // namespace kivhost
