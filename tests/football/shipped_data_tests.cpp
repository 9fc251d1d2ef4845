#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <numeric>
#include <set>

#include "core/text.hpp"
#include "football/ball_zone.hpp"
#include "football/calendar.hpp"
#include "football/catalogue.hpp"
#include "football/colour.hpp"
#include "football/football_startup.hpp"
#include "football/kit_colour.hpp"
#include "football/league.hpp"
#include "football/price.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "football_test_support.hpp"
#include "platform/image.hpp"
#include "platform/random.hpp"
#include "platform/stream.hpp"

// Every shipped data file, read through the game's own readers, against the
// promises the data set makes to the screens and the match.

using namespace football_test;

namespace {

constexpr int SECTION_ON_SCREEN = 51; // three columns of 17 country buttons

std::set<std::string> flag_codes() {
    std::set<std::string> codes;
    auto in = read_file(assets_dir() + "/images/flags_t.txt");
    while (in && !in->eof()) {
        const std::string line = in->read_line();
        if (!line.empty()) codes.insert(line);
    }
    return codes;
}

// Team numbers in the order of their "#" lines.
std::vector<int> team_numbers(const std::string& ext) {
    std::vector<int> numbers;
    auto in = read_file(team_file_path(ext));
    while (in && !in->eof()) {
        if (in->read_byte() != '#') continue;
        numbers.push_back(parse_leading_int(in->read_line().substr(9, 3)));
    }
    return numbers;
}

std::vector<t_team_ref> load_file_teams(const std::string& ext) {
    std::vector<t_team_ref> teams;
    for (const int number : team_numbers(ext)) {
        auto team = std::make_shared<t_team>();
        team->ext = ext;
        team->number = number;
        load_team(*team);
        teams.push_back(team);
    }
    return teams;
}

float mean_rating(const std::vector<t_team_ref>& teams) {
    float sum = 0;
    for (const auto& t : teams) sum += team_rating(*t);
    return teams.empty() ? 0 : sum / static_cast<float>(teams.size());
}

struct catalogue_view {
    std::vector<std::vector<std::string>> sections = std::vector<std::vector<std::string>>(CATALOGUE_SECTIONS);
    int entries = 0;
};

catalogue_view read_shipped_catalogue() {
    load_team_catalogue("en");
    mark_available_team_files();
    catalogue_view view;
    for (size_t i = 1; i < team_files.size(); ++i) {
        if (team_files[i].ext.empty()) continue;
        ++view.entries;
        view.sections[static_cast<size_t>(team_files[i].confederation)].push_back(team_files[i].ext);
    }
    return view;
}

// Checks shared by club and national squads.
void check_squad(const t_team& team, const std::set<std::string>& flags) {
    EXPECT_GE(team.size, 18);
    EXPECT_LE(team.size, 26);
    EXPECT_GE(std::count_if(team.players.begin(), team.players.end(), [](const auto& p) { return p->is_goalkeeper(); }), 2);
    EXPECT_GE(team.kit_count, 3);
    EXPECT_LE(team.kit_count, 5);
    for (const t_kit& kit : team.kits) {
        EXPECT_LT(kit.style, KIT_STYLE_COUNT);
        for (const int c : {kit.shirt1, kit.shirt2, kit.shorts, kit.socks}) EXPECT_LT(c, KIT_COLOUR_COUNT);
    }
    EXPECT_FALSE(team.name.empty());
    EXPECT_LE(text_length(team.name), 20u);
    EXPECT_FALSE(team.coach_name.empty());
    EXPECT_FALSE(team.city.empty());
    EXPECT_FALSE(team.stadium.empty());
    std::set<int> shirts;
    for (const auto& p : team.players) {
        EXPECT_GE(p->nr, 1);
        EXPECT_TRUE(shirts.insert(p->nr).second) << "shirt " << p->nr << " twice";
        EXPECT_TRUE(flags.count(p->nat)) << p->nat;
        EXPECT_LE(p->hc, 8);
        EXPECT_LE(p->sk, 6);
        EXPECT_FALSE(p->surname.empty() && p->name.empty());
    }
}

} // namespace

TEST(ShippedData, CatalogueFitsItsScreensAndPointsAtExistingFiles) {
    in_assets here;
    const catalogue_view view = read_shipped_catalogue();
    const auto flags = flag_codes();
    EXPECT_LE(view.entries, CATALOGUE_ENTRIES - 1);
    int club_countries = 0;
    for (int section = 0; section < CATALOGUE_SECTIONS; ++section) {
        const auto& codes = view.sections[static_cast<size_t>(section)];
        EXPECT_LE(codes.size(), static_cast<size_t>(SECTION_ON_SCREEN)) << "section " << section;
        if (section < NATIONAL_SECTION) {
            EXPECT_GE(codes.size(), 3u) << "section " << section;
            club_countries += static_cast<int>(codes.size());
        }
    }
    EXPECT_GE(view.sections[0].size(), 20u) << "UEFA";
    EXPECT_GE(club_countries, 48);
    EXPECT_EQ(view.sections[NATIONAL_SECTION], (std::vector<std::string>{"uef", "cnc", "cnm", "caf", "afc", "ofc"}));
    for (size_t i = 1; i < team_files.size(); ++i) {
        if (team_files[i].ext.empty()) continue;
        EXPECT_EQ(team_files[i].avail, 1) << team_files[i].ext;
        EXPECT_LE(text_length(team_names[i]), 18u);
        // Club files carry their country's code, which must have a flag.
        if (team_files[i].confederation < NATIONAL_SECTION) {
            EXPECT_TRUE(flags.count(to_upper_ascii(team_files[i].ext))) << team_files[i].ext;
        }
    }
    // Every language has the same table.
    const auto english = file_bytes("data/tables/en.qsc");
    for (const auto& entry : std::filesystem::directory_iterator("language")) {
        if (entry.path().extension() != ".po") continue;
        EXPECT_EQ(file_bytes("data/tables/" + entry.path().stem().string() + ".qsc"), english) << entry.path();
    }
    // Every shipped team file is listed (the custom teams are reached otherwise).
    std::set<std::string> listed;
    for (const auto& s : view.sections) listed.insert(s.begin(), s.end());
    for (const auto& entry : std::filesystem::directory_iterator("data")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("team_", 0) != 0 || entry.path().extension() != ".qst" || name == "team_cus.qst") continue;
        EXPECT_TRUE(listed.count(name.substr(5, 3))) << name;
    }
}

TEST(ShippedData, ClubFilesHaveLeaguesOfTenToTwentyGradedByDivision) {
    in_assets here;
    const catalogue_view view = read_shipped_catalogue();
    const auto flags = flag_codes();
    int multi_division_files = 0;
    int files_with_no_league = 0;
    int clubs = 0;
    for (int section = 0; section < NATIONAL_SECTION; ++section) {
        for (const std::string& ext : view.sections[static_cast<size_t>(section)]) {
            SCOPED_TRACE(ext);
            const auto teams = load_file_teams(ext);
            std::map<int, std::vector<t_team_ref>> divisions;
            for (const auto& t : teams) {
                SCOPED_TRACE(t->name);
                EXPECT_EQ(t->national, 0);
                EXPECT_EQ(to_lower_ascii(t->country), ext);
                check_squad(*t, flags);
                divisions[t->division].push_back(t);
            }
            clubs += static_cast<int>(teams.size());
            const int leagues = static_cast<int>(divisions.size()) - static_cast<int>(divisions.count(0));
            EXPECT_GE(leagues, 1);
            EXPECT_LE(leagues, 4);
            multi_division_files += leagues > 1;
            if (divisions.count(0)) {
                ++files_with_no_league;
                // The division screen only appears when a file has more than one league.
                EXPECT_GT(leagues, 1) << "division 0 unreachable";
            }
            for (const auto& [division, members] : divisions) {
                EXPECT_GE(members.size(), 10u) << "division " << division;
                EXPECT_LE(members.size(), 20u) << "division " << division;
            }
            for (int d = 1; d < leagues; ++d) {
                EXPECT_GT(mean_rating(divisions[d]), mean_rating(divisions[d + 1])) << "division " << d;
            }
            if (divisions.count(0)) {
                EXPECT_GT(mean_rating(divisions[leagues]), mean_rating(divisions[0]));
            }
        }
    }
    EXPECT_GE(multi_division_files, 8);
    EXPECT_GE(files_with_no_league, 2);
    EXPECT_GT(clubs, 900);
}

TEST(ShippedData, NationalFilesHoldOneNationalityPerSquad) {
    in_assets here;
    const catalogue_view view = read_shipped_catalogue();
    const auto flags = flag_codes();
    const std::vector<std::string> confederation_codes = {"UEF", "CNC", "CNM", "CAF", "AFC", "OFC"};
    std::set<std::string> nations;
    for (size_t c = 0; c < view.sections[NATIONAL_SECTION].size(); ++c) {
        const std::string& ext = view.sections[NATIONAL_SECTION][c];
        const auto teams = load_file_teams(ext);
        EXPECT_LE(teams.size(), static_cast<size_t>(SECTION_ON_SCREEN)) << ext;
        for (const auto& t : teams) {
            SCOPED_TRACE(ext + " " + t->name);
            EXPECT_EQ(t->national, 1);
            EXPECT_EQ(t->country, confederation_codes[c]);
            EXPECT_EQ(t->division, 1);
            check_squad(*t, flags);
            const std::string nat = t->players.front()->nat;
            for (const auto& p : t->players) EXPECT_EQ(p->nat, nat);
            EXPECT_TRUE(nations.insert(nat).second) << nat << " has two national teams";
        }
    }
    EXPECT_GE(nations.size(), 120u);
}

TEST(ShippedData, SkillsAndPricesFollowRoleAndStarsGoToTheBest) {
    in_assets here;
    int starred = 0;
    int price_starred = 0;
    int unstarred = 0;
    int price_unstarred = 0;
    std::array<int, ROLE_COUNT> tackling{};
    std::array<int, ROLE_COUNT> finishing{};
    std::array<int, ROLE_COUNT> role_count{};
    for (const std::string ext : {"eng", "esp", "bra", "uef"}) {
        for (const auto& t : load_file_teams(ext)) {
            for (const auto& p : t->players) {
                EXPECT_GE(p->price, 0);
                EXPECT_LT(p->price, PRICE_COUNT);
                if (p->is_goalkeeper()) {
                    EXPECT_EQ(p->skills, "");
                    EXPECT_EQ(p->skill_keeper, p->price / 7);
                    continue;
                }
                const size_t role = static_cast<size_t>(p->pt);
                ++role_count[role];
                tackling[role] += p->ta & SKILL_VALUE_MASK;
                finishing[role] += p->fi & SKILL_VALUE_MASK;
                const bool star = (p->pa | p->sh | p->he | p->ta | p->bc | p->sp | p->fi) & SKILL_STAR;
                (star ? starred : unstarred) += 1;
                (star ? price_starred : price_unstarred) += p->price;
            }
        }
    }
    ASSERT_GT(starred, 50);
    EXPECT_GT(price_starred / starred, price_unstarred / unstarred + 5);
    // Defenders tackle, attackers finish.
    const auto mean = [&](const std::array<int, ROLE_COUNT>& sum, int role) {
        return static_cast<double>(sum[static_cast<size_t>(role)]) / role_count[static_cast<size_t>(role)];
    };
    EXPECT_GT(mean(tackling, ROLE_DEFENDER), mean(tackling, ROLE_ATTACK) + 2);
    EXPECT_GT(mean(finishing, ROLE_ATTACK), mean(finishing, ROLE_DEFENDER) + 2);
}

TEST(ShippedData, CustomTeamsTheScreensAskFor) {
    in_assets here;
    const auto teams = load_file_teams("cus");
    const auto flags = flag_codes();
    std::set<int> numbers;
    for (const auto& t : teams) {
        numbers.insert(t->number);
        EXPECT_EQ(t->division, 1) << t->name;
        check_squad(*t, flags);
    }
    for (const int wanted : {313, 317, 338}) EXPECT_TRUE(numbers.count(wanted)) << wanted;
}

TEST(ShippedData, CalendarMakesBalancedLeaguesForEverySize) {
    {
        in_assets here;
        read_calendars();
    }
    seed_rnd(5);
    for (int n = CALENDAR_MIN_TEAMS; n <= CALENDAR_MAX_TEAMS; ++n) {
        SCOPED_TRACE("teams " + std::to_string(n));
        std::vector<t_team_ref> teams;
        for (int i = 0; i < n; ++i) {
            teams.push_back(std::make_shared<t_team>());
            teams.back()->name = "T" + std::to_string(i);
        }
        t_league league;
        league.number_of_teams = n;
        league.rounds = 2;
        league.initialize(teams);
        ASSERT_EQ(league.calendar_current.size(), static_cast<size_t>(n * (n - 1)));
        std::map<std::pair<t_team*, t_team*>, int> fixtures;
        std::map<t_team*, int> home_games;
        for (const t_match& m : league.calendar_current) {
            ASSERT_NE(m.teams[0], m.teams[1]);
            ++fixtures[{m.teams[0].get(), m.teams[1].get()}];
            ++home_games[m.teams[0].get()];
        }
        // Over a home-and-away season every ordered pairing happens exactly once.
        EXPECT_EQ(fixtures.size(), static_cast<size_t>(n * (n - 1)));
        for (const auto& [pair, count] : fixtures) EXPECT_EQ(count, 1);
        for (const auto& [team, count] : home_games) EXPECT_EQ(count, n - 1);
        // Match days: n/2 matches in which nobody plays twice.
        const size_t per_day = static_cast<size_t>(n / 2);
        for (size_t day = 0; day + per_day <= league.calendar_current.size(); day += per_day) {
            std::set<t_team*> playing;
            for (size_t m = day; m < day + per_day; ++m) {
                EXPECT_TRUE(playing.insert(league.calendar_current[m].teams[0].get()).second);
                EXPECT_TRUE(playing.insert(league.calendar_current[m].teams[1].get()).second);
            }
        }
    }
}

TEST(ShippedData, PresetsFollowTheirBoardDiagramAndStayCompact) {
    {
        in_assets here;
        load_tactics_slots();
    }
    const auto at = [](const t_tactics& t, int p, int zx, int zy) {
        return t.target[static_cast<size_t>(p)][static_cast<size_t>(zone_index(zx, zy))];
    };
    for (int slot = 0; slot < PRESET_COUNT; ++slot) {
        const t_tactics& t = tactics[static_cast<size_t>(slot)];
        const auto& layout = tactics_board_layout[static_cast<size_t>(slot)];
        SCOPED_TRACE(t.name);
        for (int p = 1; p < TACTICS_PLAYERS; ++p) {
            const int column = layout[static_cast<size_t>(p)][0];
            const int row = layout[static_cast<size_t>(p)][1];
            // With the ball on the centre spot each player stands where the diagram puts him.
            if (column != 0) {
                EXPECT_EQ(at(t, p, 0, 0).x > 0, column > 0) << "player " << p;
            }
            for (int q = 1; q < TACTICS_PLAYERS; ++q) {
                if (row > layout[static_cast<size_t>(q)][1]) {
                    EXPECT_GE(at(t, p, 0, 0).y, at(t, q, 0, 0).y) << "players " << p << ", " << q;
                }
                // Wide players stay outside the central ones wherever the ball is.
                if (std::abs(column) == 2 && layout[static_cast<size_t>(q)][0] == 0) {
                    for (int z = 0; z < BALL_ZONES; ++z) {
                        const auto& wide = t.target[static_cast<size_t>(p)][static_cast<size_t>(z)];
                        const auto& central = t.target[static_cast<size_t>(q)][static_cast<size_t>(z)];
                        EXPECT_EQ(wide.x > central.x, column > 0) << "zone " << z;
                    }
                }
            }
        }
        // Compact between the lines, and the back line steps up with the ball.
        int previous_line = -1000;
        int own_end_line = 0;
        for (int zy = -3; zy <= 3; ++zy) {
            for (int zx = -2; zx <= 2; ++zx) {
                int low = 1000;
                int high = -1000;
                for (int p = 1; p < TACTICS_PLAYERS; ++p) {
                    low = std::min(low, at(t, p, zx, zy).y);
                    high = std::max(high, at(t, p, zx, zy).y);
                }
                EXPECT_LE(high - low, 800) << "zone " << zx << "," << zy;
            }
            int line = 1000;
            for (int p = 1; p < TACTICS_PLAYERS; ++p) line = std::min(line, at(t, p, 0, zy).y);
            EXPECT_GE(line, previous_line) << "row " << zy;
            if (zy == -3) own_end_line = line;
            previous_line = line;
        }
        EXPECT_GE(previous_line - own_end_line, 240);
    }
}

TEST(ShippedData, EveryNationHasItsFlagAndEveryClubItsCrest) {
    in_assets here;
    std::set<std::string> pictures;
    int teams = 0;
    for (const auto& e : std::filesystem::directory_iterator(assets_dir() + "/data")) {
        const std::string name = e.path().filename().string();
        if (name.rfind("team_", 0) != 0 || e.path().extension() != ".qst") continue;
        for (const auto& t : load_file_teams(name.substr(5, 3))) {
            SCOPED_TRACE(name + " " + t->name);
            ++teams;
            const std::string file = clnf_file(*t);
            ASSERT_FALSE(file.empty()) << "the standard shield would stand in";
            EXPECT_EQ(file.rfind(t->national != 0 ? "images/flags/" : "images/logos/", 0), 0u) << file;
            EXPECT_TRUE(pictures.insert(file).second) << file << " serves two teams";
            load_clnf(*t, 1);
            ASSERT_TRUE(t->clnf);
            EXPECT_EQ(image_width(t->clnf), t->national != 0 ? 48 : 40);
        }
    }
    EXPECT_GE(teams, 1000);
}
