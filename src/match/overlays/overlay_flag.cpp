#include "match/overlays/overlay_flag.hpp"

#include "football/kit_colour.hpp"
#include "football/team.hpp"
#include "platform/graphics.hpp"

void prepare_match_flag(t_team& team) {
    // Teams that never passed the line-up screen come to the match without crests.
    if (!team.clnf || (team.national == 0 && !team.clnf_sh)) load_clnf(team, 1);
}

void draw_match_flag(const t_team& team, double x, double y) {
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    if (team.national == 0 && team.clnf_sh) draw_image(team.clnf_sh, fx + 2, fy + 2);
    if (team.clnf) draw_image(team.clnf, fx, fy);
}
