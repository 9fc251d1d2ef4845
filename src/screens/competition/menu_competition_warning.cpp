#include "screens/competition/menu_competition_warning.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/competition.hpp"
#include "screens/competition/competition_style.hpp"

namespace {
constexpr size_t LINE_WIDTH = 26;
constexpr int LINE_PITCH = 34;
} // namespace

std::vector<std::string> wrap_words(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        if (!line.empty() && text_length(line) + 1 + text_length(word) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

MenuCompetitionWarning::MenuCompetitionWarning() {
    use_competition_background(*this);
    add_competition_title(*this, translate("DIY COMPETITION"));
    const std::vector<std::string> lines = wrap_words(translate("YOU ARE ABOUT TO LOSE YOUR CURRENT DIY COMPETITION"), LINE_WIDTH);
    const int top = 300 - LINE_PITCH * static_cast<int>(lines.size()) / 2;
    for (size_t i = 0; i < lines.size(); ++i)
        add_label(*this, 512, top + LINE_PITCH * static_cast<int>(i), lines[i], LARGE_FONT, ALIGN_CENTRE);
    if (competition) add_caption(*this, COMPETITION_GREEN, 252, 380, 520, 34, competition->name);

    t_button_ref go_on = add_button(*this, CHOICE_GREEN, 342, 500, 340, 40, translate("CONTINUE"));
    bind_callback(*go_on, "fire1_down", "bc_continue", &MenuCompetitionWarning::bc_continue);
    t_button_ref abort = add_button(*this, ABORT_RED, 412, 700, 200, 34, translate("ABORT"));
    bind_screen_change(*this, *abort, MODE_MAIN_MENU);
    selected_widget = abort;
}

void MenuCompetitionWarning::bc_continue() { action_queue->push(ACTION_NEW_SCREEN, MODE_DIY_COMPETITION); }
