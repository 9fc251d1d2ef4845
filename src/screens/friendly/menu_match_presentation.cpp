#include "screens/friendly/menu_match_presentation.hpp"

#include <algorithm>

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/competition.hpp"
#include "football/kit_colour.hpp"
#include "football/match_settings.hpp"
#include "football/selected_teams.hpp"
#include "match/core/match_helpers.hpp"
#include "platform/random.hpp"
#include "screens/friendly/menu_set_team.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/fader.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int CELL_W = 47;
constexpr int CELL_H = 46;
constexpr int PANEL_X[2] = {45, 557};
constexpr int ARROW_X[2] = {262, 682};

std::shared_ptr<t_fader> add_panel(t_game_mode& screen, int x, int y, int w, int h) {
    auto f = std::make_shared<t_fader>();
    f->set_geometry(x, y, w, h);
    f->set_alpha_color(0.35f, 0);
    screen.widgets.push_back(f);
    return f;
}

t_button_ref add_picture_button(t_game_mode& screen, int x, int y, const t_image_ref& image) {
    t_button_ref b = add_button(screen, FRAME_GREY, x, y, 50, 50, "");
    b->image = image;
    b->set_frame(CELL_W, CELL_H, 0, 0);
    return b;
}

std::shared_ptr<t_picture> add_picture(t_game_mode& screen, const t_image_ref& image, int x, int y) {
    auto p = std::make_shared<t_picture>();
    p->image = image;
    p->set_geometry(x, y, image_width(image), image_height(image));
    screen.widgets.push_back(p);
    return p;
}

// The team's worn kit on the kit preview of its style.
t_image_ref kit_picture(const t_team& team) {
    set_mask_colour(0);
    t_image_ref image = load_image(get_image_path(team, "kit"), EDITABLE_IMAGE);
    if (image && !team.kits.empty())
        render_image(team.kits[static_cast<size_t>(std::clamp(team.kit, 0, static_cast<int>(team.kits.size()) - 1))],
                     image);
    return image;
}
} // namespace

int lit_rating_blocks(float rating) {
    return std::clamp(static_cast<int>(round_half_away(rating / 2.0)), 0, MenuMatchPresentation::RATING_BLOCKS);
}

MenuMatchPresentation::MenuMatchPresentation() {
    const bool in_competition = menu.status == STATUS_COMPETITION && competition;
    if (in_competition) {
        time = competition->time;
        pitch_type = competition->get_pitch_type();
        const int effect = rand(0, 3);
        const t_weather w = competition_weather(effect, rand(1, 16), pitch_type, settings.weather_max);
        weather_effect = w.effect;
        weather_intensity = w.intensity;
        sky = w.sky;
    } else {
        time = settings.time;
        pitch_type = settings.pitch_type;
        weather_effect = settings.weather_effect;
        weather_intensity = 0;
        sky = 0;
    }

    img_background = backgrounds->get("menu_match_presentation.jpg");
    img_light = load_image_from("images", "light.png", -1, 0xFF00FF);
    img_pitches = load_image_from("images", "pitches.png", -1, 0xFF00FF);
    img_weather = load_image_from("images", "weather.png", -1, 0xFF00FF);

    add_panel(*this, 92, 84, 840, 231);
    add_panel(*this, 45, 370, 422, 365);
    add_panel(*this, 557, 370, 422, 365);
    add_caption(*this, TEAL, 92, 40, 840, 44,
                in_competition ? competition->get_menu_title() : translate("FRIENDLY"));

    w_time = add_picture_button(*this, 260, 115, img_light);
    bind_steps(*this, *w_time, "bc_time", &MenuMatchPresentation::bc_time);
    w_pitch = add_picture_button(*this, 260, 185, img_pitches);
    bind_steps(*this, *w_pitch, "bc_pitch", &MenuMatchPresentation::bc_pitch);
    w_weather = add_picture_button(*this, 260, 255, img_weather);
    bind_toggle(*this, *w_weather, "bc_weather", &MenuMatchPresentation::bc_weather);

    add_label(*this, 512, 190, translate("TIME") + ":", SMALL_FONT, ALIGN_RIGHT);
    add_label(*this, 512, 210, translate("PITCH") + ":", SMALL_FONT, ALIGN_RIGHT);
    add_label(*this, 512, 230, translate("WEATHER") + ":", SMALL_FONT, ALIGN_RIGHT);
    w_time_label = add_label(*this, 502, 190, "", SMALL_FONT, ALIGN_LEFT);
    w_pitch_label = add_label(*this, 502, 210, "", SMALL_FONT, ALIGN_LEFT);
    w_weather_label = add_label(*this, 502, 230, "", SMALL_FONT, ALIGN_LEFT);

    const t_team& home = *match_teams[0];
    int info_y = 130;
    if (!home.city.empty()) {
        add_label(*this, 512, info_y, translate("CITY") + ":", SMALL_FONT, ALIGN_RIGHT);
        add_label(*this, 502, info_y, home.city, SMALL_FONT, ALIGN_LEFT);
        info_y += 20;
    }
    if (!home.stadium.empty()) {
        add_label(*this, 512, info_y, translate("STADIUM") + ":", SMALL_FONT, ALIGN_RIGHT);
        add_label(*this, 502, info_y, home.stadium, SMALL_FONT, ALIGN_LEFT);
    }

    t_button_ref play = add_button(*this, PLAY_RED, 352, 262, 240, 44, translate("PLAY MATCH"));
    bind_callback(*play, "fire1_down", "bc_play", &MenuMatchPresentation::bc_play);
    exit_widget = add_button(*this, EXIT_COLOURS, 622, 264, 144, 40, translate("EXIT"));
    bind_fire(*this, *exit_widget, "bc_exit", &MenuMatchPresentation::bc_exit);
    selected_widget = play;

    add_team_panel(0);
    add_team_panel(1);
    update_conditions();
}

void MenuMatchPresentation::add_team_panel(int team) {
    const auto t = static_cast<size_t>(team);
    t_team& side = *match_teams[t];
    prepare_team_pictures(side);
    const int px = PANEL_X[t];
    const int cx = ARROW_X[t] + 40; // the column of the kit, centred over its arrows
    add_caption(*this, team == 0 ? HOME_NAME : AWAY_NAME, px, 340, 422, 30, side.name);

    const t_image_ref small_flag = load_image_from("images/flags/small", to_lower_ascii(side.ext) + ".png", -1, CREST_MASK);
    add_picture(*this, small_flag, px + 20, 388);
    add_label(*this, px + 46, 398, file_display_name(side.ext), SMALL_FONT, ALIGN_LEFT);
    if (!side.coach_name.empty())
        add_label(*this, px + 412, 398, translate("COACH") + ": " + side.coach_name, SMALL_FONT, ALIGN_RIGHT);

    if (side.clnf) add_picture(*this, side.clnf, cx - image_width(side.clnf) / 2, 430);

    const int lit = lit_rating_blocks(team_rating(side));
    const int blocks_x = cx - (RATING_BLOCKS * 30 - 6) / 2;
    for (int b = 0; b < RATING_BLOCKS; ++b)
        w_block[t][static_cast<size_t>(b)] = add_caption(*this, b < lit ? CROSS_PINK : CHOICE_GREY,
                                                         blocks_x + 30 * b, 500, 24, 18, "");

    w_image[t] = add_picture(*this, nullptr, cx - 20, 560);
    update_kit(team);

    for (int dir = 0; dir < 2; ++dir) {
        const std::string step = dir == 0 ? "-1" : "+1";
        t_button_ref arrow = add_button(*this, BRIGHT_BLUE, ARROW_X[t] + 40 * dir, 640, 40, 40, dir == 0 ? "<" : ">");
        bind_callback(*arrow, "fire1_down", "bc_team_kit", &MenuMatchPresentation::bc_team_kit, {std::to_string(team), step});
        bind_callback(*arrow, "fire1_hold", "bc_team_kit", &MenuMatchPresentation::bc_team_kit, {std::to_string(team), step});
    }
}

void MenuMatchPresentation::update_conditions() {
    w_time->frame_x = std::clamp(time, 0, TIME_STATES - 1);
    w_time_label->text = time_string(time);
    w_pitch->frame_x = std::clamp(pitch_type, 0, PITCH_STATES - 1);
    const auto pitch = static_cast<size_t>(std::clamp(pitch_type, 0, PITCH_STATES - 1));
    w_pitch_label->text = pitch_type_names[pitch];
    w_weather->frame_x = weather_offset(weather());
    w_weather_label->text = weather_string(weather());
}

void MenuMatchPresentation::update_kit(int team) {
    const auto t = static_cast<size_t>(team);
    const t_image_ref image = kit_picture(*match_teams[t]);
    w_image[t]->image = image;
    w_image[t]->set_geometry(w_image[t]->x, w_image[t]->y, image_width(image), image_height(image));
}

void MenuMatchPresentation::bc_time(int step) {
    time = rotate_value(time, 0, TIME_STATES - 1, step);
    update_conditions();
}

void MenuMatchPresentation::bc_pitch(int step) {
    pitch_type = rotate_value(pitch_type, 0, PITCH_STATES - 1, step);
    weather_effect = WEATHER_RANDOM;
    sky = 1;
    update_conditions();
}

void MenuMatchPresentation::bc_weather() {
    const t_weather w = next_weather(weather(), pitch_type, settings.weather_max);
    weather_effect = w.effect;
    weather_intensity = w.intensity;
    sky = w.sky;
    update_conditions();
}

void MenuMatchPresentation::bc_team_kit(int team, int step) {
    if (team < 0 || team > 1) return;
    t_team& side = team_at(team);
    const int kits = std::max(1, static_cast<int>(side.kits.size()));
    side.kit = rotate_value(side.kit, 0, kits - 1, step);
    update_kit(team);
}

void MenuMatchPresentation::bc_play() {
    match_settings.time = time;
    match_settings.sky = sky;
    match_settings.pitch_type = pitch_type;
    match_settings.weather_effect = weather_effect;
    match_settings.weather_intensity = weather_intensity;
    if (menu.status != STATUS_COMPETITION) selected_teams.clear();
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_LOADING);
}

void MenuMatchPresentation::bc_exit() { action_queue->push(ACTION_NEW_SCREEN, lineup_return_mode()); }
