#include "football/gameplay.hpp"

#include <algorithm>
#include <cctype>

std::string gameplay_key(t_gameplay gameplay) { return gameplay == t_gameplay::enhanced ? "enhanced" : "classic"; }

std::optional<t_gameplay> parse_gameplay(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const t_gameplay g : {t_gameplay::classic, t_gameplay::enhanced})
        if (lower == gameplay_key(g)) return g;
    return std::nullopt;
}

std::string gameplay_caption(t_gameplay gameplay) {
    return gameplay == t_gameplay::enhanced ? "ENHANCED" : "CLASSIC";
}
