// Whole computer matches without a window: same seed, same match, sub-step for sub-step.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/headless.hpp"
#include "core/game.hpp"
#include "../core/game_test_support.hpp"

using namespace game_test;

namespace {
// Regenerate when the gameplay changes on purpose (see tests/data/match/README.md).
const std::string DIGESTS = std::string(QUILBO_TEST_DATA) + "/match/headless_digests.txt";
const std::string ENHANCED_DIGESTS = std::string(QUILBO_TEST_DATA) + "/match/headless_digests_enhanced.txt";

t_match_request digest_request(t_gameplay gameplay = t_gameplay::classic) {
    t_match_request r;
    r.home = "eng:1";
    r.away = "esp:1";
    r.length = 0;
    r.gameplay = gameplay;
    return r;
}

// seed -> its "seed update digest" lines, in order.
std::map<int64_t, std::string> committed_digests(const std::string& path) {
    std::ifstream in(path);
    std::map<int64_t, std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int64_t seed = 0;
        fields >> seed;
        out[seed] += line + "\n";
    }
    return out;
}
} // namespace

// Every committed seed of `path` replays under `gameplay`.
void expect_committed_matches(const std::string& path, t_gameplay gameplay) {
    const auto expected = committed_digests(path);
    ASSERT_FALSE(expected.empty()) << "missing " << path;
    t_headless_game game_object(headless_options());
    t_game& app = *game_object.app;
    for (const auto& [seed, lines] : expected) {
        const t_headless_result r = play_headless_match(app, digest_request(gameplay), seed);
        EXPECT_TRUE(r.reached_end) << "seed " << seed;
        EXPECT_EQ(r.gameplay, gameplay);
        EXPECT_EQ(digest_lines(r), lines) << "seed " << seed << ": the match took another course";
    }
}

TEST(HeadlessDigests, CommittedSeedsReplayTheSameMatchEvery40Updates) {
    expect_committed_matches(DIGESTS, t_gameplay::classic);
}

TEST(HeadlessDigests, CommittedEnhancedSeedsReplayTheirOwnMatches) {
    expect_committed_matches(ENHANCED_DIGESTS, t_gameplay::enhanced);
    EXPECT_NE(committed_digests(ENHANCED_DIGESTS), committed_digests(DIGESTS)) << "the two gameplays play alike";
}

TEST(HeadlessDigests, TheTwoGameplaysTakeTurnsInOneProcessWithoutLeaking) {
    t_headless_game game_object(headless_options());
    t_game& app = *game_object.app;
    const t_headless_result classic = play_headless_match(app, digest_request(t_gameplay::classic), 5);
    t_match_request enhanced_request = digest_request(t_gameplay::enhanced);
    enhanced_request.computer_level = t_computer_level::hard; // --computer hard
    const t_headless_result enhanced = play_headless_match(app, enhanced_request, 5);
    const t_headless_result again = play_headless_match(app, digest_request(t_gameplay::classic), 5);
    EXPECT_EQ(digest_lines(classic), digest_lines(again));
    EXPECT_NE(digest_lines(classic), digest_lines(enhanced));
    EXPECT_EQ(enhanced.stats[0].quick_retakes + enhanced.stats[1].quick_retakes, 0)
        << "a tackled player won the ball back before he had recovered";
    EXPECT_GT(enhanced.stats[0].tackles + enhanced.stats[1].tackles, 0);
    EXPECT_NE(headless_result_json(enhanced).find("\"gameplay\":\"enhanced\""), std::string::npos);
    EXPECT_NE(headless_result_json(classic).find("\"gameplay\":\"classic\""), std::string::npos);
    EXPECT_EQ(classic.computer_level, t_computer_level::normal) << "the default level";
    EXPECT_EQ(enhanced.computer_level, t_computer_level::hard) << "the command line's level reaches the match";
    EXPECT_NE(headless_result_json(enhanced).find("\"computer\":\"hard\""), std::string::npos);
}

TEST(HeadlessDigests, ARunRepeatsItselfInTheSameProcessAndJsonCarriesEveryKey) {
    t_headless_game game_object(headless_options());
    t_game& app = *game_object.app;
    const t_headless_result a = play_headless_match(app, digest_request(), 77);
    const t_headless_result b = play_headless_match(app, digest_request(), 78);
    const t_headless_result c = play_headless_match(app, digest_request(), 77);
    EXPECT_EQ(digest_lines(a), digest_lines(c)) << "nothing of the previous match may leak into the next";
    EXPECT_NE(digest_lines(a), digest_lines(b));
    EXPECT_TRUE(a.reached_end);
    EXPECT_EQ(a.periods, 2);
    EXPECT_EQ(a.score[0] + a.score[1], static_cast<int>(a.scorers.size()));
    const std::string json = headless_result_json(a);
    for (const char* key : {"\"home\":", "\"away\":", "\"score\":[", "\"scorers\":[", "\"stats\":[", "\"periods\":",
                            "\"updates\":", "\"seconds\":", "\"gameplay\":", "\"tackles\":", "\"passes_completed\":",
                            "\"shots_on_target\":", "\"penalties\":", "\"yellow\":"})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    EXPECT_EQ(json.find('\n'), std::string::npos) << "one line per match";
    const std::string summary = headless_summary_json({a, b, c});
    EXPECT_EQ(summary.rfind("{\"summary\":{\"matches\":3,", 0), 0u) << summary;
}

TEST(HeadlessDigests, TheDisplaySizeOfTheSettingsOrTheCommandLineChangesNothing) {
    const auto expected = committed_digests(DIGESTS);
    ASSERT_FALSE(expected.empty()) << "missing " << DIGESTS;
    const auto& [seed, lines] = *expected.begin();
    t_headless_game game_object(headless_options());
    t_game& app = *game_object.app;
    settings.gr_mode = 0; // 640 x 400 in the settings file
    EXPECT_EQ(digest_lines(play_headless_match(app, digest_request(), seed)), lines) << "seed " << seed;
    t_match_request on_a_large_display = digest_request();
    on_a_large_display.display_mode = 7; // --display 1680x1050
    EXPECT_EQ(digest_lines(play_headless_match(app, on_a_large_display, seed)), lines) << "seed " << seed;
}
