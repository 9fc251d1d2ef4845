// A phase that asked for a replay is updated once more by the game when the fade-out ends, before the replay
// opens. It must not ask again then: two held visits share the one place for the held phase, the phase is
// lost, and when the second visit returns there is no screen left and the game ends ("quit").
#include <gtest/gtest.h>

#include "match/phases/phase_kick_off.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
constexpr int KEY_R = 'R';
const std::vector<t_queued> WAITING_REPLAY{{ACTION_HOLD_AND_OPEN, 65}, {ACTION_FADE_IN, 0}};

// The game starts the fade-out at once; the rest waits behind it.
void start_fade_out() { ASSERT_EQ(action_queue->pop()->typ, ACTION_FADE_OUT); }
} // namespace

TEST(HeldVisit, TheUpdateAfterTheFadeOutAsksForNoSecondReplayOrBench) {
    set_up();
    team_at(0).control = CONTROL_PLAYER;
    t_match_kick_off kick_off;
    drain();
    input_key_event(KEY_R, true);
    kick_off.update();
    start_fade_out();
    kick_off.update(); // R held through the fade-out
    EXPECT_EQ(drain(), WAITING_REPLAY);

    input_key_event(KEY_R, false);
    input_key_event(KEY_R, true);
    kick_off.update();
    start_fade_out();
    input_key_event(KEY_R, false);
    inputs[0].fire20 = 1; // fire 2 on the update after the fade-out: the shift makes it fire21
    kick_off.update();
    EXPECT_EQ(drain(), WAITING_REPLAY) << "no bench on top of the replay";

    inputs[0].fire20 = 1;
    kick_off.update();
    EXPECT_EQ(drain(), (std::vector<t_queued>{{ACTION_HOLD_AND_OPEN, 60}})) << "with nothing queued fire 2 opens it";
}
