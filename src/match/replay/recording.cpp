// What every sub-step stores for the drawing and the replays.
#include <cmath>

#include "core/settings.hpp"
#include "football/player.hpp"
#include "football/team.hpp"

void t_player::save(int f) {
    if (f < 0 || static_cast<size_t>(f) >= data.size()) return;
    t_data& d = data[static_cast<size_t>(f)];
    d.x = static_cast<float>(round_half_away(x));
    d.y = static_cast<float>(round_half_away(y));
    d.z = static_cast<float>(round_half_away(z));
    d.fmx = static_cast<int32_t>(round_half_away(fmx));
    d.fmy = static_cast<int32_t>(std::fabs(std::floor(fmy)));
}

void t_team::save(int f) const {
    for (const auto& p : players) p->save(f);
}
