#include "football/competition_save.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "football/cup.hpp"
#include "football/league.hpp"
#include "football/safe_save.hpp"
#include "football/tactics.hpp"
#include "football/team_file.hpp"
#include "platform/fatal.hpp"
#include "platform/file_places.hpp"
#include "platform/files.hpp"
#include "platform/stream.hpp"

const std::string competition_save_path = "quilbo_competition.sav";

namespace {
const std::string MAGIC = "QUILBO ROVUDO COMPETITION 1";
constexpr int MAX_CUP_TEAMS = 64;
constexpr int MAX_SCORE = 999;
constexpr int MAX_CALENDAR_MATCHES = 24 * 23 * 10;
constexpr int MOST_POINTS_FOR_A_WIN = 3;
constexpr int MAX_PLAYER_GOALS = 9999;
constexpr int MOST_LEGS_A_ROUND = 2;

class t_bad_save : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string join_ints(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) s += (s.empty() ? "" : " ") + std::to_string(v);
    return s;
}

std::string score_token(const std::optional<t_score>& s) {
    return s ? std::to_string((*s)[0]) + ":" + std::to_string((*s)[1]) : "-";
}

int team_index(const std::vector<t_team_ref>& teams, const t_team_ref& team) {
    const auto it = std::find(teams.begin(), teams.end(), team);
    return it == teams.end() ? -1 : static_cast<int>(it - teams.begin());
}

void write_common(t_stream& out, const t_competition& c) {
    out.write_line(MAGIC);
    out.write_line("type " + std::to_string(c.typ));
    out.write_line("name " + c.name);
    out.write_line("common " + join_ints({c.byseason, c.season_start, c.season_end, c.current_month, c.pitch_type,
                                          c.substitutions, c.bench_size, c.time, c.ended, c.user_prefers_result,
                                          c.current_round, c.current_match, c.team_to_view}));
}

void write_teams(t_stream& out, const std::vector<t_team_ref>& teams) {
    out.write_line("teams " + std::to_string(teams.size()));
    for (const t_team_ref& t : teams) {
        out.write_line("team " + t->ext + " " +
                       join_ints({t->number, t->control, t->dev, t->tactics, t->kit, t->won, t->drawn, t->lost,
                                  t->goals_for, t->goals_against, t->points, static_cast<int>(t->players.size())}));
        for (const auto& p : t->players)
            out.write_line("player " + join_ints({p->nr, p->goals}) + " " + p->name + "|" + p->surname);
    }
}

void write_calendar(t_stream& out, const std::vector<t_team_ref>& teams, const std::vector<t_match>& calendar) {
    out.write_line("calendar " + std::to_string(calendar.size()));
    for (const t_match& m : calendar) {
        out.write_line("match " + join_ints({team_index(teams, m.teams[0]), team_index(teams, m.teams[1])}) + " " +
                       score_token(m.result) + " " + score_token(m.result_after90) + " " +
                       score_token(m.result_penalties) + " " + score_token(m.old_result) + " " +
                       join_ints({m.includes_extra_time, team_index(teams, m.qualified)}));
        out.write_line("status " + m.status);
    }
}

void write_competition(t_stream& out, const t_competition& c) {
    write_common(out, c);
    if (const auto* league = dynamic_cast<const t_league*>(&c)) {
        out.write_line("league " + join_ints({league->weather_effect, league->weather_intensity, league->sky,
                                              league->number_of_teams, league->total_matches, league->rounds,
                                              league->points_for_a_win}));
        write_teams(out, c.teams);
        write_calendar(out, c.teams, league->calendar_current);
    } else if (const auto* cup = dynamic_cast<const t_cup*>(&c)) {
        out.write_line("cup " + join_ints({cup->away_goals, cup->weather_effect, cup->weather_intensity, cup->sky,
                                           cup->rounds, cup->current_leg, cup->total_legs}));
        for (const t_round& r : cup->round)
            out.write_line("round " + join_ints({r.legs, r.extra_time, r.penalties, r.teams}) + " " + r.name);
        write_teams(out, c.teams);
        write_calendar(out, c.teams, cup->calendar_current);
        std::string q = "qualified " + std::to_string(cup->qualified_teams.size());
        for (const t_team_ref& t : cup->qualified_teams) q += " " + std::to_string(team_index(c.teams, t));
        out.write_line(q);
    }
    out.write_line("end");
}

// Reads the save line by line; any surprise throws t_bad_save with the reason.
class t_reader {
public:
    explicit t_reader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string text(const std::string& key) {
        const std::string& line = next(key);
        return line.size() > key.size() ? line.substr(key.size() + 1) : std::string();
    }

    std::vector<std::string> fields(const std::string& key, size_t count) {
        std::vector<std::string> out;
        const std::string rest = text(key);
        size_t start = 0;
        while (out.size() < count) {
            const size_t space = rest.find(' ', start);
            if (out.size() + 1 == count || space == std::string::npos) {
                out.push_back(rest.substr(start));
                break;
            }
            out.push_back(rest.substr(start, space - start));
            start = space + 1;
        }
        if (out.size() != count) fail("too few values on a \"" + key + "\" line");
        return out;
    }

    std::vector<int> ints(const std::string& key, size_t count) {
        std::vector<int> out;
        for (const std::string& f : fields(key, count)) out.push_back(to_int(f));
        return out;
    }

    static int to_int(const std::string& s) {
        int v = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (ec != std::errc() || end != s.data() + s.size() || s.empty()) fail("\"" + s + "\" is not a number");
        return v;
    }

    [[noreturn]] static void fail(const std::string& reason) { throw t_bad_save(reason); }

private:
    const std::string& next(const std::string& key) {
        if (at_ >= lines_.size()) fail("it ends early");
        const std::string& line = lines_[at_++];
        if (line != key && line.rfind(key + " ", 0) != 0) fail("line " + std::to_string(at_) + " is not \"" + key + "\"");
        return line;
    }

    std::vector<std::string> lines_;
    size_t at_ = 0;
};

void check(bool ok, const std::string& reason) {
    if (!ok) t_reader::fail(reason);
}

int in_range(int v, int low, int high, const std::string& what) {
    check(v >= low && v <= high, what + " out of range");
    return v;
}

std::vector<std::string> split_words(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t space = text.find(' ', start);
        const std::string word = text.substr(start, space == std::string::npos ? std::string::npos : space - start);
        if (!word.empty()) out.push_back(word);
        if (space == std::string::npos) break;
        start = space + 1;
    }
    return out;
}

std::optional<t_score> read_score(const std::string& token) {
    if (token == "-") return std::nullopt;
    const size_t colon = token.find(':');
    check(colon != std::string::npos, "bad score \"" + token + "\"");
    const int a = in_range(t_reader::to_int(token.substr(0, colon)), 0, MAX_SCORE, "a score");
    const int b = in_range(t_reader::to_int(token.substr(colon + 1)), 0, MAX_SCORE, "a score");
    return t_score{a, b};
}

void read_common(t_reader& in, t_competition& c) {
    c.name = in.text("name");
    const std::vector<int> v = in.ints("common", 13);
    c.byseason = in_range(v[0], 0, 1, "season flag");
    c.season_start = in_range(v[1], 0, 11, "season start");
    c.season_end = in_range(v[2], 0, 11, "season end");
    c.current_month = in_range(v[3], 0, 11, "month");
    c.pitch_type = in_range(v[4], 0, PITCH_RANDOM, "pitch type");
    c.bench_size = in_range(v[6], 2, 5, "bench size");
    c.substitutions = in_range(v[5], 2, c.bench_size, "substitutes");
    c.time = in_range(v[7], 0, 1, "time");
    c.ended = in_range(v[8], 0, 1, "end flag");
    c.user_prefers_result = in_range(v[9], 0, 1, "result flag");
    c.current_round = in_range(v[10], 0, 1000, "round");
    c.current_match = in_range(v[11], 0, 100000, "match");
    c.team_to_view = v[12];
}

// Puts the players back in the saved order with their goals; players the team file no
// longer has are dropped, new ones follow in file order.
void restore_players(t_team& team, const std::vector<std::tuple<int, int, std::string>>& saved) {
    std::vector<std::shared_ptr<t_player>> pool = team.players;
    std::vector<std::shared_ptr<t_player>> ordered;
    for (const auto& entry : saved) {
        // Named copies: lambdas cannot capture structured bindings on every compiler we build with.
        const int nr = std::get<0>(entry), goals = std::get<1>(entry);
        const std::string& full_name = std::get<2>(entry);
        auto same_name = [&](const std::shared_ptr<t_player>& p) { return p->name + "|" + p->surname == full_name; };
        auto it = std::find_if(pool.begin(), pool.end(), [&](const auto& p) { return p->nr == nr && same_name(p); });
        if (it == pool.end()) it = std::find_if(pool.begin(), pool.end(), same_name);
        if (it == pool.end()) continue;
        (*it)->goals = goals;
        ordered.push_back(*it);
        pool.erase(it);
    }
    ordered.insert(ordered.end(), pool.begin(), pool.end());
    team.players = ordered;
}

std::vector<t_team_ref> read_teams(t_reader& in, int low, int high) {
    const int count = in_range(in.ints("teams", 1)[0], low, high, "number of teams");
    std::vector<t_team_ref> teams;
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string> f = in.fields("team", 13);
        std::vector<int> v;
        for (size_t k = 1; k < f.size(); ++k) v.push_back(t_reader::to_int(f[k]));
        auto team = std::make_shared<t_team>();
        team->ext = f[0];
        team->number = v[0];
        check(!team->ext.empty() && team->ext.find('/') == std::string::npos, "bad team file code");
        check(file_type(team_file_path(team->ext)) == 1, "no team file " + team_file_path(team->ext));
        const int players = in_range(v[11], 0, MAX_SQUAD, "squad size");
        std::vector<std::tuple<int, int, std::string>> saved;
        for (int p = 0; p < players; ++p) {
            const std::vector<std::string> pf = in.fields("player", 3);
            saved.emplace_back(t_reader::to_int(pf[0]), in_range(t_reader::to_int(pf[1]), 0, MAX_PLAYER_GOALS, "goals"), pf[2]);
        }
        load_team(*team);
        check(!team->players.empty(), "team " + std::to_string(team->number) + " is not in " + team_file_path(team->ext));
        team->control = in_range(v[1], CONTROL_COMPUTER, CONTROL_COACH, "control");
        team->dev = in_range(v[2], -1, 4, "input device");
        team->tactics = in_range(v[3], 0, TACTICS_SLOTS - 1, "tactics");
        team->kit = std::clamp(v[4], 0, std::max(0, team->kit_count - 1));
        team->won = v[5];
        team->drawn = v[6];
        team->lost = v[7];
        team->goals_for = v[8];
        team->goals_against = v[9];
        team->points = v[10];
        restore_players(*team, saved);
        teams.push_back(team);
    }
    return teams;
}

std::vector<t_match> read_calendar(t_reader& in, const std::vector<t_team_ref>& teams) {
    const int count = in_range(in.ints("calendar", 1)[0], 0, MAX_CALENDAR_MATCHES, "calendar size");
    const int n = static_cast<int>(teams.size());
    std::vector<t_match> calendar;
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string> f = in.fields("match", 8);
        t_match m;
        const int home = in_range(t_reader::to_int(f[0]), 0, n - 1, "home team");
        const int away = in_range(t_reader::to_int(f[1]), 0, n - 1, "away team");
        check(home != away, "a team plays itself");
        m.teams = {teams[static_cast<size_t>(home)], teams[static_cast<size_t>(away)]};
        m.result = read_score(f[2]);
        m.result_after90 = read_score(f[3]);
        m.result_penalties = read_score(f[4]);
        m.old_result = read_score(f[5]);
        m.includes_extra_time = in_range(t_reader::to_int(f[6]), 0, 1, "extra-time flag");
        const int qualified = t_reader::to_int(f[7]);
        check(qualified == -1 || qualified == home || qualified == away, "qualified team not in its match");
        if (qualified >= 0) m.qualified = teams[static_cast<size_t>(qualified)];
        check(!m.result_penalties || (*m.result_penalties)[0] != (*m.result_penalties)[1], "level shoot-out");
        m.status = in.text("status");
        calendar.push_back(std::move(m));
    }
    return calendar;
}

// A team's table figures can only come from its own matches of the calendar; anything more would
// overflow once the next results are added.
void check_team_figures(const std::vector<t_team_ref>& teams, const std::vector<t_match>& calendar,
                        int points_for_a_win) {
    for (const t_team_ref& t : teams) {
        const auto games = static_cast<int>(std::count_if(calendar.begin(), calendar.end(), [&](const t_match& m) {
            return m.teams[0] == t || m.teams[1] == t;
        }));
        const int won = in_range(t->won, 0, games, "matches won");
        const int drawn = in_range(t->drawn, 0, games, "matches drawn");
        const int lost = in_range(t->lost, 0, games, "matches lost");
        const int played = in_range(won + drawn + lost, 0, games, "matches played");
        in_range(t->goals_for, 0, MAX_SCORE * played, "goals for");
        in_range(t->goals_against, 0, MAX_SCORE * played, "goals against");
        in_range(t->points, 0, points_for_a_win * won + drawn, "points");
    }
}

std::shared_ptr<t_competition> read_league(t_reader& in) {
    auto league = std::make_shared<t_league>();
    read_common(in, *league);
    const std::vector<int> v = in.ints("league", 7);
    league->weather_effect = v[0];
    league->weather_intensity = v[1];
    league->sky = v[2];
    league->number_of_teams = in_range(v[3], 2, 24, "number of teams");
    league->rounds = in_range(v[5], 1, 10, "rounds");
    league->points_for_a_win = in_range(v[6], 2, 3, "points for a win");
    const int n = league->number_of_teams;
    league->total_matches = league->rounds * n * (n - 1) / 2;
    league->teams = read_teams(in, n, n);
    league->calendar_current = read_calendar(in, league->teams);
    check_team_figures(league->teams, league->calendar_current, league->points_for_a_win);
    const auto size = static_cast<int>(league->calendar_current.size());
    check(size == league->total_matches, "the calendar does not match the league");
    check(league->current_match < size || league->ended == 1, "current match past the calendar");
    check(league->current_match <= size && league->current_round <= league->rounds, "round past the season");
    return league;
}

std::shared_ptr<t_competition> read_cup(t_reader& in) {
    auto cup = std::make_shared<t_cup>();
    read_common(in, *cup);
    const std::vector<int> v = in.ints("cup", 7);
    cup->away_goals = in_range(v[0], 0, 2, "away goals");
    cup->weather_effect = v[1];
    cup->weather_intensity = v[2];
    cup->sky = v[3];
    cup->rounds = in_range(v[4], 1, CUP_MAX_ROUNDS, "rounds");
    cup->current_leg = in_range(v[5], 0, 1000, "leg");
    cup->total_legs = in_range(v[6], 0, MOST_LEGS_A_ROUND * CUP_MAX_ROUNDS, "legs of the cup");
    for (t_round& r : cup->round) {
        const std::vector<std::string> f = in.fields("round", 5);
        r.legs = in_range(t_reader::to_int(f[0]), 1, MOST_LEGS_A_ROUND, "legs");
        r.extra_time = in_range(t_reader::to_int(f[1]), 0, 2, "extra time");
        r.penalties = in_range(t_reader::to_int(f[2]), 0, 2, "penalties");
        r.teams = in_range(t_reader::to_int(f[3]), 0, MAX_CUP_TEAMS, "round teams");
        r.name = f[4];
    }
    check(cup->current_round < cup->rounds, "round past the final");
    cup->teams = read_teams(in, 2, MAX_CUP_TEAMS);
    cup->calendar_current = read_calendar(in, cup->teams);
    check_team_figures(cup->teams, cup->calendar_current, MOST_POINTS_FOR_A_WIN);
    const auto size = static_cast<int>(cup->calendar_current.size());
    check(cup->current_match < size || cup->ended == 1, "current match past the round");
    const std::vector<std::string> q = split_words(in.text("qualified"));
    check(!q.empty(), "no qualified teams line");
    const int count = in_range(t_reader::to_int(q[0]), 0, MAX_CUP_TEAMS, "qualified teams");
    check(static_cast<int>(q.size()) == count + 1, "qualified list of the wrong length");
    for (size_t i = 1; i < q.size(); ++i) {
        const int idx = in_range(t_reader::to_int(q[i]), 0, static_cast<int>(cup->teams.size()) - 1, "qualified team");
        cup->qualified_teams.push_back(cup->teams[static_cast<size_t>(idx)]);
    }
    return cup;
}

std::vector<std::string> split_lines(const std::vector<uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (const uint8_t b : bytes) {
        if (b == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (b == 0) {
            t_reader::fail("it holds a zero byte");
        } else if (b != '\r') {
            line += static_cast<char>(b);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}
} // namespace

bool save_competition(const t_competition& comp, const std::string& path) {
    return save_replacing(path, [&comp](t_stream& out) { write_competition(out, comp); });
}

std::shared_ptr<t_competition> read_competition(const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) {
        error = "cannot be read";
        return nullptr;
    }
    try {
        std::vector<std::string> lines = split_lines(bytes);
        check(!lines.empty() && lines.front() == MAGIC, "not a competition save of this game");
        lines.erase(lines.begin());
        t_reader in(std::move(lines));
        const int typ = in.ints("type", 1)[0];
        std::shared_ptr<t_competition> comp;
        if (typ == COMPETITION_LEAGUE) comp = read_league(in);
        else if (typ == COMPETITION_CUP) comp = read_cup(in);
        else t_reader::fail("unknown competition type");
        in.text("end");
        comp->team_to_view = std::clamp(comp->team_to_view, 0, static_cast<int>(comp->teams.size()) - 1);
        error.clear();
        return comp;
    } catch (const t_bad_save& e) {
        error = e.what();
        return nullptr;
    }
}

void load_competition_save() {
    if (file_type(competition_save_path) != 1) return;
    std::string error;
    auto comp = read_competition(competition_save_path, error);
    if (!comp) {
        print_line("Ignoring the competition save file " + competition_save_path + ": " + error);
        return;
    }
    comp->in_save_file = true;
    competition = comp;
}

void save_competition_in_progress() {
    if (!competition) return;
    if (save_competition(*competition, competition_save_path)) {
        competition->in_save_file = true;
        return;
    }
    print_line("Cannot save the competition to " + competition_save_path);
    if (competition->in_save_file || file_type(competition_save_path) != 1) return;
    if (std::remove(writable_path(competition_save_path).c_str()) == 0)
        print_line("Removed " + competition_save_path + ": it held the competition this one replaced");
}

void restore_competition_in_progress() {
    competition.reset();
    load_competition_save();
}
