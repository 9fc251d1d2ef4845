#include "match/keeper/keeper_frames.hpp"

namespace {
constexpr std::array<int, 4> LEFT_COLUMNS{0, 1, 2, 3};
constexpr std::array<int, 4> RIGHT_COLUMNS{4, 5, 6, 7};
constexpr std::array<int, 4> CATCH_COLUMNS{0, 0, 1, 1};
} // namespace

t_keeper_frames frames_diving_low_single() {
    return {
        {LEFT_COLUMNS, 8, {13, -10, 17, -13}, 0},
        {RIGHT_COLUMNS, 12, {13, -10, 17, -13}, 0},
        {RIGHT_COLUMNS, 14, {16, -15, 14, -10}, 0},
    };
}

t_keeper_frames frames_diving_low_double() {
    return {
        {LEFT_COLUMNS, 8, {13, -10, 17, -13}, 0},
        {RIGHT_COLUMNS, 12, {13, -10, 17, -13}, 0},
        {RIGHT_COLUMNS, 13, {12, -9, 17, -13}, 0},
    };
}

t_keeper_frames frames_diving_middle_one() {
    return {
        {LEFT_COLUMNS, 8, {10, -8, 13, -9}, 24},
        {LEFT_COLUMNS, 9, {10, -8, 13, -9}, 24},
        {LEFT_COLUMNS, 10, {10, -8, 13, -9}, 24},
        {LEFT_COLUMNS, 11, {8, -5, 10, -8}, 10},
        {LEFT_COLUMNS, 12, {8, -5, 15, -11}, 0},
    };
}

t_keeper_frames frames_diving_middle_two() {
    return {
        {RIGHT_COLUMNS, 8, {16, -13, 16, -12}, 18},
        {RIGHT_COLUMNS, 9, {16, -13, 16, -12}, 18},
        {RIGHT_COLUMNS, 10, {16, -13, 16, -12}, 18},
        {RIGHT_COLUMNS, 11, {16, -13, 18, -14}, 15},
        {RIGHT_COLUMNS, 12, {13, -10, 17, -13}, 0},
        {RIGHT_COLUMNS, 13, {12, -9, 17, -13}, 0},
    };
}

t_keeper_frames frames_diving_high_one() {
    return {
        {RIGHT_COLUMNS, 8, {16, -13, 16, -12}, 18},
        {LEFT_COLUMNS, 13, {13, -11, 10, -10}, 26},
        {LEFT_COLUMNS, 14, {13, -11, 10, -10}, 26},
        {LEFT_COLUMNS, 15, {14, -12, 10, -10}, 20},
        {LEFT_COLUMNS, 12, {8, -5, 15, -11}, 0},
    };
}

t_keeper_frames frames_catching_high() {
    return {
        {CATCH_COLUMNS, 8, {2, 0, 0, 0}, 30},
        {CATCH_COLUMNS, 17, {2, 0, 0, 0}, 30},
        {CATCH_COLUMNS, 18, {2, 0, 0, 0}, 30},
        {CATCH_COLUMNS, 16, {2, 0, 0, 0}, 15},
    };
}

int keeper_orientation(float a, float y) {
    return (a == 180.0f ? 1 : 0) + (y > 0.0f ? 2 : 0);
}
