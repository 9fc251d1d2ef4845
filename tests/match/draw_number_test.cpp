#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

#include "match/draw/grass.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_mode.hpp"
#include "empty_pitch_frame.hpp"
#include "phase_test_support.hpp"

namespace {
using namespace phase_test;


class t_still_phase : public t_match_mode {
public:
    t_still_phase() {
        display_time = 0;
        display_wind_vane = 0;
    }
    void update() override {}
};

bool open_display() {
    if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "offscreen", 0);
    set_headless_graphics(false);
    return open_graphics(1024, 768, 0, 60);
}

// Digit d's 8 x 10 cell holds one lit pixel at its top-left corner whose red channel tells the digit.
uint32_t digit_colour(int d) { return 0xFF000000u | (static_cast<uint32_t>(40 + 20 * d) << 16) | 0xFFu; }

// Screen x of the drawn corner of each digit, by digit, left to right.
std::vector<std::pair<int, int>> drawn_digits(int& y_out) {
    const t_pixmap frame = grab_frame();
    std::vector<std::pair<int, int>> digits;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const uint32_t p = frame.read_pixel(x, y);
            if ((p & 255) < 200) continue;
            digits.push_back({x, (static_cast<int>((p >> 16) & 255) - 40 + 10) / 20});
            y_out = y;
        }
    return digits;
}

class DrawNumber : public ::testing::Test {
protected:
    void SetUp() override {
        set_up(0);
        if (!open_display()) GTEST_SKIP() << "no display";
        empty_pitch_frame();
        match_images.number = create_image(80, 10, 1, 0);
        for (int d = 0; d < 10; ++d) lock_image(match_images.number).write_pixel(8 * d, 0, digit_colour(d));
        match_teams[1]->controlled = nullptr;
    }
    void TearDown() override {
        match_images = t_match_images{};
        close_graphics();
    }
};
} // namespace

// The shirt number above the controlled player: base (trunc(x + 1), trunc(y - 40 - z)); one digit 3 left of the
// base (2 for a 1); two digits centred on their width (a tens 1 is 4 wide, others 6; the units 8, or 6 for a 1),
// the units 2 after the tens' width.
TEST_F(DrawNumber, DigitsSitWhereTheirWidthsPutThem) {
    struct t_case {
        int nr;
        float x, y, z;
        std::vector<std::pair<int, int>> digits; // (x relative to the base, digit)
    };
    const std::vector<t_case> cases = {
        {7, 10, 20, 0, {{-3, 7}}},
        {1, -40.6f, 33.9f, 0, {{-2, 1}}},
        {11, 0, 0, 0, {{-5, 1}, {1, 1}}},
        {10, 0, 0, 0, {{-6, 1}, {0, 0}}},
        {23, 5, -7, 12, {{-7, 2}, {1, 3}}},
        {41, 5, -7, 12, {{-6, 4}, {2, 1}}},
        {99, 0, 0, 30, {{-7, 9}, {1, 9}}},
        {123, 0, 0, 0, {{-7, 2}, {1, 3}}}, // only the last two digits are shown
    };
    t_player& p = squad_player(0, 5);
    match_teams[0]->controlled = ref(0, 5);
    for (const t_case& c : cases) {
        p.nr = c.nr;
        p.data[0].x = c.x;
        p.data[0].y = c.y;
        p.data[0].z = c.z;
        cls();
        t_still_phase phase;
        phase.render();
        int y = -1;
        const std::vector<std::pair<int, int>> drawn = drawn_digits(y);
        const int bx = static_cast<int>(c.x + 1), by = static_cast<int>(c.y - 40 - c.z);
        std::vector<std::pair<int, int>> expected;
        for (const auto& [dx, d] : c.digits) expected.push_back({CENTRE_X + bx + dx, d});
        EXPECT_EQ(drawn, expected) << "number " << c.nr;
        EXPECT_EQ(y, CENTRE_Y + by) << "number " << c.nr;
    }
}

// Only a controlled player shows his number, and only while the phase shows it.
TEST_F(DrawNumber, OnlyTheControlledPlayerShowsHisNumber) {
    squad_player(0, 5).nr = 8;
    squad_player(0, 5).data[0].x = 0;
    match_teams[0]->controlled = nullptr;
    int y = -1;
    t_still_phase phase;
    cls();
    phase.render();
    EXPECT_TRUE(drawn_digits(y).empty());
    match_teams[0]->controlled = ref(0, 5);
    phase.display_controlled_player = 0;
    cls();
    phase.render();
    EXPECT_TRUE(drawn_digits(y).empty());
    phase.display_controlled_player = 1;
    cls();
    phase.render();
    EXPECT_EQ(drawn_digits(y), (std::vector<std::pair<int, int>>{{CENTRE_X + 1 - 3, 8}}));
}
