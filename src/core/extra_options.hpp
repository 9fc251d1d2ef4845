#pragma once
// The options beyond the settings file, kept beside it as readable "key = value" lines.
#include <string>
#include <utility>
#include <vector>

#include "football/computer_level.hpp"
#include "football/gameplay.hpp"

constexpr const char* EXTRA_OPTIONS_FILE = "quilbo_options.txt";

class t_extra_options {
public:
    // A fresh file plays ENHANCED: it holds every figure of the football benchmark. A file that says CLASSIC keeps it.
    t_gameplay gameplay = t_gameplay::enhanced;
    // How well the computer plays ENHANCED.
    t_computer_level computer_level = t_computer_level::normal;
    // A drawn ENHANCED friendly is settled by a penalty shoot-out.
    bool friendly_shootout = false;
    // Under ENHANCED a human side's control goes by itself to the man best placed to win the ball back.
    bool auto_switch = true;
    // Keys this version does not know, as read: a newer game's options survive an older one.
    std::vector<std::pair<std::string, std::string>> unknown;
};

// The options file in the folder of the settings file at `settings_path`.
std::string extra_options_path(const std::string& settings_path);
// A bad value keeps its default and adds one line to `warnings`; lines without "=" and "#" lines are skipped.
t_extra_options parse_extra_options(const std::string& text, std::vector<std::string>& warnings);
std::string extra_options_text(const t_extra_options& options);
// A missing file gives the defaults silently; each warning is printed as one line.
t_extra_options read_extra_options(const std::string& path);
// Through a temporary file renamed over `path`. Returns "" or the reason.
std::string write_extra_options(const std::string& path, const t_extra_options& options);
