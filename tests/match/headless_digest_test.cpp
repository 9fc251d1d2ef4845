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

t_match_request digest_request() {
    t_match_request r;
    r.home = "eng:1";
    r.away = "esp:1";
    r.length = 0;
    return r;
}

// seed -> its "seed update digest" lines, in order.
std::map<int64_t, std::string> committed_digests() {
    std::ifstream in(DIGESTS);
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

TEST(HeadlessDigests, CommittedSeedsReplayTheSameMatchEvery40Updates) {
    const auto expected = committed_digests();
    ASSERT_FALSE(expected.empty()) << "missing " << DIGESTS;
    t_headless_game game_object(headless_options());
    t_game& app = *game_object.app;
    for (const auto& [seed, lines] : expected) {
        const t_headless_result r = play_headless_match(app, digest_request(), seed);
        EXPECT_TRUE(r.reached_end) << "seed " << seed;
        EXPECT_EQ(digest_lines(r), lines) << "seed " << seed << ": the match took another course";
    }
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
                            "\"updates\":", "\"seconds\":"})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    EXPECT_EQ(json.find('\n'), std::string::npos) << "one line per match";
    const std::string summary = headless_summary_json({a, b, c});
    EXPECT_EQ(summary.rfind("{\"summary\":{\"matches\":3,", 0), 0u) << summary;
}

TEST(HeadlessDigests, TheDisplaySizeOfTheSettingsOrTheCommandLineChangesNothing) {
    const auto expected = committed_digests();
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
