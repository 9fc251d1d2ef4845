#pragma once
// The picture frames of the goalkeeper's dives and catches.
#include <array>
#include <vector>

// One picture of a save: the sheet cell and where the ball sits in his hands,
// for each orientation o = (diving towards -x ? 1 : 0) + (bottom goal ? 2 : 0).
class KeeperFrame {
public:
    std::array<int, 4> fmx{};
    int fmy = 0;
    std::array<int, 4> offx{};
    int offz = 0;
};

using t_keeper_frames = std::vector<KeeperFrame>;

t_keeper_frames frames_diving_low_single();
t_keeper_frames frames_diving_low_double();
t_keeper_frames frames_diving_middle_one();
t_keeper_frames frames_diving_middle_two();
t_keeper_frames frames_diving_high_one();
t_keeper_frames frames_catching_high();

// Orientation index of a keeper facing `a` (degrees) with his y position.
int keeper_orientation(float a, float y);
