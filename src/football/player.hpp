#pragma once
// A player: personal data, skills, role, and his sprite and state in a match.
#include <array>
#include <memory>
#include <string>

#include "match/draw/sprite.hpp"
#include "platform/image.hpp"

class t_team;
class StateMachine;
class State;

// Roles (`pt`).
constexpr int ROLE_GOALKEEPER = 0;
constexpr int ROLE_RIGHT_BACK = 1;
constexpr int ROLE_LEFT_BACK = 2;
constexpr int ROLE_DEFENDER = 3;
constexpr int ROLE_RIGHT_WING = 4;
constexpr int ROLE_LEFT_WING = 5;
constexpr int ROLE_MIDFIELD = 6;
constexpr int ROLE_ATTACK = 7;
constexpr int ROLE_COUNT = 8;

constexpr int SKILL_STAR = 8;
constexpr int SKILL_VALUE_MASK = 7;
constexpr int HAIR_TYPE_COUNT = 42;

// Dictionary keys of the roles, by `pt`.
extern const std::array<std::string, ROLE_COUNT> position_code_keys;
// Short codes shown for the roles, filled from the dictionary at start-up.
extern std::array<std::string, ROLE_COUNT> position_codes;
extern const std::array<std::array<int, 2>, ROLE_COUNT> alternative_roles;
extern const std::array<int, HAIR_TYPE_COUNT> hair_type_codes;

// Index into hair_type_codes; a code not in the table is index 0.
int hair_type_index(int code);
// The dictionary key of skill letter P, V, H, T, C, S or F ("" for others).
std::string skill_key(char letter);

// What a player does in an ENHANCED match beyond running, and his cards in this match.
class t_player_play {
public:
    int slide = 0;        // sub-steps of a slide left
    double slide_v = 0;   // its speed now
    bool slide_won = false; // the slide has touched the ball
    bool slide_fouled = false;
    int down = 0;         // sub-steps left lying on the grass
    bool fallen = false;  // down because he was fouled, not after his own slide
    int heading = 0;      // sub-steps left in the air after a header
    bool diving = false;  // ...a diving one: he flies along, then lands on his front
    int yellow = 0;
    bool sent_off = false;
    // The team shape's target for him this update, held through its sub-steps.
    bool shaped = false;
    double shape_tx = 0;
    double shape_ty = 0;
};

// A squad member's personal data and skills. The match adds its sprite,
// physics and state on top of these fields.
class t_player : public t_sprite {
public:
    std::string name;
    std::string surname;
    t_team* team = nullptr; // owning team; the team outlives its players' use
    std::string nat;
    int nr = 0;
    int ht = 0;
    int hc = 0;
    int sk = 0;
    int pt = 0;
    int pa = 0;
    int sh = 0;
    int he = 0;
    int ta = 0;
    int bc = 0;
    int sp = 0;
    int fi = 0;
    int skill_keeper = 0;
    int price = 0;
    int goals = 0;
    std::string skills;
    int health = 0;
    // Menu face and its shadow, made by create_face when a screen shows the player.
    t_image_ref face;
    t_image_ref facesh;

    bool is_goalkeeper() const { return pt == ROLE_GOALKEEPER; }
    // Skill value without its star bit, by letter.
    int skill_value(char letter) const;

    std::string get_single_name() const;
    void auto_number();
    void change_number(int step);
    void update_price();
    int three_at_least() const;
    void order_skills();
    std::string get_best_skill(int place) const;

    // Match part. Positions shadow the integer ones of t_sprite.
    double speed = 0;
    double speed_running = 0;
    double ac = 0;
    double x = 0;
    double y = 0;
    double z = 0;
    double v = 0;
    double vz = 0;
    double a = 0;
    double thrust_x = 0;
    double thrust_z = 0;
    double thrust = 0;
    double tx = 0;
    double ty = 0;
    double fmx = 0;
    double fmy = 0;
    int status = 0;
    int timer = 0;
    int anim = 0;
    int frame = 0;
    int flag = 0;
    int frame_distance = 80;
    t_player_play play;
    // The save test runs at most once per sub-step: the sub-step and ball depth it last ran for.
    int collision_frame = -1;
    double collision_y0 = 0;
    std::shared_ptr<StateMachine> brain;
    std::shared_ptr<State> state_stand_run;
    std::shared_ptr<State> state_positioning;
    std::shared_ptr<State> state_diving_low_single;
    std::shared_ptr<State> state_diving_low_double;
    std::shared_ptr<State> state_diving_middle_one;
    std::shared_ptr<State> state_diving_middle_two;
    std::shared_ptr<State> state_diving_high_one;
    std::shared_ptr<State> state_catching_high;
    t_recording data;
    t_image_ref hair;

    void draw(int f) const override;
    int get_y(int f) const override;
    void save(int f);
    void draw_number() const;
    void update_frame_distance();
    void hold_ball(double dx, double dz);
    // 1 when the goalkeeper has just caught the ball.
    int keeper_collision();
};
