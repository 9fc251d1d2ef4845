#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "core/dictionary.hpp"
#include "football/competition.hpp"
#include "football/player.hpp"

namespace {
namespace fs = std::filesystem;

const fs::path ASSETS = QUILBO_SOURCE_ASSETS;
const fs::path SOURCES = ASSETS.parent_path() / "src";

std::string file_text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool is_source(const fs::path& p) { return p.extension() == ".cpp" || p.extension() == ".hpp" || p.extension() == ".inc"; }

// Every literal handed straight to translate() anywhere in the game.
std::set<std::string> literal_keys() {
    std::set<std::string> keys;
    const std::regex call(R"re(translate\("((?:[^"\\]|\\.)*)"\))re");
    for (const auto& e : fs::recursive_directory_iterator(SOURCES)) {
        if (!e.is_regular_file() || !is_source(e.path())) continue;
        const std::string text = file_text(e.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it)
            keys.insert((*it)[1]);
    }
    return keys;
}

// Captions that the menu screens keep in tables and translate through a variable: every
// upper-case literal of those screens, less the texts that are shown as they are.
std::set<std::string> table_caption_keys() {
    const std::set<std::string> shown_as_is = {"QUILBO ROVUDO - BETA 0.77", "NO LEAGUE", "PREMIER DIVISION", "DIVISION ",
                                               "CUS"};
    std::set<std::string> keys;
    const std::regex literal(R"re("([A-Z][A-Z0-9 %'/\-]*)")re");
    for (const char* family : {"screens/main_menu", "screens/friendly"}) {
        for (const auto& e : fs::recursive_directory_iterator(SOURCES / family)) {
            if (!e.is_regular_file() || !is_source(e.path())) continue;
            const std::string text = file_text(e.path());
            for (auto it = std::sregex_iterator(text.begin(), text.end(), literal); it != std::sregex_iterator(); ++it)
                if (shown_as_is.count((*it)[1]) == 0) keys.insert((*it)[1]);
        }
    }
    return keys;
}

// Keys the football tables translate at start-up and on a change of language.
std::set<std::string> football_table_keys() {
    std::set<std::string> keys(position_code_keys.begin(), position_code_keys.end());
    keys.insert(pitch_type_keys.begin(), pitch_type_keys.end());
    keys.insert(month_keys.begin(), month_keys.end());
    for (const char letter : std::string("PVHTCSF")) keys.insert(skill_key(letter));
    keys.insert("// THIS LANGUAGE NAME //");
    return keys;
}

std::set<std::string> po_keys(const fs::path& path) {
    t_dictionary d;
    d.map.clear();
    d.read_po(path.string());
    std::set<std::string> keys;
    for (const auto& [k, v] : d.map) keys.insert(k);
    return keys;
}
} // namespace

TEST(TranslationKeys, EveryKeyTheGameTranslatesIsInEveryLanguage) {
    std::set<std::string> wanted = literal_keys();
    const std::set<std::string> tables = table_caption_keys();
    const std::set<std::string> football = football_table_keys();
    wanted.insert(tables.begin(), tables.end());
    wanted.insert(football.begin(), football.end());
    // The scan must see the screens' own captions, or it checks nothing.
    for (const char* sample : {"GAME OPTIONS", "SELECT %n MORE TEAMS", "PLAYER'S COUNTRY", "BUTTON A", "THICK FOG"})
        EXPECT_EQ(wanted.count(sample), 1u) << sample;

    int languages = 0;
    for (const auto& e : fs::directory_iterator(ASSETS / "language")) {
        if (e.path().extension() != ".po") continue;
        ++languages;
        const std::set<std::string> have = po_keys(e.path());
        for (const std::string& key : wanted)
            EXPECT_EQ(have.count(key), 1u) << "\"" << key << "\" is missing from " << e.path().filename();
    }
    EXPECT_GE(languages, 1);
}
