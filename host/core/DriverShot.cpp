// The driver's pictures of windows, written as PNG through GDI+.
#include "host/core/Driver.h"

#include <gdiplus.h>

#include <vector>

namespace kivhost {

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
    // A blinking caret would make two pictures of one state differ.
    const BOOL caretHidden = ::HideCaret(nullptr);
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
    if (caretHidden)
        ::ShowCaret(nullptr);

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
