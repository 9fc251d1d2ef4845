#include "football/computer_level.hpp"

#include <algorithm>
#include <cctype>

std::string computer_level_key(t_computer_level level) {
    switch (level) {
    case t_computer_level::easy: return "easy";
    case t_computer_level::normal: break;
    case t_computer_level::hard: return "hard";
    }
    return "normal";
}

std::optional<t_computer_level> parse_computer_level(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const t_computer_level l : {t_computer_level::easy, t_computer_level::normal, t_computer_level::hard})
        if (lower == computer_level_key(l)) return l;
    return std::nullopt;
}

std::string computer_level_caption(t_computer_level level) {
    std::string caption = computer_level_key(level);
    std::transform(caption.begin(), caption.end(), caption.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return caption;
}
