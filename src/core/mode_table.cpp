#include <string>

#include "core/game.hpp"
#include "core/screen_modes.hpp"
#include "platform/fatal.hpp"
#include "match/core/match_screens.hpp"
#include "screens/competition/competition_screens.hpp"
#include "screens/editors/editor_screens.hpp"
#include "screens/friendly/friendly_screens.hpp"
#include "screens/main_menu/main_menu_screens.hpp"
#include "screens/not_built_screen.hpp"
#include "screens/notice/menu_intro.hpp"
#include "screens/tactics_editor/tactics_editor_screens.hpp"

std::unique_ptr<t_game_mode> make_mode(int32_t mode) {
    switch (mode) {
    case MODE_INTRO: return std::make_unique<MenuIntro>();
    case MODE_COPYING: return std::make_unique<MenuCopying>();
    case MODE_WARRANTY: return std::make_unique<MenuWarranty>();
    default: break;
    }
    if (!is_screen_mode(mode) || mode == MODE_QUIT) runtime_error("invalid game mode");
    using t_family = std::unique_ptr<t_game_mode> (*)(int32_t);
    for (const t_family family : {make_main_menu_screen, make_friendly_screen, make_competition_screen,
                                  make_editor_screen, make_tactics_editor_screen, make_match_screen})
        if (auto screen = family(mode)) return screen;
    return std::make_unique<t_not_built_screen>(mode, std::string(screen_class_name(mode)));
}
