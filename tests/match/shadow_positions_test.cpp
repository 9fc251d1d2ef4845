#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <tuple>

#include "match/draw/grass.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_mode.hpp"
#include "empty_pitch_frame.hpp"
#include "phase_test_support.hpp"

namespace {
using namespace phase_test;

// World (0, 0) is drawn at screen (512, 384).

class t_still_phase : public t_match_mode {
public:
    t_still_phase() {
        display_time = 0;
        display_wind_vane = 0;
    }
    void update() override {}
};

// A real display when there is one, else SDL's offscreen one, so the pictures are drawn in CI too.
bool open_display() {
    if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "offscreen", 0);
    set_headless_graphics(false);
    return open_graphics(1024, 768, 0, 60);
}

// Sheets with one lit pixel each, at the top-left corner of the only cell the test expects drawn; sheet s lit in
// colour s so that each shadow can be told apart.
constexpr uint32_t SHEET_COLOUR[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u};

t_image_ref marked_sheet(int cell, int column, int row, uint32_t colour) {
    t_image_ref sheet = create_image(8 * cell, 20 * cell, 1, 0);
    lock_image(sheet).write_pixel(column * cell, row * cell, colour);
    return sheet;
}

using t_spot = std::tuple<int, int, int>; // x, y, sheet

// Lit pixels of the frame with the sheet whose colour they carry (blended, so only the channels tell).
std::set<t_spot> lit_spots() {
    const t_pixmap frame = grab_frame();
    std::set<t_spot> spots;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const uint32_t p = frame.read_pixel(x, y);
            const bool r = ((p >> 16) & 255) > 30, g = ((p >> 8) & 255) > 30, b = (p & 255) > 30;
            if (!r && !g && !b) continue;
            const int sheet = r && g ? 3 : r ? 0 : g ? 1 : 2;
            spots.insert({x, y, sheet});
        }
    return spots;
}

// Where the rasteriser puts the corner texel of a quad drawn at a fractional position (pixel centres inside).
int pixel_of(double v) { return static_cast<int>(std::ceil(v - 0.5)); }

class ShadowPositions : public ::testing::Test {
protected:
    void SetUp() override {
        set_up(0);
        if (!open_display()) GTEST_SKIP() << "no display";
        empty_pitch_frame();
        for (auto& t : match_teams) t->controlled = nullptr;
    }
    void TearDown() override {
        match_images = t_match_images{};
        close_graphics();
    }

    std::set<t_spot> draw_player(int team_index, int s, int x, int y, int z, int fmx, int fmy, int time) {
        match_settings.time = time;
        for (const auto& squad : match_players)
            for (const auto& p : squad)
                if (p) p->data[0].x = 5000;
        t_data& d = squad_of(team_index)[static_cast<size_t>(s)]->data[0];
        d.x = static_cast<float>(x);
        d.y = static_cast<float>(y);
        d.z = static_cast<float>(z);
        d.fmx = fmx;
        d.fmy = fmy;
        auto& sheets = s == 1 ? match_images.keeper_shadows : match_images.player_shadows;
        for (size_t k = 0; k < sheets.size(); ++k) sheets[k] = marked_sheet(50, fmx, fmy, SHEET_COLOUR[k]);
        cls();
        t_still_phase phase;
        phase.render();
        return lit_spots();
    }
};
} // namespace

// By day one shadow to the lower right: the 50 x 50 cell at (x - 24 + 0.65 z, y - 34 + 0.46 z), from sheet 0 only.
TEST_F(ShadowPositions, DayShadowFallsToTheLowerRight) {
    for (const auto& [x, y, z, fmx, fmy] : {std::tuple{0, 0, 0, 0, 0}, std::tuple{-100, 40, 20, 3, 2},
                                            std::tuple{37, -151, 7, 7, 19}}) {
        const std::set<t_spot> spots = draw_player(0, 4, x, y, z, fmx, fmy, TIME_DAY);
        const std::set<t_spot> expected = {{CENTRE_X + pixel_of(x - 24 + 0.65 * z),
                                            CENTRE_Y + pixel_of(y - 34 + 0.46 * z), 0}};
        EXPECT_EQ(spots, expected) << "player at " << x << "," << y << "," << z;
    }
    // The goalkeeper's shadow comes from the keeper sheet, anchored the same way.
    const std::set<t_spot> keeper = draw_player(1, 1, 10, 300, 20, 5, 12, TIME_DAY);
    EXPECT_EQ(keeper, (std::set<t_spot>{{CENTRE_X + 10 - 24 + 13, CENTRE_Y + pixel_of(300 - 34 + 9.2), 0}}));
}

// At night four shadows, one down each diagonal: sheet 0 lower right, 1 lower left, 2 upper left, 3 upper right.
TEST_F(ShadowPositions, NightShadowsFallToAllFourDiagonals) {
    for (const auto& [x, y, z] : {std::tuple{0, 0, 0}, std::tuple{60, -20, 20}, std::tuple{-33, 90, 41}}) {
        const std::set<t_spot> spots = draw_player(0, 6, x, y, z, 1, 1, TIME_NIGHT);
        const double dx = 0.65 * z, dy = 0.46 * z;
        std::set<t_spot> expected;
        const std::tuple<double, double> offsets[4] = {{dx, dy}, {-dx, dy}, {-dx, -dy}, {dx, -dy}};
        for (int s = 0; s < 4; ++s)
            expected.insert({CENTRE_X + pixel_of(x - 24 + std::get<0>(offsets[s])),
                             CENTRE_Y + pixel_of(y - 34 + std::get<1>(offsets[s])), s});
        if (z == 0) {
            // All four on one spot: the colours add up there.
            ASSERT_EQ(spots.size(), 1u);
            EXPECT_EQ(std::get<0>(*spots.begin()), CENTRE_X + x - 24);
            EXPECT_EQ(std::get<1>(*spots.begin()), CENTRE_Y + y - 34);
            continue;
        }
        EXPECT_EQ(spots, expected) << "player at " << x << "," << y << "," << z;
    }
}

// The ball's shadow: the 8 x 8 cell of column 4 at (x - 1 + 0.65 z, y - 3 + 0.46 z); at night three more.
TEST_F(ShadowPositions, BallShadowsFollowTheHeight) {
    for (const auto& squad : match_players)
        for (const auto& p : squad)
            if (p) p->data[0].x = 5000;
    match_images.ball = create_image(40, 8, 1, 0);
    lock_image(match_images.ball).write_pixel(32, 0, 0xFFFFFFFFu);
    for (const int time : {TIME_DAY, TIME_NIGHT}) {
        match_settings.time = time;
        ball.data[0].x = 30;
        ball.data[0].y = -50;
        ball.data[0].z = 20;
        cls();
        t_still_phase phase;
        phase.render();
        std::set<std::pair<int, int>> at;
        for (const auto& [x, y, sheet] : lit_spots()) at.insert({x, y});
        std::set<std::pair<int, int>> expected = {{CENTRE_X + 30 - 1 + 13, CENTRE_Y + pixel_of(-50 - 3 + 9.2)}};
        if (time == TIME_NIGHT) {
            expected.insert({CENTRE_X + 30 - 5 - 13, CENTRE_Y + pixel_of(-50 - 3 + 9.2)});
            expected.insert({CENTRE_X + 30 - 5 - 13, CENTRE_Y + pixel_of(-50 - 7 - 9.2)});
            expected.insert({CENTRE_X + 30 - 1 + 13, CENTRE_Y + pixel_of(-50 - 7 - 9.2)});
        }
        EXPECT_EQ(at, expected) << (time == TIME_NIGHT ? "night" : "day");
    }
}

// The jumpers behind both goals stand there wherever the ball is, behind or in front of them.
TEST_F(ShadowPositions, JumpersOfBothGoalsStayWhereverTheBallIs) {
    constexpr int JUMPER_W = 10, JUMPER_H = 42;
    match_images.jumper = create_image(JUMPER_W, JUMPER_H, 1, 0);
    for (int y = 0; y < JUMPER_H; ++y)
        for (int x = 0; x < JUMPER_W; ++x) lock_image(match_images.jumper).write_pixel(x, y, 0xFFFFFFFFu);
    // Each pair's top edge (world y) brought to the centre of the screen in turn.
    for (const int pair_top : {-724, 644}) {
        replay_camera_y[0] = PITCH_ORIGIN_Y + pair_top - CENTRE_Y;
        for (const float ball_y : {0.0f, -690.0f, -750.0f, 650.0f, 690.0f, 750.0f}) {
            ball.data[0].y = ball_y;
            cls();
            t_still_phase phase;
            phase.render();
            std::set<std::pair<int, int>> at;
            for (const auto& [x, y, sheet] : lit_spots()) at.insert({x, y});
            for (const int jumper_x : {-92, 92})
                EXPECT_EQ(at.count({CENTRE_X + jumper_x + JUMPER_W / 2, CENTRE_Y + JUMPER_H / 2}), 1u)
                    << "jumper at " << jumper_x << "," << pair_top << " with the ball at y " << ball_y;
        }
    }
}
