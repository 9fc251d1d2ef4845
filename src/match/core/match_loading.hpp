#pragma once
// Loading a match: the display, the match objects and every picture the match draws.
#include "match/core/match_mode.hpp"

class t_match_picture_cache;

// Mode 31: builds every object of the match and loads its pictures while a progress bar runs.
class MatchLoading : public t_match_mode {
public:
    MatchLoading();
    void update() override;
    void render() override;

private:
    bool opened_next_ = false;
};

// Pitch, players, props, crowd, weather and HUD pictures of this match (set-up steps 14 to 16).
void load_match_images();

// The referee's sheet, fixed colours, and his shadows in the grass's shadow colours of this match.
void load_referee_images(t_match_picture_cache& pictures);
