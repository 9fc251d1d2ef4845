// The editors' saves with the shipped data only read: the game folder's data and tactics are
// links to the shipped files, and the player's folder takes every write.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor_test_support.hpp"
#include "football/tactics.hpp"
#include "football/team_file.hpp"
#include "platform/file_places.hpp"
#include "screens/editors/team_editing.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"

using namespace editor_test;

namespace {
// A player's folder, not made yet, given to the game for the test's length.
class players_folder {
public:
    players_folder() {
        char pattern[] = "/tmp/quilbo_player_XXXXXX";
        root_ = mkdtemp(pattern);
        set_player_folder((root_ / "quilbo-rovudo").string());
    }
    ~players_folder() {
        set_player_folder("");
        fs::remove_all(root_);
    }
    players_folder(const players_folder&) = delete;
    players_folder& operator=(const players_folder&) = delete;

    fs::path path() const { return root_ / "quilbo-rovudo"; }

private:
    fs::path root_;
};

const fs::path SHIPPED = QUILBO_SOURCE_ASSETS;
} // namespace

TEST(PlayersFolderSaves, TheFirstEditOfAShippedTeamCopiesItAndLeavesTheShippedFileAlone) {
    screen_test::game_folder folder;
    players_folder player;
    const std::string shipped = file_bytes(SHIPPED / "data/team_cus.qst");

    ASSERT_EQ(open_team_for_editing("CUS", 305), "");
    EXPECT_EQ(file_bytes(player.path() / "data/team_cus.qs0"), shipped) << "the copy is the shipped file";
    t_team& team = *match_teams[0];
    team.name = "Player's Own FC";
    ASSERT_EQ(save_edited_team(team), "");

    const std::string edited = file_bytes(player.path() / "data/team_cus.qst");
    EXPECT_NE(edited.find("Player's Own FC"), std::string::npos);
    EXPECT_EQ(without_block(edited, 305), without_block(shipped, 305));
    EXPECT_EQ(file_bytes(SHIPPED / "data/team_cus.qst"), shipped);
    EXPECT_TRUE(fs::is_symlink(folder.path() / "data/team_cus.qst")) << "the game folder's link was replaced";
    EXPECT_FALSE(fs::exists(folder.path() / "data/team_cus.qs0"));

    // The next load finds the player's team, the next edit starts from it.
    t_team again;
    again.ext = "cus";
    again.number = 305;
    load_team(again);
    EXPECT_EQ(again.name, "Player's Own FC");
    ASSERT_EQ(open_team_for_editing("cus", 305), "");
    EXPECT_EQ(file_bytes(player.path() / "data/team_cus.qs0"), edited);
}

TEST(PlayersFolderSaves, UserTacticsAreKeptByThePlayerAndListedWithTheShippedOnes) {
    screen_test::game_folder folder;
    players_folder player;
    const auto shipped_names = tactics_file_names_in("tactics");
    t_tactics mine = tactics[0];
    mine.name = "MINE";
    ASSERT_EQ(save_tactics_safely(mine, "tactics/MINE.TAC"), "");
    EXPECT_EQ(fs::file_size(player.path() / "tactics/MINE.TAC"), 370u);
    EXPECT_FALSE(fs::exists(SHIPPED / "tactics/MINE.TAC"));

    const auto names = tactics_file_names_in("tactics");
    EXPECT_EQ(names.size(), shipped_names.size() + 1);
    EXPECT_NE(std::find(names.begin(), names.end(), "MINE"), names.end());
    t_tactics back;
    ASSERT_TRUE(load_tactics_checked(back, "tactics/MINE.TAC"));
    EXPECT_EQ(back.name, "MINE");
}
