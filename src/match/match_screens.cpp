#include "match/match_screens.hpp"

#include "match/match_loading.hpp"
#include "match/match_main.hpp"

std::unique_ptr<t_game_mode> make_match_screen(int32_t mode) {
    switch (mode) {
    case 31: return std::make_unique<MatchLoading>();
    case 39: return std::make_unique<t_match_main>();
    default: return nullptr;
    }
}
