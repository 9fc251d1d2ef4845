#pragma once
// What the league and cup play screens share: the match buttons and what they do.
#include <string>

#include "core/game_mode.hpp"
#include "football/match_record.hpp"
#include "ui/menu_toolkit.hpp"

class t_play_screen : public t_game_mode {
public:
    explicit t_play_screen(int own_mode);

    void bc_next_match();
    void bc_view_result();
    void bc_play_view_match();

    t_button_ref w_next_match;
    t_button_ref w_play_match;
    t_button_ref w_view_result;
    t_button_ref w_stats;
    t_button_ref w_exit;

protected:
    // The match row's buttons for `match`, or only STATS and EXIT once the competition is over.
    void add_buttons(const t_match* match);
    // The champion's line where the match line stands while the competition goes on.
    void add_winner_line();

    virtual void advance() = 0;
    virtual void produce_result() = 0;
    virtual t_match* current() = 0;

private:
    int own_mode_;
};

// The text under a finished competition.
std::string winner_caption(const std::string& team_name);
