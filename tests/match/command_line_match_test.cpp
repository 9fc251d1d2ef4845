// A match set up from the command line: preset tactics by name.
#include <gtest/gtest.h>

#include "app/match_command_line.hpp"
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
