#include <gtest/gtest.h>

#include "../editors/editor_test_support.hpp"
#include "football/team_file.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_setup.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_targets.hpp"
#include "screens/tactics_editor/file_name_input.hpp"
#include "screens/tactics_editor/menu_edit_tactics.hpp"
#include "screens/tactics_editor/menu_save_tactics.hpp"
#include "screens/tactics_editor/menu_select_tactics_to_edit.hpp"
#include "screens/tactics_editor/menu_tactics_import.hpp"
#include "screens/tactics_editor/menu_tactics_load.hpp"
#include "screens/tactics_editor/menu_tactics_warnings.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"

using namespace editor_test;
using screen_test::drain_actions;
using screen_test::new_screen;

namespace {
// Players 1-2, 3-4 paired; the rest alone; every target distinct.
t_tactics sample() {
    t_tactics t;
    for (int p = 1; p < TACTICS_PLAYERS; ++p)
        for (int z = 0; z < BALL_ZONES; ++z) t.target[static_cast<size_t>(p)][static_cast<size_t>(z)] = {68 * (p % 7) - 408, 80 * (z % 15) - 600};
    t.pairs[1] = t.pairs[2] = 0;
    t.pairs[3] = t.pairs[4] = 1;
    return t;
}

t_vec2d at(const t_tactics& t, int p, int zx, int zy) {
    return t.target[static_cast<size_t>(p)][static_cast<size_t>(target_zone({zx, zy}))];
}

void open_editor_for(int slot) {
    auto team = std::make_shared<t_team>();
    team->ext = "cus";
    team->number = 313;
    load_team(*team);
    menu.team_to_show = team;
    t_menu_select_tactics_to_edit select;
    select.bc_edit_tactics(slot);
    EXPECT_EQ(drain_actions(), new_screen(70));
}
} // namespace

TEST(TacticsBoard, CellsZonesAndPlacesMapBothWays) {
    EXPECT_EQ(target_zone({0, 0}), 17);
    EXPECT_EQ(side_mirror_zone({2, -3}), target_zone({-2, -3}));
    for (int cx = 0; cx <= 4; ++cx)
        for (int cy = 0; cy <= 6; ++cy) EXPECT_EQ(ball_cell_of_zone(zone_of_ball_cell({cx, cy})), (t_vec2d{cx, cy}));
    for (int sx = 0; sx <= 14; ++sx)
        for (int sy = 0; sy <= 15; ++sy) {
            const t_vec2d place = place_of_cell({sx, sy});
            EXPECT_EQ(cell_of_place(place), (t_vec2d{sx, sy}));
            EXPECT_EQ(tactics_target_from_byte(tactics_target_byte(place)), place);
        }
}

TEST(TacticsFlip, AMoveBesideTheMiddleRewritesTheMirrorZoneWithPartners) {
    t_tactics t = sample();
    const t_tactics before = t;
    move_player(t, 1, {1, 2}, {204, 120}, true);
    EXPECT_EQ(at(t, 1, 1, 2), (t_vec2d{204, 120}));
    // Player 2 (paired with 1) takes 1's place mirrored; unpaired players mirror themselves.
    EXPECT_EQ(at(t, 2, -1, 2), (t_vec2d{-204, 120}));
    EXPECT_EQ(at(t, 1, -1, 2), (t_vec2d{-at(t, 2, 1, 2).x, at(t, 2, 1, 2).y}));
    EXPECT_EQ(at(t, 7, -1, 2), (t_vec2d{-at(t, 7, 1, 2).x, at(t, 7, 1, 2).y}));

    t_tactics middle = before;
    move_player(middle, 3, {0, -1}, {0, 0}, true);
    for (int p = 1; p < TACTICS_PLAYERS; ++p)
        for (int z = 0; z < BALL_ZONES; ++z)
            if (!(p == 3 && z == target_zone({0, -1}))) {
                EXPECT_EQ(middle.target[static_cast<size_t>(p)][static_cast<size_t>(z)], before.target[static_cast<size_t>(p)][static_cast<size_t>(z)]);
            }

    t_tactics off = before;
    move_player(off, 1, {1, 2}, {204, 120}, false);
    EXPECT_EQ(at(off, 2, -1, 2), at(before, 2, -1, 2));
}

TEST(TacticsFlip, ACopyAcrossTheMiddleIsMirroredAndItsMirrorFollows) {
    const t_tactics before = sample();
    t_tactics t = before;
    copy_zone(t, {-2, 1}, {1, 0}, true);
    for (int p = 1; p < TACTICS_PLAYERS; ++p) {
        const int q = mirror_partner(before, p);
        const t_vec2d src = at(before, q, -2, 1);
        EXPECT_EQ(at(t, p, 1, 0), (t_vec2d{-src.x, src.y})) << p;
        // The mirror of the destination is the source layout again.
        EXPECT_EQ(at(t, p, -1, 0), at(before, p, -2, 1)) << p;
    }
    t_tactics same_side = before;
    copy_zone(same_side, {1, 1}, {2, 3}, true);
    for (int p = 1; p < TACTICS_PLAYERS; ++p) EXPECT_EQ(at(same_side, p, 2, 3), at(before, p, 1, 1));
    t_tactics plain = before;
    copy_zone(plain, {-2, 1}, {1, 0}, false);
    for (int p = 1; p < TACTICS_PLAYERS; ++p) {
        EXPECT_EQ(at(plain, p, 1, 0), at(before, p, -2, 1));
        EXPECT_EQ(at(plain, p, -1, 0), at(before, p, -1, 0));
    }
}

TEST(TacticsFlip, ALonePairIdMirrorsThePlayerItself) {
    t_tactics t = sample();
    t.pairs[5] = 3; // nobody else holds id 3
    EXPECT_EQ(mirror_partner(t, 5), 5);
    EXPECT_EQ(mirror_partner(t, 1), 2);
    EXPECT_EQ(mirror_partner(t, 9), 9);
}

TEST(TacticsColours, PairGroupsAndTheInvalidPairValue) {
    EXPECT_EQ(pair_colours(0).body, 0x5FC24A);
    EXPECT_EQ(pair_colours(4).dark, 0x8A3886);
    EXPECT_EQ(pair_colours(NOT_PAIRED).body, 0);
    EXPECT_DEATH(pair_colours(5), "invalid pair value");
    EXPECT_EQ(player_row_colours(0, 20, 5, -1, -1).body, 0x00A7DE);
    EXPECT_EQ(player_row_colours(10, 20, 5, -1, -1).body, 0x003FDE);
    EXPECT_EQ(player_row_colours(15, 20, 5, -1, -1).body, 0x111188);
    EXPECT_EQ(player_row_colours(16, 20, 5, -1, -1).body, 0x404040);
    EXPECT_EQ(player_row_colours(20, 20, 5, -1, -1).body, 0x202020);
    EXPECT_EQ(player_row_colours(3, 20, 5, 3, -1).body, 0x993333);
    EXPECT_EQ(player_row_colours(4, 20, 5, -1, 4).body, 0x339999);
}

TEST(TacticsFiles, ListsUseOneColumnUpToEightThenThree) {
    const auto eight = tactics_file_grid(8);
    EXPECT_EQ(eight.front().x, 392);
    EXPECT_EQ(eight.front().y, 266 - 128 + 32);
    const auto count = [](const std::vector<t_point>& g, int x) {
        int n = 0;
        for (const t_point& p : g) n += p.x == x ? 1 : 0;
        return n;
    };
    for (const auto& [n, c1, c2, c3] : std::vector<std::array<int, 4>>{{9, 3, 3, 3}, {10, 3, 4, 3}, {11, 4, 4, 3}}) {
        const auto g = tactics_file_grid(n);
        EXPECT_EQ(count(g, 92), c1);
        EXPECT_EQ(count(g, 392), c2);
        EXPECT_EQ(count(g, 692), c3);
        EXPECT_EQ(g[static_cast<size_t>(c1)].y, 266 - 16 * c2 + 32);
    }
}

TEST(TacticsFiles, FileNamesKeepTheNameAndDropOnlyWhatIsUnsafe) {
    EXPECT_EQ(file_name_from("USER 1"), "USER 1");
    EXPECT_EQ(file_name_from("my/../tac"), "mytac");
    EXPECT_EQ(file_name_from("a\\b\tc\x7F"), "abc");
    EXPECT_EQ(file_name_from("ABCDEFGHIJK"), "ABCDEFGH");
    // Eight characters, not eight bytes.
    EXPECT_EQ(file_name_from("\xC3\x89QUIPE 12345"), "\xC3\x89QUIPE 1");
    for (const uint32_t c : {uint32_t{'A'}, uint32_t{'-'}, 32u, 39u, 201u}) EXPECT_TRUE(is_file_name_char(c)) << c;
    for (const uint32_t c : {0u, 10u, 31u, 46u, 47u, 92u, 127u, 150u}) EXPECT_FALSE(is_file_name_char(c)) << c;
}

TEST(TacticsFiles, TypedNamesRefuseOtherCharactersAtEntry) {
    editor_folder folder;
    t_file_name_input input;
    input.set_entry_limit(8);
    input.set_entry_mode(1);
    for (const char c : std::string("ab.c d/EFGHIJ")) {
        input_char_event(static_cast<unsigned char>(c));
        input.update();
    }
    // The dot never shows; the space is kept; the slash is no entry character at all.
    EXPECT_EQ(input.entry_string, "ABC DEFG");
}

TEST(TacticsFiles, SavedFilesLoadBackAndShortFilesAreRefused) {
    editor_folder folder;
    t_tactics t = sample();
    t.name = "MINE";
    t.based_on = 3;
    ASSERT_EQ(save_tactics_safely(t, "tactics/MINE.TAC"), "");
    EXPECT_EQ(file_bytes("tactics/MINE.TAC").size(), 370u);
    t_tactics back;
    ASSERT_TRUE(load_tactics_checked(back, "tactics/MINE.TAC"));
    EXPECT_EQ(back.name, "MINE");
    EXPECT_EQ(back.pairs, t.pairs);
    EXPECT_EQ(back.based_on, 3);
    for (int p = 1; p < TACTICS_PLAYERS; ++p) EXPECT_EQ(back.target[static_cast<size_t>(p)], t.target[static_cast<size_t>(p)]);
    std::ofstream("tactics/SHORT.TAC") << "too short";
    t_tactics untouched = sample();
    EXPECT_FALSE(load_tactics_checked(untouched, "tactics/SHORT.TAC"));
    EXPECT_EQ(untouched.pairs, sample().pairs);
    std::ofstream("tactics/lower.tac") << "x";
    const auto names = tactics_file_names_in("tactics");
    EXPECT_NE(std::find(names.begin(), names.end(), "MINE"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "lower"), names.end());
    EXPECT_NE(save_tactics_safely(t, "missing/MINE.TAC"), "");
}

TEST(TacticsEditor, MoveCopyFlipAndUndoOnTheBoard) {
    editor_folder folder;
    open_editor_for(12);
    ASSERT_TRUE(menu.tactics_undo.empty());
    const t_tactics original = menu.edited_tactics;
    t_menu_edit_tactics editor;
    ASSERT_TRUE(editor.team);
    EXPECT_EQ(editor.w_player[3]->player, editor.team->players[3]);

    // The ball to zone (1, 2): cell (1, 1).
    editor.w_ball->set_square(1, 1);
    editor.bc_update_ball_zone();
    EXPECT_EQ(editor.ball_zone, (t_vec2d{1, 2}));
    const int p = 5;
    const int partner = mirror_partner(original, p);
    ASSERT_NE(partner, p) << "the preset pairs its wide players";
    t_player_piece& piece = *editor.w_player[static_cast<size_t>(p)];
    piece.set_square(piece.square.x + 1, piece.square.y);
    editor.bc_update_player_zone(p);
    const t_vec2d moved = place_of_cell(piece.square);
    EXPECT_EQ(at(menu.edited_tactics, p, 1, 2), moved);
    EXPECT_EQ(at(menu.edited_tactics, partner, -1, 2), (t_vec2d{-moved.x, moved.y}));
    EXPECT_EQ(menu.tactics_undo.size(), 1u);

    // Copy zone (1, 2) to (2, 2): the copy ball starts on the ball's zone and is moved one cell.
    editor.bc_copy();
    EXPECT_EQ(editor.copy_mode, 1);
    EXPECT_EQ(editor.selected_widget, editor.w_ball_copy);
    EXPECT_EQ(editor.w_copy->active, 0);
    editor.w_ball_copy->set_square(0, 1);
    editor.bc_update_ball_copy_zone();
    editor.bc_ball_copy();
    EXPECT_EQ(editor.copy_mode, 0);
    EXPECT_EQ(editor.w_ball_copy->visible, 0);
    EXPECT_EQ(editor.ball_zone, (t_vec2d{2, 2}));
    EXPECT_EQ(at(menu.edited_tactics, p, 2, 2), moved);
    EXPECT_EQ(menu.tactics_undo.size(), 2u);

    // Pairing two players by their faces, then undoing everything step by step.
    editor.bc_pair_player(6);
    editor.bc_pair_player(7);
    EXPECT_TRUE(menu.edited_tactics.is_paired(6));
    EXPECT_EQ(menu.edited_tactics.get_paired(6), 7);
    editor.bc_undo();
    EXPECT_EQ(menu.edited_tactics.pairs, original.pairs);
    editor.bc_undo();
    EXPECT_EQ(at(menu.edited_tactics, p, 2, 2), at(original, p, 2, 2));
    EXPECT_EQ(at(menu.edited_tactics, p, 1, 2), moved);
    editor.bc_undo();
    EXPECT_EQ(menu.edited_tactics.target, original.target);
    EXPECT_TRUE(menu.tactics_undo.empty());
    EXPECT_EQ(editor.w_undo->active, 0);
    // Nothing left changed: leaving asks nothing.
    editor.bc_save_exit();
    EXPECT_EQ(drain_actions(), new_screen(1));
}

TEST(TacticsEditor, FlipOffMovesOneZoneOnlyAndTheListSwapsPlayers) {
    editor_folder folder;
    open_editor_for(13);
    t_menu_edit_tactics editor;
    editor.bc_flip();
    EXPECT_EQ(menu.tactics_flip, 0);
    EXPECT_EQ(editor.w_flip->text, "FLIP OFF");
    EXPECT_EQ(editor.rows[3].face->active, 0);
    const t_tactics before = menu.edited_tactics;
    editor.w_ball->set_square(0, 3);
    editor.bc_update_ball_zone();
    t_player_piece& piece = *editor.w_player[2];
    piece.set_square(piece.square.x, piece.square.y - 1);
    editor.bc_update_player_zone(2);
    EXPECT_EQ(at(menu.edited_tactics, mirror_partner(before, 2), -2, 0), at(before, mirror_partner(before, 2), -2, 0));

    const auto first = editor.team->player_at_position(1, &menu.edited_tactics);
    const auto sub = editor.team->player_at_position(14, &menu.edited_tactics);
    editor.bc_select_player(1);
    EXPECT_EQ(editor.selected_for_swap, 1);
    EXPECT_EQ(editor.rows[1].name->body, 0x993333);
    editor.bc_select_player(14);
    EXPECT_EQ(editor.selected_for_swap, -1);
    EXPECT_EQ(editor.team->player_at_position(1, &menu.edited_tactics), sub);
    EXPECT_EQ(editor.team->player_at_position(14, &menu.edited_tactics), first);
    EXPECT_EQ(editor.w_player[1]->player, sub);
    // Changes are waiting: leaving asks first.
    editor.bc_save_exit();
    EXPECT_EQ(drain_actions(), new_screen(71));
    editor.bc_abort();
    EXPECT_EQ(drain_actions(), new_screen(73));
    menu.tactics_flip = 1;
}

TEST(TacticsEditor, ImportSaveAndLoadRoundTrip) {
    editor_folder folder;
    open_editor_for(14);
    menu.status = 1; // from the line-up screen
    {
        t_menu_tactics_import import;
        import.bc_import(7); // 3-4-3
        EXPECT_EQ(drain_actions(), new_screen(70));
    }
    EXPECT_EQ(menu.edited_tactics.based_on, tactics[7].based_on);
    EXPECT_EQ(menu.tactics_undo.size(), 1u);
    t_tactics expected = menu.edited_tactics;
    {
        t_menu_save_tactics save;
        EXPECT_EQ(save.file_name, "USER 3");
        save.bc_save("");
        EXPECT_EQ(drain_actions(), new_screen(15));
    }
    ASSERT_TRUE(fs::exists("tactics/USER 3.TAC"));
    EXPECT_EQ(tactics_names[14], "USER 3");
    EXPECT_EQ(tactics[14].target, expected.target);

    // A new session: the slot starts from its preset again, then the file is loaded.
    load_tactics_slots();
    open_editor_for(14);
    {
        t_menu_tactics_load load;
        ASSERT_TRUE(load.selected_widget);
        load.bc_load("USER 3");
        EXPECT_EQ(drain_actions(), new_screen(70));
    }
    EXPECT_EQ(menu.edited_tactics.target, expected.target);
    EXPECT_EQ(menu.edited_tactics.pairs, expected.pairs);
    EXPECT_EQ(tactics_names[14], "USER 3");
    // Undo brings back the tactics from before the load.
    const auto previous = menu.tactics_undo.pop();
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous->target, tactics[14].target);
}

// Under a 3-5-2 the list's rows and the squad's places differ (row 5 is place 3): the
// piece moved on the board, its pair colour and its pairing all belong to the player
// the match sends to that target.
TEST(TacticsEditor, AMovedPieceOfA352IsThePlayerTheMatchSendsThere) {
    editor_folder folder;
    open_editor_for(12);
    {
        t_menu_tactics_import import;
        import.bc_import(4); // 3-5-2
        drain_actions();
    }
    const t_tactics& tac = menu.edited_tactics;
    ASSERT_EQ(tac.based_on, 4);
    ASSERT_EQ(list_place_of_row(tac, 5), 3);
    ASSERT_EQ(list_place_of_row(tac, 3), 4);
    t_menu_edit_tactics editor;
    ASSERT_EQ(editor.ball_zone, (t_vec2d{0, 0}));
    const t_player_ref shown = editor.w_player[3]->player;
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown, editor.team->players[3]);
    EXPECT_NE(editor.rows[5].name->text.find(shown->surname), std::string::npos);

    t_player_piece& piece = *editor.w_player[3];
    piece.set_square(piece.square.x == 0 ? 1 : piece.square.x - 1, piece.square.y);
    editor.bc_update_player_zone(3);
    const t_vec2d place = place_of_cell(piece.square);
    EXPECT_EQ(at(tac, 3, 0, 0), place);

    // Pairing rows 3 and 4 pairs their players' places, 4 and 5, and colours both rows alike.
    ASSERT_EQ(menu.tactics_flip, 1);
    editor.bc_pair_player(3);
    editor.bc_pair_player(4);
    ASSERT_TRUE(tac.is_paired(4));
    EXPECT_EQ(tac.get_paired(4), 5);
    EXPECT_EQ(editor.rows[3].face->body, pair_colours(tac.pairs[4]).body);
    EXPECT_EQ(editor.rows[4].face->body, pair_colours(tac.pairs[4]).body);
    EXPECT_EQ(editor.rows[5].face->body, pair_colours(tac.pairs[3]).body);

    {
        t_menu_tactics_save_warning keep;
        keep.bc_exit();
        drain_actions();
    }
    // A match with this tactic: the ball at the centre spot.
    editor.team->tactics = 12;
    auto opponent = std::make_shared<t_team>();
    opponent->ext = "cus";
    opponent->number = 317;
    load_team(*opponent);
    match_teams = {editor.team, opponent};
    build_match_objects();
    ball.set_position(0, 0, 0);
    ball.update_zone();
    set_tactics_targets(0);
    const int side = editor.team->side;
    EXPECT_EQ(shown->tx, -side * place.x);
    EXPECT_EQ(shown->ty, -side * place.y);
    release_match_objects();
    match_teams = {};
}

// The disk fills up while the tactics are saved: the save screen says why and
// stays, the old file is whole, and the slot still holds the edited tactics.
TEST(TacticsEditor, AFullDiskIsReportedAndTheEditsStay) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    editor_folder folder;
    open_editor_for(14);
    menu.status = 1;
    {
        t_menu_tactics_import import;
        import.bc_import(7);
        drain_actions();
    }
    const t_tactics edited = menu.edited_tactics;
    std::ofstream("tactics/USER 3.TAC") << "old";
    fs::create_symlink("/dev/full", "tactics/USER 3.TAC.tmp");
    {
        t_menu_save_tactics save;
        save.bc_save("");
        EXPECT_TRUE(drain_actions().empty());
        const auto& box = *save.widgets.back();
        EXPECT_EQ(box.visible, 1);
        EXPECT_NE(box.text.find("No space left on device"), std::string::npos);
    }
    EXPECT_EQ(file_bytes("tactics/USER 3.TAC"), "old");
    EXPECT_EQ(menu.edited_tactics.target, edited.target);

    fs::remove("tactics/USER 3.TAC.tmp");
    {
        t_menu_save_tactics save;
        save.bc_save("");
        EXPECT_EQ(drain_actions(), new_screen(15));
    }
    t_tactics back;
    ASSERT_TRUE(load_tactics_checked(back, "tactics/USER 3.TAC"));
    EXPECT_EQ(back.target, edited.target);
}

TEST(TacticsEditor, WarningsKeepOrDropTheEdits) {
    editor_folder folder;
    open_editor_for(15);
    menu.edited_tactics.target[3][5] = {68, 80};
    menu.tactics_undo.push(menu.edited_tactics);
    {
        t_menu_tactics_abort_warning abort;
        abort.bc_continue();
        EXPECT_EQ(drain_actions(), new_screen(1));
    }
    EXPECT_NE(tactics[15].target[3][5], (t_vec2d{68, 80}));
    {
        t_menu_tactics_save_warning save;
        save.bc_exit();
        EXPECT_EQ(drain_actions(), new_screen(1));
    }
    EXPECT_EQ(tactics[15].target[3][5], (t_vec2d{68, 80}));
    EXPECT_FALSE(fs::exists("tactics/USER 4.TAC"));
    // A user slot imports its own tactics, not the preset it once came from.
    {
        t_menu_tactics_import import;
        menu.edited_tactics = t_tactics();
        import.bc_import(15);
    }
    EXPECT_EQ(menu.edited_tactics.target[3][5], (t_vec2d{68, 80}));
}
