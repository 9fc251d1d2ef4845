#include "match/overlays/overlay_presentation.hpp"

#include <algorithm>
#include <string>

#include "core/dictionary.hpp"
#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "football/competition.hpp"
#include "match/overlays/overlay_flag.hpp"
#include "football/team.hpp"
#include "match/overlays/box_frame.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "platform/graphics.hpp"
#include "ui/menu.hpp"

namespace {
// Dark enough for the names to read on a snowed pitch.
constexpr float PANEL_OPACITY = 0.65f;
constexpr double LINE_STEP = 0.044;
constexpr int RULE_HALF_WIDTH = 60;
constexpr int SKIP_GAP = 14;
constexpr int SKIP_LINE_H = 18;

float fl(double v) { return static_cast<float>(v); }

void white() { set_color(fade_level, fade_level, fade_level); }

std::string title() {
    if (menu.status == STATUS_COMPETITION && competition) return competition->get_menu_title();
    return translate("FRIENDLY");
}

void draw_rule(double centre_x, double y) {
    draw_line(fl(centre_x - RULE_HALF_WIDTH), fl(y), fl(centre_x + RULE_HALF_WIDTH), fl(y));
}

void draw_panel(const t_presentation_frame& p, int height) {
    const int blend = get_blend();
    set_blend(ALPHA_BLEND);
    set_alpha(PANEL_OPACITY);
    set_color(0, 0, 0);
    draw_rect(fl(p.x0 + 2), fl(p.y0 + 2), fl(p.x1 - 2 - (p.x0 + 2)), fl(height - p.y0 + 8 - (p.y0 + 2)));
    set_alpha(1);
    set_blend(blend);
    set_color(0, fade_level / 10, 0);
    draw_box_frame(p.x0 + 2, p.y0 + 2, p.w, p.h);
    white();
    draw_box_frame(p.x0, p.y0, p.w, p.h);
}

void draw_line_up(const t_team& team, int i, const t_presentation_frame& p) {
    const double number_x = p.x0 + (0.1 + 0.48 * i) * p.w;
    const double name_x = p.x0 + (0.14 + 0.48 * i) * p.w;
    for (int position = 1; position <= 11; ++position) {
        const auto player = team.player_at_position(position - 1);
        if (!player) continue;
        const double y = p.y0 + (0.38 + LINE_STEP * (position - 1)) * p.h;
        draw_text_10(std::to_string(player->nr), fl(number_x), fl(y), font_10, 0);
        draw_text_10(player->surname.empty() ? player->name : player->surname, fl(name_x), fl(y), font_10, 1);
    }
}
} // namespace

t_presentation_frame presentation_frame(int width, int height) {
    t_presentation_frame p{};
    p.x0 = static_cast<int>(13 + 0.2 * (width - 640) + 2);
    p.x1 = width - p.x0 + 2;
    p.w = width - 2 * p.x0 + 2;
    p.y0 = static_cast<int>(20 + 0.2 * (height - 400) + 2);
    p.h = height - 2 * p.y0 + 10;
    return p;
}

void draw_presentation() {
    if (!match_teams[0] || !match_teams[1]) return;
    t_team& home = *match_teams[0];
    t_team& away = *match_teams[1];
    prepare_match_flag(home);
    prepare_match_flag(away);
    const int sw = screen_w;
    const t_presentation_frame p = presentation_frame(sw, screen_h);
    draw_panel(p, screen_h);

    const double title_y = p.y0 + LINE_STEP * p.h;
    draw_text_14(title(), fl(0.5 * sw), fl(title_y), font_14, 0);
    draw_rule(0.5 * sw, title_y + text_height(14));
    if (!home.city.empty() && !home.stadium.empty())
        draw_text_10(home.stadium + ", " + home.city, fl(0.5 * sw), fl(p.y0 + 0.163 * p.h), font_10, 0);

    const double flag_y = p.y0 + 0.13 * p.h - 0.5 * image_height(home.clnf);
    draw_match_flag(home, p.x0 + LINE_STEP * p.w - 2, flag_y);
    draw_match_flag(away, p.x1 - LINE_STEP * p.w - image_width(away.clnf) - 2, flag_y);

    const double names_y = p.y0 + 0.25 * p.h;
    const double home_x = p.x0 + 0.24 * p.w;
    const double away_x = p.x0 + 0.72 * p.w;
    draw_text_14(home.name, fl(home_x), fl(names_y), font_14, 0);
    draw_text_14(away.name, fl(away_x), fl(names_y), font_14, 0);
    draw_rule(home_x, names_y + text_height(14));
    draw_rule(away_x, names_y + text_height(14));

    draw_line_up(home, 0, p);
    draw_line_up(away, 1, p);

    const std::string coach = translate("COACH") + ":";
    const double coach_y = p.y0 + 0.875 * p.h;
    draw_text_10(coach, fl(p.x0 + 0.08 * p.w), fl(coach_y), font_10, 1);
    draw_text_10(coach, fl(p.x0 + 0.56 * p.w), fl(coach_y), font_10, 1);
    draw_text_10(home.coach_name, fl(home_x), fl(p.y0 + 0.925 * p.h), font_10, 0);
    draw_text_10(away.coach_name, fl(away_x), fl(p.y0 + 0.925 * p.h), font_10, 0);

    // Below the panel: the walk-on is long, and fire skips it.
    const std::string skip = hud_text("FIRE: SKIP");
    const int skip_y = std::min(screen_h - p.y0 + SKIP_GAP, screen_h - SKIP_LINE_H);
    draw_text_backing(skip, sw / 2, skip_y, 10, 0);
    draw_text_10(skip, fl(0.5 * sw), fl(skip_y), font_10, 0);
}
