#pragma once
// What the competition screens work out for themselves, apart from drawing.
#include <string>
#include <vector>

#include "football/cup.hpp"
#include "football/league.hpp"

// The first three letters of a translated month name.
std::string month_abbreviation(int month);
// "×" and the count, as the "PLAY EACH TEAM" value shows it.
std::string times_caption(int count);

// One line of the highest-scorer list: a goal-count header or a scorer, on line `line`
// (22 pixels each, counted from 0).
struct t_scorer_line {
    int line = 0;
    bool header = false;
    int goals = 0;
    std::string name;
    std::string team;
};
struct t_scorer_list {
    std::vector<t_scorer_line> lines;
    int count = 0; // the final line counter
};
// The name a scorer is listed under: the surname, or the first name without one.
std::string scorer_name(const t_player& player);
// Every player with goals, most goals first then by name; stops after the line that passes 24.
t_scorer_list scorer_list(const std::vector<t_team_ref>& teams);
// How far the list is moved down to stand centred.
inline int scorer_shift(int count) { return 375 - 11 * count; }

// Captions of the match and result buttons: a human side plays or coaches, the computer only shows.
struct t_match_buttons {
    std::string match;
    std::string result;
    bool result_repeats = false; // holding fire runs through computer matches
};
t_match_buttons match_buttons(bool human);
bool is_human(const t_team& team);
bool has_human(const t_match& match);

// League table rows: pitch and height for n teams between the headings and the match line.
constexpr int TABLE_TOP = 106;
int table_row_pitch(int teams);

// Cup round list: 8 blocks of 64 pixels from y 120.
constexpr int CUP_BLOCKS_SHOWN = 8;
constexpr int CUP_BLOCK_HEIGHT = 64;
int scroll_offset(int offset, int step, int matches);
bool block_shown(int k, int offset);
inline int block_y(int k, int offset) { return 120 + CUP_BLOCK_HEIGHT * (k - offset); }
// The first block to show so that the current match is on the screen.
int offset_showing(int current, int matches);

// True while some round in play has two legs (the away-goals row shows only then).
bool any_two_legs(const t_cup& cup);
int total_legs(const t_cup& cup);
int league_total_matches(int teams, int rounds);

// The side that has won the competition, none while it goes on.
t_team_ref competition_winner(const t_competition& comp);
// The match the play screen shows has its result.
bool current_match_played(t_competition& comp);
// The league is over once all its round-robins are played.
void mark_league_end(t_league& league);
