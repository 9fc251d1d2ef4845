#include "screens/tactics_editor/tactics_file_list.hpp"

#include "core/dictionary.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"

std::vector<std::shared_ptr<t_button>> add_tactics_file_list(t_game_mode& screen, const std::string& name,
                                                             const std::function<void(const std::string&)>& method) {
    const std::vector<std::string> names = tactics_file_names_in("tactics");
    const std::vector<t_point> places = tactics_file_grid(static_cast<int>(names.size()));
    std::vector<std::shared_ptr<t_button>> out;
    for (size_t k = 0; k < names.size(); ++k) {
        out.push_back(add_action_button(screen, FILE_BROWN, places[k].x, places[k].y, 160, 30, names[k], name, method,
                                        {names[k]}, SMALL_FONT));
        auto label = std::make_shared<t_label>();
        label->set_geometry(places[k].x + 165, places[k].y, 80, 30);
        label->set_text(translate("TACT"), 1, 10);
        screen.widgets.push_back(label);
    }
    return out;
}
