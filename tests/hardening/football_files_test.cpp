// Bad team files, tactics files, team catalogues and fixture tables.
#include <gtest/gtest.h>

#include "football/calendar.hpp"
#include "football/catalogue.hpp"
#include "football/league.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "hardening_support.hpp"

using namespace hardening;

namespace {
std::unique_ptr<t_team> load(int number) {
    auto team = std::make_unique<t_team>();
    team->ext = "bad";
    team->number = number;
    load_team(*team);
    return team;
}

// The first team block of a shipped file.
std::string first_block(const std::string& file) {
    const std::vector<uint8_t> all = read_file_bytes(asset("data/" + file));
    const std::string text(all.begin(), all.end());
    const size_t start = text.find('#');
    const size_t next = text.find('#', start + 1);
    return text.substr(start, next == std::string::npos ? std::string::npos : next - start);
}

int first_number(const std::string& block) { return parse_leading_int(block.substr(10, 3)); }
} // namespace

TEST(HardeningTeamFile, EveryTruncationOfABlockLoadsWithinTheLimits) {
    scratch_dir dir;
    const std::string block = first_block("team_eng.qst");
    const int number = first_number(block);
    for (size_t cut = 0; cut <= block.size(); cut += 7) {
        write_file("data/team_bad.qst", block.substr(0, cut));
        const auto team = load(number);
        EXPECT_LE(team->size, MAX_SQUAD);
        EXPECT_EQ(team->size, static_cast<int>(team->players.size()));
        EXPECT_LE(team->kit_count, MAX_KITS);
    }
    write_file("data/team_bad.qst", block);
    EXPECT_GE(load(number)->size, MIN_SQUAD);
}

TEST(HardeningTeamFile, GarbageNulBytesAndOverlongSquadsAreContained) {
    scratch_dir dir;
    std::string block = first_block("team_eng.qst");
    const int number = first_number(block);
    const size_t players = block.find("PLAYERS___");
    const size_t first_player = block.find('\n', players) + 1;
    const std::string line = block.substr(first_player, block.find('\n', first_player) + 1 - first_player);
    std::string crowded = block.substr(0, first_player);
    for (int i = 0; i < 60; ++i) crowded += line;
    write_file("data/team_bad.qst", crowded);
    EXPECT_EQ(load(number)->size, MAX_SQUAD);

    std::string garbage = "#";
    for (int i = 0; i < 3000; ++i) garbage.push_back(static_cast<char>((i * 37 + 11) % 256));
    write_file("data/team_bad.qst", std::string("#\0\0\0", 4) + garbage + "#");
    for (const int n : {0, 1, 999}) EXPECT_LE(load(n)->size, MAX_SQUAD);

    write_file("data/team_bad.qst", std::string());
    EXPECT_EQ(load(number)->size, 0);
    std::filesystem::remove("data/team_bad.qst");
    EXPECT_EXIT(load(number), testing::ExitedWithCode(1), "Invalid team file: data/team_bad.qst");
}

TEST(HardeningTactics, ShortFileIsFatalAndWildBytesStayUsable) {
    scratch_dir dir;
    const std::vector<uint8_t> preset = read_file_bytes(asset("tactics/preset/T442.TAC"));
    ASSERT_EQ(preset.size(), static_cast<size_t>(TACTICS_FILE_SIZE));
    t_tactics tac;
    write_file("short.TAC", std::vector<uint8_t>(preset.begin(), preset.end() - 1));
    EXPECT_EXIT(tac.load_file("short.TAC"), testing::ExitedWithCode(1), "Error reading from stream");
    EXPECT_EXIT(tac.load_file("none.TAC"), testing::ExitedWithCode(1), "Cannot load from: none.TAC");

    std::vector<uint8_t> wild(TACTICS_FILE_SIZE, 0xEE); // no name end, pair ids 238, based_on 238
    write_file("wild.TAC", wild);
    tac.load_file("wild.TAC");
    EXPECT_EQ(tac.name, std::string(9, '\xEE'));
    t_team team;
    for (int i = 0; i < 20; ++i) team.new_player();
    for (int pos = 0; pos < 20; ++pos) EXPECT_NE(team.player_at_position(pos, &tac), nullptr);
    EXPECT_EQ(tac.get_paired(1), 2);
    EXPECT_FALSE(tac.to_string().empty());
}

TEST(HardeningCatalogue, OddBytesNoMarkAndTooManyEntriesAreContained) {
    std::string text = "\xFF\xFE";
    const auto add = [&](const std::string& line) {
        for (const char c : line + "\r\n") text += std::string{c, '\0'};
    };
    add(">UEFA");
    for (int i = 0; i < 300; ++i) add("e" + std::to_string(i % 10) + "x Entry");
    add("a"); // shorter than a code
    std::vector<uint8_t> raw = bytes(text);
    raw.push_back(0x41); // odd length
    read_team_catalogue(raw);
    EXPECT_EQ(team_files[1].ext, "e0x");
    EXPECT_EQ(team_names[1], "Entry");
    EXPECT_EQ(team_files[CATALOGUE_ENTRIES - 1].ext, "e4x"); // entry 255 is the 255th line
    read_team_catalogue(bytes(std::string("\x3E\x00\x0D", 3))); // no mark, a CR as the last unit
    read_team_catalogue({});
    EXPECT_EQ(team_files[1].ext, "");
    scratch_dir dir;
    EXPECT_EXIT(read_team_catalogue_file("data/tables/xx.qsc"), testing::ExitedWithCode(1),
                "Cannot load: data/tables/xx.qsc");
}

TEST(HardeningCalendar, ShortFilesAndTeamIndexesBeyondTheBlockAreFatal) {
    scratch_dir dir;
    EXPECT_EXIT(read_calendar_file(calendar_path), testing::ExitedWithCode(1),
                " file not found: data/calendars/calendars.bin");
    const std::vector<uint8_t> shipped = read_file_bytes(asset(calendar_path));
    ASSERT_EQ(shipped.size(), CALENDAR_BYTES);
    write_file(calendar_path, std::vector<uint8_t>(shipped.begin(), shipped.begin() + 1000));
    EXPECT_EXIT(read_calendar_file(calendar_path), testing::ExitedWithCode(1),
                "Invalid calendar file: data/calendars/calendars.bin \\(too short\\)");
    std::vector<uint8_t> wrong = shipped;
    wrong[calendar_block_offset(5) + 3] = 5; // team index 5 in the block for five teams
    write_file(calendar_path, wrong);
    EXPECT_EXIT(read_calendar_file(calendar_path), testing::ExitedWithCode(1),
                "Invalid calendar file: data/calendars/calendars.bin");
    write_file(calendar_path, shipped);
    read_calendar_file(calendar_path);
    std::vector<t_team_ref> teams;
    for (int i = 0; i < 5; ++i) teams.push_back(std::make_shared<t_team>());
    t_league league;
    league.initialize(teams);
    EXPECT_EQ(league.calendar_current.size(), 10u);
}
