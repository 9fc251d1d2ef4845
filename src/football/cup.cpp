#include "football/cup.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "platform/fatal.hpp"

namespace {
std::string score_text(int a, int b) { return std::to_string(a) + "-" + std::to_string(b); }
std::string winner_score(int a, int b) { return score_text(std::max(a, b), std::min(a, b)); }

void join(std::string& text, const std::string& word) {
    if (!text.empty()) text += " ";
    text += word;
}

std::string label(int value, std::initializer_list<const char*> keys) {
    if (value < 0 || value >= static_cast<int>(keys.size())) return "";
    return translate(*(keys.begin() + value));
}
} // namespace

t_cup::t_cup() {
    typ = COMPETITION_CUP;
    set_rounds(4);
}

void t_cup::initialize(const std::vector<t_team_ref>& list) {
    t_competition::initialize(list);
    restart();
}

void t_cup::restart() {
    t_competition::restart();
    for (const auto& t : teams) t->reset_statistics();
    qualified_teams = teams;
    current_leg = 0;
    calendar_generate();
}

void t_cup::set_rounds(int n) {
    rounds = std::clamp(n, 1, CUP_MAX_ROUNDS);
    for (int i = 0; i < CUP_MAX_ROUNDS; ++i) round[static_cast<size_t>(i)].teams = rounds - i >= 0 ? 1 << (rounds - i) : 0;
    update_round_names();
}

void t_cup::update_round_names() {
    const int n = rounds;
    auto set = [this](int i, const char* key) { round[static_cast<size_t>(i)].name = translate(key); };
    set(n - 1, "FINAL");
    if (n > 1) set(n - 2, "SEMI-FINAL");
    if (n > 2) set(n - 3, "QUARTER-FINAL");
    if (n > 3) set(0, "FIRST ROUND");
    if (n > 4) set(1, "SECOND ROUND");
    if (n > 5) set(2, "THIRD ROUND");
}

const t_round& t_cup::this_round() const {
    return round[static_cast<size_t>(std::clamp(current_round, 0, CUP_MAX_ROUNDS - 1))];
}
bool t_cup::is_first_leg() const { return current_leg == 0; }
bool t_cup::is_second_leg() const { return current_leg == 1 && this_round().legs == 2; }
bool t_cup::is_replay() const { return current_leg >= this_round().legs; }

t_match& t_cup::get_match() { return calendar_current.at(static_cast<size_t>(current_match)); }

void t_cup::next_match() {
    ++current_match;
    print_line("Next match: " + std::to_string(current_match));
    if (current_match >= static_cast<int>(calendar_current.size())) next_leg();
}

void t_cup::next_leg() {
    ++current_leg;
    current_match = 0;
    print_line("Next leg: " + std::to_string(current_leg));
    calendar_generate();
    if (calendar_current.empty()) next_round();
}

void t_cup::next_round() {
    ++current_round;
    current_leg = 0;
    current_match = 0;
    print_line("Next round: " + std::to_string(current_round));
    calendar_generate();
}

void t_cup::calendar_generate() {
    if (current_leg == 0) {
        shuffle_teams(qualified_teams);
        calendar_current.clear();
        for (size_t i = 0; i + 1 < qualified_teams.size(); i += 2) {
            t_match match;
            match.teams = {qualified_teams[i], qualified_teams[i + 1]};
            calendar_current.push_back(std::move(match));
        }
        // An odd team out has nobody to play and goes through to the next round.
        const bool bye = qualified_teams.size() % 2 == 1;
        const t_team_ref spare = bye ? qualified_teams.back() : nullptr;
        qualified_teams.clear();
        if (spare) qualified_teams.push_back(spare);
    } else if (current_leg == 1 && this_round().legs == 2) {
        for (auto& m : calendar_current) {
            std::swap(m.teams[0], m.teams[1]);
            m.old_result = m.result;
            m.result.reset();
            m.result_after90.reset();
            m.includes_extra_time = 0;
            const t_score first = m.old_result.value_or(t_score{0, 0});
            m.status = translate("1ST LEG") + " " + score_text(first[1], first[0]);
        }
    } else {
        std::erase_if(calendar_current, [](const t_match& m) { return m.qualified != nullptr; });
        for (auto& m : calendar_current) {
            std::swap(m.teams[0], m.teams[1]);
            m.result.reset();
            m.result_after90.reset();
            m.old_result.reset();
            m.includes_extra_time = 0;
            m.status.clear();
        }
    }
    update_month();
}

void t_cup::calendar_print() const {
    std::string head = "=== ROUND " + std::to_string(current_round);
    if (current_leg < this_round().legs) head += ", LEG " + std::to_string(current_leg);
    else head += ", REPLAY " + std::to_string(current_leg - this_round().legs);
    print_line(head + " ===");
    for (size_t i = 0; i < calendar_current.size(); ++i)
        print_line("match " + std::to_string(i) + ":" + calendar_current[i].to_string());
    std::string names;
    for (const auto& t : qualified_teams) names += " " + t->name;
    print_line("qualified teams:" + (names.empty() ? std::string(" none") : names));
}

void t_cup::set_result(int goals_home, int goals_away, int kind) {
    t_match& match = get_match();
    const std::string suffix =
        std::to_string(current_match) + " to " + std::to_string(goals_home) + ":" + std::to_string(goals_away);
    const t_score score{goals_home, goals_away};
    if (kind == RESULT_PENALTIES) {
        print_line("Setting penalties result for match " + suffix);
        match.result_penalties = score;
    } else if (kind == RESULT_AFTER_EXTRA_TIME) {
        print_line("Setting result after extra time for match " + suffix);
        match.result = score;
        match.includes_extra_time = 1;
    } else {
        print_line("Setting result after 90 mins for match " + suffix);
        match.result = score;
        match.result_after90 = score;
    }
    const bool was_decided = match.qualified != nullptr;
    match.qualified = get_qualified(match);
    match.status = get_match_status(match);
    print_line("STATUS: " + match.status);
    // A tie is decided once; setting it again must not put the winner through twice.
    if (match.qualified && !was_decided) {
        qualified_teams.push_back(match.qualified);
        if (rounds == current_round + 1) ended = 1;
    }
}

t_score two_leg_aggregate(const t_match& second_leg) {
    const t_score second = second_leg.result.value_or(t_score{0, 0});
    // The first leg was played the other way round.
    const t_score first = second_leg.old_result.value_or(t_score{0, 0});
    return {second[0] + first[1], second[1] + first[0]};
}

t_team_ref t_cup::away_goals_winner(const t_match& match) const {
    const bool counts = away_goals == 1 || (away_goals == 2 && match.includes_extra_time == 1);
    if (!counts || !match.result || !match.old_result) return nullptr;
    const int away_side = (*match.result)[1];
    const int home_side = (*match.old_result)[1];
    if (away_side > home_side) return match.teams[1];
    if (home_side > away_side) return match.teams[0];
    return nullptr;
}

t_team_ref t_cup::get_qualified(const t_match& match) const {
    if (match.result_penalties) {
        const t_score p = *match.result_penalties;
        if (p[0] == p[1]) runtime_error("Invalid state in cup");
        return match.teams[p[0] > p[1] ? 0 : 1];
    }
    if (!match.result) return nullptr;
    const t_score r = *match.result;
    if (is_first_leg() && this_round().legs == 2) return nullptr;
    if (is_second_leg()) {
        const auto [home, away] = two_leg_aggregate(match);
        if (home != away) return match.teams[home > away ? 0 : 1];
        return away_goals_winner(match);
    }
    if (r[0] != r[1]) return match.teams[r[0] > r[1] ? 0 : 1];
    return nullptr;
}

int t_cup::play_extra_time() const {
    if (calendar_current.empty()) return 0;
    const t_match& m = calendar_current.at(static_cast<size_t>(current_match));
    if (!m.result) return 0;
    const t_score r = *m.result;
    const t_round& rd = this_round();
    if (is_first_leg()) return rd.legs == 1 && r[0] == r[1] && rd.extra_time == 1 ? 1 : 0;
    if (is_second_leg()) {
        const t_score total = two_leg_aggregate(m);
        const bool level = total[0] == total[1];
        return level && away_goals_winner(m) == nullptr && rd.extra_time == 1 ? 1 : 0;
    }
    return r[0] == r[1] && (rd.extra_time == 1 || rd.extra_time == 2) ? 1 : 0;
}

int t_cup::play_penalties() const {
    if (calendar_current.empty()) return 0;
    const t_match& m = calendar_current.at(static_cast<size_t>(current_match));
    if (!m.result) return 0;
    const t_score r = *m.result;
    const t_round& rd = this_round();
    if (is_first_leg()) return rd.legs == 1 && r[0] == r[1] && rd.penalties == 1 ? 1 : 0;
    if (is_second_leg()) {
        const t_score total = two_leg_aggregate(m);
        const bool level = total[0] == total[1];
        return level && away_goals_winner(m) == nullptr && rd.penalties == 1 ? 1 : 0;
    }
    if (r[0] != r[1]) return 0;
    if (rd.penalties == 1) runtime_error("Invalid state in cup");
    return rd.penalties == 2 ? 1 : 0;
}

std::string t_cup::get_match_status(const t_match& match) const {
    std::string s;
    if (!match.result) return s;
    const t_score r = *match.result;
    const bool extra = match.includes_extra_time == 1;
    const std::string winner = match.qualified ? match.qualified->name : std::string();

    if (is_second_leg() && !match.qualified) {
        const t_score o = match.old_result.value_or(t_score{0, 0});
        return translate("1ST LEG") + " " + score_text(o[0], o[1]);
    }
    if (match.qualified && match.result_penalties) {
        const t_score p = *match.result_penalties;
        join(s, winner);
        join(s, translate("WIN"));
        join(s, winner_score(p[0], p[1]));
        join(s, translate("ON PENALTIES"));
        if (extra) join(s, translate("AFTER EXTRA TIME"));
        if (!is_replay() && match.result_after90 && *match.result_after90 != r) {
            join(s, translate("90 MINUTES"));
            join(s, score_text((*match.result_after90)[0], (*match.result_after90)[1]));
        }
        return s;
    }
    if (match.qualified && is_second_leg()) {
        const auto [home, away] = two_leg_aggregate(match);
        if (home != away) {
            join(s, winner);
            join(s, translate("WIN"));
            join(s, winner_score(home, away));
            join(s, translate("ON AGGREGATE"));
        } else {
            join(s, score_text(home, away));
            join(s, translate("ON AGGREGATE"));
            join(s, winner);
            join(s, translate("WIN"));
            join(s, translate("ON AWAY GOALS"));
        }
        if (extra) join(s, translate("AFTER EXTRA TIME"));
        return s;
    }
    if (match.qualified && extra) {
        join(s, translate("AFTER EXTRA TIME"));
        if (match.result_after90) {
            join(s, translate("90 MINUTES"));
            join(s, score_text((*match.result_after90)[0], (*match.result_after90)[1]));
        }
    }
    return s;
}

std::string t_cup::get_menu_title() const {
    const t_round& rd = this_round();
    std::string title = name + " " + rd.name;
    const bool single = calendar_current.size() == 1;
    if (rd.legs == 1) {
        if (current_leg == 0) return title;
        if (current_leg == 2) return title + " " + translate(single ? "2ND REPLAY" : "2ND REPLAYS");
        if (current_leg == 3) return title + " " + translate(single ? "3RD REPLAY" : "3RD REPLAYS");
        return title + " " + translate(single ? "REPLAY" : "REPLAYS");
    }
    if (current_leg == 0) return title + " " + translate("1ST LEG");
    if (current_leg == 1) return title + " " + translate("2ND LEG");
    return title + " " + translate(single ? "REPLAY" : "REPLAYS");
}

std::string t_cup::get_away_goals_label() const { return label(away_goals, {"OFF", "AFTER 90 MINS", "AFTER EXTRA TIME"}); }

std::string t_cup::get_legs_label(int round_index) const {
    if (round_index < 0 || round_index >= CUP_MAX_ROUNDS) return "";
    return label(round[static_cast<size_t>(round_index)].legs - 1, {"ONE LEG", "TWO LEGS"});
}

std::string t_cup::get_extra_time_label(int round_index) const {
    if (round_index < 0 || round_index >= CUP_MAX_ROUNDS) return "";
    return label(round[static_cast<size_t>(round_index)].extra_time, {"NO EXTRA TIME", "EXTRA TIME", "EXTRA TIME IF REPLAY"});
}

std::string t_cup::get_penalties_label(int round_index) const {
    if (round_index < 0 || round_index >= CUP_MAX_ROUNDS) return "";
    return label(round[static_cast<size_t>(round_index)].penalties, {"NO PENALTIES", "PENALTIES", "PENALTIES IF REPLAY"});
}
