#pragma once
// Matches without a window: computer against computer as fast as the machine allows,
// one JSON line of results per match.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/game.hpp"
#include "match/core/match_state.hpp"

class t_headless_scorer {
public:
    std::string name;
    int team = 0; // the scorer's own team
    int minute = 0;
    bool own_goal = false;
    t_goal_kind kind = t_goal_kind::open_play;
    bool set_piece = false;
};

class t_headless_result {
public:
    std::string home;
    std::string away;
    int64_t seed = 0;
    t_gameplay gameplay = t_gameplay::classic;
    t_computer_level computer_level = t_computer_level::normal;
    std::optional<int> newcomer; // the side the scripted newcomer played, if any
    std::array<int, 2> score{};
    std::optional<std::array<int, 2>> shootout; // the penalties, when the match ended with a shoot-out
    std::vector<t_headless_scorer> scorers;
    std::array<t_stats, 2> stats{};
    int periods = 0;
    long updates = 0;
    double seconds = 0;
    bool reached_end = false;
    // Times each phase was opened, by mode number.
    std::map<int, int> phases_opened;
    // The phase (other than open play) that stayed in front longest, and for how many updates.
    int longest_phase = 0;
    long longest_phase_updates = 0;
    // (update, digest of the match state) every DIGEST_EVERY updates.
    std::vector<std::pair<long, uint64_t>> digests;
};

constexpr long DIGEST_EVERY = 40;
// A headless match is played as on the 800 x 600 display of fresh settings, whatever the settings file says:
// what is off the screen decides whom a side controls, so the display size would change the results.
constexpr int HEADLESS_SCREEN_W = 800;
constexpr int HEADLESS_SCREEN_H = 600;

// Plays one match of the request (both sides forced to the computer, but for a newcomer's) from the seed.
t_headless_result play_headless_match(t_game& app, const t_match_request& request, int64_t seed);
std::string headless_result_json(const t_headless_result& result);
std::string headless_summary_json(const std::vector<t_headless_result>& results);
// FNV-1a of everything that moves: clock, ball, players, controllers, recording index, camera.
uint64_t match_state_digest();
// "seed update digest" lines, the format of the committed regression digests.
std::string digest_lines(const t_headless_result& result);

// --headless [--matches N] [--digests FILE]: plays the matches, prints the lines; the exit code.
int run_headless_matches(t_game& app, const t_match_request& request, int64_t first_seed, int matches,
                         bool summary, const std::string& digest_path);
