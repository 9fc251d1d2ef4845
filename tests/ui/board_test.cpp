#include <gtest/gtest.h>

#include "football/tactics.hpp"
#include "ui/board.hpp"

namespace {
// The board's layout without its pictures.
class t_bare_board : public t_board {
public:
    t_bare_board() : t_board(t_no_images{}) { set_geometry(100, 50, 270, 300); }
};

t_team_ref make_team(int slot, int first_number) {
    auto team = std::make_shared<t_team>();
    team->tactics = slot;
    for (int i = 0; i < 16; ++i) {
        auto p = team->new_player();
        p->surname = "S" + std::to_string(i);
        p->nr = first_number + i;
    }
    return team;
}

class WidgetBoard : public testing::Test {
protected:
    // Slot 5 is made to use the second formation: {0,0}, {-2,3}, {0,1}, {1,2}, ...
    void SetUp() override {
        saved = tactics[5].based_on;
        tactics[5].based_on = 1;
        board.set_teams(make_team(5, 1), make_team(5, 30));
    }
    void TearDown() override { tactics[5].based_on = saved; }
    int saved = 0;
    t_bare_board board;
};
} // namespace

TEST_F(WidgetBoard, NamesCountUpFromTheBottomForTheOwnTeam) {
    ASSERT_TRUE(board.shows_names());
    const auto names = board.name_layout();
    ASSERT_EQ(names.size(), 11u);
    // Keeper: centre column, row 0.
    EXPECT_EQ(names[0].x, 235);
    EXPECT_EQ(names[0].y, 318);
    EXPECT_EQ(names[0].align, 0);
    EXPECT_EQ(names[0].text, "S0");
    // Column -2, row 3: right edge, right-aligned.
    EXPECT_EQ(names[1].x, 360);
    EXPECT_EQ(names[1].y, 234);
    EXPECT_EQ(names[1].align, -1);
    // Column 1, row 2: just left of the centre, right-aligned.
    EXPECT_EQ(names[3].x, 228);
    EXPECT_EQ(names[3].y, 262);
    EXPECT_EQ(names[3].align, -1);
    EXPECT_EQ(board.piece_layout().size(), 0u);
}

TEST_F(WidgetBoard, OpponentNamesCountDownFromTheTop) {
    board.set_view_opponent(1);
    board.set_compare_tactics(1); // viewing the opponent always shows names
    board.team_b->players[1]->surname = "Opponentson";
    const auto names = board.name_layout();
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names[1].y, 50 + 84 + 14);
    EXPECT_EQ(names[1].text, "Opponent.");
    EXPECT_TRUE(board.piece_layout().empty());
}

TEST_F(WidgetBoard, OddWidthsTruncateTheCentre) {
    board.w = 271;
    const auto names = board.name_layout();
    EXPECT_EQ(names[0].x, 235);
    EXPECT_EQ(names[3].x, 228);
    const auto& layout_row_5 = tactics_board_layout[1][5]; // column -1
    EXPECT_EQ(layout_row_5[0], -1);
    EXPECT_EQ(names[5].x, 242);
    EXPECT_EQ(names[5].align, 1);
}

TEST_F(WidgetBoard, CompareModeDrawsBothSidesAsPieces) {
    board.set_compare_tactics(1);
    ASSERT_FALSE(board.shows_names());
    EXPECT_TRUE(board.name_layout().empty());
    const auto pieces = board.piece_layout();
    ASSERT_EQ(pieces.size(), 22u);
    const t_board_piece& keeper_a = pieces[0];
    EXPECT_EQ(keeper_a.x, 227);
    EXPECT_EQ(keeper_a.y, 322);
    EXPECT_EQ(keeper_a.src_x, 0);
    EXPECT_EQ(keeper_a.src_y, 0);
    EXPECT_EQ(keeper_a.number, 1);
    EXPECT_EQ(pieces[1].x, 324); // column -2
    EXPECT_EQ(pieces[1].y, 238);
    EXPECT_EQ(pieces[1].src_y, 14);
    const t_board_piece& b3 = pieces[11 + 3]; // column 1, row 2, from the top
    EXPECT_EQ(b3.x, 179);
    EXPECT_EQ(b3.y, 120);
    EXPECT_EQ(b3.src_x, 20);
    EXPECT_EQ(b3.src_y, 14);
    EXPECT_EQ(b3.number, 33);
}

TEST_F(WidgetBoard, MissingSidesAndShortSquadsDrawWhatThereIs) {
    board.team_b.reset();
    board.set_compare_tactics(1);
    EXPECT_EQ(board.piece_layout().size(), 11u);
    board.team_a->players.resize(4);
    EXPECT_EQ(board.piece_layout().size(), 4u);
    board.set_view_opponent(1);
    EXPECT_TRUE(board.name_layout().empty());
}

TEST(WidgetBoardText, LongNamesAreCutAndEmptySurnamesFallBack) {
    t_player p;
    p.name = "Jo";
    EXPECT_EQ(board_player_text(p), "Jo");
    p.surname = "Tenletters";
    EXPECT_EQ(board_player_text(p), "Tenletters");
    p.surname = "Elevenchars";
    EXPECT_EQ(board_player_text(p), "Elevench.");
    p.surname = "\xC3\x89lmarssonss"; // 11 characters, 12 bytes
    EXPECT_EQ(board_player_text(p), "\xC3\x89lmarsso.");
}

TEST(WidgetBoardText, ShirtNumbersSitCentredOnThePiece) {
    using d = t_board_digit;
    const auto same = [](const std::vector<d>& a, const std::vector<d>& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].x != b[i].x || a[i].digit != b[i].digit) return false;
        return true;
    };
    EXPECT_TRUE(same(board_number_digits(7, 100), {{107, 7}}));
    EXPECT_TRUE(same(board_number_digits(23, 100), {{103, 2}, {111, 3}}));
    EXPECT_TRUE(same(board_number_digits(11, 100), {{105, 1}, {111, 1}}));
    EXPECT_TRUE(same(board_number_digits(10, 100), {{104, 1}, {110, 0}}));
    EXPECT_TRUE(same(board_number_digits(21, 100), {{104, 2}, {112, 1}}));
}
