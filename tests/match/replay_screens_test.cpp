// Instant replay and highlight playback: speeds, pause, who steers, and where each way out leads.
#include <gtest/gtest.h>

#include "match/replay/highlights.hpp"
#include "match/replay/replay_highlight.hpp"
#include "match/replay/replay_instant.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
constexpr int KEY_P = 'P';
constexpr int KEY_R = 'R';
const std::vector<t_queued> BACK_WITH_FADES{{ACTION_FADE_OUT, 0}, {ACTION_RESTORE_HELD, 0}, {ACTION_FADE_IN, 0}};
const std::vector<t_queued> BACK_AT_ONCE{{ACTION_RESTORE_HELD, 0}};
const std::vector<t_queued> TO_END_SCREEN{{ACTION_FADE_OUT, 0}, {ACTION_NEW_SCREEN, 67}, {ACTION_FADE_IN, 0}};
const std::vector<t_queued> NEXT_HIGHLIGHT{{ACTION_FADE_OUT, 0}, {ACTION_NEW_SCREEN, 68}, {ACTION_FADE_IN, 0}};

void set_up_replay() {
    set_up();
    ball.data.assign(REPLAY_FRAMES, t_data{});
    highlights_bank = t_bank(HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES);
    highlights_count = 0;
    highlight_position = 0;
    settings.key[0] = t_key_set{};
    settings.key[0].key_up = KEY_UP;
    settings.key[0].key_down = KEY_DOWN;
    settings.key[0].key_left = KEY_LEFT;
    settings.key[0].key_right = KEY_RIGHT;
    settings.key[0].button_1 = 188;
    settings.key[0].button_2 = 190;
    settings.key[1] = t_key_set{};
    settings.key[1].button_1 = 'C';
    settings.key[1].button_2 = 'V';
    // Team 0 is played on key set 0, team 1 by the computer.
    team_at(0).control = CONTROL_PLAYER;
    inputs[0].dev = 1;
    inputs[1].dev = 0;
}

void press(int key, bool down) { input_key_event(key, down); }

// Updates a screen until it queues something; the updates run, or -1.
template <typename S> int updates_until_queued(S& screen, int limit) {
    for (int i = 0; i < limit; ++i) {
        screen.update();
        if (!action_queue->empty()) return i + 1;
    }
    return -1;
}
} // namespace

TEST(ReplaySpeed, StickGivesTheNineSpeeds) {
    EXPECT_EQ(replay_speed(1, 0), 12);
    EXPECT_EQ(replay_speed(1, -1), 6) << "right and up: slower forwards";
    EXPECT_EQ(replay_speed(1, 1), 18) << "right and down: faster forwards";
    EXPECT_EQ(replay_speed(-1, 0), -12);
    EXPECT_EQ(replay_speed(-1, -1), -18) << "up takes six off, whichever way it runs";
    EXPECT_EQ(replay_speed(-1, 1), -6) << "down adds six";
    EXPECT_EQ(replay_speed(0, -1), 2) << "up alone creeps forwards";
    EXPECT_EQ(replay_speed(0, 1), -2) << "down alone creeps backwards";
    EXPECT_EQ(replay_speed(0, 0), 0);
}

TEST(InstantReplay, StartsAtTheOldestSubStepAndRunsToTheNewestThenGoesBackWithoutFades) {
    set_up_replay();
    replay_frame = 3000;
    t_match_replay replay;
    EXPECT_EQ(replay.frame0, 3000);
    EXPECT_EQ(replay_frame, 3001) << "the oldest recorded sub-step";
    EXPECT_EQ(replay.display_controlled_player, 0);
    EXPECT_EQ(replay.display_time, 0);
    replay.update();
    EXPECT_EQ(replay.position, 12);
    EXPECT_EQ(replay_frame, (3000 + 12) % REPLAY_FRAMES);
    EXPECT_EQ(updates_until_queued(replay, 300), 255) << "3072 sub-steps at 12 an update, 256 in all";
    EXPECT_EQ(replay.position, REPLAY_FRAMES);
    EXPECT_EQ(replay_frame, 3000) << "ends on the newest sub-step";
    EXPECT_EQ(drain(), BACK_AT_ONCE);
}

TEST(InstantReplay, PauseHoldsThePlaceAndSlowMotionHalvesTheSpeedAfterwards) {
    set_up_replay();
    replay_frame = 0;
    t_match_replay replay;
    replay.update();
    press(KEY_R, true);
    replay.update(); // R pressed: slow motion, this update already at 6
    EXPECT_EQ(replay.slow_motion, 1);
    EXPECT_EQ(replay.position, 18);
    replay.update(); // R still held: no second toggle
    EXPECT_EQ(replay.slow_motion, 1);
    press(KEY_R, false);
    press(KEY_P, true);
    replay.update();
    EXPECT_EQ(replay.paused, 1);
    const int held_at = replay.position;
    const int frame_at = replay_frame;
    press(KEY_P, false);
    for (int i = 0; i < 10; ++i) replay.update();
    EXPECT_EQ(replay.position, held_at) << "paused";
    EXPECT_EQ(replay_frame, frame_at);
    press(KEY_P, true);
    replay.update();
    press(KEY_P, false);
    EXPECT_EQ(replay.paused, 0);
    EXPECT_EQ(replay.position, held_at + 6) << "unpaused, still in slow motion, from the same place";
    EXPECT_TRUE(action_queue->empty());
}

TEST(InstantReplay, SteeredReplayStaysAtTheNewestUntilFireOne) {
    set_up_replay();
    replay_frame = 100;
    t_match_replay replay;
    const t_key_set& keys = settings.key[0];
    press(keys.button_2, true);
    replay.update();
    EXPECT_EQ(replay.advanced, 1);
    EXPECT_EQ(replay.requesting_team, 0);
    press(keys.button_2, false);
    press(keys.key_right, true);
    press(keys.key_down, true);
    for (int i = 0; i < 400; ++i) replay.update();
    EXPECT_EQ(replay.speed, 18);
    EXPECT_EQ(replay.speedx, 2);
    EXPECT_EQ(replay.speedy, 2);
    EXPECT_EQ(replay.position, REPLAY_FRAMES) << "clamped at the newest sub-step";
    EXPECT_TRUE(action_queue->empty()) << "a steered replay does not end by itself";
    press(keys.key_right, false);
    press(keys.key_down, false);
    press(keys.key_left, true);
    for (int i = 0; i < 3; ++i) replay.update();
    EXPECT_LT(replay.position, REPLAY_FRAMES) << "left plays backwards";
    press(keys.key_left, false);
    press(keys.button_1, true);
    replay.update();
    press(keys.button_1, false);
    EXPECT_EQ(drain(), BACK_WITH_FADES) << "left before its end: fade out and back";
}

TEST(InstantReplay, FireTwoAgainGivesTheReplayBackAndAComputerSideCannotTakeIt) {
    set_up_replay();
    replay_frame = 0;
    inputs[1].dev = 2; // the computer side's key set is pressed: nothing happens
    t_match_replay replay;
    press(settings.key[1].button_2, true);
    replay.update();
    press(settings.key[1].button_2, false);
    EXPECT_EQ(replay.advanced, 0);
    const t_key_set& keys = settings.key[0];
    press(keys.button_2, true);
    replay.update();
    replay.update(); // held: one press, one change
    EXPECT_EQ(replay.advanced, 1);
    press(keys.button_2, false);
    replay.update();
    press(keys.button_2, true);
    replay.update();
    press(keys.button_2, false);
    EXPECT_EQ(replay.advanced, 0);
    replay.update();
    EXPECT_EQ(replay.speed, 12) << "back to the normal speed";
}

TEST(InstantReplay, EscapeLeavesWithFades) {
    set_up_replay();
    t_match_replay replay;
    press(KEY_ESCAPE, true);
    replay.update();
    press(KEY_ESCAPE, false);
    EXPECT_EQ(drain(), BACK_WITH_FADES);
}

TEST(HighlightPlayback, PlaysTheKeptHighlightsInTurnAndFireOneReturnsToTheEndScreen) {
    set_up_replay();
    for (int h = 0; h < 3; ++h) record_highlight();
    replay_frame = 500;
    highlight_position = 0;
    {
        t_match_show_highlight show;
        EXPECT_EQ(show.display_score, 1);
        EXPECT_EQ(show.display_time, 0);
        EXPECT_EQ(updates_until_queued(show, 300), 256);
        EXPECT_EQ(replay_frame, 500);
        EXPECT_EQ(highlight_position, 1);
        EXPECT_EQ(drain(), NEXT_HIGHLIGHT);
    }
    {
        t_match_show_highlight show;
        show.update();
        const t_key_set& keys = settings.key[0];
        press(keys.button_1, true);
        show.update();
        press(keys.button_1, false);
        EXPECT_EQ(drain(), TO_END_SCREEN) << "fire 1 ends the highlights, it does not skip to the next";
        EXPECT_EQ(highlight_position, 1);
    }
    highlight_position = 2;
    {
        t_match_show_highlight show;
        EXPECT_EQ(updates_until_queued(show, 300), 256);
        EXPECT_EQ(drain(), TO_END_SCREEN) << "after the last one";
    }
}

TEST(HighlightPlayback, SlowMotionAndEscape) {
    set_up_replay();
    record_highlight();
    t_match_show_highlight show;
    press(KEY_R, true);
    show.update();
    press(KEY_R, false);
    EXPECT_EQ(show.position, 6);
    show.update();
    EXPECT_EQ(show.position, 12);
    press(KEY_ESCAPE, true);
    show.update();
    press(KEY_ESCAPE, false);
    EXPECT_EQ(drain(), TO_END_SCREEN);
}

TEST(InstantReplay, ACoachWithADeviceSteersWithItsOwnStick) {
    set_up_replay();
    team_at(1).control = CONTROL_COACH;
    inputs[1].dev = 2;
    settings.key[1].key_left = 'A';
    t_match_replay replay;
    press(settings.key[1].button_2, true);
    replay.update();
    press(settings.key[1].button_2, false);
    EXPECT_EQ(replay.advanced, 1);
    EXPECT_EQ(replay.requesting_team, 1);
    press('A', true);
    for (int i = 0; i < 3; ++i) replay.update();
    press('A', false);
    EXPECT_EQ(replay.speed, -12) << "read from the coach's keys, not from the computer";
    EXPECT_EQ(replay.speedx, 0);
}

// The game runs one more update of a screen when its fade-out ends, before the next action starts. A replay
// left in its last update would reach its end in that one and ask a second time to go back: the second
// restore finds no held phase and the game ends.
TEST(InstantReplay, LeftInItsLastUpdateAsksOnceToGoBack) {
    set_up_replay();
    t_match_replay replay;
    for (int i = 0; i < 254; ++i) replay.update();
    ASSERT_EQ(replay.position, REPLAY_FRAMES - 24);
    ASSERT_TRUE(action_queue->empty());
    press(KEY_ESCAPE, true);
    replay.update();
    press(KEY_ESCAPE, false);
    ASSERT_EQ(replay.position, REPLAY_FRAMES - 12);
    replay.update(); // after the fade-out, before the restore: this one would reach the end
    replay.update();
    EXPECT_EQ(drain(), BACK_WITH_FADES);
}

TEST(HighlightPlayback, TheUpdateAfterTheFadeOutNeitherSkipsAHighlightNorLeavesTwice) {
    set_up_replay();
    for (int h = 0; h < 3; ++h) record_highlight();
    highlight_position = 0;
    {
        t_match_show_highlight show;
        ASSERT_EQ(updates_until_queued(show, 300), 256);
        show.update();
        EXPECT_EQ(highlight_position, 1) << "the second highlight is the next one shown";
        EXPECT_EQ(drain(), NEXT_HIGHLIGHT);
    }
    {
        t_match_show_highlight show;
        press(settings.key[0].button_1, true);
        show.update();
        show.update(); // fire 1 still held after the fade-out
        press(settings.key[0].button_1, false);
        EXPECT_EQ(drain(), TO_END_SCREEN);
    }
}
