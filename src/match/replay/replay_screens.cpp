#include "match/replay/replay_screens.hpp"

#include "core/screen_modes.hpp"
#include "match/replay/replay_highlight.hpp"
#include "match/replay/replay_instant.hpp"
#include "match/replay/replay_menu.hpp"

std::unique_ptr<t_game_mode> make_replay_screen(int32_t mode) {
    switch (mode) {
    case MODE_REPLAY_MATCH: return std::make_unique<MenuReplayMatch>();
    case MODE_MATCH_REPLAY: return std::make_unique<t_match_replay>();
    case MODE_MATCH_SHOW_HIGHLIGHT: return std::make_unique<t_match_show_highlight>();
    default: return nullptr;
    }
}
