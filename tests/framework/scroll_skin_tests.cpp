// The dark scroll bar: the skin bitmap and its scaling, the bar's geometry, and a real list box
// whose bar is drawn from the skin and scrolls when its parts are pressed.
#include "platform/afx/Controls.h"
#include "framework/kivcst/ZenScroll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using namespace ZenScrollSkin;

std::pair<LONG, LONG> Sides(SIZE size)
{
    return {size.cx, size.cy};
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

TEST(CResScaleGetSize, ScalesTheDesignSizeOrHonoursAskedSides)
{
    CWindowDC screen(nullptr);
    const int dpiX = screen.GetDeviceCaps(LOGPIXELSX);
    const int dpiY = screen.GetDeviceCaps(LOGPIXELSY);
    const struct {
        int designWidth, designHeight;
        BOOL keepAspect;
        int width, height;
        CSize expected;
    } rows[] = {
        {153, 51, TRUE, 0, 0, CSize(::MulDiv(153, dpiX, 96), ::MulDiv(51, dpiX, 96))},
        {153, 51, TRUE, 306, 0, CSize(306, 102)},
        {153, 51, TRUE, 0, 17, CSize(51, 17)},
        {153, 51, FALSE, 306, 0, CSize(306, ::MulDiv(51, dpiY, 96))},
        {153, 51, TRUE, 10, 20, CSize(10, 20)},
        {0, 51, TRUE, 0, 0, CSize(0, 0)},
        {153, -1, TRUE, 306, 0, CSize(0, 0)},
    };
    for (const auto& row : rows) {
        const CResScale scale(row.designWidth, row.designHeight, row.keepAspect);
        EXPECT_EQ(Sides(scale.GetSize(&screen, row.width, row.height)), Sides(row.expected))
            << row.designWidth << "x" << row.designHeight << " asked " << row.width << "x" << row.height;
    }
    EXPECT_EQ(CResScale(153, 51, TRUE).GetSize(nullptr).cx, 0);
}

TEST(CResScaleGetBitmap, StretchesTheSkinOrRefusesWhatItCannotScale)
{
    CBitmap skin;
    ASSERT_TRUE(skin.LoadBitmap(IDB_ZEN_SCROLL_SKIN)) << "the skin is found through the resource chain";
    EXPECT_EQ(Sides(skin.GetSize()), Sides(CSize(153, 51)));
    CWindowDC screen(nullptr);
    const CResScale scale(153, 51, TRUE);

    CBitmap doubled;
    ASSERT_TRUE(scale.GetBitmap(&screen, doubled, skin, 306, 0));
    EXPECT_EQ(Sides(doubled.GetSize()), Sides(CSize(306, 102)));
    // Flat areas keep their colour: the middle of each cell's flat part, twice as far out.
    const POINT flat[] = {{kTrack * 17 + 8, 8}, {kSizeBox * 17 + 8, 25}, {kDisabled * 17 + 8, 2 * 17 + 8}};
    for (const POINT& at : flat)
        EXPECT_EQ(PixelOf(doubled, at.x * 2, at.y * 2), PixelOf(skin, at.x, at.y)) << at.x << "," << at.y;

    CBitmap out;
    ASSERT_TRUE(out.CreateCompatibleBitmap(screen, 4, 4));
    EXPECT_FALSE(scale.GetBitmap(nullptr, out, skin, 0, 0));
    EXPECT_EQ(out.GetSafeHandle(), nullptr) << "a failed call leaves the output empty";
    CBitmap empty;
    EXPECT_FALSE(scale.GetBitmap(&screen, out, empty, 0, 0));
    EXPECT_FALSE(scale.GetBitmap(&screen, out, skin, CResScale::kMaxSide + 1, 0));
    EXPECT_FALSE(CResScale(0, 0, TRUE).GetBitmap(&screen, out, skin, 0, 0));
    // A source held by another device context cannot be read from.
    const HDC holder = ::CreateCompatibleDC(screen);
    const HGDIOBJ old = ::SelectObject(holder, skin.GetSafeHandle());
    EXPECT_FALSE(scale.GetBitmap(&screen, out, skin, 0, 0));
    ::SelectObject(holder, old);
    ::DeleteDC(holder);
    ASSERT_TRUE(scale.GetBitmap(&screen, out, skin, 0, 0));
    EXPECT_EQ(Sides(out.GetSize()), Sides(scale.GetSize(&screen))) << "no size asked: the design size at the screen's dpi";
}

SCROLLINFO Info(int nMin, int nMax, UINT nPage, int nPos)
{
    return SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, nMin, nMax, nPage, nPos, 0};
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
        EXPECT_EQ(layout.thumb.IsRectEmpty() ? CRect() : layout.thumb, row.thumb)
            << row.name << ": top " << layout.thumb.top << " bottom " << layout.thumb.bottom;
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

// A visible list box of 100 rows whose vertical bar carries the skin.
class SkinnedList : public testing::Test {
protected:
    static constexpr int kItems = 100;

    void SetUp() override
    {
        m_hList = ::CreateWindowExW(0, L"ListBox", L"", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_VSCROLL |
                                    LBS_NOINTEGRALHEIGHT, 60, 60, 200, 300, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < kItems; ++i)
            ::SendMessageW(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"row"));
        m_list.Attach(m_hList);

        CBitmap source;
        ASSERT_TRUE(source.LoadBitmap(IDB_ZEN_SCROLL_SKIN));
        CClientDC dc(&m_list);
        ASSERT_TRUE(CResScale(153, 51, TRUE).GetBitmap(&dc, m_skin, source, 0, 0));
        m_cell = CSize(m_skin.GetSize().cx / ZenScrollSkin::kColumns, m_skin.GetSize().cy / ZenScrollSkin::kRows);
        ASSERT_TRUE(SkinWndScroll(&m_list, m_skin));
        ::RedrawWindow(m_hList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    }

    void TearDown() override { ::DestroyWindow(m_list.Detach()); }

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

    HWND m_hList = nullptr;
    CListBox m_list;
    CBitmap m_skin;
    CSize m_cell;
};

TEST_F(SkinnedList, PaintsTheBarFromTheSkinAndFollowsTheSystemsThumb)
{
    const CZenScrollLayout before = Layout();
    ASSERT_FALSE(before.thumb.IsRectEmpty());
    const int middle = (before.track.left + before.track.right) / 2;
    const COLORREF track = SkinPixel(kTrack, kNormal, m_cell.cx / 2, 4);
    const COLORREF thumb = SkinPixel(kThumbTop, kNormal, m_cell.cx / 2, m_cell.cy / 2 + 1);
    EXPECT_EQ(WindowPixel(middle, before.thumb.bottom + 4), track);
    EXPECT_EQ(WindowPixel(middle, before.thumb.top + m_cell.cy / 2 + 1), thumb);
    EXPECT_EQ(WindowPixel(before.up.left + 1, before.up.top + 1), SkinPixel(kUpArrow, kNormal, 1, 1));
    EXPECT_EQ(WindowPixel(before.down.left + 1, before.down.bottom - 2), SkinPixel(kDownArrow, kNormal, 1, m_cell.cy - 2));

    ::SendMessageW(m_hList, LB_SETTOPINDEX, 50, 0);
    const CZenScrollLayout after = Layout();
    ASSERT_GT(after.thumb.top, before.thumb.bottom);
    EXPECT_EQ(WindowPixel(middle, before.thumb.top + m_cell.cy / 2 + 1), track) << "where the thumb was, the track shows";
    EXPECT_EQ(WindowPixel(middle, after.thumb.top + m_cell.cy / 2 + 1), thumb);
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
        const CPoint up = layout.up.CenterPoint(), down = layout.down.CenterPoint();
        const POINT at{up.x, row.part == ZenScrollPart::LineUp     ? up.y
                             : row.part == ZenScrollPart::LineDown ? down.y
                             : row.part == ZenScrollPart::PageUp   ? layout.thumb.top - 2
                                                                   : layout.thumb.bottom + 1};
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
    ::RedrawWindow(m_hList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    const CZenScrollLayout layout = Layout();
    const int middle = (layout.track.left + layout.track.right) / 2;
    EXPECT_EQ(WindowPixel(middle, (layout.track.top + layout.track.bottom) / 2), SkinPixel(kDisabled, 2, m_cell.cx / 2, 4));
    Press(POINT{middle, (layout.down.top + layout.down.bottom) / 2});
    EXPECT_EQ(TopIndex(), 0);
}

TEST_F(SkinnedList, SurvivesItsWindowDyingDuringAPress)
{
    m_list.Detach();
    ::PostMessageW(m_hList, WM_CLOSE, 0, 0);  // handled inside the press's own message loop
    Press(Layout().down.CenterPoint());
    EXPECT_FALSE(::IsWindow(m_hList));
    EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
