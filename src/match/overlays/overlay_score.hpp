#pragma once
// The score panel at the bottom of the screen: flags, team names, score and scorers.
#include <string>
#include <vector>

#include "match/overlays/overlay_cell.hpp"

// Lines of a scorers' text (0 when empty).
int text_lines(const std::string& text);
// Top of the panel on a screen `height` high, for the flag heights and the scorers' lines.
int score_panel_top(int height, int home_flag_h, int away_flag_h, int lines);
// Digits and separator from "score.png"; a tens digit only when it is not 0.
std::vector<t_overlay_cell> score_cells(int home, int away, int width, int top);
void draw_score_panel();
