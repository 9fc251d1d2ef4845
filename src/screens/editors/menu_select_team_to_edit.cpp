#include "screens/editors/menu_select_team_to_edit.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/catalogue.hpp"
#include "football/team_file.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"
#include "platform/files.hpp"
#include "ui/menu_toolkit.hpp"
#include "screens/friendly/team_selection.hpp"
#include "screens/editors/team_editing.hpp"
#include "ui/menu.hpp"

namespace {

std::string title_text() {
    if (menu.confederation == 7) return translate("EDIT TEAMS") + " - " + translate("CUSTOM TEAMS");
    if (menu.confederation == 6) return translate("NATIONAL TEAMS") + " - " + file_display_name(menu.extension);
    return file_display_name(menu.extension) + " - " + division_caption(menu.division);
}
} // namespace

MenuSelectTeamToEdit::MenuSelectTeamToEdit() {
    img_background = load_image_from("images/backgrounds", "menu_edit.jpg", 0);

    const std::string path = team_file_path(to_lower_ascii(menu.extension));
    if (file_type(path) != 1) runtime_error(" file not found: " + path);
    std::vector<t_team_entry> entries;
    for (const t_team_entry& e : read_team_entries(menu.extension))
        if (e.division == menu.division) entries.push_back(e);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const t_team_entry& a, const t_team_entry& b) { return a.name < b.name; });

    add_caption(*this, EDIT_BROWN, 182, 40, 660, 40, title_text());
    const std::vector<t_grid_place> places = team_grid(static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        auto b = add_action_button(*this, FILE_BROWN, places[i].x, places[i].y, 270, 30, entries[i].name, "bc_team", &MenuSelectTeamToEdit::bc_team,
                            {std::to_string(entries[i].number)}, 10);
        if (i == 0) selected_widget = b;
    }
    auto exit = add_action_button(*this, EXIT_COLOURS, 422, 700, 180, 34, translate("EXIT"), "bc_exit", &MenuSelectTeamToEdit::bc_exit);
    exit_widget = exit;
    if (!selected_widget) selected_widget = exit;
    message_ = add_message_box(*this, 112, 640, 800, 44);
}

void MenuSelectTeamToEdit::bc_team(int number) {
    const std::string failed = open_team_for_editing(menu.extension, number);
    if (!failed.empty()) {
        show_message(*message_, translate("CANNOT WRITE THE BACKUP FILE") + "\r\n" + failed);
        return;
    }
    action_queue->push(ACTION_NEW_SCREEN, MODE_EDIT_PLAYERS);
}

void MenuSelectTeamToEdit::bc_exit() {
    int mode = MODE_MAIN_MENU;
    if (menu.confederation == 6) mode = MODE_NATIONALS_CONFEDERATION;
    else if (menu.confederation != 7) mode = menu.divisions == 1 ? MODE_CLUBS_COUNTRY : MODE_CLUBS_DIVISION;
    action_queue->push(ACTION_NEW_SCREEN, mode);
}
