#include "match/replay/highlights.hpp"

#include <algorithm>

#include "core/globals.hpp"
#include "football/player.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_state.hpp"

int32_t highlight_position = 0;

namespace {
constexpr size_t BALL_BYTES = 7;
constexpr size_t PLAYER_BYTES = 6;
constexpr size_t CAMERA_OFFSET = BALL_BYTES + 2 * HIGHLIGHT_PLAYERS_PER_TEAM * PLAYER_BYTES;
static_assert(CAMERA_OFFSET + 4 == HIGHLIGHT_SAMPLE_BYTES);
static_assert(HIGHLIGHT_SAMPLES * HIGHLIGHT_SAMPLE_STEP == REPLAY_FRAMES);
static_assert(HIGHLIGHT_SAMPLES * HIGHLIGHT_SAMPLE_BYTES == HIGHLIGHT_SLOT_BYTES);

// Squads shorter than eleven (or recordings not made) give empty entries rather than a crash.
template <typename R> auto recorded(R& data, int frame) -> decltype(&data[0]) {
    const auto f = static_cast<size_t>(frame);
    return f < data.size() ? &data[f] : nullptr;
}

t_player* player_of(size_t team, size_t slot) {
    const auto& squad = match_players[team];
    return slot < squad.size() ? squad[slot].get() : nullptr;
}

size_t player_offset(size_t team, size_t slot) {
    return BALL_BYTES + (team * HIGHLIGHT_PLAYERS_PER_TEAM + slot - 1) * PLAYER_BYTES;
}

uint8_t low_byte(int32_t v) { return static_cast<uint8_t>(v & 0xFF); }

int wrap_frame(int frame) { return ((frame % REPLAY_FRAMES) + REPLAY_FRAMES) % REPLAY_FRAMES; }
} // namespace

void poke_signed_short(t_bank& bank, size_t offset, int value) {
    bank.poke_short(offset, static_cast<uint16_t>(value & 0xFFFF));
}

int peek_signed_short(const t_bank& bank, size_t offset) {
    const int v = bank.peek_short(offset);
    return v >= 0x8000 ? v - 0x10000 : v;
}

void pack_highlight_sample(t_bank& bank, size_t offset, int frame) {
    const t_data none{};
    const t_data* b = recorded(ball.data, frame);
    const t_data& bd = b ? *b : none;
    poke_signed_short(bank, offset, static_cast<int>(bd.x));
    poke_signed_short(bank, offset + 2, static_cast<int>(bd.y));
    poke_signed_short(bank, offset + 4, static_cast<int>(bd.z));
    bank.poke_byte(offset + 6, low_byte(bd.fmx));
    for (size_t t = 0; t < 2; ++t)
        for (size_t slot = 1; slot <= HIGHLIGHT_PLAYERS_PER_TEAM; ++slot) {
            const t_player* p = player_of(t, slot);
            const t_data* d = p ? recorded(p->data, frame) : nullptr;
            const t_data& pd = d ? *d : none;
            const size_t a = offset + player_offset(t, slot);
            poke_signed_short(bank, a, static_cast<int>(pd.x));
            poke_signed_short(bank, a + 2, static_cast<int>(pd.y));
            bank.poke_byte(a + 4, low_byte(pd.fmx));
            bank.poke_byte(a + 5, low_byte(pd.fmy));
        }
    const auto f = static_cast<size_t>(frame);
    poke_signed_short(bank, offset + CAMERA_OFFSET, replay_camera_x[f]);
    poke_signed_short(bank, offset + CAMERA_OFFSET + 2, replay_camera_y[f]);
}

void unpack_highlight_sample(const t_bank& bank, size_t offset, int frame) {
    if (t_data* b = recorded(ball.data, frame)) {
        b->x = static_cast<float>(peek_signed_short(bank, offset));
        b->y = static_cast<float>(peek_signed_short(bank, offset + 2));
        b->z = static_cast<float>(peek_signed_short(bank, offset + 4));
        b->fmx = bank.peek_byte(offset + 6);
    }
    for (size_t t = 0; t < 2; ++t)
        for (size_t slot = 1; slot <= HIGHLIGHT_PLAYERS_PER_TEAM; ++slot) {
            t_player* p = player_of(t, slot);
            t_data* d = p ? recorded(p->data, frame) : nullptr;
            if (!d) continue;
            const size_t a = offset + player_offset(t, slot);
            d->x = static_cast<float>(peek_signed_short(bank, a));
            d->y = static_cast<float>(peek_signed_short(bank, a + 2));
            // Height is not kept: a stale one from the live ring would leave players floating.
            d->z = 0;
            d->fmx = bank.peek_byte(a + 4);
            d->fmy = bank.peek_byte(a + 5);
        }
    const auto f = static_cast<size_t>(frame);
    replay_camera_x[f] = peek_signed_short(bank, offset + CAMERA_OFFSET);
    replay_camera_y[f] = peek_signed_short(bank, offset + CAMERA_OFFSET + 2);
}

size_t highlight_record_offset(int32_t count) {
    const auto slots = static_cast<int32_t>(HIGHLIGHT_SLOTS);
    const int32_t s = count >= slots ? count % slots : std::max(count, 0);
    return static_cast<size_t>(s) * HIGHLIGHT_SLOT_BYTES;
}

size_t highlight_play_offset(int32_t position, int32_t count) {
    const auto slots = static_cast<int32_t>(HIGHLIGHT_SLOTS);
    const int32_t s = count <= slots ? position : (count + position) % slots;
    // Anything outside the bank falls back to the first slot.
    return s >= 0 && s < slots ? static_cast<size_t>(s) * HIGHLIGHT_SLOT_BYTES : 0;
}

int32_t highlights_kept(int32_t count) { return std::clamp(count, 0, static_cast<int32_t>(HIGHLIGHT_SLOTS)); }

void record_highlight() {
    if (highlights_bank.size() < HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES)
        highlights_bank.resize(HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES);
    size_t a = highlight_record_offset(highlights_count);
    int frame = replay_frame;
    for (int k = 0; k < HIGHLIGHT_SAMPLES; ++k) {
        pack_highlight_sample(highlights_bank, a, wrap_frame(frame));
        frame += HIGHLIGHT_SAMPLE_STEP;
        a += HIGHLIGHT_SAMPLE_BYTES;
    }
    ++highlights_count;
}

void unpack_highlight(size_t offset, int frame0) {
    int frame = frame0;
    for (int k = 0; k < HIGHLIGHT_SAMPLES; ++k) {
        unpack_highlight_sample(highlights_bank, offset, wrap_frame(frame));
        frame += HIGHLIGHT_SAMPLE_STEP;
        offset += HIGHLIGHT_SAMPLE_BYTES;
    }
}
