#include "match/core/match_trace.hpp"

#include <cmath>
#include <sstream>

#include "core/screen_modes.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/referee.hpp"
#include "platform/fatal.hpp"

namespace {
// Tenths of a unit are plenty to follow play, and keep the lines short.
std::string coordinate(double v) {
    std::ostringstream o;
    o << std::round(v * 10) / 10;
    return o.str();
}

// What a player is doing by himself, when it is more than running.
const char* doing(const t_player& p) {
    const t_player_play& s = p.play;
    if (s.sent_off) return "off";
    if (s.slide > 0) return "slide";
    if (s.heading > 0) return s.diving ? "dive" : "header";
    if (s.down > 0) return "down";
    return nullptr;
}

int slot_of(const std::shared_ptr<t_player>& p, int team) {
    const auto& squad = squad_of(team);
    for (size_t slot = 1; slot < squad.size(); ++slot)
        if (squad[slot] == p) return static_cast<int>(slot);
    return -1;
}
} // namespace

std::string match_trace_line(long update, long frame, int mode) {
    std::ostringstream o;
    o << "{\"update\":" << update << ",\"frame\":" << frame << ",\"mode\":" << mode << ",\"ball\":{\"x\":"
      << coordinate(ball.x) << ",\"y\":" << coordinate(ball.y) << ",\"z\":" << coordinate(ball.z) << ",\"owner\":";
    const int owner_team = team_of(ball.owner);
    if (owner_team >= 0)
        o << "[" << owner_team << "," << slot_of(ball.owner, owner_team) << "]";
    else
        o << "null";
    o << "},\"teams\":[";
    for (int t = 0; t < 2; ++t) {
        const t_team& team = team_at(t);
        o << (t ? "," : "") << "{\"controlled\":";
        if (team.controlled)
            o << slot_of(team.controlled, t);
        else
            o << "null";
        o << ",\"players\":[";
        const auto& squad = squad_of(t);
        bool first = true;
        for (size_t slot = 1; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
            if (!squad[slot]) continue;
            const t_player& p = *squad[slot];
            o << (first ? "" : ",") << "[" << slot << "," << coordinate(p.x) << "," << coordinate(p.y);
            if (const char* what = doing(p)) o << ",\"" << what << "\"";
            o << "]";
            first = false;
        }
        o << "]}";
    }
    o << "]";
    if (referee.on_pitch) {
        o << ",\"referee\":{\"x\":" << coordinate(referee.x) << ",\"y\":" << coordinate(referee.y);
        if (referee.card_left > 0) o << ",\"card\":\"" << (referee.card == t_card::red ? "red" : "yellow") << "\"";
        o << "}";
    }
    o << "}";
    return o.str();
}

t_match_trace::t_match_trace(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
    if (!file_) print_line("Warning: cannot write the match trace " + path);
}

void t_match_trace::record(long frame, int mode) {
    // Between matches (and in the menus) there is nothing to trace; the next match counts from 1.
    if (!file_ || !is_match_phase(mode) || match_players[0].empty() || !match_teams[0] || !match_teams[1]) {
        updates_ = 0;
        return;
    }
    const std::string line = match_trace_line(++updates_, frame, mode) + "\n";
    std::fwrite(line.data(), 1, line.size(), file_.get());
}
