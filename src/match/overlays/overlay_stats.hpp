#pragma once
// The statistics panel of half and full time.
#include <array>
#include <string>

struct t_stats_row {
    std::string left;
    std::string label; // dictionary key, empty for the team names' row
    std::string right;
};
constexpr int STATS_ROWS = 9;

// Home share of possession in whole per cent (integer division).
int possession_percent(int home_poss, int away_poss);
// The rows as shown, from the team names down to the sendings off.
std::array<t_stats_row, STATS_ROWS> stats_rows();
// The panel waits for the camera to come to rest.
bool camera_at_rest();
// Boxes and text; `alpha` is the fade of the text colour.
void draw_match_stats(int alpha);
