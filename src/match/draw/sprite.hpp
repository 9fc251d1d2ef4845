#pragma once
// Match sprites and the recording of their frames for replays.
#include <cstdint>
#include <vector>

#include "platform/image.hpp"

// Sub-steps kept in the recording ring (6.4 s of play).
constexpr int REPLAY_FRAMES = 3072;

// One recorded state of a sprite: what the drawing of a sub-step reads.
class t_data {
public:
    float x = 0;
    float y = 0;
    float z = 0;
    int32_t fmx = 0;
    int32_t fmy = 0;
};

using t_recording = std::vector<t_data>;

// Anything painted in depth order on the pitch. The integer position is the
// one of fixed sprites; the ball and the players keep float positions of
// their own and draw from their recording instead.
class t_sprite {
public:
    virtual ~t_sprite() = default;

    // Draws the sprite as it was at recorded sub-step f.
    virtual void draw(int f) const;
    // Depth key at recorded sub-step f: larger is nearer the viewer.
    virtual int get_y(int f) const;

    int x = 0;
    int y = 0;
    int z = 0;
    int offset = 0;
    t_image_ref image;
};
