#include "app/headless.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/match_settings.hpp"
#include "football/team.hpp"
#include "core/loaders.hpp"
#include "match/phases/phase_shootout.hpp"
#include "match/keeper/keeper_states.hpp"
#include "app/match_command_line.hpp"
#include "match/core/match_setup.hpp"
#include "match/core/match_helpers.hpp"
#include "match/phases/phase_common.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "platform/timer.hpp"
#include "ui/input.hpp"

namespace {
constexpr long UPDATES_PER_MATCH_MINUTE = 2400;
// A match that has not ended after this many times its open-play updates is stuck.
constexpr long STUCK_FACTOR = 4;
constexpr long STUCK_MARGIN = 20000;

class t_fnv {
public:
    void add(const void* data, size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) {
            hash ^= p[i];
            hash *= 1099511628211ULL;
        }
    }
    void add(double v) { add(&v, sizeof v); }
    void add(int64_t v) { add(&v, sizeof v); }
    uint64_t hash = 14695981039346656037ULL;
};

int slot_of(const t_player_ref& p) {
    if (!p) return 0;
    for (const auto& squad : match_players)
        for (size_t s = 1; s < squad.size(); ++s)
            if (squad[s] == p) return static_cast<int>(s) + 100 * team_of(p);
    return -1;
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string stats_json(const t_stats& s) {
    std::ostringstream o;
    o << "{\"goal\":" << s.goal << ",\"poss\":" << s.poss << ",\"shot\":" << s.shot << ",\"cent\":" << s.cent
      << ",\"corn\":" << s.corn << ",\"foul\":" << s.foul << ",\"yell\":" << s.yell << ",\"reds\":" << s.reds
      << ",\"tackles\":" << s.tackles << ",\"quick_retakes\":" << s.quick_retakes << ",\"passes\":" << s.passes
      << ",\"passes_completed\":" << s.passes_completed << ",\"fouls\":" << s.foul << ",\"yellow\":" << s.yell
      << ",\"red\":" << s.reds << ",\"headers\":" << s.headers << ",\"shots\":" << s.shots
      << ",\"shots_on_target\":" << s.shots_on_target << ",\"penalties\":" << s.penalties << "}";
    return o.str();
}

void take_result(t_headless_result& r) {
    r.score = {match_stats[0].goal, match_stats[1].goal};
    r.shootout.reset();
    if (shootout.played && !shootout.on) r.shootout = shootout.tally.goals();
    r.stats = match_stats;
    r.scorers.clear();
    for (const t_goal& g : goals) {
        t_headless_scorer s;
        if (g.player) s.name = g.player->get_single_name();
        s.team = team_of(g.player);
        s.minute = g.mnt;
        s.own_goal = g.typ == 1;
        s.kind = g.kind;
        s.set_piece = g.set_piece;
        r.scorers.push_back(s);
    }
}

bool match_phase(int mode) { return is_match_phase(mode); }

// Drops whatever the ended match queued (the after-match screen) without opening it.
void drop_pending(t_game& app) {
    while (!action_queue->empty()) action_queue->pop();
    app.current_action.reset();
    app.fg_mode.reset();
}

// What MatchLoading builds, less everything only drawing and sound need: no display, no pictures.
void build_headless_match() {
    screen_w = HEADLESS_SCREEN_W;
    screen_h = HEADLESS_SCREEN_H;
    build_match_objects();
    for (const auto& squad : match_players)
        for (const t_player_ref& p : squad)
            if (p) init_player_brain(*p);
    keeper_cd = load_pixmap_from("images", "keeper_cd.png");
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_INTRO);
}

long& script_frame() {
    static long frame = 0;
    return frame;
}
} // namespace

uint64_t match_state_digest() {
    t_fnv h;
    const t_match_status& m = match_status;
    for (const int64_t v : {int64_t{m.timer}, int64_t{m.period}, int64_t{m.event}, int64_t{m.coin_toss},
                            int64_t{m.kick_off_team}, int64_t{replay_frame}})
        h.add(v);
    for (const double v : {ball.x, ball.y, ball.z, ball.v, ball.vz, ball.a, ball.s}) h.add(v);
    h.add(int64_t{slot_of(ball.owner)});
    h.add(int64_t{slot_of(ball.owner_last)});
    for (size_t t = 0; t < 2; ++t) {
        const t_team& team = *match_teams[t];
        h.add(int64_t{team.side});
        h.add(int64_t{slot_of(team.controlled)});
        for (size_t s = 1; s < match_players[t].size(); ++s) {
            const t_player& p = *match_players[t][s];
            for (const double v : {p.x, p.y, p.z, p.v, p.a, p.tx, p.ty, p.fmx, p.fmy}) h.add(v);
            h.add(int64_t{p.status});
        }
        const t_input& in = inputs[t];
        for (const int64_t v : {int64_t{in.x1}, int64_t{in.y1}, int64_t{in.fire11}, int64_t{in.fired},
                                int64_t{in.fire_time}, int64_t{in.angle}})
            h.add(v);
        h.add(int64_t{match_stats[t].goal});
        h.add(int64_t{match_stats[t].poss});
    }
    h.add(camera.x);
    h.add(camera.y);
    return h.hash;
}

t_headless_result play_headless_match(t_game& app, const t_match_request& request, int64_t seed) {
    const auto started = std::chrono::steady_clock::now();
    t_headless_result r;
    r.seed = seed;
    t_match_request req = request;
    req.home_control = CONTROL_COMPUTER;
    req.away_control = CONTROL_COMPUTER;
    req.open_play = false;
    // Replays and highlights need a screen: none in a headless match.
    settings.auto_replay = 0;
    settings.sound_enabled = 0;
    highlights_count = 0;
    replay_frame = 0;
    for (t_input& in : inputs) in = t_input{};
    seed_rnd(seed);
    drop_pending(app);
    start_command_line_match(req);
    drop_pending(app); // MatchLoading would load every picture of the match
    build_headless_match();
    r.home = match_teams[0]->name;
    r.away = match_teams[1]->name;
    r.gameplay = match_settings.gameplay;
    r.computer_level = match_settings.computer_level;
    r.newcomer = request.newcomer;

    const int length_index = std::clamp(settings.length, 0, 3);
    const long open_play_updates = long{match_lengths[static_cast<size_t>(length_index)]} * UPDATES_PER_MATCH_MINUTE;
    const long limit = STUCK_FACTOR * open_play_updates + STUCK_MARGIN;
    int mode = 0;
    long in_phase = 0;
    bool started_match = false;
    while (r.updates < limit) {
        app.update_frame(++script_frame());
        ++r.updates;
        ++in_phase;
        if (mode != MODE_MATCH_MAIN && in_phase > r.longest_phase_updates) {
            r.longest_phase = mode;
            r.longest_phase_updates = in_phase;
        }
        r.periods = std::max(r.periods, static_cast<int>(match_status.period));
        if (started_match && match_players[0].empty()) break; // quit_match released the match
        if (r.updates % DIGEST_EVERY == 0 && started_match) r.digests.emplace_back(r.updates, match_state_digest());
        if (app.start_next_action()) {
            const t_game_action_ref& a = app.current_action;
            if (a && (a->typ == ACTION_NEW_SCREEN || a->typ == ACTION_HOLD_AND_OPEN)) {
                if (!match_phase(a->mode)) break; // the match has been left
                mode = a->mode;
                in_phase = 0;
                ++r.phases_opened[mode];
                if (mode == MODE_MATCH_INTRO) started_match = true;
                if (mode == MODE_MATCH_END) {
                    r.reached_end = true;
                    take_result(r);
                }
            }
        }
    }
    if (!r.reached_end && started_match && !match_players[0].empty()) take_result(r);
    drop_pending(app);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return r;
}

std::string headless_result_json(const t_headless_result& r) {
    std::ostringstream o;
    o << "{\"home\":" << quoted(r.home) << ",\"away\":" << quoted(r.away) << ",\"seed\":" << r.seed
      << ",\"gameplay\":" << quoted(gameplay_key(r.gameplay))
      << ",\"computer\":" << quoted(computer_level_key(r.computer_level))
      << ",\"score\":[" << r.score[0] << "," << r.score[1] << "]";
    if (r.newcomer) o << ",\"newcomer\":" << quoted(*r.newcomer == 0 ? "home" : "away");
    if (r.shootout) o << ",\"shootout\":[" << (*r.shootout)[0] << "," << (*r.shootout)[1] << "]";
    o << ",\"scorers\":[";
    for (size_t k = 0; k < r.scorers.size(); ++k) {
        const t_headless_scorer& s = r.scorers[k];
        o << (k ? "," : "") << "{\"name\":" << quoted(s.name) << ",\"team\":" << s.team << ",\"minute\":" << s.minute
          << ",\"own_goal\":" << (s.own_goal ? "true" : "false") << ",\"kind\":" << quoted(goal_kind_key(s.kind))
          << ",\"set_piece\":" << (s.set_piece ? "true" : "false") << "}";
    }
    o << "],\"stats\":[" << stats_json(r.stats[0]) << "," << stats_json(r.stats[1]) << "],\"periods\":" << r.periods
      << ",\"updates\":" << r.updates << ",\"seconds\":" << r.seconds
      << ",\"reached_end\":" << (r.reached_end ? "true" : "false") << ",\"set_pieces\":{\"corners\":"
      << (r.phases_opened.count(MODE_MATCH_CORNER_STOP) ? r.phases_opened.at(MODE_MATCH_CORNER_STOP) : 0)
      << ",\"goal_kicks\":"
      << (r.phases_opened.count(MODE_MATCH_GOAL_KICK_STOP) ? r.phases_opened.at(MODE_MATCH_GOAL_KICK_STOP) : 0)
      << ",\"throw_ins\":"
      << (r.phases_opened.count(MODE_MATCH_THROW_IN_STOP) ? r.phases_opened.at(MODE_MATCH_THROW_IN_STOP) : 0)
      << ",\"keeper_balls\":"
      << (r.phases_opened.count(MODE_MATCH_KEEPER_STOP) ? r.phases_opened.at(MODE_MATCH_KEEPER_STOP) : 0)
      << "},\"longest_stop\":{\"mode\":" << r.longest_phase << ",\"updates\":" << r.longest_phase_updates << "}}";
    return o.str();
}

std::string headless_summary_json(const std::vector<t_headless_result>& results) {
    int home_wins = 0, draws = 0, away_wins = 0, unfinished = 0;
    long goals_total = 0;
    for (const t_headless_result& r : results) {
        goals_total += r.score[0] + r.score[1];
        if (r.score[0] > r.score[1]) ++home_wins;
        else if (r.score[0] < r.score[1]) ++away_wins;
        else ++draws;
        if (!r.reached_end) ++unfinished;
    }
    const double mean = results.empty() ? 0 : static_cast<double>(goals_total) / static_cast<double>(results.size());
    std::ostringstream o;
    o << "{\"summary\":{\"matches\":" << results.size() << ",\"mean_goals\":" << mean << ",\"home_wins\":" << home_wins
      << ",\"draws\":" << draws << ",\"away_wins\":" << away_wins << ",\"not_finished\":" << unfinished << "}}";
    return o.str();
}

std::string digest_lines(const t_headless_result& r) {
    std::ostringstream o;
    for (const auto& [update, digest] : r.digests) {
        char hex[24];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest));
        o << r.seed << " " << update << " " << hex << "\n";
    }
    return o.str();
}

int run_headless_matches(t_game& app, const t_match_request& request, int64_t first_seed, int matches, bool summary,
                         const std::string& digest_path) {
    std::vector<t_headless_result> results;
    std::string digests;
    for (int k = 0; k < matches; ++k) {
        results.push_back(play_headless_match(app, request, first_seed + k));
        std::printf("%s\n", headless_result_json(results.back()).c_str());
        std::fflush(stdout);
        digests += digest_lines(results.back());
    }
    if (summary) std::printf("%s\n", headless_summary_json(results).c_str());
    if (!digest_path.empty()) {
        std::ofstream out(digest_path, std::ios::binary);
        out << digests;
        if (!out) return 1;
    }
    for (const t_headless_result& r : results)
        if (!r.reached_end) return 1;
    return 0;
}
