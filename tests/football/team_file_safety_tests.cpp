#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings.hpp"
#include "football/safe_save.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "football_test_support.hpp"

// Saves that fail must leave the previous file as it was; damaged team files
// must read without running past their lines.

using namespace football_test;

namespace {

const std::string kept = crlf({"TEAM FILE", "", "#---------001---", "Country  :ENG", "Name     :Kept"});

std::shared_ptr<t_team> team_numbered(int number) {
    auto team = std::make_shared<t_team>();
    team->ext = "tst";
    team->number = number;
    return team;
}

// A backup to save from and the current file that must survive failures.
void write_team_files() {
    write_bytes(team_backup_path("tst"), kept);
    write_bytes(team_file_path("tst"), kept);
}

} // namespace

TEST(SafeSave, ReplacesTheFileAndLeavesNoTemporary) {
    scratch_dir scratch;
    write_bytes("data/f.bin", "old contents");
    EXPECT_TRUE(save_replacing("data/f.bin", [](t_stream& out) { out.write_line("new"); }));
    const auto replaced = file_bytes("data/f.bin");
    EXPECT_EQ(std::string(replaced.begin(), replaced.end()), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(temporary_path("data/f.bin")));
    // The team writer goes the same way.
    write_team_files();
    auto team = team_numbered(1);
    load_team(*team);
    save_team(*team);
    EXPECT_FALSE(std::filesystem::exists(temporary_path(team_file_path("tst"))));
}

TEST(SafeSave, UncreatableTemporaryKeepsEveryOldFile) {
    scratch_dir scratch;
    write_team_files();
    std::filesystem::create_directory(temporary_path(team_file_path("tst")));
    EXPECT_FALSE(save_replacing(team_file_path("tst"), [](t_stream& out) { out.write_line("lost"); }));
    EXPECT_EXIT(save_team(*team_numbered(1)), testing::ExitedWithCode(1), "cannot save file team_tst.qst");
    EXPECT_EQ(file_bytes(team_file_path("tst")), std::vector<uint8_t>(kept.begin(), kept.end()));

    // Settings: the old file stays when the new one cannot be written.
    write_bytes("settings.ini", "previous settings");
    std::filesystem::create_directory(temporary_path("settings.ini"));
    t_settings().write(1, "settings.ini");
    const auto stored = file_bytes("settings.ini");
    EXPECT_EQ(std::string(stored.begin(), stored.end()), "previous settings");
    std::filesystem::remove(temporary_path("settings.ini"));
    t_settings().write(1, "settings.ini");
    EXPECT_EQ(file_bytes("settings.ini").size(), 28u * 4u);
}

TEST(SafeSave, FullDiskMidSaveKeepsThePreviousFile) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    scratch_dir scratch;
    write_team_files();
    auto team = team_numbered(1);
    load_team(*team);
    std::filesystem::create_symlink("/dev/full", temporary_path(team_file_path("tst")));
    EXPECT_EXIT(save_team(*team), testing::ExitedWithCode(1), "cannot save file team_tst.qst");
    EXPECT_EQ(file_bytes(team_file_path("tst")), std::vector<uint8_t>(kept.begin(), kept.end()));
    // The editors' save tells why instead of stopping, and takes nothing with it.
    std::filesystem::remove(temporary_path(team_file_path("tst")));
    std::filesystem::create_symlink("/dev/full", temporary_path(team_file_path("tst")));
    EXPECT_EQ(try_save_team(*team), team_file_path("tst") + ": No space left on device");
    EXPECT_EQ(file_bytes(team_file_path("tst")), std::vector<uint8_t>(kept.begin(), kept.end()));
    EXPECT_EQ(file_bytes(team_backup_path("tst")), std::vector<uint8_t>(kept.begin(), kept.end()));

    write_bytes("MINE.TAC", "old tactic");
    std::filesystem::create_symlink("/dev/full", temporary_path("MINE.TAC"));
    EXPECT_EXIT(t_tactics().save_file("MINE.TAC"), testing::ExitedWithCode(1), "Cannot save to: MINE.TAC");
    const auto tactic = file_bytes("MINE.TAC");
    EXPECT_EQ(std::string(tactic.begin(), tactic.end()), "old tactic");

    write_bytes("settings.ini", "previous settings");
    std::filesystem::create_symlink("/dev/full", temporary_path("settings.ini"));
    t_settings().write(1, "settings.ini"); // reported, not fatal
    const auto stored = file_bytes("settings.ini");
    EXPECT_EQ(std::string(stored.begin(), stored.end()), "previous settings");
}

TEST(SafeSave, WritersNeverMeetTheDiskHalfWay) {
    scratch_dir scratch;
    // Everything a writer produces, seeks included, is collected before the disk is touched.
    const auto bytes = written_bytes([](t_stream& out) {
        out.write_line("ab");
        out.write_int(0x01020304);
        out.seek(1);
        out.write_byte('X');
    });
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'a', 'X', '\r', '\n', 4, 3, 2, 1}));

    write_bytes("data/f.bin", "old");
    std::filesystem::permissions("data/f.bin", std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const std::string refused = save_replacing_reporting("data/f.bin", [](t_stream& out) { out.write_line("new"); });
    std::filesystem::permissions("data/f.bin", std::filesystem::perms::owner_all);
    EXPECT_EQ(refused, "data/f.bin: Permission denied");
    EXPECT_EQ(file_bytes("data/f.bin"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_FALSE(std::filesystem::exists(temporary_path("data/f.bin")));

    EXPECT_EQ(save_replacing_reporting("no_folder/f.bin", [](t_stream& out) { out.write_line("x"); }),
              "no_folder/f.bin: No such file or directory");
    // A save that fails at the disk leaves no temporary file behind either.
    EXPECT_FALSE(std::filesystem::exists(temporary_path("no_folder/f.bin")));
}

TEST(TeamFileReading, ShortLinesMissingFieldsAndNonDigitsReadSafely) {
    scratch_dir scratch;
    const std::string header = "PLAYERS___Number__Name";
    write_bytes(team_file_path("tst"),
                crlf({"#---------004", "Country  :E", "Name     :", "Tactics  :x9", "Division", "CoachName:", "CoachType:0",
                      "City", "", "StadiumID:0", "", "KITS", "Home      2", "Away      99     77     -4     1      1",
                      "Third     a      b", "Change1", "Change2   ", "Goalie1", "Goalie2", "", header,
                      "01:       1",                                   // number only
                      "02:       5       Al",                          // name cut short
                      "03:       xx      Bo            Ba            ENG   9     999   99    99    77    9*  8   3-  x*  ",
                      "04:       7       Cy            Do            BRA   6     501   2     1     20    4*  3"})
                    + "05:       8       Ed"); // the last line has no line end and the block no empty line
    auto team = team_numbered(4);
    load_team(*team);
    EXPECT_EQ(team->country, "E");
    EXPECT_EQ(team->name, "");
    EXPECT_EQ(team->tactics, 0);
    EXPECT_EQ(team->division, 0);
    ASSERT_EQ(team->kit_count, 3);
    EXPECT_EQ(team->kits[0].style, 2);
    EXPECT_EQ(team->kits[0].socks, 0);
    // Out-of-range values are held to the ranges the game's tables have.
    EXPECT_EQ(team->kits[1].style, 20);
    EXPECT_EQ(team->kits[1].shirt1, 22);
    EXPECT_EQ(team->kits[1].shirt2, 0);
    EXPECT_EQ(team->kits[2].style, 0);
    ASSERT_EQ(team->size, 5);
    EXPECT_EQ(team->players[0]->nr, 1);
    EXPECT_EQ(team->players[0]->name, "");
    EXPECT_EQ(team->players[0]->nat, "");
    EXPECT_EQ(team->players[1]->name, "Al");
    const auto& odd = *team->players[2];
    EXPECT_EQ(odd.nr, 0);
    EXPECT_EQ(odd.pt, ROLE_COUNT - 1);
    EXPECT_EQ(odd.ht, 0); // unknown hair code
    EXPECT_EQ(odd.price, 49);
    EXPECT_EQ(odd.pa, 7 + SKILL_STAR); // a "9" is no star
    EXPECT_EQ(odd.sh, 7);
    EXPECT_EQ(odd.he, 3);
    EXPECT_EQ(odd.ta, SKILL_STAR);
    EXPECT_EQ(odd.fi, 0);
    EXPECT_EQ(team->players[3]->pa, 4 + SKILL_STAR);
    EXPECT_EQ(team->players[3]->sh, 3);
    EXPECT_EQ(team->players[3]->fi, 0);
    EXPECT_EQ(team->players[4]->name, "Ed");

    // A file that ends right after a team's "#" line gives an empty team.
    write_bytes(team_file_path("tst"), "#---------005");
    auto cut = team_numbered(5);
    load_team(*cut);
    EXPECT_EQ(cut->size, 0);
    EXPECT_EQ(cut->kit_count, 0);
}
