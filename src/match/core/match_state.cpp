#include "match/core/match_state.hpp"

#include <algorithm>

#include "match/draw/match_images.hpp"

std::array<std::vector<t_player_ref>, 2> match_players;
t_match_status match_status;
t_grass grass;
t_wind wind;
std::array<t_stats, 2> match_stats;
std::vector<t_goal> goals;
t_function_key function_keys;
t_bench_status bench_status;
std::array<t_coach, 2> coaches;
int bench_side = 1;
std::vector<t_sprite*> sprites;
std::array<int32_t, REPLAY_FRAMES> replay_camera_x{};
std::array<int32_t, REPLAY_FRAMES> replay_camera_y{};
std::array<std::array<t_image_ref, PITCH_TILE_ROWS>, PITCH_TILE_ROWS> pitch_tiles;
std::array<t_sprite, 2> top_goal;
std::array<t_flagpost, 4> flagposts;
std::vector<t_crowd> crowd;
int crowd_level = 0;
t_pixmap_ref keeper_cd;
bool match_debug = false;
t_ball ball;
t_camera camera;
t_match_images match_images;

int last_slot(int team) {
    const auto& squad = match_players.at(static_cast<size_t>(team));
    return squad.empty() ? 0 : static_cast<int>(squad.size()) - 1;
}
