#include "football/competition.hpp"

#include "core/dictionary.hpp"
#include "platform/random.hpp"

const std::array<std::string, PITCH_TYPES + 1> pitch_type_keys = {
    "FROZEN", "MUDDY", "WET", "SOFT", "NORMAL", "DRY", "HARD", "SNOWED", "WHITE", "RANDOM"};
const std::array<std::string, 12> month_keys = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                                "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
std::array<std::string, PITCH_TYPES + 1> pitch_type_names;
std::array<std::string, 12> month_names;

const std::array<std::array<int, PITCH_TYPES>, 12> pitch_weights = {{
    {20, 20, 20, 5, 10, 0, 5, 10, 10},
    {20, 20, 20, 5, 10, 0, 5, 10, 10},
    {10, 20, 30, 10, 15, 0, 5, 5, 5},
    {0, 15, 35, 20, 25, 0, 5, 0, 0},
    {0, 10, 30, 25, 25, 5, 5, 0, 0},
    {0, 5, 20, 30, 35, 5, 5, 0, 0},
    {0, 0, 20, 30, 30, 10, 10, 0, 0},
    {0, 0, 10, 30, 30, 15, 15, 0, 0},
    {0, 5, 20, 25, 35, 5, 10, 0, 0},
    {5, 15, 20, 20, 30, 0, 5, 5, 0},
    {5, 20, 20, 15, 25, 0, 5, 5, 5},
    {10, 20, 20, 10, 15, 0, 5, 10, 10},
}};

void fill_competition_names() {
    for (size_t i = 0; i < pitch_type_keys.size(); ++i) pitch_type_names[i] = translate(pitch_type_keys[i]);
    for (size_t i = 0; i < month_keys.size(); ++i) month_names[i] = translate(month_keys[i]);
}

void shuffle_teams(std::vector<t_team_ref>& list) {
    const int count = static_cast<int>(list.size());
    for (int i = 0; i < count; ++i) {
        const int a = rand(0, count - 1);
        const int b = rand(0, count - 1);
        std::swap(list[static_cast<size_t>(a)], list[static_cast<size_t>(b)]);
    }
}

void t_competition::restart() {
    ended = 0;
    current_round = 0;
    current_match = 0;
}

int t_competition::get_pitch_type() const {
    if (byseason == 0) return pitch_type == PITCH_RANDOM ? rand(0, PITCH_TYPES - 1) : pitch_type;
    const int r = rand(0, 99);
    const auto& row = pitch_weights[static_cast<size_t>(((current_month % 12) + 12) % 12)];
    int sum = 0;
    for (int t = 0; t < PITCH_TYPES; ++t) {
        sum += row[static_cast<size_t>(t)];
        if (sum > r) return t;
    }
    return PITCH_TYPES - 1;
}

std::string t_competition::get_byseason_label() const { return translate(byseason == 1 ? "SEASON" : "PITCH TYPE"); }

std::string t_competition::get_time_label() const {
    if (time == 0) return translate("DAY");
    if (time == 1) return translate("NIGHT");
    return "";
}

void t_competition::update_month_for(int rounds) {
    if (rounds <= 0) return;
    current_month = (season_start + ((season_end - season_start + 12) % 12) * current_round / rounds) % 12;
}

std::shared_ptr<t_competition> competition;
int teams_required = 2;
