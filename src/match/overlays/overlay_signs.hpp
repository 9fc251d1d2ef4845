#pragma once
// Signs over the match for the player: the goal banner and the paused sign.
#include <string>

class t_goal;

// "GOAL" (or "OWN GOAL"), then the scorer, then the two teams with the new score.
struct t_goal_banner {
    std::string title;
    std::string scorer;
    std::string score;
};
t_goal_banner goal_banner(const t_goal& goal);

// Both in the middle of the screen, on a dark backing.
void draw_goal_banner();
void draw_paused_sign();
