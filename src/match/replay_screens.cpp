#include "match/replay_screens.hpp"

std::unique_ptr<t_game_mode> make_replay_screen(int32_t mode) {
    switch (mode) {
    default: return nullptr;
    }
}
