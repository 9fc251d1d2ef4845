// Whole computer matches without a window: same seed, same match, sub-step for sub-step.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/game.hpp"
#include "app/headless.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"
#include "platform/timer.hpp"

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

// The game object sets process-wide switches; the suites that run after these in the same process need them back.
class t_headless_game {
public:
    explicit t_headless_game(const t_game_options& o) : saved_(settings) {
        action_queue = std::make_unique<t_game_action_queue>();
        app = std::make_unique<t_game>(o);
    }
    ~t_headless_game() {
        app.reset();
        settings = saved_;
        set_sound_disabled(false);
        set_headless_graphics(false);
        set_unpaced(false);
        set_timers_unpaced(false);
        use_virtual_clock(false);
    }
    t_headless_game(const t_headless_game&) = delete;
    t_headless_game& operator=(const t_headless_game&) = delete;
    std::unique_ptr<t_game> app;

private:
    t_settings saved_;
};

t_game_options headless_options() {
    t_game_options o;
    o.headless = true;
    o.no_sound = true;
    o.unpaced = true;
    o.seeded = true;
    return o;
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
