#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "football/football_startup.hpp"
#include "football/player.hpp"
#include "football/result_simulator.hpp"
#include "football/selected_teams.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "core/text.hpp"
#include "football_test_support.hpp"
#include "platform/random.hpp"
#include "platform/stream.hpp"

using namespace football_test;

namespace {

std::vector<int> team_numbers(const std::vector<uint8_t>& bytes) {
    std::vector<int> numbers;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '#') continue;
        std::string digits(bytes.begin() + static_cast<long>(i) + 10, bytes.begin() + static_cast<long>(i) + 13);
        numbers.push_back(std::stoi(digits));
    }
    return numbers;
}

std::set<std::string> flag_codes() {
    std::set<std::string> codes;
    auto in = read_file(assets_dir() + "/images/flags_t.txt");
    while (in && !in->eof()) codes.insert(in->read_line());
    return codes;
}

std::string player_line(int index, int nr, const std::string& name, int role, int price, const std::string& skills) {
    char head[16];
    std::snprintf(head, sizeof head, "%02d:       ", index);
    std::string line = head;
    auto pad = [](std::string s, size_t w) { s.resize(w, ' '); return s; };
    line += pad(std::to_string(nr), 8) + pad(name, 14) + pad("Tester", 14) + pad("ENG", 6) + pad(std::to_string(role), 6);
    line += pad("501", 6) + pad("2", 6) + pad("1", 6) + pad(std::to_string(price), 6) + skills;
    return line;
}

// Two teams: 7 with 16 players (a keeper whose stored skills are not zero),
// then 9; the header comment of the file must survive saves.
std::string sample_file() {
    std::string s = crlf({"SAMPLE FILE", ""});
    for (const int number : {7, 9}) {
        s += crlf({"#---------00" + std::to_string(number) + "------ kept as written", "Country  :ENG",
                   "Name     :Sample " + std::to_string(number), "Tactics  :5", "Division :1", "CoachName:Al Coach",
                   "CoachType:0", "City     :Ashford", "Stadium  :Ash Park", "StadiumID:0", "",
                   "KITS______Type___First__Second_Shorts_Socks",
                   "Home      2      4      1      1      4      ", "Away      0      1      2      2      1      ",
                   "Third     0      9      2      9      9      ", "Change1   ", "Change2   ",
                   "Goalie1   0      0      0      0      0", "Goalie2   0      0      0      0      0", "",
                   "PLAYERS___Number__Name__________Surname_______Nat___Role__HType_HCol__Skin__Price_PA__SH__HE__TA__BC__SP__FI"});
        s += crlf({player_line(1, 1, "Keeper", 0, 30, "3   3   3   3   3   3   3   ")});
        for (int i = 2; i <= 16; ++i) {
            const std::string skills = i == 2 ? "5*  5*  5*  2   1   1   1   " : "4   3   2   1   4   3   2   ";
            s += crlf({player_line(i, i, "Player" + std::to_string(i), 3 + i % 5, 19, skills)});
        }
        s += crlf({"", "", ""});
    }
    return s;
}

std::shared_ptr<t_team> load(const std::string& ext, int number) {
    auto team = std::make_shared<t_team>();
    team->ext = ext;
    team->number = number;
    load_team(*team);
    return team;
}

} // namespace

TEST(TeamFile, EveryShippedTeamLoadsAndSavesBackByteIdentical) {
    const auto codes = flag_codes();
    ASSERT_GT(codes.size(), 200u);
    {
        in_assets here;
        load_tactics_slots();
    }
    int files = 0;
    int teams = 0;
    for (const auto& entry : std::filesystem::directory_iterator(assets_dir() + "/data")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("team_", 0) != 0 || entry.path().extension() != ".qst") continue;
        const std::string ext = name.substr(5, 3);
        const auto original = file_bytes(entry.path().string());
        scratch_dir scratch;
        std::filesystem::copy_file(entry.path(), "data/" + name);
        copy_text_file(team_file_path(ext), team_backup_path(ext));
        EXPECT_EQ(file_bytes(team_backup_path(ext)), original) << name << ": backup differs";
        ++files;
        const auto numbers = team_numbers(original);
        EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), numbers.size()) << name << ": numbers repeat";
        for (const int number : numbers) {
            auto team = load(ext, number);
            ++teams;
            SCOPED_TRACE(name + " team " + std::to_string(number));
            ASSERT_GE(team->size, MIN_SQUAD);
            ASSERT_LE(team->size, MAX_SQUAD);
            EXPECT_GE(team->kit_count, MIN_KITS);
            EXPECT_LE(team->kit_count, MAX_KITS);
            EXPECT_EQ(team->national, ext == "uef" || ext == "cnc" || ext == "cnm" || ext == "caf" || ext == "afc" || ext == "ofc");
            // Clubs may sit outside the leagues (division 0); nations all play in division 1.
            EXPECT_GE(team->division, team->national ? 1 : 0);
            EXPECT_TRUE(team->players[0]->is_goalkeeper());
            EXPECT_TRUE(std::any_of(team->players.begin() + 11, team->players.end(),
                                    [](const auto& p) { return p->is_goalkeeper(); }));
            ASSERT_GE(team->tactics, 0);
            ASSERT_LT(team->tactics, PRESET_COUNT);
            for (int pos = 1; pos < 11; ++pos) {
                const auto& layout = tactics_board_layout[static_cast<size_t>(team->tactics)][static_cast<size_t>(pos)];
                const int role = team->player_at_position(pos, &tactics[static_cast<size_t>(team->tactics)])->pt;
                EXPECT_NE(role, ROLE_GOALKEEPER);
                // Back-line spots hold defenders, the front row is not given to them.
                if (layout[1] <= 3) {
                    EXPECT_LE(role, ROLE_DEFENDER) << "position " << pos;
                }
                if (layout[1] >= 7) {
                    EXPECT_GE(role, ROLE_RIGHT_WING) << "position " << pos;
                }
            }
            std::set<int> shirt_numbers;
            for (const auto& p : team->players) {
                shirt_numbers.insert(p->nr);
                EXPECT_TRUE(codes.count(p->nat)) << p->nat;
                EXPECT_LE(text_length(p->name), 14u);
                EXPECT_LE(text_length(p->surname), 14u);
                if (!p->is_goalkeeper()) {
                    const int price = p->price;
                    p->update_price();
                    EXPECT_EQ(p->price, price) << "price is not the skill sum";
                }
            }
            EXPECT_EQ(shirt_numbers.size(), team->players.size());
            save_team(*team);
            ASSERT_EQ(file_bytes(team_file_path(ext)), original) << "save changed the file";
        }
    }
    EXPECT_GT(files, 30);
    EXPECT_GT(teams, 400);
}

TEST(TeamFile, ReadsStarsAndKeeperSkillAndSavesOnlyTheEditedBlock) {
    scratch_dir scratch;
    const std::string original = sample_file();
    write_bytes("data/team_tst.qst", original);
    copy_text_file("data/team_tst.qst", "data/team_tst.qs0");

    auto team = load("TST", 7); // upper-case codes are lower-cased
    EXPECT_EQ(team->ext, "tst");
    ASSERT_EQ(team->size, 16);
    EXPECT_EQ(team->kit_count, 3);
    EXPECT_EQ(team->kits[0].style, 2);
    EXPECT_EQ(team->kits[0].shirt1, 4);
    EXPECT_EQ(team->kits[2].socks, 9);
    EXPECT_EQ(team->coach_name, "Al Coach");
    const auto& keeper = team->players[0];
    EXPECT_EQ(keeper->skill_keeper, 30 / 7);
    EXPECT_EQ(keeper->skills, "");
    const auto& starred = team->players[1];
    EXPECT_EQ(starred->pa, 13);
    EXPECT_EQ(starred->sh, 13);
    EXPECT_EQ(starred->three_at_least(), 1);
    EXPECT_EQ(team->players[2]->three_at_least(), 0);

    // Saving writes the keeper with zero skills, and nothing else changes.
    save_team(*team);
    EXPECT_EQ(keeper->pa, 0);
    std::string expected = original;
    const std::string keeper_skills = "3   3   3   3   3   3   3   ";
    expected.replace(expected.find(keeper_skills), keeper_skills.size(), "0   0   0   0   0   0   0   ");
    const auto saved = file_bytes("data/team_tst.qst");
    EXPECT_EQ(std::string(saved.begin(), saved.end()), expected);

    // An edit of team 9 stays in team 9's block.
    auto other = load("tst", 9);
    other->name = "Renamed Nine";
    other->players[3]->surname = "Muñoz";
    copy_text_file("data/team_tst.qst", "data/team_tst.qs0");
    save_team(*other);
    EXPECT_EQ(load("tst", 7)->name, "Sample 7");
    auto again = load("tst", 9);
    EXPECT_EQ(again->name, "Renamed Nine");
    EXPECT_EQ(again->players[3]->surname, "Muñoz");
    EXPECT_EQ(again->size, 16);
}

TEST(TeamFile, UnknownNumberLeavesTheTeamEmpty) {
    scratch_dir scratch;
    write_bytes("data/team_tst.qst", sample_file());
    auto team = load("tst", 8);
    EXPECT_EQ(team->size, 0);
    EXPECT_TRUE(team->players.empty());
    EXPECT_EQ(team->kit_count, 0);
}

TEST(TeamSquad, LimitsOfPlayersAndKits) {
    t_team team;
    for (int i = 0; i < MAX_SQUAD; ++i) ASSERT_NE(team.new_player(), nullptr);
    EXPECT_EQ(team.new_player(), nullptr);
    EXPECT_EQ(team.size, MAX_SQUAD);
    while (team.size > MIN_SQUAD) ASSERT_EQ(team.delete_player(team.players.back()), 1);
    EXPECT_EQ(team.delete_player(team.players.back()), 0);
    EXPECT_EQ(team.players.size(), static_cast<size_t>(MIN_SQUAD));
    EXPECT_EQ(team.players.front()->team, &team);

    for (int i = 0; i < MAX_KITS; ++i) ASSERT_NE(team.new_kit(), nullptr);
    EXPECT_EQ(team.new_kit(), nullptr);
    EXPECT_EQ(team.delete_kit(), 1);
    EXPECT_EQ(team.delete_kit(), 1);
    EXPECT_EQ(team.delete_kit(), 0);
    EXPECT_EQ(team.kit_count, MIN_KITS);
}

TEST(TeamSquad, ShirtNumbersSkipTeamMatesAndWrap) {
    t_team team;
    auto a = team.new_player();
    auto b = team.new_player();
    auto c = team.new_player();
    a->nr = 99;
    b->nr = 1;
    c->nr = 2;
    a->change_number(1);
    EXPECT_EQ(a->nr, 3); // 99 -> 1 and 2 are taken
    b->change_number(-1);
    EXPECT_EQ(b->nr, 99);
    c->auto_number();
    EXPECT_EQ(c->nr, 1);
}

TEST(TeamSquad, SkillOrderKeepsTheRoleOrderOnTies) {
    t_player p;
    p.pt = ROLE_ATTACK;
    p.pa = p.sh = p.he = p.ta = p.bc = p.sp = p.fi = 3;
    p.order_skills();
    EXPECT_EQ(p.skills, "HFSVCPT");
    p.pt = ROLE_DEFENDER;
    p.sp = 5 + SKILL_STAR; // the star bit does not count
    p.pa = 4;
    p.order_skills();
    EXPECT_EQ(p.skills, "SPTHVCF");
    p.pt = ROLE_GOALKEEPER;
    p.order_skills();
    EXPECT_EQ(p.skills, "");
}

TEST(TeamRating, AveragesTheFirstElevenPrices) {
    t_team strong;
    t_team weak;
    for (int i = 0; i < 16; ++i) {
        strong.new_player()->price = i < 11 ? 45 : 0;
        weak.new_player()->price = 10;
    }
    EXPECT_FLOAT_EQ(team_rating(strong), 9.0f);
    EXPECT_FLOAT_EQ(team_rating(weak), 2.0f);
    EXPECT_EQ(match_rating(strong, weak), 4); // 3 + 4/3
    EXPECT_EQ(match_rating(weak, strong), 6); // 2/3 + 6
}

TEST(TeamSimulation, TopClubBeatsAmateurSideFarMoreOftenThanNot) {
    in_assets here;
    auto top = load("eng", 1);
    auto amateur = load("tah", 8); // last of the weakest premier division shipped
    ASSERT_EQ(top->size > 0 && amateur->size > 0, true);
    EXPECT_GT(team_rating(*top), team_rating(*amateur) + 2.0f);
    EXPECT_GT(simulation_strength(*top, *amateur), 6.5);
    EXPECT_LT(simulation_strength(*amateur, *top), 4.0);
    seed_rnd(20240601);
    int wins = 0;
    int losses = 0;
    const int matches = 2000;
    for (int i = 0; i < matches; ++i) {
        const int a = simulate_goals(*top, *amateur, false);
        const int b = simulate_goals(*amateur, *top, false);
        wins += a > b;
        losses += b > a;
    }
    EXPECT_GT(wins, matches * 2 / 3);
    EXPECT_LT(losses, matches / 10);

    // Extra time yields a third of the goals.
    seed_rnd(7);
    int full = 0;
    for (int i = 0; i < 500; ++i) full += simulate_goals(*top, *amateur, true);
    EXPECT_LT(full, 500);
}

TEST(TeamSimulation, ScorersGetEveryGoalAndAttackersMost) {
    in_assets here;
    auto team = load("eng", 1);
    for (const auto& p : team->players) p->goals = 0;
    seed_rnd(99);
    team->generate_scorers(3000);
    int total = 0;
    int by_attackers = 0;
    for (const auto& p : team->players) {
        total += p->goals;
        if (p->pt == ROLE_ATTACK) by_attackers += p->goals;
        if (p->is_goalkeeper()) {
            EXPECT_EQ(p->goals, 0);
        }
    }
    EXPECT_EQ(total, 3000);
    EXPECT_GT(by_attackers, 1000);
}

TEST(TeamSelection, ControlCyclesComputerPlayerCoachThenOut) {
    selected_teams.clear();
    EXPECT_EQ(select_team("eng", 4, "Four"), CONTROL_COMPUTER);
    EXPECT_EQ(select_team("esp", 4, "Other"), CONTROL_COMPUTER);
    EXPECT_EQ(selected_teams.front()->dev, -1);
    EXPECT_EQ(select_team("eng", 4, "Four"), CONTROL_PLAYER);
    EXPECT_EQ(select_team("eng", 4, "Four"), CONTROL_COACH);
    EXPECT_EQ(selected_control("eng", 4), CONTROL_COACH);
    EXPECT_EQ(select_team("eng", 4, "Four"), 0);
    EXPECT_EQ(selected_control("eng", 4), 0);
    EXPECT_EQ(selected_control("esp", 4), CONTROL_COMPUTER);
    selected_teams.clear();
}
