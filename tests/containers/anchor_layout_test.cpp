// Where controls go when their container is resized: every combination of anchors
// and fixed sizes against worked figures, records that divide by 0, and a real
// dialog whose default-anchored controls stay put.
#include <gtest/gtest.h>

#include "skin/containers/cool_anchor_layout.h"
#include "skin/scheme/cool_scheme.h"

namespace {

// Captured in a 100 x 40 client area: left 10, right margin 30, width 60;
// top 5, bottom margin 15, height 20. Laid out again in 200 x 80.
constexpr SIZE kClient = {200, 80};

struct AxisRow {
    int flags;
    int nearEdge;
    int farEdge;
};

// Worked by hand with truncating division.
constexpr AxisRow kHorizontal[] = {
    {kAnchorLeft | kFixedWidth, 10, 70},
    {kAnchorLeft, 10, 136},                 // 10 + 190 * 60 / 90
    {kAnchorRight | kFixedWidth, 110, 170},
    {kAnchorRight, 25, 170},                // 170 - 170 * 60 / 70
    {kAnchorLeft | kAnchorRight, 10, 170},
    {kAnchorLeft | kAnchorRight | kFixedWidth, 10, 170},
    {kFixedWidth, 35, 95},                  // 10 * 140 / 40
    {0, 20, 140},                           // 200 * 10 / 100, 200 - 30 * 200 / 100
};
constexpr AxisRow kVertical[] = {
    {kAnchorTop | kFixedHeight, 5, 25},
    {kAnchorTop, 5, 47},                    // 5 + 75 * 20 / 35
    {kAnchorBottom | kFixedHeight, 45, 65},
    {kAnchorBottom, 13, 65},                // 65 - 65 * 20 / 25
    {kAnchorTop | kAnchorBottom, 5, 65},
    {kAnchorTop | kAnchorBottom | kFixedHeight, 5, 65},
    {kFixedHeight, 15, 35},                 // 5 * 60 / 20
    {0, 10, 50},                            // 80 * 5 / 40, 80 - 15 * 80 / 40
};

CoolLayout Record(int flags)
{
    return CoolLayout{flags, 10, 30, 5, 15, 60, 20};
}

} // namespace

TEST(AnchorLayout, EveryAnchorAndFixedSizeCombination)
{
    for (const AxisRow& h : kHorizontal) {
        for (const AxisRow& v : kVertical) {
            RECT placed = {};
            ASSERT_TRUE(AnchoredRect(Record(h.flags | v.flags), kClient, &placed)) << h.flags << "/" << v.flags;
            EXPECT_EQ(h.nearEdge, placed.left) << "flags " << (h.flags | v.flags);
            EXPECT_EQ(h.farEdge, placed.right) << "flags " << (h.flags | v.flags);
            EXPECT_EQ(v.nearEdge, placed.top) << "flags " << (h.flags | v.flags);
            EXPECT_EQ(v.farEdge, placed.bottom) << "flags " << (h.flags | v.flags);
        }
    }
}

TEST(AnchorLayout, DefaultRecordKeepsPlaceAndSizeAtAnyClientSize)
{
    CoolLayout layout = Record(0x33);
    for (SIZE client : {SIZE{100, 40}, SIZE{10, 10}, SIZE{5000, 3000}, SIZE{0, 0}}) {
        RECT placed = {};
        ASSERT_TRUE(AnchoredRect(layout, client, &placed));
        EXPECT_EQ(10, placed.left);
        EXPECT_EQ(5, placed.top);
        EXPECT_EQ(70, placed.right);
        EXPECT_EQ(25, placed.bottom);
    }
}

TEST(AnchorLayout, RecordsThatDivideByZeroOrAreNotCapturedLeaveTheControl)
{
    const struct {
        const char* name;
        CoolLayout layout;
    } rows[] = {
        {"left, stretching, no width and no right margin", {kAnchorLeft | kAnchorTop | kFixedHeight, 10, 0, 5, 15, 0, 20}},
        {"right, stretching, no left margin and no width", {kAnchorRight | kAnchorTop | kFixedHeight, 0, 30, 5, 15, 0, 20}},
        {"neither, fixed, no margins", {kFixedWidth | kAnchorTop | kFixedHeight, 0, 0, 5, 15, 60, 20}},
        {"neither, stretching, nothing at all", {kAnchorTop | kFixedHeight, 0, 0, 5, 15, 0, 20}},
        {"width and right margin cancel out", {kAnchorLeft | kAnchorTop, 10, -60, 5, 15, 60, 20}},
        {"top, stretching, no height and no bottom margin", {kAnchorLeft | kFixedWidth | kAnchorTop, 10, 30, 5, 0, 60, 0}},
        {"bottom, stretching, no top margin and no height", {kAnchorLeft | kFixedWidth | kAnchorBottom, 10, 30, 0, 15, 60, 0}},
        {"neither vertically, fixed, no margins", {kAnchorLeft | kFixedWidth | kFixedHeight, 10, 30, 0, 0, 60, 20}},
        {"neither vertically, stretching, nothing", {kAnchorLeft | kFixedWidth, 10, 30, 0, 0, 60, 0}},
        {"not captured yet", {static_cast<int32_t>(0x80000033u), 10, 30, 5, 15, 60, 20}},
    };
    for (const auto& row : rows) {
        RECT placed = {1, 2, 3, 4};
        EXPECT_FALSE(AnchoredRect(row.layout, kClient, &placed)) << row.name;
        EXPECT_EQ(1, placed.left) << row.name;
    }
    EXPECT_FALSE(AnchoredRect(Record(0x33), kClient, nullptr));
}

TEST(AnchorLayout, LargeFiguresDoNotOverflow)
{
    // 40000 * 60000 does not fit 32 bits; the arithmetic is wide enough.
    const CoolLayout layout = {kAnchorLeft | kAnchorTop | kFixedHeight, 40000, 0, 0, 0, 60000, 10};
    RECT placed = {};
    ASSERT_TRUE(AnchoredRect(layout, SIZE{100000, 10}, &placed));
    EXPECT_EQ(40000, placed.left);
    EXPECT_EQ(100000, placed.right); // 40000 + 60000 * 60000 / 60000
}
