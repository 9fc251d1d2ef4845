// Highlights: the 143-byte samples, the 30 slots and their order once they wrap.
#include <gtest/gtest.h>

#include "match/replay/highlights.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
// Every ring entry tells its own index: ball x = frame, ball y = -frame, camera x = frame + tag.
void stamp_ring(int tag) {
    ball.data.assign(REPLAY_FRAMES, t_data{});
    for (int f = 0; f < REPLAY_FRAMES; ++f) {
        const auto i = static_cast<size_t>(f);
        ball.data[i].x = static_cast<float>(f);
        ball.data[i].y = static_cast<float>(-f);
        ball.data[i].z = static_cast<float>(tag);
        ball.data[i].fmx = f % 8;
        for (int t = 0; t < 2; ++t)
            for (int s = 1; s <= 11; ++s) {
                t_data& d = squad_player(t, s).data[i];
                d.x = static_cast<float>(-640 + s);
                d.y = static_cast<float>(f % 600 - 300 + t);
                d.z = 7;
                d.fmx = s % 8;
                d.fmy = 17;
            }
        replay_camera_x[i] = f + tag;
        replay_camera_y[i] = -tag;
    }
}

void set_up_bank() {
    set_up();
    highlights_bank = t_bank(HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES);
    highlights_count = 0;
    highlight_position = 0;
}
} // namespace

TEST(HighlightStore, SignedShortsRoundTripWithTheirLittleEndianBytes) {
    t_bank bank(8);
    poke_signed_short(bank, 0, -640);
    EXPECT_EQ(bank.peek_byte(0), 0x80);
    EXPECT_EQ(bank.peek_byte(1), 0xFD);
    EXPECT_EQ(bank.peek_short(0), 0xFD80);
    EXPECT_EQ(peek_signed_short(bank, 0), -640);
    poke_signed_short(bank, 2, 32767);
    poke_signed_short(bank, 4, -32768);
    poke_signed_short(bank, 6, 32768); // wraps to the most negative value
    EXPECT_EQ(peek_signed_short(bank, 2), 32767);
    EXPECT_EQ(peek_signed_short(bank, 4), -32768);
    EXPECT_EQ(peek_signed_short(bank, 6), -32768);
}

TEST(HighlightStore, RecordTakesTheNewestSubStepThenTheRingFromItsOldestEverySixth) {
    set_up_bank();
    stamp_ring(3);
    replay_frame = 3000;
    record_highlight();
    EXPECT_EQ(highlights_count, 1);
    EXPECT_EQ(replay_frame, 3000) << "the ring position is left where it was";
    EXPECT_EQ(peek_signed_short(highlights_bank, 0), 3000) << "first sample: the newest sub-step";
    EXPECT_EQ(peek_signed_short(highlights_bank, 2), -3000);
    EXPECT_EQ(peek_signed_short(highlights_bank, HIGHLIGHT_SAMPLE_BYTES), 3006);
    EXPECT_EQ(peek_signed_short(highlights_bank, 12 * HIGHLIGHT_SAMPLE_BYTES), (3000 + 72) % REPLAY_FRAMES)
        << "wraps round the end of the ring";
    // Player k = 0 (team 0 keeper) at byte 7, the last of team 1 at 7 + 6 * 21, the camera at 139.
    EXPECT_EQ(peek_signed_short(highlights_bank, 7), -639);
    EXPECT_EQ(peek_signed_short(highlights_bank, 7 + 6 * 21), -629);
    EXPECT_EQ(peek_signed_short(highlights_bank, 9 + 6 * 21), 3000 % 600 - 300 + 1);
    EXPECT_EQ(highlights_bank.peek_byte(12 + 6 * 21), 17);
    EXPECT_EQ(peek_signed_short(highlights_bank, 139), 3003);
    EXPECT_EQ(peek_signed_short(highlights_bank, 141), -3);
    EXPECT_EQ(highlights_bank.peek_byte(HIGHLIGHT_SLOT_BYTES), 0) << "the next slot is untouched";
}

TEST(HighlightStore, UnpackWritesEverySixthEntryAndLeavesTheOthers) {
    set_up_bank();
    stamp_ring(1);
    replay_frame = 100;
    record_highlight();
    stamp_ring(9);
    squad_player(0, 12).data[2006].x = 55;
    unpack_highlight(0, 2000);
    EXPECT_FLOAT_EQ(ball.data[2000].x, 100) << "sample 0 at frame0";
    EXPECT_FLOAT_EQ(ball.data[2006].x, 106);
    EXPECT_FLOAT_EQ(ball.data[2006].z, 1);
    EXPECT_EQ(replay_camera_x[2006], 107);
    EXPECT_EQ(replay_camera_y[2006], -1);
    EXPECT_FLOAT_EQ(squad_player(0, 1).data[2006].x, -639) << "-640 + 1 survives the 16-bit store";
    EXPECT_EQ(squad_player(1, 11).data[2006].fmy, 17);
    EXPECT_FLOAT_EQ(squad_player(1, 11).data[2006].z, 0);
    EXPECT_FLOAT_EQ(ball.data[2001].x, 2001) << "in-between entries keep what they held";
    EXPECT_FLOAT_EQ(ball.data[2001].z, 9);
    EXPECT_FLOAT_EQ(squad_player(0, 12).data[2006].x, 55) << "the bench is not part of a sample";
    // 2000 + 6 * 511 wraps to 1066, the last sample.
    EXPECT_FLOAT_EQ(ball.data[(2000 + 6 * 511) % REPLAY_FRAMES].x, static_cast<float>((100 + 6 * 511) % REPLAY_FRAMES));
}

TEST(HighlightStore, SlotsWrapAfterThirtyAndPlaybackStartsAtTheOldestKept) {
    set_up_bank();
    for (int h = 1; h <= 35; ++h) {
        stamp_ring(h);
        replay_frame = 0;
        record_highlight();
    }
    EXPECT_EQ(highlights_count, 35);
    EXPECT_EQ(highlights_kept(35), 30);
    // Highlight h left tag h in its camera y; play order must be 6, 7, ..., 35.
    for (int position = 0; position < highlights_kept(highlights_count); ++position) {
        const size_t a = highlight_play_offset(position, highlights_count);
        EXPECT_EQ(peek_signed_short(highlights_bank, a + 141), -(position + 6)) << "position " << position;
    }
    EXPECT_EQ(highlight_play_offset(0, 35), 5 * HIGHLIGHT_SLOT_BYTES);
    EXPECT_EQ(highlight_play_offset(29, 35), 4 * HIGHLIGHT_SLOT_BYTES);
    EXPECT_EQ(highlight_record_offset(30), 0U);
    EXPECT_EQ(highlight_play_offset(3, 4), 3 * HIGHLIGHT_SLOT_BYTES) << "before wrapping, in recording order";
    EXPECT_EQ(highlight_play_offset(30, 30), 0U) << "one past the bank falls back to the first slot";
}
