// A match set up from the command line: preset tactics, the computer's level and auto switch by name.
#include <gtest/gtest.h>

#include "app/match_command_line.hpp"
#include "football/computer_level.hpp"
#include "football/tactics.hpp"

TEST(CommandLineMatch, PresetTacticsAreNamedAsTheirFilesWithoutTheT) {
    EXPECT_EQ(parse_tactics("442"), 0);
    EXPECT_EQ(parse_tactics("541"), 1);
    EXPECT_EQ(parse_tactics("libero"), 8);
    EXPECT_EQ(parse_tactics("Attack"), 10);
    EXPECT_EQ(parse_tactics("DEFEND"), 11);
    for (int slot = 0; slot < PRESET_COUNT; ++slot)
        EXPECT_EQ(parse_tactics(tactics_file_names[static_cast<size_t>(slot)].substr(1)), slot);
    EXPECT_EQ(parse_tactics("4-4-2"), -1);
    EXPECT_EQ(parse_tactics(""), -1);
    EXPECT_EQ(parse_tactics("T442"), -1) << "the T is the file's, not the name's";
}

TEST(CommandLineMatch, TheComputersLevelAndAutoSwitchAreNamedInAnyCase) {
    EXPECT_EQ(parse_computer_level("easy"), t_computer_level::easy);
    EXPECT_EQ(parse_computer_level("Normal"), t_computer_level::normal);
    EXPECT_EQ(parse_computer_level("HARD"), t_computer_level::hard);
    for (const t_computer_level l : {t_computer_level::easy, t_computer_level::normal, t_computer_level::hard}) {
        EXPECT_EQ(parse_computer_level(computer_level_key(l)), l) << "the options file's key reads back";
        EXPECT_EQ(parse_computer_level(computer_level_caption(l)), l) << "the caption is the key in capitals";
    }
    for (const char* bad : {"", "medium", "1", "hard "}) EXPECT_FALSE(parse_computer_level(bad)) << bad;

    EXPECT_EQ(parse_on_off("on"), true);
    EXPECT_EQ(parse_on_off("OFF"), false);
    for (const char* bad : {"", "yes", "no", "1", "offf"}) EXPECT_FALSE(parse_on_off(bad)) << bad;
}
