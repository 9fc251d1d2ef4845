#pragma once
// The application object and its main loop.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/extra_options.hpp"
#include "core/game_action.hpp"
#include "football/computer_level.hpp"
#include "football/gameplay.hpp"
#include "core/game_mode.hpp"
#include "core/globals.hpp"
#include "platform/timer.hpp"

constexpr int FRAMES_PER_SECOND = 40;
constexpr long FRAME_MS = 1000 / FRAMES_PER_SECOND;

struct t_screenshot_request {
    long frame;
    std::string path;
};

// A match started straight from the command line (--match): teams as "EXT:NUMBER".
class t_match_trace;

struct t_match_request {
    std::string home;
    std::string away;
    int home_control = 1; // 1 computer, 2 player, 3 coach
    int away_control = 2;
    int length = -1;         // 0..3, -1: the settings' length
    int pitch = -1;          // 0..9 (9 random), -1: random
    int weather_effect = -1; // 0 wind, 1 rain, 2 snow, 3 fog, 4 random; -1: random
    int weather_intensity = 0;
    int time = -1; // 0 day, 1 night, 2 random; -1: random
    int home_tactics = -1; // a preset's slot, -1: the team file's
    int away_tactics = -1;
    bool open_play = false; // start with open play, skipping walk-on and kick-off
    int display_mode = -1;  // index into display_modes, -1: the settings' mode
    bool endless = false;   // with open_play: every stop of play restarts from the centre
    std::optional<t_gameplay> gameplay; // nothing: the options file's
    std::optional<t_computer_level> computer_level; // nothing: the options file's
    std::optional<bool> auto_switch;                // nothing: the options file's
    std::optional<int> newcomer; // the side (0 home, 1 away) a scripted newcomer plays, headless too
};

// Options from the command line; the defaults are a normal game.
struct t_game_options {
    bool seeded = false;
    int64_t seed = 0;
    long frames = 0; // 0: no limit
    std::vector<t_screenshot_request> screenshots;
    std::string input_script;
    bool no_sound = false;
    bool unpaced = false;
    bool benchmark = false;
    bool headless = false; // no display at all: matches run without a window (--headless)
    std::string first_screen; // "" opens the intro; "gallery" the widget gallery
    std::string trace_path;   // "" no match trace
    t_match_request match;
};

class t_game {
public:
    explicit t_game(const t_game_options& options = {});
    ~t_game();
    t_game(const t_game&) = delete;
    t_game& operator=(const t_game&) = delete;

    // The intro with its fade-in, or the screen the command line asked for.
    void open_first_screen();
    void pop_action();
    void loop();
    // Null for the quit mode; fatal "invalid game mode" for numbers not in the table.
    std::unique_ptr<t_game_mode> new_mode(int32_t mode);
    // Applies one frame's step 2 and 3 of the loop; true when the front screen may update.
    bool run_current_action();
    // The frame's work before anything is drawn: the clock and the input script move on one frame, the
    // running action steps and, unless a fade holds it, the front screen updates.
    void update_frame(long frame);
    // Starts the next queued action when none is running; true when one was started.
    bool start_next_action();

    std::unique_ptr<t_game_mode> fg_mode;
    std::unique_ptr<t_game_mode> hold_mode;
    int32_t saved_frame = 0;
    t_game_action_ref current_action;
    std::unique_ptr<t_timer> game_timer;
    // The options file beside the settings file, read at start-up.
    t_extra_options extra_options;

private:
    void finish_frame(long frame);
    void report_benchmark() const;

    t_game_options options_;
    // Only when asked for: no trace costs nothing.
    std::unique_ptr<t_match_trace> trace_;
    int32_t fg_mode_number_ = 0;
    int32_t hold_mode_number_ = 0;
    bool fade_in_ending_ = false;
    long startup_started_ms_ = 0;
    long first_frame_ms_ = -1;
    std::vector<double> frame_cpu_ms_;
    long paced_frames_ = 0;
    long paced_start_ms_ = 0;
};

// One frame of the running action: a fade sets fade_level; the timer counts down and the action ends at 0.
// True when the front screen may update this frame (no fade was applied).
bool step_action(t_game_action_ref& action, int32_t& fade);

// The seed the command line gave, else the wall clock's milliseconds: each start plays differently.
int64_t startup_seed(const t_game_options& options);

// Opens the screen of a mode number (the table of every screen of the game).
std::unique_ptr<t_game_mode> make_mode(int32_t mode);
