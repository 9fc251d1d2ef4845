#include "match/core/match_loading.hpp"

#include <chrono>
#include <cmath>
#include <future>
#include <map>
#include <tuple>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "football/colour.hpp"
#include "football/kit_colour.hpp"
#include "match/draw/crowd.hpp"
#include "app/match_benchmark.hpp"
#include "match/draw/grass.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_setup.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_start.hpp"
#include "match/core/match_state.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"
#include "platform/stream.hpp"
#include "platform/timer.hpp"

namespace {
constexpr int PITCH_MASK = 0x00F700;
constexpr int BALL_MASK = 0x00FF00;
constexpr int DIGIT_MASK = 0x0000FF;
constexpr int SHADOW_PLACEHOLDER = 0x404040;
constexpr uint32_t BALL_SHADOW_LIGHT = 0x005200;
constexpr uint32_t BALL_SHADOW_DARK = 0x001800;

// Loading progress, 0..100, as a bar across the middle of the screen. Presenting a frame costs far more than
// loading a player, so the bar is shown at most every 40 ms (and at the end), without waiting for the refresh.
constexpr std::chrono::milliseconds PROGRESS_INTERVAL{40};

void show_progress(int percent) {
    static std::chrono::steady_clock::time_point last_shown{};
    const auto now = std::chrono::steady_clock::now();
    if (percent < 100 && now - last_shown < PROGRESS_INTERVAL) return;
    last_shown = now;
    const auto w = static_cast<float>(screen_w);
    const auto h = static_cast<float>(screen_h);
    cls();
    set_blend(SOLID_BLEND);
    set_alpha(1);
    set_color(0, 0, 255);
    draw_rect(0.25f * w, 0.495f * h, 0.5f * w, 0.01f * h);
    set_color(255, 255, 0);
    draw_rect(0.25f * w, 0.495f * h, 0.5f * w * static_cast<float>(percent) / 100.0f, 0.01f * h);
    set_color(255, 255, 255);
    flip(0);
}

// Props drawn on black: the loader keeps the previous mask when given 0, so black is set first.
t_image_ref load_on_black(const std::string& name) {
    set_mask_colour(0x000000);
    return load_image_from("images", name, MASKED_IMAGE, 0);
}

// Wall clock and process CPU per loading step, printed with --benchmark to show where the time goes.
class t_step_timer {
public:
    t_step_timer() : wall_(std::chrono::steady_clock::now()), cpu_(process_cpu_ms()) {}
    void step(const char* name) {
        const auto wall = std::chrono::steady_clock::now();
        const double cpu = process_cpu_ms();
        text_ += std::string(text_.empty() ? "" : ", ") + name + " " +
                 std::to_string(static_cast<int>(std::chrono::duration<double, std::milli>(wall - wall_).count())) + "/" +
                 std::to_string(static_cast<int>(cpu - cpu_));
        wall_ = wall;
        cpu_ = cpu;
    }
    const std::string& text() const { return text_; }

private:
    std::chrono::steady_clock::time_point wall_;
    double cpu_;
    std::string text_;
};

int percent_of(int done, int total) { return total == 0 ? 100 : (100 * done + total - 1) / total; }

t_image_ref load_pitch_tile(t_match_picture_cache& pictures, int r, int c) {
    return pictures.with_palette_file(
        "images/stadium/generic_" + std::to_string(r) + std::to_string(c) + ".png",
        pitch_palette_path(grass.grass_type, match_settings.time, match_settings.sky), MASKED_IMAGE, PITCH_MASK);
}

t_color_replacement_list kit_list(const t_team& team) {
    t_color_replacement_list list;
    if (!team.kits.empty()) add_kit_colors(team.kits[0], list);
    return list;
}

template <size_t N>
void load_shadow_sheets(t_match_picture_cache& pictures, std::array<t_image_ref, N>& sheets, const std::string& kind) {
    const bool at_night = match_settings.time == TIME_NIGHT;
    t_color_replacement_list list;
    list.add(SHADOW_PLACEHOLDER, at_night ? grass.sha1 : grass.sha2);
    for (size_t n = 0; n < N; ++n)
        sheets[n] = n == 0 || at_night ? pictures.recoloured("images/player/shadows/" + kind + "_" + std::to_string(n) +
                                                                 ".png",
                                                             list, MASKED_IMAGE, 0)
                                       : nullptr;
}

// Bodies (first half of the bar) then hair (second half); players of a team with the same skin share a body sheet.
void load_player_images(t_match_picture_cache& pictures) {
    std::map<std::tuple<size_t, bool, int>, t_image_ref> bodies;
    std::map<std::tuple<int, int, int>, t_image_ref> hairs;
    int total = 0;
    for (const auto& squad : match_players) total += static_cast<int>(squad.size()) - 1;
    int done = 0;
    for (size_t t = 0; t < 2; ++t)
        for (size_t slot = 1; slot < match_players[t].size(); ++slot) {
            t_player& p = *match_players[t][slot];
            t_image_ref& body = bodies[{t, p.is_goalkeeper(), p.sk}];
            if (!body)
                body = pictures.recoloured(player_image_path(p, *match_teams[t]),
                                           player_image_colours(p, *match_teams[t]), MASKED_IMAGE, 0);
            p.image = body;
            sprites.push_back(&p);
            show_progress(percent_of(++done, total) / 2);
        }
    done = 0;
    for (size_t t = 0; t < 2; ++t)
        for (size_t slot = 1; slot < match_players[t].size(); ++slot) {
            t_player& p = *match_players[t][slot];
            t_image_ref& hair = hairs[{hair_type_code(p), p.hc, p.sk}];
            if (!hair) hair = pictures.recoloured(hair_image_path(p), hair_image_colours(p), MASKED_IMAGE, 0);
            p.hair = hair;
            show_progress(50 + percent_of(++done, total) / 2);
        }
}

void place_props(t_match_picture_cache& pictures) {
    top_goal[0] = t_sprite{};
    top_goal[0].x = TOP_GOAL_FRAME_X;
    top_goal[0].y = TOP_GOAL_FRAME_Y;
    top_goal[0].offset = TOP_GOAL_FRAME_OFFSET;
    top_goal[0].image = load_on_black("goal-top-a.png");
    top_goal[1] = t_sprite{};
    top_goal[1].x = TOP_GOAL_NET_X;
    top_goal[1].y = TOP_GOAL_NET_Y;
    top_goal[1].offset = TOP_GOAL_NET_OFFSET;
    top_goal[1].image = load_on_black("goal-top-b.png");
    sprites.push_back(&top_goal[0]);
    sprites.push_back(&top_goal[1]);
    for (size_t k = 0; k < flagposts.size(); ++k) {
        flagposts[k] = t_flagpost{};
        flagposts[k].x = (k % 2 == 0 ? -1 : 1) * static_cast<int>(TOUCHLINE_X);
        flagposts[k].y = (k < 2 ? -1 : 1) * static_cast<int>(GOAL_LINE_Y);
        sprites.push_back(&flagposts[k]);
    }
    for (size_t i = 0; i < 2; ++i) {
        t_coach& c = coaches[i];
        c = t_coach{};
        c.x = COACH_X;
        c.y = 1 - 2 * static_cast<int>(i) == bench_side ? COACH_BENCH_Y : COACH_OTHER_Y;
        c.image = pictures.recoloured("images/coach.png", kit_list(*match_teams[i]), MASKED_IMAGE, 0);
        sprites.push_back(&c);
    }
}

t_image_ref load_ball_image() {
    const bool snowy = grass.grass_type == PITCH_SNOWED || grass.grass_type == PITCH_WHITE ||
                       (grass.grass_type == PITCH_FROZEN && match_settings.weather_effect == WEATHER_SNOW &&
                        match_settings.weather_intensity > 0);
    t_image_ref img = load_image_from("images", snowy ? "ballsnow.png" : "ball.png", MASKED_IMAGE, BALL_MASK);
    const bool at_night = match_settings.time == TIME_NIGHT;
    const auto sha1 = static_cast<uint32_t>(grass.sha1);
    const auto sha2 = static_cast<uint32_t>(grass.sha2);
    replace_pixel_colour(img, argb(BALL_SHADOW_LIGHT, 255), argb(sha1, 255));
    replace_pixel_colour(img, argb(BALL_SHADOW_DARK, 255), argb(at_night ? sha1 : sha2, 255));
    return img;
}
} // namespace

void load_referee_images(t_match_picture_cache& pictures) {
    match_images.referee = load_on_black("referee.png");
    load_shadow_sheets(pictures, match_images.referee_shadows, "referee");
}

void load_match_images() {
    // Decoding the sounds costs more than all the pictures together and shares nothing with them: it runs beside.
    auto sounds = std::async(std::launch::async, load_match_sounds);
    t_match_picture_cache pictures;
    for (int r = 0; r < PITCH_TILE_ROWS; ++r)
        for (int c = 0; c < PITCH_TILE_ROWS; ++c)
            pitch_tiles[static_cast<size_t>(r)][static_cast<size_t>(c)] = load_pitch_tile(pictures, r, c);
    load_player_images(pictures);
    place_props(pictures);
    const t_color_replacement_list home_kit = kit_list(*match_teams[0]);
    for (size_t k = 0; k < CROWD_PIECES; ++k)
        match_images.crowd_pieces[k] = pictures.recoloured(
            std::string("images/stadium/tile_") + static_cast<char>('a' + k) + ".png", home_kit, MASKED_IMAGE, 0);
    match_images.goal_bottom = load_on_black("goal-btm.png");
    match_images.ball = load_ball_image();
    match_images.jumper = load_on_black("jumper.png");
    match_images.flag = load_on_black("flag.png");
    keeper_cd = load_pixmap_from("images", "keeper_cd.png");
    match_images.number = load_image_from("images", "number.png", MASKED_IMAGE, DIGIT_MASK);
    match_images.wind_vane = load_on_black("wind.png");
    match_images.time_digits = load_on_black("time.png");
    match_images.score_digits = load_on_black("score.png");
    match_images.rain = load_on_black("rain.png");
    match_images.snow = load_on_black("snow.png");
    match_images.fog = load_on_black("fog.png");
    crowd = load_crowd_layout();
    load_shadow_sheets(pictures, match_images.player_shadows, "player");
    load_shadow_sheets(pictures, match_images.keeper_shadows, "keeper");
    load_referee_images(pictures);
    sounds.get();
}

void release_match_images() {
    for (auto& row : pitch_tiles)
        for (t_image_ref& tile : row) tile.reset();
    match_images = t_match_images{};
    for (t_coach& c : coaches) c.image.reset();
    for (t_sprite& g : top_goal) g.image.reset();
    keeper_cd.reset();
    crowd.clear();
}

MatchLoading::MatchLoading() {
    const auto started = std::chrono::steady_clock::now();
    t_step_timer steps;
    const t_display_mode& mode = display_modes.at(static_cast<size_t>(std::clamp(settings.gr_mode, 0, static_cast<int32_t>(DISPLAY_MODES) - 1)));
    if (!open_graphics(mode.width, mode.height, settings.full_screen != 0 ? 32 : 0, 60))
        runtime_error("Cannot open the display");
    screen_w = mode.width;
    screen_h = mode.height;
    steps.step("display");
    build_match_objects();
    for (const auto& squad : match_players)
        for (const t_player_ref& p : squad)
            if (p) init_player_brain(*p);
    steps.step("objects");
    load_match_images();
    steps.step("pictures and sounds");
    start_crowd();
    steps.step("crowd");
    if (match_benchmark_enabled()) print_line("benchmark: match loading steps (wall/cpu ms): " + steps.text());
    frame0 = replay_frame;
    note_loading_time(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
}

void MatchLoading::update() {
    if (opened_next_) return;
    opened_next_ = true;
    if (match_start.straight_to_open_play) {
        place_for_open_play();
        action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_MAIN);
    } else {
        action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_INTRO);
    }
}

void MatchLoading::render() {}
