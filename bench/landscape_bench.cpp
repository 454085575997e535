// The panorama's pictures at full size: loading an 8192 x 2048 picture, and repainting the three
// previews from their scaled copies against a floor of three plain copies of preview-sized
// bitmaps onto the same target, measured in the same process.
//
// Prints "repaint <ms per paint of all three previews> floor <ms> ratio R" and
// "load <ms per 8192 x 2048 picture>"; each figure is the best of three runs.
#include "dialogs/landscape/PicturePreview.h"
#include "platform/afx/Image.h"
#include "tests/support/PictureFiles.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 3;
constexpr int kPaints = 200;
// About the size of the dialog's previews at 144 dpi.
constexpr int kPreviewWidth = 520;
constexpr int kPreviewHeight = 130;

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::wstring WritePicture(const wchar_t* name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    const kivtest::Bytes png = kivtest::MakePng(8192, 2048);
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

template <class Work>
double BestOf(Work work)
{
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        work();
        best = std::min(best, Milliseconds(Clock::now() - start));
    }
    return best;
}

}  // namespace

int main()
{
    const std::wstring paths[3] = {WritePicture(L"kivbench-day.png"), WritePicture(L"kivbench-mask.png"),
                                   WritePicture(L"kivbench-night.png")};
    CImage images[3];
    double load = 1e300;
    for (int i = 0; i < 3; ++i) {
        load = std::min(load, BestOf([&] {
                            if (FAILED(images[i].Load(paths[i].c_str())))
                                std::fprintf(stderr, "landscape_bench: cannot load a picture\n");
                        }));
    }

    // The target: a screen-compatible bitmap the size of the dialog.
    const HDC screen = ::GetDC(nullptr);
    const HDC target = ::CreateCompatibleDC(screen);
    const HBITMAP canvas = ::CreateCompatibleBitmap(screen, kPreviewWidth + 20, 3 * (kPreviewHeight + 20));
    const HGDIOBJ oldCanvas = ::SelectObject(target, canvas);
    CRect rects[3];
    for (int i = 0; i < 3; ++i)
        rects[i] = CRect(10, 10 + i * (kPreviewHeight + 20), 10 + kPreviewWidth, 10 + i * (kPreviewHeight + 20) + kPreviewHeight);

    CPicturePreview previews[3];
    for (int i = 0; i < 3; ++i)
        previews[i].Paint(target, rects[i], images[i]);  // the scaled copies, made once
    const double repaint = BestOf([&] {
                               for (int n = 0; n < kPaints; ++n) {
                                   for (int i = 0; i < 3; ++i)
                                       previews[i].Paint(target, rects[i], images[i]);
                               }
                           }) /
                           kPaints;

    HBITMAP copies[3];
    HDC sources[3];
    HGDIOBJ olds[3];
    for (int i = 0; i < 3; ++i) {
        copies[i] = ::CreateCompatibleBitmap(screen, kPreviewWidth, kPreviewHeight);
        sources[i] = ::CreateCompatibleDC(screen);
        olds[i] = ::SelectObject(sources[i], copies[i]);
    }
    const double floor = BestOf([&] {
                             for (int n = 0; n < kPaints; ++n) {
                                 for (int i = 0; i < 3; ++i)
                                     ::BitBlt(target, rects[i].left, rects[i].top, kPreviewWidth, kPreviewHeight,
                                              sources[i], 0, 0, SRCCOPY);
                             }
                         }) /
                         kPaints;
    for (int i = 0; i < 3; ++i) {
        ::SelectObject(sources[i], olds[i]);
        ::DeleteDC(sources[i]);
        ::DeleteObject(copies[i]);
    }
    ::SelectObject(target, oldCanvas);
    ::DeleteObject(canvas);
    ::DeleteDC(target);
    ::ReleaseDC(nullptr, screen);
    for (const std::wstring& path : paths)
        ::DeleteFileW(path.c_str());

    std::printf("repaint %.3f floor %.3f ratio %.2f\n", repaint, floor, floor > 0 ? repaint / floor : 0.0);
    std::printf("load %.1f\n", load);
    return 0;
}
