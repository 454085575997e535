// The host's window as the dialogs see their parent: it answers the colour-source request and
// takes the missing-terrain-data message.
#pragma once

#include "platform/afx/Wnd.h"
#include "host/core/Journal.h"

namespace kivhost {

class HostWindow : public CWnd {
public:
    explicit HostWindow(Journal& journal) : m_journal(journal) {}

    // A top-level window; shown only when visible is true (headless runs keep it hidden).
    bool Create(const wchar_t* title, bool visible, HMENU menu = nullptr);

    static constexpr UINT kColorSource = 0x0810;
    static constexpr UINT kTerrainMissing = 0x07FD;

protected:
    const AFX_MSGMAP* GetMessageMap() const override;
    Journal& m_journal;

private:
    LRESULT OnColorSource(WPARAM wParam, LPARAM lParam);
    LRESULT OnTerrainMissing(WPARAM wParam, LPARAM lParam);
};

}  // namespace kivhost
