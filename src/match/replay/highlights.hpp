#pragma once
// Highlights: the recording ring squeezed into one slot of the highlights bank, and back.
#include <cstddef>
#include <cstdint>

#include "platform/bank.hpp"

constexpr int HIGHLIGHT_SAMPLES = 512;
constexpr size_t HIGHLIGHT_SAMPLE_BYTES = 143;
// Sub-steps of the ring between two samples: 512 samples cover the whole ring.
constexpr int HIGHLIGHT_SAMPLE_STEP = 6;
constexpr size_t HIGHLIGHT_PLAYERS_PER_TEAM = 11;

// The highlight being shown after the match (0 = the oldest kept).
extern int32_t highlight_position;

// 16-bit little-endian storage of a signed value; values from 0x8000 up read back negative.
void poke_signed_short(t_bank& bank, size_t offset, int value);
int peek_signed_short(const t_bank& bank, size_t offset);

// One 143-byte sample from / into the recording ring at sub-step `frame`.
void pack_highlight_sample(t_bank& bank, size_t offset, int frame);
void unpack_highlight_sample(const t_bank& bank, size_t offset, int frame);

// Bank offset of the slot the next record_highlight() writes, once `count` are recorded.
size_t highlight_record_offset(int32_t count);
// Bank offset of the highlight shown `position`-th, the oldest kept first.
size_t highlight_play_offset(int32_t position, int32_t count);
// Highlights that can be shown: the last 30 at most.
int32_t highlights_kept(int32_t count);

// Copies the ring, newest sub-step first, then the oldest onwards, into the next slot.
void record_highlight();
// Writes the slot at `offset` into every sixth ring entry from `frame0` on.
void unpack_highlight(size_t offset, int frame0);
