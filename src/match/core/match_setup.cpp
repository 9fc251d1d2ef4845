#include "match/phases/phase_shootout.hpp"
#include "match/core/match_setup.hpp"

#include <algorithm>
#include <cmath>

#include "core/game.hpp"
#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "core/settings.hpp"
#include "football/competition.hpp"
#include "football/team_file.hpp"
#include "match/draw/grass.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/scorers_text.hpp"
#include "platform/fatal.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"
#include "ui/menu.hpp"
#include "match/core/match_rules.hpp"
#include "match/enhanced/referee.hpp"

namespace {

void fill_squad(size_t i) {
    t_team& team = *match_teams[i];
    auto& squad = match_players[i];
    squad.clear();
    squad.push_back(nullptr);
    const size_t last = std::min(static_cast<size_t>(ON_PITCH_SLOTS + std::max(0, match_settings.bench_size)),
                                 team.players.size());
    for (size_t k = 0; k < last; ++k) {
        t_player& p = *team.players[k];
        p.team = &team;
        p.data.assign(REPLAY_FRAMES, t_data{});
        p.status = k < ON_PITCH_SLOTS ? STATUS_ON_PITCH : STATUS_ON_BENCH;
        p.x = p.y = p.z = p.v = p.vz = p.a = 0;
        p.tx = p.ty = 0;
        p.fmx = p.fmy = 0;
        p.frame_distance = PREDICTION_FRAMES;
        squad.push_back(team.players[k]);
    }
}
} // namespace

void reset_match_state() {
    inputs = {};
    function_keys = t_function_key{};
    match_status = t_match_status{};
    bench_status = t_bench_status{};
    match_stats = {};
    shootout = t_shootout{};
    goals.clear();
    scorers_text = {};
    wind = t_wind{};
    replay_frame = 0;
    camera = t_camera{};
    referee = t_referee();
}

void choose_pitch_and_weather() {
    grass.grass_type = match_settings.pitch_type == PITCH_TYPE_RANDOM ? rand(0, 8) : match_settings.pitch_type;
    const auto limits = weather_limits.at(static_cast<size_t>(grass.grass_type));
    if (match_settings.weather_effect == WEATHER_RANDOM) {
        match_settings.weather_effect = rand(0, 3);
        const int r = rand(1, 16);
        int intensity = 2 - static_cast<int>(round_half_away(std::log10(r) / std::log10(4)));
        intensity = std::min({intensity, static_cast<int>(settings.weather_max),
                              limits[static_cast<size_t>(match_settings.weather_effect)]});
        match_settings.weather_intensity = std::max(0, intensity);
        match_settings.sky = match_settings.weather_intensity == 0 || match_settings.weather_effect == WEATHER_WIND ? 0 : 1;
    } else {
        const auto effect = static_cast<size_t>(std::clamp(match_settings.weather_effect, 0, WEATHER_EFFECTS - 1));
        match_settings.weather_intensity = std::clamp(match_settings.weather_intensity, 0, limits[effect]);
    }
    wind.speed = match_settings.weather_effect == WEATHER_WIND ? match_settings.weather_intensity : 0;
    wind.dir = rand(0, 7);
    if (match_settings.time == TIME_RANDOM) match_settings.time = rand(0, 1);
}

void require_full_squad(const t_team& team) {
    const size_t players = team.players.size();
    if (players >= ON_PITCH_SLOTS) return;
    runtime_error("Invalid team file: " + team_file_path(team.ext) + " (team " + std::to_string(team.number) + " has " +
                  std::to_string(players) + " players, a side needs " + std::to_string(ON_PITCH_SLOTS) + ")");
}

void build_match_objects() {
    for (const t_team_ref& team : match_teams) require_full_squad(*team);
    match_teams[0]->side = 3 - 2 * rand(1, 2);
    match_teams[1]->side = -match_teams[0]->side;
    bench_side = 3 - 2 * rand(1, 2);

    reset_match_state();
    sprites.clear();
    ball = t_ball();
    sprites.push_back(&ball);

    for (size_t i = 0; i < 2; ++i) {
        t_team& team = *match_teams[i];
        team.index = static_cast<int>(i);
        team.controlled = nullptr;
        team.nearest_1 = nullptr;
        team.nearest_2 = nullptr;
        // A coach side has no player to steer but still uses its device for the bench.
        inputs[i].dev = team.control != CONTROL_COMPUTER ? team.dev : 0;
    }

    match_settings.sound_vol = settings.sound_vol;
    match_settings.commentary = settings.commentary;
    match_settings.auto_replay = settings.auto_replay;
    match_settings.gameplay = game ? game->extra_options.gameplay : t_gameplay::classic;
    match_settings.friendly_shootout = game && game->extra_options.friendly_shootout;
    match_settings.computer_level = game ? game->extra_options.computer_level : t_computer_level::normal;
    match_settings.auto_switch = !game || game->extra_options.auto_switch;
    for (const t_team_ref& team : match_teams)
        for (const auto& p : team->players) p->play = t_player_play{};
    match_rules().set_up();

    choose_pitch_and_weather();

    match_status.length = match_lengths[static_cast<size_t>(std::clamp(settings.length, 0, 3))] * 60 * 1000;
    match_status.period = t_match_status::FIRST_HALF;
    match_status.event = t_match_status::INTRO;
    match_status.coin_toss = rand(0, 1);
    match_status.kick_off_team = match_status.coin_toss;

    bench_status.target_x = static_cast<int32_t>(-650 + 0.45 * screen_w);
    bench_status.target_y = -20;
    if (menu.status == STATUS_COMPETITION && competition) {
        match_settings.substitutions = competition->substitutions;
        match_settings.bench_size = competition->bench_size;
    } else {
        match_settings.substitutions = settings.substitutions;
        match_settings.bench_size = settings.bench_size;
    }
    match_teams[0]->subs_count = 0;
    match_teams[1]->subs_count = 0;

    for (t_stats& s : match_stats) s.poss = 1;
    // Each match keeps only its own highlights.
    highlights_count = 0;

    const auto start_x = static_cast<int32_t>(0.5 * (CAMERA_PICTURE_W - screen_w));
    replay_camera_x.fill(start_x);
    replay_camera_y.fill(0);
    fill_squad(0);
    fill_squad(1);

    camera.x = 0.5 * (CAMERA_PICTURE_W - screen_w);

    grass = make_grass(grass.grass_type, match_settings.weather_effect, match_settings.weather_intensity);
    crowd_level = compute_crowd_level();
}

int compute_crowd_level() {
    if (!match_teams[0] || !match_teams[1]) return 0;
    return match_rating(*match_teams[0], *match_teams[1]) + (menu.status == STATUS_COMPETITION ? 1 : 0);
}

void release_match_objects() {
    sprites.clear();
    for (auto& squad : match_players) {
        for (const t_player_ref& p : squad) {
            if (!p) continue;
            p->image.reset();
            p->hair.reset();
            p->data.clear();
            p->data.shrink_to_fit();
        }
        squad.clear();
    }
    ball.owner.reset();
    ball.owner_last.reset();
    goals.clear();
    for (t_team_ref& t : match_teams)
        if (t) {
            t->controlled.reset();
            t->nearest_1.reset();
            t->nearest_2.reset();
        }
}
