// kivhost's main window: the dialog menu and a pane that shows the journal as it grows.
#pragma once

#include "host/core/HostSession.h"
#include "host/core/HostWindow.h"

namespace kivhost {

class MainWindow : public HostWindow {
public:
    explicit MainWindow(HostSession& session) : HostWindow(session.GetJournal()), m_session(session) {}
    bool Create();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HMENU BuildMenu();
    void AppendToPane(const std::wstring& line);

    HostSession& m_session;
    HWND m_pane = nullptr;
    HFONT m_font = nullptr;
};

}  // namespace kivhost
