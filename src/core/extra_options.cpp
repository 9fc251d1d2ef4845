#include "core/extra_options.hpp"

#include <fstream>
#include <sstream>

#include "football/safe_save.hpp"
#include "platform/fatal.hpp"
#include "platform/file_places.hpp"

namespace {
constexpr const char* GAMEPLAY_KEY = "gameplay";
constexpr const char* COMPUTER_KEY = "computer";
constexpr const char* FRIENDLY_SHOOTOUT_KEY = "friendly_shootout";
constexpr const char* AUTO_SWITCH_KEY = "auto_switch";

std::string bad_value(const std::string& key, const std::string& value, const std::string& allowed,
                      const std::string& used) {
    std::string line = "Warning: ";
    line += EXTRA_OPTIONS_FILE;
    line += ": " + key + " = " + value + " is not " + allowed + "; " + used + " is used";
    return line;
}

// "yes" or "no" into `flag`; another value puts back `fallback` with a warning.
void read_yes_no(const std::string& key, const std::string& value, bool fallback, bool& flag,
                 std::vector<std::string>& warnings) {
    if (value == "yes" || value == "no") {
        flag = value == "yes";
        return;
    }
    flag = fallback;
    warnings.push_back(bad_value(key, value, "yes or no", fallback ? "yes" : "no"));
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}
} // namespace

std::string extra_options_path(const std::string& settings_path) {
    const size_t slash = settings_path.rfind('/');
    return slash == std::string::npos ? EXTRA_OPTIONS_FILE : settings_path.substr(0, slash + 1) + EXTRA_OPTIONS_FILE;
}

t_extra_options parse_extra_options(const std::string& text, std::vector<std::string>& warnings) {
    t_extra_options options;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#') continue;
        const size_t equals = content.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = trimmed(content.substr(0, equals));
        const std::string value = trimmed(content.substr(equals + 1));
        if (key == GAMEPLAY_KEY) {
            if (const auto g = parse_gameplay(value)) {
                options.gameplay = *g;
            } else {
                options.gameplay = t_extra_options{}.gameplay;
                warnings.push_back(bad_value(GAMEPLAY_KEY, value, "classic or enhanced", gameplay_key(options.gameplay)));
            }
        } else if (key == COMPUTER_KEY) {
            if (const auto l = parse_computer_level(value)) {
                options.computer_level = *l;
            } else {
                options.computer_level = t_extra_options{}.computer_level;
                warnings.push_back(bad_value(COMPUTER_KEY, value, "easy, normal or hard",
                                             computer_level_key(options.computer_level)));
            }
        } else if (key == FRIENDLY_SHOOTOUT_KEY) {
            read_yes_no(key, value, t_extra_options{}.friendly_shootout, options.friendly_shootout, warnings);
        } else if (key == AUTO_SWITCH_KEY) {
            read_yes_no(key, value, t_extra_options{}.auto_switch, options.auto_switch, warnings);
        } else {
            options.unknown.emplace_back(key, value);
        }
    }
    return options;
}

std::string extra_options_text(const t_extra_options& options) {
    std::string text = "# Quilbo Rovudo options, one \"key = value\" a line.\n";
    text += std::string(GAMEPLAY_KEY) + " = " + gameplay_key(options.gameplay) + "\n";
    text += std::string(COMPUTER_KEY) + " = " + computer_level_key(options.computer_level) + "\n";
    text += FRIENDLY_SHOOTOUT_KEY;
    text += options.friendly_shootout ? " = yes\n" : " = no\n";
    text += AUTO_SWITCH_KEY;
    text += options.auto_switch ? " = yes\n" : " = no\n";
    for (const auto& [key, value] : options.unknown) text += key + " = " + value + "\n";
    return text;
}

t_extra_options read_extra_options(const std::string& path) {
    // The player's own copy, when he has saved one, shadows a shipped file.
    std::ifstream in(readable_path(path), std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<std::string> warnings;
    t_extra_options options = parse_extra_options(text.str(), warnings);
    for (const std::string& w : warnings) print_line(w);
    return options;
}

std::string write_extra_options(const std::string& path, const t_extra_options& options) {
    const std::string text = extra_options_text(options);
    return write_file_atomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}
