// Layout rules of the clock, the score panel, the statistics panel and the walk-on panel.
#include <gtest/gtest.h>

#include <algorithm>

#include "match/core/match_state.hpp"
#include "match/overlays/overlay_clock.hpp"
#include "match/overlays/overlay_presentation.hpp"
#include "match/overlays/overlay_score.hpp"
#include "match/overlays/overlay_stats.hpp"

namespace {
std::vector<int> sources(const std::vector<t_overlay_cell>& cells) {
    std::vector<int> out;
    for (const t_overlay_cell& c : cells) out.push_back(c.sx);
    return out;
}

std::vector<int> places(const std::vector<t_overlay_cell>& cells) {
    std::vector<int> out;
    for (const t_overlay_cell& c : cells) out.push_back(c.x);
    return out;
}
} // namespace

TEST(OverlayClock, DigitsAppearFromTenAndFromAHundred) {
    EXPECT_EQ(sources(clock_cells(7)), (std::vector{120, 84}));
    EXPECT_EQ(places(clock_cells(7)), (std::vector{46, 34}));
    EXPECT_EQ(sources(clock_cells(45)), (std::vector{120, 60, 48}));
    EXPECT_EQ(places(clock_cells(45)), (std::vector{46, 34, 22}));
    EXPECT_EQ(sources(clock_cells(120)), (std::vector{120, 0, 24, 12})) << "minute 120 shows three digits";
    EXPECT_EQ(places(clock_cells(120)), (std::vector{46, 34, 22, 10}));
    EXPECT_EQ(clock_cells(120)[0].w, 48) << "the label is four digits wide";
    EXPECT_EQ(sources(clock_cells(100)), (std::vector{120, 0, 0, 12})) << "a zero tens digit is still drawn past 99";
}

TEST(OverlayScore, TensDigitOnlyWhenItIsNotZero) {
    const int w = 800;
    const int g = 500;
    // 12 - 7: home tens at W/2 - 63, units at W/2 - 39, separator, away units straight after it.
    const auto cells = score_cells(12, 7, w, g);
    EXPECT_EQ(sources(cells), (std::vector{24, 48, 240, 168}));
    EXPECT_EQ(places(cells), (std::vector{337, 361, 391, 417}));
    EXPECT_TRUE(std::all_of(cells.begin(), cells.end(), [](const t_overlay_cell& c) { return c.y == 460; }));
    // 7 - 12: the away tens takes the first place and the units move right.
    EXPECT_EQ(sources(score_cells(7, 12, w, g)), (std::vector{168, 240, 24, 48}));
    EXPECT_EQ(places(score_cells(7, 12, w, g)), (std::vector{361, 391, 417, 441}));
    // Only the tens of the two last digits: 110 shows "10".
    EXPECT_EQ(sources(score_cells(110, 0, w, g)), (std::vector{24, 0, 240, 0}));
}

TEST(OverlayScore, PanelGrowsWithTheTallerFlagOrTheLongerScorersList) {
    EXPECT_EQ(text_lines(""), 0);
    EXPECT_EQ(text_lines("Pener 12"), 1);
    EXPECT_EQ(text_lines("Pener 12,40\r\nVarano 30(OG)\r\nCartfield 55"), 3);
    EXPECT_EQ(score_panel_top(600, 40, 36, 1), 544);
    EXPECT_EQ(score_panel_top(600, 40, 36, 4), 528) << "four lines of 14 outgrow the flags";
    EXPECT_EQ(score_panel_top(768, 0, 0, 0), 752) << "no flags, no scorers";
}

TEST(OverlayStats, PossessionIsTheHomeShareInWholePerCent) {
    EXPECT_EQ(possession_percent(3, 1), 75);
    EXPECT_EQ(possession_percent(1, 2), 33);
    EXPECT_EQ(possession_percent(1, 1), 50);
    match_stats = {};
    match_stats[0].poss = 1;
    match_stats[1].poss = 2;
    match_stats[0].corn = 4;
    match_stats[1].shot = 9;
    const auto rows = stats_rows();
    EXPECT_EQ(rows[2].left, "33");
    EXPECT_EQ(rows[2].right, "67") << "the away side gets the rest, not its own rounding";
    EXPECT_EQ(rows[2].label, "POSSESSION");
    EXPECT_EQ(rows[3].right, "9");
    EXPECT_EQ(rows[5].left, "4");
    EXPECT_EQ(rows[5].label, "CORNERS WON");
    EXPECT_EQ(rows[8].label, "SENDINGS OFF");
    EXPECT_EQ(rows[0].label, "") << "the team names' row has no label";
    match_stats = {};
}

TEST(OverlayStats, PanelWaitsUntilTheCameraHasComeToRest) {
    const t_camera saved = camera;
    camera.vx = 0.3;
    camera.vy = 0;
    EXPECT_FALSE(camera_at_rest());
    camera.vx = 0.0000015;
    camera.vy = 0.0000015;
    EXPECT_FALSE(camera_at_rest()) << "the speed counts, not each axis";
    camera.vx = 0.000001;
    camera.vy = -0.000001;
    EXPECT_TRUE(camera_at_rest());
    camera = saved;
}

TEST(OverlayPresentation, PanelKeepsItsMarginsOnEveryDisplaySize) {
    const t_presentation_frame small = presentation_frame(640, 400);
    EXPECT_EQ(small.x0, 15);
    EXPECT_EQ(small.y0, 22);
    EXPECT_EQ(small.x1, 627);
    EXPECT_EQ(small.w, 612);
    EXPECT_EQ(small.h, 366);
    const t_presentation_frame big = presentation_frame(1024, 768);
    EXPECT_EQ(big.x0, 91);
    EXPECT_EQ(big.y0, 95);
    EXPECT_EQ(big.x1 - big.x0, big.w) << "the frame spans the panel";
    EXPECT_EQ(big.h, 588);
}
