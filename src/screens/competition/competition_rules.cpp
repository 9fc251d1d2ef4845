#include "screens/competition/competition_rules.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/text.hpp"

std::string month_abbreviation(int month) {
    const std::vector<uint32_t> codes = decode_utf8(month_names[static_cast<size_t>(((month % 12) + 12) % 12)]);
    return encode_utf8(std::vector<uint32_t>(codes.begin(), codes.begin() + std::min<std::ptrdiff_t>(3, std::ssize(codes))));
}

std::string times_caption(int count) { return encode_utf8(uint32_t{215}) + std::to_string(count); }

std::string scorer_name(const t_player& player) { return player.surname.empty() ? player.name : player.surname; }

t_scorer_list scorer_list(const std::vector<t_team_ref>& teams) {
    struct t_scorer {
        const t_player* player;
        const t_team* team;
    };
    std::vector<t_scorer> scorers;
    for (const t_team_ref& t : teams)
        for (const auto& p : t->players)
            if (p->goals > 0) scorers.push_back({p.get(), t.get()});
    std::stable_sort(scorers.begin(), scorers.end(), [](const t_scorer& a, const t_scorer& b) {
        if (a.player->goals != b.player->goals) return a.player->goals > b.player->goals;
        return scorer_name(*a.player) < scorer_name(*b.player);
    });
    t_scorer_list out;
    int n = 0;
    int last_goals = -1;
    for (const t_scorer& s : scorers) {
        if (s.player->goals != last_goals) {
            n += 2;
            last_goals = s.player->goals;
            out.lines.push_back({n, true, last_goals, "", ""});
        }
        n += 1;
        out.lines.push_back({n, false, s.player->goals, scorer_name(*s.player), s.team->name});
        if (n > 24) break;
    }
    out.count = n;
    return out;
}

bool is_human(const t_team& team) { return team.control == CONTROL_PLAYER || team.control == CONTROL_COACH; }

bool has_human(const t_match& match) {
    return (match.teams[0] && is_human(*match.teams[0])) || (match.teams[1] && is_human(*match.teams[1]));
}

t_match_buttons match_buttons(bool human) {
    if (human) return {"- " + translate("MATCH") + " -", "- " + translate("RESULT") + " -", false};
    return {translate("VIEW MATCH"), translate("VIEW RESULT"), true};
}

int table_row_pitch(int teams) {
    constexpr int room = 650 - TABLE_TOP;
    return std::clamp(room / std::max(1, teams), 20, 27);
}

int scroll_offset(int offset, int step, int matches) {
    return std::clamp(offset + step, 0, std::max(0, matches - CUP_BLOCKS_SHOWN));
}

bool block_shown(int k, int offset) { return k >= offset && k < offset + CUP_BLOCKS_SHOWN; }

int offset_showing(int current, int matches) { return scroll_offset(current - CUP_BLOCKS_SHOWN / 2 + 1, 0, matches); }

bool any_two_legs(const t_cup& cup) {
    for (int i = 0; i < cup.rounds; ++i)
        if (cup.round[static_cast<size_t>(i)].legs == 2) return true;
    return false;
}

int total_legs(const t_cup& cup) {
    int legs = 0;
    for (int i = 0; i < cup.rounds; ++i) legs += cup.round[static_cast<size_t>(i)].legs;
    return legs;
}

int league_total_matches(int teams, int rounds) { return teams * (teams - 1) * rounds / 2; }

t_team_ref competition_winner(const t_competition& comp) {
    if (comp.ended == 0) return nullptr;
    if (const auto* league = dynamic_cast<const t_league*>(&comp)) {
        const std::vector<t_team_ref> table = league->table();
        return table.empty() ? nullptr : table.front();
    }
    if (const auto* cup = dynamic_cast<const t_cup*>(&comp)) {
        for (const t_match& m : cup->calendar_current)
            if (m.qualified) return m.qualified;
    }
    return nullptr;
}

bool current_match_played(t_competition& comp) {
    if (auto* league = dynamic_cast<t_league*>(&comp)) {
        if (league->current_match >= static_cast<int>(league->calendar_current.size())) return false;
        return league->get_match().result.has_value();
    }
    if (auto* cup = dynamic_cast<t_cup*>(&comp)) {
        if (cup->current_match >= static_cast<int>(cup->calendar_current.size())) return false;
        return cup->get_match().result.has_value();
    }
    return false;
}

void mark_league_end(t_league& league) {
    if (league.current_round >= league.rounds) league.ended = 1;
}
