// Quilbo Rovudo: program entry and command-line options.
#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/game.hpp"
#include "app/match_benchmark.hpp"
#include "app/headless.hpp"
#include "app/match_command_line.hpp"
#include "match/replay/replay_watch.hpp"
#include "platform/fatal.hpp"
#include "platform/file_places.hpp"
#include "platform/files.hpp"
#include "platform/graphics.hpp"

namespace {
const char* const HELP =
    "Usage: quilbo [options]\n"
    "  --data DIR            one data folder, read and written (tests); with --user-dir it is only\n"
    "                        read. Default: read-only data from the installed share/quilbo-rovudo,\n"
    "                        else the working directory when it holds the game's data folders,\n"
    "                        else the assets/ folder of the source tree\n"
    "  --user-dir DIR        the player's folder, where everything the game writes goes (default:\n"
    "                        $XDG_DATA_HOME/quilbo-rovudo, else ~/.local/share/quilbo-rovudo)\n"
    "  --seed N              fixed random seed instead of the clock\n"
    "  --frames N            quit after N frames\n"
    "  --screenshot N:FILE   write the frame presented at frame N as PNG (repeatable)\n"
    "  --input FILE          drive the game from a script of timed input events\n"
    "  --window              play in a window, whatever the settings say\n"
    "  --fullscreen          play full screen, whatever the settings say\n"
    "  --no-sound            no sound and no music\n"
    "  --fast                do not wait for the 40 Hz timer; the clock moves 25 ms a frame (tests)\n"
    "  --screen gallery      open the widget gallery instead of the intro\n"
    "  --match EXT:N EXT:N   play a friendly between team N of data/team_EXT.qst and another\n"
    "  --home-control C      computer, player or coach (default computer)\n"
    "  --away-control C      computer, player or coach (default player, key set 1)\n"
    "  --length N            match length 0..3 (3, 5, 7, 10 minutes)\n"
    "  --pitch P             frozen muddy wet soft normal dry hard snowed white random (or 0..9)\n"
    "  --weather W[:N]       clear, wind, rain, snow, fog or random; N = strength 1..2\n"
    "  --time T              day, night or random\n"
    "  --tactics H A         the two sides' preset tactics: 442 541 451 532 352 433 424 343 LIBERO 523\n"
    "                        ATTACK DEFEND\n"
    "  --open-play           start the match with open play (no walk-on and kick-off)\n"
    "  --display WxH         match display size (one of the game's modes, e.g. 1024x768)\n"
    "  --gameplay G          classic or enhanced (default: the options file's, classic when new)\n"
    "  --computer LEVEL      easy, normal or hard: how well the computer plays ENHANCED (default: the\n"
    "                        options file's, normal when new)\n"
    "  --auto-switch on|off  ENHANCED: control passes by itself to the man best placed to win the ball\n"
    "                        back (default: the options file's, on when new)\n"
    "  --newcomer home|away  that side is played by a scripted newcomer: straight runs at goal, a\n"
    "                        shot from near it, a chase of the ball (also headless)\n"
    "  --endless             with --open-play: every stop of play restarts from the centre\n"
    "  --headless            with --match: both sides computer (but a --newcomer's), no window or\n"
    "                        sound, as fast as possible; one JSON line of results per match;\n"
    "                        always as on an 800 x 600 display, whatever the settings or --display say\n"
    "  --matches N           headless: N matches with seeds --seed, --seed+1 ... and a summary line\n"
    "  --digests FILE        headless: write the match-state digests (every 40 updates) to FILE\n"
    "  --trace FILE          write one JSON line per update of every match to FILE (windowed or headless)\n"
    "  --watch FILE          show the highlights saved in FILE (a replays/*.qhl of the end screen)\n"
    "  --benchmark           print start-up time, frame rate and CPU time per frame at exit\n"
    "  --version             print the version\n"
    "  --help                this text\n"
    "Keys (default; HOW TO PLAY in the main menu shows them, CONTROL changes them):\n"
    "  key set 1: cursor keys, fire 1 ',' fire 2 '.'   key set 2: W Z A S, fire 1 C, fire 2 V\n"
    "  pads: D-pad or left stick, fire 1 A, fire 2 B, START pauses a match\n"
    "  menus: Enter is fire 1, Escape goes back\n"
    "  match: P pause, R replay, Space keep a highlight, Escape twice ends the match,\n"
    "         F5/F6 effects volume, F8 commentary, F10 crowd chants, F12 automatic replays\n"
    "  Alt+F1 quits.\n";

bool holds_data(const std::string& dir) {
    for (const char* sub : {"data", "images", "language", "keycodes", "tactics"})
        if (file_type(dir + "/" + sub) != 2) return false;
    return true;
}

// The binary's own path, so an installed game finds its data wherever its prefix was moved.
std::string own_binary_path() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

std::string home_folder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != 0) return home;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

// Shipped data is only read: the installed copy first, then the working directory, then the source tree.
std::string default_data_folder() {
    const std::string installed = installed_data_folder(own_binary_path(), QUILBO_DATA_FROM_BINARY);
    if (holds_data(installed)) return installed;
    return holds_data(".") ? "." : QUILBO_SOURCE_ASSETS;
}

long parse_number(const char* text, const char* option) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != 0) {
        std::fprintf(stderr, "quilbo: %s needs a number, not '%s'\n", option, text);
        std::exit(2);
    }
    return v;
}
} // namespace

int main(int argc, char** argv) {
    t_game_options options;
    std::string data_dir;
    std::string user_dir;
    long headless_matches = 1;
    bool headless_summary = false;
    std::string digest_path;
    std::string watch_path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "quilbo: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help") {
            std::fputs(HELP, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("Quilbo Rovudo %s\n", QUILBO_VERSION);
            return 0;
        } else if (arg == "--data") {
            data_dir = value();
        } else if (arg == "--user-dir") {
            user_dir = value();
        } else if (arg == "--seed") {
            options.seeded = true;
            options.seed = parse_number(value(), "--seed");
        } else if (arg == "--frames") {
            options.frames = parse_number(value(), "--frames");
        } else if (arg == "--screenshot") {
            const std::string request = value();
            const size_t colon = request.find(':');
            if (colon == std::string::npos || colon + 1 >= request.size()) {
                std::fprintf(stderr, "quilbo: --screenshot wants N:FILE.png\n");
                return 2;
            }
            options.screenshots.push_back({parse_number(request.substr(0, colon).c_str(), "--screenshot"),
                                           request.substr(colon + 1)});
        } else if (arg == "--input") {
            options.input_script = value();
        } else if (arg == "--window") {
            set_window_choice(t_window_choice::windowed);
        } else if (arg == "--fullscreen") {
            set_window_choice(t_window_choice::full_screen);
        } else if (arg == "--no-sound") {
            options.no_sound = true;
        } else if (arg == "--screen") {
            options.first_screen = value();
        } else if (arg == "--fast") {
            options.unpaced = true;
        } else if (arg == "--match") {
            options.match.home = value();
            options.match.away = value();
        } else if (arg == "--home-control" || arg == "--away-control") {
            const int control = parse_control(value());
            if (control == 0) {
                std::fprintf(stderr, "quilbo: %s wants computer, player or coach\n", arg.c_str());
                return 2;
            }
            (arg == "--home-control" ? options.match.home_control : options.match.away_control) = control;
        } else if (arg == "--length") {
            options.match.length = static_cast<int>(parse_number(value(), "--length"));
            if (options.match.length < 0 || options.match.length > 3) {
                std::fprintf(stderr, "quilbo: --length wants 0..3\n");
                return 2;
            }
        } else if (arg == "--pitch") {
            options.match.pitch = parse_pitch(value());
            if (options.match.pitch < 0) {
                std::fprintf(stderr, "quilbo: unknown pitch type\n");
                return 2;
            }
        } else if (arg == "--weather") {
            if (!parse_weather(value(), options.match.weather_effect, options.match.weather_intensity)) {
                std::fprintf(stderr, "quilbo: --weather wants clear, wind, rain, snow, fog or random, with :1 or :2\n");
                return 2;
            }
        } else if (arg == "--tactics") {
            options.match.home_tactics = parse_tactics(value());
            options.match.away_tactics = parse_tactics(value());
            if (options.match.home_tactics < 0 || options.match.away_tactics < 0) {
                std::fprintf(stderr, "quilbo: --tactics wants two of 442 541 451 532 352 433 424 343 LIBERO 523 ATTACK DEFEND\n");
                return 2;
            }
        } else if (arg == "--time") {
            options.match.time = parse_time(value());
            if (options.match.time < 0) {
                std::fprintf(stderr, "quilbo: --time wants day, night or random\n");
                return 2;
            }
        } else if (arg == "--display") {
            options.match.display_mode = parse_display_mode(value());
            if (options.match.display_mode < 0) {
                std::fprintf(stderr, "quilbo: --display wants one of the game's sizes, e.g. 1024x768\n");
                return 2;
            }
        } else if (arg == "--gameplay") {
            options.match.gameplay = parse_gameplay(value());
            if (!options.match.gameplay) {
                std::fprintf(stderr, "quilbo: --gameplay wants classic or enhanced\n");
                return 2;
            }
        } else if (arg == "--computer") {
            options.match.computer_level = parse_computer_level(value());
            if (!options.match.computer_level) {
                std::fprintf(stderr, "quilbo: --computer wants easy, normal or hard\n");
                return 2;
            }
        } else if (arg == "--newcomer") {
            options.match.newcomer = parse_side(value());
            if (!options.match.newcomer) {
                std::fprintf(stderr, "quilbo: --newcomer wants home or away\n");
                return 2;
            }
        } else if (arg == "--auto-switch") {
            options.match.auto_switch = parse_on_off(value());
            if (!options.match.auto_switch) {
                std::fprintf(stderr, "quilbo: --auto-switch wants on or off\n");
                return 2;
            }
        } else if (arg == "--endless") {
            options.match.endless = true;
        } else if (arg == "--open-play") {
            options.match.open_play = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--matches") {
            headless_matches = parse_number(value(), "--matches");
            headless_summary = true;
            if (headless_matches < 1) {
                std::fprintf(stderr, "quilbo: --matches wants at least 1\n");
                return 2;
            }
        } else if (arg == "--digests") {
            digest_path = value();
        } else if (arg == "--trace") {
            options.trace_path = value();
        } else if (arg == "--watch") {
            watch_path = value();
        } else if (arg == "--benchmark") {
            options.benchmark = true;
        } else {
            std::fprintf(stderr, "quilbo: unknown option '%s' (try --help)\n", arg.c_str());
            return 2;
        }
    }
    // Paths given on the command line are relative to where the player started the game.
    char cwd[4096];
    const std::string start_dir = getcwd(cwd, sizeof cwd) != nullptr ? cwd : ".";
    const auto absolute = [&](const std::string& p) { return p.empty() || p[0] == '/' ? p : start_dir + "/" + p; };
    for (t_screenshot_request& s : options.screenshots) s.path = absolute(s.path);
    options.input_script = absolute(options.input_script);
    digest_path = absolute(digest_path);
    watch_path = absolute(watch_path);
    user_dir = absolute(user_dir);
    if (options.headless) {
        if (options.match.home.empty()) {
            std::fprintf(stderr, "quilbo: --headless needs --match\n");
            return 2;
        }
        options.no_sound = true;
        options.unpaced = true;
    }

    // --data alone is one folder, read and written, as the tests want it.
    if (data_dir.empty()) {
        data_dir = default_data_folder();
        if (user_dir.empty()) user_dir = default_player_folder(std::getenv("XDG_DATA_HOME"), home_folder().c_str());
    }
    if (chdir(data_dir.c_str()) != 0) runtime_error("Folder not found: " + data_dir);
    set_player_folder(user_dir);

    action_queue = std::make_unique<t_game_action_queue>();
    {
        t_game app(options);
        if (options.headless)
            return run_headless_matches(app, options.match, options.seeded ? options.seed : 1,
                                        static_cast<int>(headless_matches), headless_summary, digest_path);
        if (options.benchmark) enable_match_benchmark();
        if (!watch_path.empty()) {
            if (!start_watching(watch_path)) return 1;
        } else if (options.match.home.empty()) {
            app.open_first_screen();
        } else {
            start_command_line_match(options.match);
        }
        app.loop();
        report_match_benchmark();
    }
    return 0;
}
