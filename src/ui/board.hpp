#pragma once
// The tactics board widget: players' names, numbers and places for a ball zone.
#include <string>
#include <vector>

#include "football/team.hpp"
#include "platform/image.hpp"
#include "ui/widget.hpp"

// A name written on the board, in the small font.
struct t_board_name {
    int x = 0;
    int y = 0;
    int align = 0;
    std::string text;
};

// A 20 x 14 piece of "pieces.png" with the shirt number on it.
struct t_board_piece {
    int x = 0;
    int y = 0;
    int src_x = 0;
    int src_y = 0;
    int number = 0;
};

// A digit of "number.png" at screen x.
struct t_board_digit {
    int x = 0;
    int digit = 0;
};

// The name shown for a player: surname (or first name), long ones cut to 8 characters and ".".
std::string board_player_text(const t_player& player);
// Digits of a shirt number on a piece at `piece_x`, tens first.
std::vector<t_board_digit> board_number_digits(int nr, int piece_x);

// The eleven starters of one team on a pitch picture, by name, or both teams' pieces for comparison.
class t_board : public t_widget {
public:
    t_board(); // loads "board.png", "pieces.png" and "number.png" from "images"

    void render() override;
    virtual void set_compare_tactics(int flag) { compare_tactics = flag; }
    virtual void set_view_opponent(int flag) { view_opponent = flag; }
    virtual void set_teams(t_team_ref team_a_, t_team_ref team_b_);

    // What render draws, without drawing it.
    bool shows_names() const { return compare_tactics == 0 || view_opponent == 1; }
    std::vector<t_board_name> name_layout() const;
    std::vector<t_board_piece> piece_layout() const;

    int view_opponent = 0;
    int compare_tactics = 0;
    t_image_ref img_pieces;
    t_image_ref img_num;
    t_team_ref team_a;
    t_team_ref team_b;

protected:
    struct t_no_images {};
    // For a board whose pictures are supplied by the caller.
    explicit t_board(t_no_images) {}
};
