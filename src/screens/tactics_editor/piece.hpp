#pragma once
// A piece of the tactics board that moves cell by cell.
#include <memory>

#include "football/player.hpp"
#include "football/tactics.hpp"
#include "platform/image.hpp"
#include "ui/button.hpp"

// A button that sits on one cell of a grid; picked up (entry mode), the
// directions, or the mouse, move it cell by cell and raise "on_update".
class t_piece : public t_button {
public:
    virtual void set_square(int x_, int y_);
    virtual void set_grid_geometry(int x_, int y_, int w_, int h_);
    virtual void set_ranges(int xmin_, int xmax_, int ymin_, int ymax_);
    virtual void update_position();
    void update() override;
    void draw_animated_border() override;

    int key_wait = 0;
    t_vec2d square;
    int grid_x = 0, grid_y = 0, grid_w = 0, grid_h = 0;
    int xmin = 0, xmax = 0, ymin = 0, ymax = 0;

private:
    bool step(int dx, int dy);
};

// Grey level of an idle piece's outline at wall-clock `ms`: 36..200 and back every 410 ms.
int piece_border_level(long ms);

// The ball on the board: its shadow, then the ball.
class t_ball_piece : public t_piece {
public:
    void draw_image() override;

    t_image_ref img_ball;
};

// A squad player standing on the board, facing down, with his shirt number above.
class t_player_piece : public t_piece {
public:
    void draw_image() override;

    std::shared_ptr<t_player> player;
    t_image_ref img_number;
    // The player's pictures in his kit, his hair and the shadow sheet.
    t_image_ref img_body, img_hair, img_shadow;
    // Drawn when there is no player to stand there.
    t_image_ref img_pieces;
};
