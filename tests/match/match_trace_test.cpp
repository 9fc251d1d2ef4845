// The match trace: what one line holds, and lines only while a match is in front.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "core/screen_modes.hpp"
#include "match/core/match_trace.hpp"
#include "match/enhanced/referee.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST(MatchTrace, ALineHoldsTheBallItsOwnerEveryManAndWhatHeIsDoing) {
    build_match();
    referee = t_referee();
    give_ball(0, 7, 12.34, -56.78);
    squad_player(1, 4).play.slide = 10;
    squad_player(1, 5).play.down = 10;
    squad_player(0, 9).play.heading = 10;
    squad_player(0, 9).play.diving = true;
    const std::string line = match_trace_line(5, 900, MODE_MATCH_MAIN);
    EXPECT_EQ(line.rfind("{\"update\":5,\"frame\":900,\"mode\":39,", 0), 0u) << line;
    EXPECT_NE(line.find("\"x\":12.3,\"y\":-56.8,\"z\":0,\"owner\":[0,7]"), std::string::npos) << line;
    EXPECT_NE(line.find("{\"controlled\":7,"), std::string::npos) << line;
    EXPECT_NE(line.find(",\"slide\"]"), std::string::npos) << line;
    EXPECT_NE(line.find(",\"down\"]"), std::string::npos) << line;
    EXPECT_NE(line.find(",\"dive\"]"), std::string::npos) << line;
    EXPECT_EQ(line.find("referee"), std::string::npos) << "no referee in a classic match";
    EXPECT_EQ(std::count(line.begin(), line.end(), '['), 1 + 2 + 2 * 11 + 1) << "the teams, their lists, eleven a side, the owner";
    referee.on_pitch = true;
    referee.card = t_card::red;
    referee.card_left = 3;
    EXPECT_NE(match_trace_line(6, 901, MODE_MATCH_MAIN).find("\"card\":\"red\""), std::string::npos);
    referee = t_referee();
}

TEST(MatchTrace, WritesOnlyWhileAMatchIsInFrontAndCountsEachMatchFromOne) {
    build_match();
    const std::string path =
        (std::filesystem::temp_directory_path() / ("quilbo_trace_" + std::to_string(getpid()))).string();
    {
        t_match_trace trace(path);
        ASSERT_TRUE(trace.is_open());
        trace.record(10, MODE_MATCH_MAIN);
        trace.record(11, MODE_MATCH_CORNER_STOP);
        trace.record(12, MODE_MAIN_MENU);
        trace.record(13, MODE_MATCH_MAIN);
    }
    const std::string text = contents(path);
    std::filesystem::remove(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    EXPECT_NE(text.find("{\"update\":2,\"frame\":11,"), std::string::npos) << text;
    EXPECT_NE(text.find("{\"update\":1,\"frame\":13,"), std::string::npos) << "a new match counts from 1 again";

    testing::internal::CaptureStdout();
    const t_match_trace nowhere("/nonexistent-folder/trace.jsonl");
    EXPECT_FALSE(nowhere.is_open());
    EXPECT_NE(testing::internal::GetCapturedStdout().find("cannot write the match trace"), std::string::npos);
}
