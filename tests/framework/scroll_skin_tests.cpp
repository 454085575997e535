// The dark scroll bar: the skin bitmap and its scaling, the bar's geometry, and a real list box
// whose bar is drawn from the skin and scrolls when its parts are pressed.
#include "platform/afx/Controls.h"
#include "framework/kivcst/ZenScroll.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace ZenScrollSkin;

CSize ScreenDpi()
{
    const HDC screen = ::GetDC(nullptr);
    const CSize dpi(::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return colour;
}

TEST(ScrollSkinBitmap, IsFoundThroughTheResourceChain)
{
    CBitmap skin;
    ASSERT_TRUE(skin.LoadBitmap(IDB_ZEN_SCROLL_SKIN));
    EXPECT_EQ(skin.GetSize().cx, 153);
    EXPECT_EQ(skin.GetSize().cy, 51);
}

TEST(CResScaleGetSize, ScalesTheDesignSizeOrHonoursAskedSides)
{
    const CSize dpi = ScreenDpi();
    CWindowDC screen(nullptr);
    const struct {
        int designWidth, designHeight;
        BOOL keepAspect;
        int width, height;
        CSize expected;
    } rows[] = {
        {153, 51, TRUE, 0, 0, CSize(::MulDiv(153, dpi.cx, 96), ::MulDiv(51, dpi.cx, 96))},
        {153, 51, FALSE, 0, 0, CSize(::MulDiv(153, dpi.cx, 96), ::MulDiv(51, dpi.cy, 96))},
        {153, 51, TRUE, 306, 0, CSize(306, 102)},
        {153, 51, TRUE, 0, 17, CSize(51, 17)},
        {153, 51, FALSE, 306, 0, CSize(306, ::MulDiv(51, dpi.cy, 96))},
        {153, 51, TRUE, 10, 20, CSize(10, 20)},
        {0, 51, TRUE, 0, 0, CSize(0, 0)},
        {153, -1, TRUE, 306, 0, CSize(0, 0)},
    };
    for (const auto& row : rows) {
        const CResScale scale(row.designWidth, row.designHeight, row.keepAspect);
        const CSize size = scale.GetSize(&screen, row.width, row.height);
        EXPECT_EQ(size.cx, row.expected.cx) << row.designWidth << "x" << row.designHeight << " asked " << row.width;
        EXPECT_EQ(size.cy, row.expected.cy) << row.designWidth << "x" << row.designHeight << " asked " << row.width;
    }
    EXPECT_EQ(CResScale(153, 51, TRUE).GetSize(nullptr).cx, 0);
}

TEST(CResScaleGetBitmap, StretchesTheSourceToTheScaledSize)
{
    CBitmap skin;
    ASSERT_TRUE(skin.LoadBitmap(IDB_ZEN_SCROLL_SKIN));
    CWindowDC screen(nullptr);
    const CResScale scale(153, 51, TRUE);

    CBitmap doubled;
    ASSERT_TRUE(scale.GetBitmap(&screen, doubled, skin, 306, 0));
    EXPECT_EQ(doubled.GetSize().cx, 306);
    EXPECT_EQ(doubled.GetSize().cy, 102);
    // Flat areas keep their colour: the middle of each cell's flat part, twice as far out.
    const POINT flat[] = {{kTrack * 17 + 8, 8}, {kSizeBox * 17 + 8, 25}, {kDisabled * 17 + 8, 2 * 17 + 8}};
    for (const POINT& at : flat)
        EXPECT_EQ(PixelOf(doubled, at.x * 2, at.y * 2), PixelOf(skin, at.x, at.y)) << at.x << "," << at.y;

    CBitmap atScreen;
    ASSERT_TRUE(scale.GetBitmap(&screen, atScreen, skin, 0, 0));
    EXPECT_EQ(atScreen.GetSize().cx, scale.GetSize(&screen).cx);
}

TEST(CResScaleGetBitmap, RefusesWhatItCannotScale)
{
    CWindowDC screen(nullptr);
    const CResScale scale(153, 51, TRUE);
    CBitmap skin;
    ASSERT_TRUE(skin.LoadBitmap(IDB_ZEN_SCROLL_SKIN));
    CBitmap empty;
    CBitmap out;
    ASSERT_TRUE(out.CreateCompatibleBitmap(screen, 4, 4));

    EXPECT_FALSE(scale.GetBitmap(nullptr, out, skin, 0, 0));
    EXPECT_EQ(out.GetSafeHandle(), nullptr) << "a failed call leaves the output empty";
    EXPECT_FALSE(scale.GetBitmap(&screen, out, empty, 0, 0));
    EXPECT_FALSE(scale.GetBitmap(&screen, out, skin, CResScale::kMaxSide + 1, 0));
    EXPECT_FALSE(CResScale(0, 0, TRUE).GetBitmap(&screen, out, skin, 0, 0));

    // A source held by another device context cannot be read from.
    const HDC holder = ::CreateCompatibleDC(screen);
    const HGDIOBJ old = ::SelectObject(holder, skin.GetSafeHandle());
    EXPECT_FALSE(scale.GetBitmap(&screen, out, skin, 0, 0));
    ::SelectObject(holder, old);
    ::DeleteDC(holder);
    EXPECT_TRUE(scale.GetBitmap(&screen, out, skin, 0, 0));
}

SCROLLINFO Info(int nMin, int nMax, UINT nPage, int nPos)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    info.nMin = nMin;
    info.nMax = nMax;
    info.nPage = nPage;
    info.nPos = nPos;
    return info;
}

TEST(CZenScrollLayout, PlacesTheThumbByThePagesShareOfTheRange)
{
    const CRect bar(0, 0, 17, 217);  // a 183-pixel track between two 17-pixel arrows
    const struct {
        const char* name;
        SCROLLINFO info;
        bool enabled;
        CRect thumb;  // empty: no thumb
    } rows[] = {
        {"AtTheTop", Info(0, 99, 10, 0), true, CRect(0, 17, 17, 35)},
        {"AtTheBottom", Info(0, 99, 10, 90), true, CRect(0, 182, 17, 200)},
        {"InTheMiddle", Info(0, 99, 10, 45), true, CRect(0, 100, 17, 118)},
        {"PastTheEndIsClamped", Info(0, 99, 10, 500), true, CRect(0, 182, 17, 200)},
        {"NegativeRange", Info(-50, 49, 10, -50), true, CRect(0, 17, 17, 35)},
        {"NoPageGivesASquareThumb", Info(0, 99, 0, 0), true, CRect(0, 17, 17, 34)},
        {"HugeRangeKeepsTheSmallestThumb", Info(0, 1000000, 1, 0), true, CRect(0, 17, 17, 25)},
        {"WholeRangeOnOnePage", Info(0, 9, 10, 0), true, CRect()},
        {"Disabled", Info(0, 99, 10, 0), false, CRect()},
        {"EmptyRange", Info(0, 0, 0, 0), true, CRect()},
    };
    for (const auto& row : rows) {
        const CZenScrollLayout layout = CZenScrollLayout::Compute(bar, row.info, 17, 8, row.enabled);
        EXPECT_EQ(layout.up, CRect(0, 0, 17, 17)) << row.name;
        EXPECT_EQ(layout.down, CRect(0, 200, 17, 217)) << row.name;
        if (row.thumb.IsRectEmpty()) {
            EXPECT_TRUE(layout.thumb.IsRectEmpty()) << row.name;
        } else {
            EXPECT_EQ(layout.thumb, row.thumb) << row.name << ": top " << layout.thumb.top << " bottom " << layout.thumb.bottom;
        }
    }
}

TEST(CZenScrollLayout, ShortBarsSplitBetweenTheArrows)
{
    const CZenScrollLayout layout = CZenScrollLayout::Compute(CRect(0, 0, 17, 20), Info(0, 99, 10, 0), 17, 8, true);
    EXPECT_EQ(layout.up, CRect(0, 0, 17, 10));
    EXPECT_EQ(layout.down, CRect(0, 10, 17, 20));
    EXPECT_TRUE(layout.thumb.IsRectEmpty());
}

TEST(CZenScrollLayout, HitTestsAndDragsLikeTheSystem)
{
    const CZenScrollLayout layout = CZenScrollLayout::Compute(CRect(0, 0, 17, 217), Info(0, 99, 10, 45), 17, 8, true);
    const struct {
        POINT pt;
        ZenScrollPart part;
    } hits[] = {{{8, 0}, ZenScrollPart::LineUp},    {{8, 16}, ZenScrollPart::LineUp},   {{8, 17}, ZenScrollPart::PageUp},
                {{8, 99}, ZenScrollPart::PageUp},   {{8, 100}, ZenScrollPart::Thumb},   {{8, 117}, ZenScrollPart::Thumb},
                {{8, 118}, ZenScrollPart::PageDown}, {{8, 200}, ZenScrollPart::LineDown}, {{17, 100}, ZenScrollPart::None},
                {{8, 217}, ZenScrollPart::None}};
    for (const auto& hit : hits)
        EXPECT_EQ(layout.HitTest(hit.pt), hit.part) << hit.pt.x << "," << hit.pt.y;

    for (int pos : {0, 1, 44, 45, 89, 90}) {
        const CZenScrollLayout at = CZenScrollLayout::Compute(CRect(0, 0, 17, 217), Info(0, 99, 10, pos), 17, 8, true);
        EXPECT_EQ(at.PosFromThumbTop(at.thumb.top), pos);
    }
    EXPECT_EQ(layout.PosFromThumbTop(-1000), 0);
    EXPECT_EQ(layout.PosFromThumbTop(1000), 90);
}

// A visible window with a list box of 100 rows whose vertical bar carries the skin.
class SkinnedList : public testing::Test {
protected:
    static constexpr int kItems = 100;
    static constexpr UINT kDestroyList = WM_APP + 1;

    void SetUp() override
    {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = &SkinnedList::Proc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"KivScrollSkinTestHost";
            return ::RegisterClassW(&wc);
        }();
        (void)atom;
        m_hHost = ::CreateWindowExW(0, L"KivScrollSkinTestHost", L"", WS_POPUP | WS_VISIBLE, 50, 50, 260, 330,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        m_hList = ::CreateWindowExW(0, L"ListBox", L"",
                                    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                                    10, 10, 200, 300, m_hHost, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        for (int i = 0; i < kItems; ++i)
            ::SendMessageW(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"row"));
        m_list.Attach(m_hList);

        CBitmap source;
        ASSERT_TRUE(source.LoadBitmap(IDB_ZEN_SCROLL_SKIN));
        CClientDC dc(&m_list);
        ASSERT_TRUE(CResScale(153, 51, TRUE).GetBitmap(&dc, m_skin, source, 0, 0));
        m_cell = CSize(m_skin.GetSize().cx / ZenScrollSkin::kColumns, m_skin.GetSize().cy / ZenScrollSkin::kRows);
        ASSERT_TRUE(SkinWndScroll(&m_list, m_skin));
        Repaint();
    }

    void TearDown() override
    {
        if (::IsWindow(m_hList))
            m_list.Detach();
        ::DestroyWindow(m_hHost);
    }

    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kDestroyList) {
            ::DestroyWindow(reinterpret_cast<HWND>(lParam));
            return 0;
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

    void Repaint()
    {
        ::RedrawWindow(m_hList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    }

    // The bar and its parts, in the list's window coordinates.
    CZenScrollLayout Layout() const
    {
        SCROLLBARINFO bar{};
        bar.cbSize = sizeof bar;
        ::GetScrollBarInfo(m_hList, OBJID_VSCROLL, &bar);
        RECT window{};
        ::GetWindowRect(m_hList, &window);
        CRect rect(bar.rcScrollBar);
        rect.OffsetRect(-window.left, -window.top);
        SCROLLINFO info = Info(0, 0, 0, 0);
        ::GetScrollInfo(m_hList, SB_VERT, &info);
        const int arrow = ::GetSystemMetrics(SM_CYVSCROLL);
        return CZenScrollLayout::Compute(rect, info, arrow, std::max(arrow / 2, 1), ::IsWindowEnabled(m_hList) != FALSE);
    }

    COLORREF WindowPixel(int x, int y) const
    {
        const HDC dc = ::GetWindowDC(m_hList);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(m_hList, dc);
        return colour;
    }

    COLORREF SkinPixel(int column, int row, int x, int y) const
    {
        return PixelOf(m_skin, column * m_cell.cx + x, row * m_cell.cy + y);
    }

    // A press on the bar at pt (window coordinates); the release, and any moves before it, are
    // queued first, as the user's hand would have produced them.
    void Press(POINT pt, const std::vector<POINT>& movesTo = {})
    {
        RECT window{};
        ::GetWindowRect(m_hList, &window);
        for (POINT move : movesTo) {
            POINT client{move.x + window.left, move.y + window.top};
            ::ScreenToClient(m_hList, &client);
            ::PostMessageW(m_hList, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
        }
        ::PostMessageW(m_hList, WM_LBUTTONUP, 0, 0);
        ::SendMessageW(m_hList, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(pt.x + window.left, pt.y + window.top));
    }

    int TopIndex() const { return static_cast<int>(::SendMessageW(m_hList, LB_GETTOPINDEX, 0, 0)); }
    int VisibleRows() const
    {
        RECT client{};
        ::GetClientRect(m_hList, &client);
        return client.bottom / static_cast<int>(::SendMessageW(m_hList, LB_GETITEMHEIGHT, 0, 0));
    }

    HWND m_hHost = nullptr;
    HWND m_hList = nullptr;
    CListBox m_list;
    CBitmap m_skin;
    CSize m_cell;
};

TEST_F(SkinnedList, PaintsTheBarFromTheSkin)
{
    const CZenScrollLayout layout = Layout();
    ASSERT_FALSE(layout.thumb.IsRectEmpty());
    const int middle = (layout.track.left + layout.track.right) / 2;
    EXPECT_EQ(WindowPixel(middle, layout.thumb.bottom + 4), SkinPixel(kTrack, kNormal, m_cell.cx / 2, 4));
    EXPECT_EQ(WindowPixel(middle, layout.thumb.top + m_cell.cy / 2 + 1),
              SkinPixel(kThumbTop, kNormal, m_cell.cx / 2, m_cell.cy / 2 + 1));
    EXPECT_EQ(WindowPixel(layout.up.left + 1, layout.up.top + 1), SkinPixel(kUpArrow, kNormal, 1, 1));
    EXPECT_EQ(WindowPixel(layout.down.left + 1, layout.down.bottom - 2), SkinPixel(kDownArrow, kNormal, 1, m_cell.cy - 2));
}

TEST_F(SkinnedList, RepaintsAfterTheSystemMovedItsThumb)
{
    const CZenScrollLayout before = Layout();
    ::SendMessageW(m_hList, LB_SETTOPINDEX, 50, 0);
    const CZenScrollLayout after = Layout();
    ASSERT_GT(after.thumb.top, before.thumb.bottom);
    const int middle = (after.track.left + after.track.right) / 2;
    EXPECT_EQ(WindowPixel(middle, before.thumb.top + m_cell.cy / 2 + 1), SkinPixel(kTrack, kNormal, m_cell.cx / 2, 4))
        << "where the thumb was, the track shows";
    EXPECT_EQ(WindowPixel(middle, after.thumb.top + m_cell.cy / 2 + 1),
              SkinPixel(kThumbTop, kNormal, m_cell.cx / 2, m_cell.cy / 2 + 1));
}

TEST_F(SkinnedList, PressesOnThePartsScrollTheList)
{
    const int page = VisibleRows();
    const int last = kItems - page;
    const struct {
        const char* name;
        int startTop;
        ZenScrollPart part;
        int expectedTop;
    } rows[] = {
        {"LineDown", 10, ZenScrollPart::LineDown, 11}, {"LineUp", 10, ZenScrollPart::LineUp, 9},
        {"LineUpAtTheTop", 0, ZenScrollPart::LineUp, 0}, {"PageDown", 10, ZenScrollPart::PageDown, 10 + page},
        {"PageUp", 40, ZenScrollPart::PageUp, 40 - page}, {"PageDownNearTheEnd", last - 1, ZenScrollPart::PageDown, last},
    };
    for (const auto& row : rows) {
        ::SendMessageW(m_hList, LB_SETTOPINDEX, row.startTop, 0);
        const CZenScrollLayout layout = Layout();
        const int x = (layout.up.left + layout.up.right) / 2;
        POINT at{x, 0};
        switch (row.part) {
        case ZenScrollPart::LineUp:
            at.y = (layout.up.top + layout.up.bottom) / 2;
            break;
        case ZenScrollPart::LineDown:
            at.y = (layout.down.top + layout.down.bottom) / 2;
            break;
        case ZenScrollPart::PageUp:
            at.y = layout.thumb.top - 2;
            break;
        default:
            at.y = layout.thumb.bottom + 1;
            break;
        }
        ASSERT_EQ(layout.HitTest(at), row.part) << row.name;
        Press(at);
        EXPECT_EQ(TopIndex(), row.expectedTop) << row.name;
        EXPECT_EQ(::GetCapture(), nullptr) << row.name;
    }
}

TEST_F(SkinnedList, DraggingTheThumbFollowsThePointer)
{
    const CZenScrollLayout layout = Layout();
    const POINT grab{(layout.thumb.left + layout.thumb.right) / 2, layout.thumb.top + 3};
    Press(grab, {POINT{grab.x, layout.track.bottom + 50}});
    EXPECT_EQ(TopIndex(), kItems - VisibleRows());
    Press(Layout().thumb.CenterPoint(), {POINT{grab.x, (layout.track.top + layout.track.bottom) / 2 + 3}});
    const int middle = TopIndex();
    EXPECT_GT(middle, 30);
    EXPECT_LT(middle, 70);
}

TEST_F(SkinnedList, ADisabledBarIsDrawnDisabledAndIgnoresPresses)
{
    ::EnableWindow(m_hList, FALSE);
    Repaint();
    const CZenScrollLayout layout = Layout();
    const int middle = (layout.track.left + layout.track.right) / 2;
    EXPECT_EQ(WindowPixel(middle, (layout.track.top + layout.track.bottom) / 2), SkinPixel(kDisabled, 2, m_cell.cx / 2, 4));
    Press(POINT{middle, (layout.down.top + layout.down.bottom) / 2});
    EXPECT_EQ(TopIndex(), 0);
}

TEST_F(SkinnedList, SurvivesItsWindowDyingDuringAPress)
{
    const CZenScrollLayout layout = Layout();
    m_list.Detach();
    ::PostMessageW(m_hHost, kDestroyList, 0, reinterpret_cast<LPARAM>(m_hList));
    RECT window{};
    ::GetWindowRect(m_hList, &window);
    const POINT at{(layout.down.left + layout.down.right) / 2 + window.left, (layout.down.top + layout.down.bottom) / 2 + window.top};
    ::SendMessageW(m_hList, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
    EXPECT_FALSE(::IsWindow(m_hList));
    EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
