#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sstream>

#include "match/keeper/keeper_frames.hpp"
#include "match/core/state_machine.hpp"

namespace {

// Records its calls and leaves for `next` after `stay` calls.
class RecordingState : public State {
public:
    RecordingState(std::string state_name, std::string& log) : log_(log) { set_name(state_name); }
    std::string next;
    int stay = 1000;
    State* target = nullptr;

    void do_actions() override {
        State::do_actions();
        log_ += name + ".do ";
    }
    State* check_conditions() override { return timer >= stay ? target : nullptr; }
    void entry_actions() override {
        timer = 0;
        log_ += name + ".entry ";
    }
    void exit_actions() override { log_ += name + ".exit "; }

private:
    std::string& log_;
};

std::string captured_stdout(const std::function<void()>& body) {
    std::ostringstream out;
    std::streambuf* old = std::cout.rdbuf(out.rdbuf());
    body();
    std::cout.rdbuf(old);
    return out.str();
}

} // namespace

TEST(KeeperStateMachine, IdleMachineDoesNothing) {
    StateMachine brain;
    std::string log;
    brain.add_state(std::make_shared<RecordingState>("a", log));
    brain.think();
    EXPECT_EQ(log, "");
    EXPECT_EQ(brain.active_state, nullptr);
}

TEST(KeeperStateMachine, ThinkRunsActionsThenSwitchesOnCondition) {
    StateMachine brain;
    std::string log;
    auto a = std::make_shared<RecordingState>("a", log);
    brain.add_state(a);
    auto b = std::make_shared<RecordingState>("b", log);
    brain.add_state(b);
    a->stay = 2;
    a->target = b.get();
    brain.set_state("a");
    brain.think();
    brain.think();
    EXPECT_EQ(log, "a.entry a.do a.do a.exit b.entry ");
    EXPECT_EQ(brain.active_state, b.get());
    EXPECT_TRUE(brain.in_state("b"));
}

TEST(KeeperStateMachine, UnknownNameWarnsAndKeepsOldStateAfterItsExit) {
    StateMachine brain;
    std::string log;
    auto a = std::make_shared<RecordingState>("a", log);
    brain.add_state(a);
    brain.set_state("a");
    const std::string out = captured_stdout([&] { brain.set_state("nowhere"); });
    EXPECT_EQ(out, "Warning! Cannot find state: nowhere\n");
    EXPECT_EQ(brain.active_state, a.get());
    EXPECT_EQ(log, "a.entry a.exit ");
}

TEST(KeeperStateMachine, EmptyNameStopsWithoutExit) {
    StateMachine brain;
    std::string log;
    brain.add_state(std::make_shared<RecordingState>("a", log));
    brain.set_state("a");
    brain.set_state("");
    EXPECT_EQ(brain.active_state, nullptr);
    EXPECT_EQ(log, "a.entry ");
}

TEST(KeeperStateMachine, DuplicateNamesEnterEachAndLastStaysActive) {
    StateMachine brain;
    std::string log;
    brain.add_state(std::make_shared<RecordingState>("a", log));
    auto second = std::make_shared<RecordingState>("a", log);
    brain.add_state(second);
    brain.set_state("a");
    EXPECT_EQ(log, "a.entry a.entry ");
    EXPECT_EQ(brain.active_state, second.get());
}

TEST(KeeperStateMachine, BaseStateCountsAndPrints) {
    State s;
    s.set_name("state_stand_run");
    s.do_actions();
    s.do_actions();
    EXPECT_EQ(s.check_conditions(), nullptr);
    EXPECT_EQ(s.check_name("state_stand_run"), 1);
    EXPECT_EQ(s.check_name("state_positioning"), 0);
    std::string text = "x";
    EXPECT_EQ(captured_stdout([&] { text = s.ToString(); }), "state_stand_run:2\n");
    EXPECT_EQ(text, "");
}

TEST(KeeperFrames, OrientationByDirectionAndGoal) {
    EXPECT_EQ(keeper_orientation(0, -630), 0);
    EXPECT_EQ(keeper_orientation(180, -630), 1);
    EXPECT_EQ(keeper_orientation(0, 630), 2);
    EXPECT_EQ(keeper_orientation(180, 630), 3);
}

TEST(KeeperFrames, TablesPointAtTheSheetRowsOfTheirSaves) {
    // Each save must end on a lying or landing picture and stay within the
    // 8 x 19 cells of the keeper sheet.
    const std::vector<t_keeper_frames> all{frames_diving_low_single(), frames_diving_low_double(),
                                           frames_diving_middle_one(), frames_diving_middle_two(),
                                           frames_diving_high_one(),   frames_catching_high()};
    const std::vector<size_t> counts{3, 3, 5, 6, 5, 4};
    for (size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(all[i].size(), counts[i]) << i;
        for (const KeeperFrame& f : all[i]) {
            EXPECT_GE(f.fmy, 8);
            EXPECT_LE(f.fmy, 18);
            for (int c : f.fmx) {
                EXPECT_GE(c, 0);
                EXPECT_LT(c, 8);
            }
        }
    }
    EXPECT_EQ(frames_diving_low_single()[2].fmy, 14);
    EXPECT_EQ(frames_diving_low_single()[2].offx, (std::array<int, 4>{16, -15, 14, -10}));
    EXPECT_EQ(frames_diving_high_one()[1].fmx, (std::array<int, 4>{0, 1, 2, 3}));
    EXPECT_EQ(frames_diving_high_one()[0].fmx, (std::array<int, 4>{4, 5, 6, 7}));
    EXPECT_EQ(frames_catching_high()[3].offz, 15);
    EXPECT_EQ(frames_catching_high()[1].fmx, (std::array<int, 4>{0, 0, 1, 1}));
    EXPECT_EQ(frames_diving_middle_two()[3].offx, (std::array<int, 4>{16, -13, 18, -14}));
}
