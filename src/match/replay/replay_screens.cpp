#include "match/replay/replay_screens.hpp"

#include "match/replay/replay_highlight.hpp"
#include "match/replay/replay_instant.hpp"
#include "match/replay/replay_menu.hpp"

std::unique_ptr<t_game_mode> make_replay_screen(int32_t mode) {
    switch (mode) {
    case 19: return std::make_unique<MenuReplayMatch>();
    case 65: return std::make_unique<t_match_replay>();
    case 68: return std::make_unique<t_match_show_highlight>();
    default: return nullptr;
    }
}
