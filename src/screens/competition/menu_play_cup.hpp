#pragma once
// Playing a cup: the round's matches, results and the next match.
#include <array>
#include <vector>

#include "football/cup.hpp"
#include "platform/image.hpp"
#include "screens/competition/competition_play.hpp"

// The matches of the cup's round and leg, the current one marked, with the match buttons.
class MenuPlayCup : public t_play_screen {
public:
    MenuPlayCup();

    void bc_scroll(int step);
    void update_result_widgets();

    t_match* match = nullptr;
    int matches = 0;
    t_image_ref img_scroll;
    int offset = 0;
    t_image_ref img_ucode10g;
    std::vector<std::array<t_widget_ref, 6>> result_widgets;
    t_button_ref w_scroll_up;
    t_button_ref w_scroll_down;

private:
    void add_block(const t_cup& cup, size_t k);
    void advance() override;
    void produce_result() override;
    t_match* current() override { return match; }
    t_cup& cup();
};
