// The panel frame is a closed one-pixel curve: no gaps, no doubled pixels, all four corners alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "match/overlays/box_frame.hpp"

namespace {
using t_pixels = std::map<std::pair<int, int>, int>; // pixel -> times drawn

t_pixels rasterise(const std::vector<t_frame_stroke>& strokes) {
    t_pixels out;
    for (const t_frame_stroke& s : strokes) {
        EXPECT_TRUE(s.x1 == s.x2 || s.y1 == s.y2) << "only straight strokes and points";
        for (int x = std::min(s.x1, s.x2); x <= std::max(s.x1, s.x2); ++x)
            for (int y = std::min(s.y1, s.y2); y <= std::max(s.y1, s.y2); ++y) ++out[{x, y}];
    }
    return out;
}

int neighbours(const t_pixels& px, int x, int y) {
    int n = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx != 0 || dy != 0) && px.contains({x + dx, y + dy})) ++n;
    return n;
}
} // namespace

TEST(BenchBoxFrame, RoundedFrameIsOneClosedThinCurveInsideItsBox) {
    const int x = 40, y = 30, w = 250, h = 18;
    const t_pixels px = rasterise(box_frame_strokes(x, y, w, h));
    for (const auto& [p, times] : px) {
        EXPECT_EQ(times, 1) << "pixel drawn twice at " << p.first << "," << p.second;
        EXPECT_TRUE(p.first >= x && p.first < x + w && p.second >= y && p.second < y + h);
        EXPECT_EQ(neighbours(px, p.first, p.second), 2) << "curve broken or thick at " << p.first << "," << p.second;
    }
    // Corners cut by 5 on the outer row and column, rounding in over 2-5 pixels.
    EXPECT_FALSE(px.contains({x, y}));
    EXPECT_FALSE(px.contains({x + 4, y}));
    EXPECT_TRUE(px.contains({x + 5, y}));
    EXPECT_TRUE(px.contains({x, y + 5}));
    EXPECT_TRUE(px.contains({x + 2, y + 2}));
    EXPECT_FALSE(px.contains({x + 1, y + 1}));
    // Mirror images on both axes: every corner is the same curve.
    for (const auto& [p, times] : px) {
        EXPECT_TRUE(px.contains({2 * x + w - 1 - p.first, p.second}));
        EXPECT_TRUE(px.contains({p.first, 2 * y + h - 1 - p.second}));
    }
    // Straight sides cut by 5 at both ends, and five pixels of curve in each corner.
    EXPECT_EQ(static_cast<int>(px.size()), 2 * (w - 10) + 2 * (h - 10) + 4 * 5);
}

TEST(BenchBoxFrame, BoxesTooSmallToRoundAreSquareAndEmptyBoxesDrawNothing) {
    const t_pixels px = rasterise(box_frame_strokes(0, 0, 6, 4));
    EXPECT_EQ(static_cast<int>(px.size()), 2 * 6 + 2 * 2);
    for (const auto& [p, times] : px) EXPECT_EQ(times, 1);
    EXPECT_TRUE(px.contains({0, 0}));
    EXPECT_TRUE(px.contains({5, 3}));
    EXPECT_EQ(rasterise(box_frame_strokes(3, 3, 1, 1)).size(), 1u);
    EXPECT_EQ(rasterise(box_frame_strokes(0, 0, 5, 1)).size(), 5u);
    EXPECT_TRUE(box_frame_strokes(0, 0, 0, 10).empty());
}
