#include <gtest/gtest.h>

#include <sys/stat.h>

#include "editor_test_support.hpp"
#include "football/team_file.hpp"
#include "screens/editors/menu_edit_players.hpp"
#include "screens/editors/menu_edit_team.hpp"
#include "screens/editors/team_editing.hpp"

using namespace editor_test;

namespace {
t_player with_skills(std::initializer_list<int> skills) {
    t_player p;
    int* fields[7] = {&p.pa, &p.sh, &p.he, &p.ta, &p.bc, &p.sp, &p.fi};
    size_t i = 0;
    for (const int s : skills) *fields[i++] = s;
    p.pt = ROLE_MIDFIELD;
    return p;
}

std::shared_ptr<t_team> squad(int players, int tactics_slot = 0) {
    auto team = std::make_shared<t_team>();
    team->country = "ENG";
    team->tactics = tactics_slot;
    for (int i = 0; i < players; ++i) team->new_player()->nr = i + 1;
    for (int k = 0; k < 3; ++k) team->new_kit();
    return team;
}
} // namespace

TEST(SkillDiamonds, FireOneRaisesAndWrapsKeepingTheMark) {
    const t_player p = with_skills({7 + SKILL_STAR, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(toggle_diamond(p, 7 + SKILL_STAR, true), 0 + SKILL_STAR);
    EXPECT_EQ(toggle_diamond(p, 3, true), 4);
}

TEST(SkillDiamonds, AMarkIsOnlyTakenWhileThreeOthersStay) {
    const t_player three = with_skills({1 + SKILL_STAR, 2 + SKILL_STAR, 3 + SKILL_STAR, 4, 5, 6, 7});
    EXPECT_EQ(toggle_diamond(three, 1 + SKILL_STAR, false), 1 + SKILL_STAR);
    EXPECT_EQ(toggle_diamond(three, 4, false), 4 + SKILL_STAR);
    const t_player four = with_skills({1 + SKILL_STAR, 2 + SKILL_STAR, 3 + SKILL_STAR, 4 + SKILL_STAR, 5, 6, 7});
    EXPECT_EQ(toggle_diamond(four, 2 + SKILL_STAR, false), 2);
}

TEST(Nationality, StepsThroughTheFirst204CodesAndWraps) {
    std::vector<std::string> codes;
    for (int i = 0; i < 210; ++i) codes.push_back("C" + std::to_string(i));
    EXPECT_EQ(step_nationality(codes, "C0", -1), "C203");
    EXPECT_EQ(step_nationality(codes, "C203", 1), "C0");
    EXPECT_EQ(step_nationality(codes, "C5", 1), "C6");
    // Codes past the first 204 and unknown ones come back into the list.
    EXPECT_EQ(step_nationality(codes, "C207", 1), "C0");
    EXPECT_EQ(step_nationality(codes, "XXX", -1), "C203");
}

TEST(SquadRows, RowsFollowTheFormationAndDeletionKeepsSixteen) {
    editor_folder folder;
    auto team = squad(17, 1); // a formation that reorders the starters
    const int b = tactics[1].based_on;
    for (int r = 1; r <= 11; ++r)
        EXPECT_EQ(player_in_row(*team, r), team->players[static_cast<size_t>(tactics_player_order[static_cast<size_t>(b)][static_cast<size_t>(r - 1)])]);
    EXPECT_EQ(player_in_row(*team, 15), team->players[14]);
    EXPECT_EQ(player_in_row(*team, 18), nullptr);

    const auto fifth = player_in_row(*team, 5), twelfth = player_in_row(*team, 12);
    swap_rows(*team, 5, 12);
    EXPECT_EQ(player_in_row(*team, 5), twelfth);
    EXPECT_EQ(player_in_row(*team, 12), fifth);

    const auto last = player_in_row(*team, 17), removed = player_in_row(*team, 3);
    ASSERT_TRUE(delete_row_player(*team, 3));
    EXPECT_EQ(team->players.size(), 16u);
    EXPECT_EQ(player_in_row(*team, 3), last);
    for (const auto& p : team->players) EXPECT_NE(p, removed);
    EXPECT_FALSE(delete_row_player(*team, 3));
    EXPECT_EQ(team->players.size(), 16u);
}

// Sixteen rows fit under the board: a bigger squad is shown in two pages, and rows of both
// pages can be exchanged.
TEST(SquadRows, TheTeamEditorReachesEveryPlayerOfA32Squad) {
    editor_folder folder;
    ASSERT_EQ(open_team_for_editing("cus", 317), "");
    t_team& team = *match_teams[0];
    while (team.players.size() < 32) team.new_player()->nr = 60 + static_cast<int>(team.players.size());
    MenuEditTeam screen;
    const auto shown = [&screen] {
        std::vector<std::shared_ptr<t_player>> out;
        for (int k = 1; k <= MenuEditTeam::ROWS; ++k) out.push_back(screen.w_face[static_cast<size_t>(k)]->player);
        return out;
    };
    for (int k = 1; k < MenuEditTeam::ROWS; ++k)
        EXPECT_LE(screen.w_row[static_cast<size_t>(k)]->y + screen.w_row[static_cast<size_t>(k)]->h,
                  screen.w_row[static_cast<size_t>(k) + 1]->y) << "rows must not overlap";
    const std::vector<std::shared_ptr<t_player>> first = shown();
    ASSERT_EQ(screen.w_page[1]->visible, 1);
    screen.selected_widget = screen.w_page[1];
    screen_test::fire(screen);
    const std::vector<std::shared_ptr<t_player>> second = shown();
    for (int r = 1; r <= 32; ++r) {
        const auto& page = r <= 16 ? first : second;
        EXPECT_EQ(page[static_cast<size_t>((r - 1) % 16)], player_in_row(team, r)) << r;
    }

    // Row 20 on the second page with row 2 on the first.
    const auto row2 = player_in_row(team, 2), row20 = player_in_row(team, 20);
    screen.selected_widget = screen.w_row[4];
    screen_test::fire(screen);
    EXPECT_EQ(screen.selected_ply, 20);
    screen.bc_page(0);
    screen.selected_widget = screen.w_row[2];
    screen_test::fire(screen);
    EXPECT_EQ(player_in_row(team, 2), row20);
    EXPECT_EQ(player_in_row(team, 20), row2);
    EXPECT_EQ(screen.w_face[2]->player, row20);
    EXPECT_EQ(menu.modified, 1);

    // Sixteen players fit one page: no tabs, and no empty second page.
    while (team.players.size() > 16) team.players.pop_back();
    MenuEditTeam small;
    EXPECT_EQ(small.w_page[1]->visible, 0);
    small.bc_page(1);
    EXPECT_EQ(small.page, 0);
}

TEST(SquadRows, NewPlayerPastesTheClipboardWithAFreeNumber) {
    editor_folder folder;
    auto team = squad(31);
    t_player source = with_skills({1, 2, 3 + SKILL_STAR, 4, 5, 6, 7});
    source.name = "Renée";
    source.surname = "Østby";
    source.nat = "NOR";
    source.ht = 5;
    source.hc = 3;
    source.sk = 2;
    player_clipboard = std::make_shared<t_player>();
    copy_player_values(source, *player_clipboard);
    const auto p = add_edited_player(*team);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->surname, "Østby");
    EXPECT_EQ(p->nat, "NOR");
    EXPECT_EQ(p->he, 3 + SKILL_STAR);
    EXPECT_EQ(p->ht, 5);
    EXPECT_EQ(p->nr, 32); // 1..31 are taken
    EXPECT_EQ(p->price, 28);
    EXPECT_TRUE(p->face);
    EXPECT_FALSE(player_clipboard);
    // Without a clipboard the newcomer is of the team's country; a full squad takes nobody.
    team->players.pop_back();
    team->size = 31;
    const auto plain = add_edited_player(*team);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->nat, "ENG");
    EXPECT_EQ(add_edited_player(*team), nullptr);
}

TEST(Kits, FourthAndFifthKitsMixHomeAndAway) {
    auto team = squad(16);
    team->kits[0] = t_kit{3, 1, 2, 3, 4};
    team->kits[1] = t_kit{5, 6, 7, 8, 9};
    ASSERT_TRUE(add_edited_kit(*team));
    EXPECT_EQ(team->kit, 3);
    const t_kit k4 = team->kits[3];
    EXPECT_EQ((std::array<int, 5>{k4.style, k4.shirt1, k4.shirt2, k4.shorts, k4.socks}), (std::array<int, 5>{3, 1, 2, 8, 9}));
    ASSERT_TRUE(add_edited_kit(*team));
    const t_kit k5 = team->kits[4];
    EXPECT_EQ((std::array<int, 5>{k5.style, k5.shirt1, k5.shirt2, k5.shorts, k5.socks}), (std::array<int, 5>{5, 6, 7, 3, 4}));
    EXPECT_FALSE(add_edited_kit(*team));
    EXPECT_EQ(team->kits.size(), 5u);

    ASSERT_TRUE(delete_edited_kit(*team));
    EXPECT_EQ(team->kit, 3); // was the fifth, now the last
    team->kit = 1;
    ASSERT_TRUE(delete_edited_kit(*team));
    EXPECT_EQ(team->kit, 1);
    EXPECT_FALSE(delete_edited_kit(*team));
    EXPECT_EQ(team->kits.size(), 3u);
}

TEST(TeamFileEditing, EditsAreSavedThroughTheBackupAndOtherTeamsStayByteForByte) {
    editor_folder folder;
    const std::string before = file_bytes("data/team_cus.qst");
    ASSERT_EQ(open_team_for_editing("CUS", 305), "");
    // The backup is the file as it was.
    EXPECT_EQ(file_bytes("data/team_cus.qs0"), before);
    t_team& team = *match_teams[0];
    ASSERT_GE(team.players.size(), 16u);
    EXPECT_EQ(menu.modified, 0);

    team.name = "Çà Va FC";
    team.city = "Zürich";
    team.coach_name = "José Ñúñez";
    const auto p = player_in_row(team, 2);
    p->name = "Émile";
    p->surname = "Dœuf";
    p->change_number(1);
    p->pt = ROLE_ATTACK;
    p->pa = 5 + SKILL_STAR;
    p->ht = 40;
    p->hc = 8;
    p->sk = 6;
    p->update_price();
    const int price = p->price;
    team.kits[0].shirt1 = 22;
    ASSERT_TRUE(add_edited_kit(team));
    ASSERT_EQ(save_edited_team(team), "");

    const std::string after = file_bytes("data/team_cus.qst");
    EXPECT_NE(after, before);
    EXPECT_EQ(without_block(after, 305), without_block(before, 305));

    t_team again;
    again.ext = "cus";
    again.number = 305;
    load_team(again);
    EXPECT_EQ(again.name, "Çà Va FC");
    EXPECT_EQ(again.city, "Zürich");
    EXPECT_EQ(again.coach_name, "José Ñúñez");
    ASSERT_EQ(again.players.size(), team.players.size());
    const size_t at = static_cast<size_t>(display_position(team, 2));
    const t_player& q = *again.players[at];
    EXPECT_EQ(q.name, "Émile");
    EXPECT_EQ(q.surname, "D?uf"); // a letter outside Latin-1 cannot be kept
    EXPECT_EQ(q.nr, p->nr);
    EXPECT_EQ(q.pt, ROLE_ATTACK);
    EXPECT_EQ(q.pa, 5 + SKILL_STAR);
    EXPECT_EQ(q.ht, 40);
    EXPECT_EQ(q.hc, 8);
    EXPECT_EQ(q.sk, 6);
    EXPECT_EQ(q.price, price);
    ASSERT_EQ(again.kits.size(), 4u);
    EXPECT_EQ(again.kits[0].shirt1, 22);
}

TEST(TeamFileEditing, AReadOnlyTeamFileIsReportedAndLeftAsItWas) {
    editor_folder folder;
    ASSERT_EQ(open_team_for_editing("cus", 301), "");
    const std::string before = file_bytes("data/team_cus.qst");
    const std::string backup = file_bytes("data/team_cus.qs0");
    ASSERT_EQ(::chmod("data/team_cus.qst", 0444), 0);
    match_teams[0]->name = "Changed";
    const std::string failed = save_edited_team(*match_teams[0]);
    ::chmod("data/team_cus.qst", 0644);
    EXPECT_NE(failed, "");
    EXPECT_EQ(file_bytes("data/team_cus.qst"), before);
    EXPECT_EQ(file_bytes("data/team_cus.qs0"), backup);
}

TEST(TeamFileEditing, SavingWithoutItsBackupIsRefused) {
    editor_folder folder;
    ASSERT_EQ(open_team_for_editing("cus", 301), "");
    const std::string before = file_bytes("data/team_cus.qst");
    fs::remove("data/team_cus.qs0");
    EXPECT_NE(save_edited_team(*match_teams[0]), "");
    EXPECT_EQ(file_bytes("data/team_cus.qst"), before);
}

TEST(AtomicWrite, ReplacesTheFileOrLeavesItWhole) {
    editor_folder folder;
    std::ofstream("data/x.txt") << "old";
    EXPECT_EQ(write_file_atomically("data/x.txt", {'n', 'e', 'w'}), "");
    EXPECT_EQ(file_bytes("data/x.txt"), "new");
    EXPECT_FALSE(fs::exists("data/x.txt.new"));
    EXPECT_NE(write_file_atomically("no_such_folder/x.txt", {'a'}), "");
}

// A disk that fills up during the save: the player is told why, both files stay,
// and the edits are still there for a save once there is room again.
TEST(TeamFileEditing, AFullDiskIsReportedAndTheEditsWaitForTheNextSave) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    editor_folder folder;
    ASSERT_EQ(open_team_for_editing("cus", 301), "");
    const std::string before = file_bytes("data/team_cus.qst");
    const std::string backup = file_bytes("data/team_cus.qs0");
    fs::create_symlink("/dev/full", temporary_path("data/team_cus.qst"));
    {
        MenuEditPlayers players;
        players.edited_team->name = "Renamed";
        players.menu_modified();
        players.bc_save();
        EXPECT_EQ(players.w_message->visible, 1);
        EXPECT_NE(players.w_message->text.find("No space left on device"), std::string::npos);
        EXPECT_EQ(menu.modified, 1);
        EXPECT_TRUE(screen_test::drain_actions().empty());
    }
    EXPECT_EQ(file_bytes("data/team_cus.qst"), before);
    EXPECT_EQ(file_bytes("data/team_cus.qs0"), backup);
    EXPECT_EQ(match_teams[0]->name, "Renamed");

    fs::remove(temporary_path("data/team_cus.qst"));
    {
        MenuEditTeam team;
        team.bc_save();
        EXPECT_EQ(team.w_message->visible, 0);
        EXPECT_EQ(menu.modified, 0);
        EXPECT_EQ(screen_test::drain_actions(), screen_test::new_screen(13));
    }
    auto reloaded = std::make_shared<t_team>();
    reloaded->ext = "cus";
    reloaded->number = 301;
    load_team(*reloaded);
    EXPECT_EQ(reloaded->name, "Renamed");
    EXPECT_EQ(without_block(file_bytes("data/team_cus.qst"), 301), without_block(before, 301));
}
