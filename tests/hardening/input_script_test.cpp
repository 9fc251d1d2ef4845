// Bad input scripts.
#include <gtest/gtest.h>

#include <climits>

#include "hardening_support.hpp"
#include "platform/input.hpp"

using namespace hardening;

TEST(HardeningInputScript, MalformedLinesAreFatalAndWildNumbersSaturate) {
    scratch_dir dir;
    EXPECT_EXIT(load_input_script("none.txt"), testing::ExitedWithCode(1), "Cannot read input script: none.txt");
    for (const char* line : {"x down A", "10 fly", "10 mouse 1", "10 down NOKEY", "12abc char x"}) {
        write_file("bad.txt", std::string(line) + "\n");
        EXPECT_EXIT(load_input_script("bad.txt"), testing::ExitedWithCode(1), "input script");
    }
    write_file("wild.txt", std::string("1 mouse 99999999999999999999 -99999999999999999999\n"
                                       "1 joyaxis 0 1e300 nan\n1 joydown 99999999999 3\n1 down F99999999999\n") +
                               std::string("1 char \0\xFF\xFE", 10) + "\n");
    EXPECT_EXIT(load_input_script("wild.txt"), testing::ExitedWithCode(1), "Bad key in input script");
    write_file("wild.txt", "1 mouse 99999999999999999999 -99999999999999999999\n1 joyaxis 0 1e300 nan\n"
                           "1 joydown 99999999999 3\n1 mousedown 4000000000\n");
    load_input_script("wild.txt");
    apply_script_events(INT_MAX);
    EXPECT_EQ(mouse_x(), INT_MAX);
    EXPECT_EQ(mouse_y(), INT_MIN);
    EXPECT_EQ(joy_x(0), 1.0f);
    EXPECT_EQ(joy_y(0), 0.0f);
    write_file("empty.txt", "");
    load_input_script("empty.txt");
    input_mouse_move(0, 0);
}
