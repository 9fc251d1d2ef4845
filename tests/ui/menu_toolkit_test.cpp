#include <gtest/gtest.h>

#include "core/globals.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/player_row.hpp"

namespace {
// A screen whose callbacks record what reached them.
class t_toolkit_screen : public t_game_mode {
public:
    void bc_count(int step) { total += step; }
    void bc_pick(int row, const std::string& name) { picked = std::to_string(row) + ":" + name; }
    void bc_named(const std::string& name) { picked = name; }
    void render() override {}

    // Every binding of `widget` for `event`, called as the frame would.
    void fire(const t_widget& widget, const std::string& event) {
        for (const t_binding& b : widget.bindings)
            if (b.event_name == event) call_method(b.method_name, b.method_arguments);
    }

    int total = 0;
    std::string picked;
};
} // namespace

TEST(MenuToolkitCallbacks, BindingRegistersTheMethodUnderTheBoundName) {
    t_toolkit_screen s;
    EXPECT_FALSE(s.has_method("bc_pick"));
    t_button_ref b = add_action_button(s, CHOICE_GREEN, 0, 0, 10, 10, "", "bc_pick", &t_toolkit_screen::bc_pick,
                                       {"7", "Brenn"});
    ASSERT_EQ(b->bindings.size(), 1u);
    EXPECT_EQ(b->bindings[0].event_name, "fire1_down");
    EXPECT_EQ(b->bindings[0].method_name, "bc_pick");
    EXPECT_TRUE(s.has_method("bc_pick"));
    s.fire(*b, "fire1_down");
    EXPECT_EQ(s.picked, "7:Brenn");
    // The widget is the screen's own.
    ASSERT_FALSE(s.widgets.empty());
    EXPECT_EQ(s.widgets.back(), b);
}

TEST(MenuToolkitCallbacks, ArgumentsAreParsedForTheMethodsParameters) {
    t_toolkit_screen s;
    auto w = add_button(s, NO_COLOURS, 0, 0, 10, 10, "");
    bind_fire(s, *w, "bc_named", &t_toolkit_screen::bc_named);
    s.fire(*w, "fire1_down");
    EXPECT_EQ(s.picked, ""); // absent text is empty
    s.call_method("bc_named", {"FILE1"});
    EXPECT_EQ(s.picked, "FILE1");

    bind_fire(s, *w, "bc_count", &t_toolkit_screen::bc_count);
    EXPECT_EXIT(s.call_method("bc_count", {}), testing::ExitedWithCode(1), "Missing callback argument");
    EXPECT_EXIT(s.call_method("bc_count", {"x"}), testing::ExitedWithCode(1), "Invalid callback argument: x");
}

TEST(MenuToolkitCallbacks, StepsBindBothButtonsAndTheirRepeatsAfterTheLeadingArguments) {
    t_toolkit_screen s;
    auto w = add_button(s, NO_COLOURS, 0, 0, 10, 10, "");
    int row_seen = 0;
    bind_steps(s, *w, "bc_row_step", [&](int row, int step) {
        row_seen = row;
        s.total += step;
    }, {"4"});
    ASSERT_EQ(w->bindings.size(), 4u);
    s.fire(*w, "fire1_down");
    s.fire(*w, "fire1_hold");
    EXPECT_EQ(s.total, 2);
    EXPECT_EQ(row_seen, 4);
    s.fire(*w, "fire2_down");
    s.fire(*w, "fire2_hold");
    s.fire(*w, "fire2_hold");
    EXPECT_EQ(s.total, -1);
    EXPECT_EQ(w->bindings[2].method_arguments, (t_method_args{"4", "-1"}));
}

TEST(MenuToolkitCallbacks, ToggleAndScreenChangeUseTheirOwnEvents) {
    t_toolkit_screen s;
    auto t = add_button(s, NO_COLOURS, 0, 0, 10, 10, "");
    bind_toggle(s, *t, "bc_flip", [&] { ++s.total; });
    s.fire(*t, "fire1_down");
    s.fire(*t, "fire2_down");
    s.fire(*t, "fire1_hold"); // no repeat on a toggle
    EXPECT_EQ(s.total, 2);

    auto m = add_button(s, NO_COLOURS, 0, 0, 10, 10, "");
    bind_screen_change(s, *m, 7);
    ASSERT_EQ(m->bindings.size(), 1u);
    EXPECT_EQ(m->bindings[0].method_name, "bc_set_menu");
    EXPECT_EQ(m->bindings[0].method_arguments, (t_method_args{"7"}));
}

TEST(MenuToolkitBuilders, CaptionsAreInactiveAndMessageBoxesShowOnlyText) {
    t_toolkit_screen s;
    auto c = add_caption(s, CAPTION_RED, 5, 6, 70, 30, "TITLE", SMALL_FONT, ALIGN_LEFT);
    EXPECT_EQ(c->active, 0);
    EXPECT_EQ(c->body, CAPTION_RED.body);
    EXPECT_EQ(c->dark_border, CAPTION_RED.dark);
    EXPECT_EQ(c->charset, SMALL_FONT);
    EXPECT_EQ(c->align, ALIGN_LEFT);
    EXPECT_EQ(add_button(s, NO_COLOURS, 0, 0, 1, 1, "")->active, 1);

    auto box = add_message_box(s, 0, 0, 100, 20);
    EXPECT_EQ(box->visible, 0);
    EXPECT_EQ(box->active, 0);
    show_message(*box, "NOT A TACTICS FILE");
    EXPECT_EQ(box->visible, 1);
    show_message(*box, "");
    EXPECT_EQ(box->visible, 0);
    EXPECT_EQ(with_number("ROUND %n", 3), "ROUND 3");
}

namespace {
class PlayerRow : public testing::Test {
protected:
    void SetUp() override { saved_flags = settings.use_flags; }
    void TearDown() override { settings.use_flags = saved_flags; }

    static std::shared_ptr<t_player> player() {
        auto p = std::make_shared<t_player>();
        p->name = "Ola";
        p->surname = "Brenn";
        p->nat = "NOR";
        p->nr = 9;
        return p;
    }
    int saved_flags = 0;
};
} // namespace

TEST_F(PlayerRow, NationalityColumnDecidesWhereTheRoleGoes) {
    t_toolkit_screen s;
    t_player_row row(s, t_player_row_look{30, 17, 1, ALIGN_CENTRE, nullptr, nullptr, nullptr}, 126);
    EXPECT_EQ(s.widgets.size(), 10u);
    EXPECT_EQ(s.widgets.front(), row.face);
    EXPECT_EQ(s.widgets.back(), row.stars);

    settings.use_flags = 1;
    row.show(player(), true);
    EXPECT_EQ(row.flag->visible, 1);
    EXPECT_NE(row.flag->player, nullptr);
    EXPECT_EQ(row.code->visible, 0);
    EXPECT_EQ(row.role->x, 30 + 361);
    EXPECT_EQ(row.skills[2]->x, 30 + 361 + 31 + 24);
    EXPECT_EQ(row.stars->x, 30 + 361 + 71);
    EXPECT_EQ(row.stars->y, 127);

    settings.use_flags = 0;
    row.show(player(), true);
    EXPECT_EQ(row.flag->visible, 0);
    EXPECT_EQ(row.code->visible, 1);
    EXPECT_EQ(row.code->text, "(NOR)");
    EXPECT_EQ(row.role->x, 30 + 387);

    row.show(player(), false);
    EXPECT_EQ(row.code->visible, 0);
    EXPECT_EQ(row.role->x, 30 + 333);
    EXPECT_EQ(row.number->text, "9");
    EXPECT_EQ(row.name->text, "Ola Brenn");
}

TEST_F(PlayerRow, EmptyRowsAreBlankAndHiddenRowsDrawNothing) {
    t_toolkit_screen s;
    t_player_row row(s, t_player_row_look{460, 18, 0, ALIGN_LEFT, nullptr, nullptr, nullptr}, 110);
    EXPECT_EQ(row.code->align, ALIGN_LEFT);
    row.show(player(), true);
    row.show(nullptr, true);
    EXPECT_EQ(row.name->text, "");
    EXPECT_EQ(row.number->text, "");
    EXPECT_EQ(row.face->player, nullptr);
    EXPECT_EQ(row.stars->visible, 0);

    row.paint(ROW_BENCH);
    EXPECT_EQ(row.skills[0]->body, ROW_BENCH.body);
    EXPECT_EQ(row.face->light_border, ROW_BENCH.light);
    row.hide();
    for (const t_widget_ref& w : s.widgets) EXPECT_EQ(w->visible, 0);

    auto single = player();
    single->name.clear();
    EXPECT_EQ(row_player_name(*single), "Brenn");
}

TEST(SquadRowColours, KeeperStartersBenchReservesAndBeyond) {
    EXPECT_EQ(squad_row_colours(1, 16, 3, false).body, ROW_KEEPER.body);
    EXPECT_EQ(squad_row_colours(11, 16, 3, false).body, ROW_STARTER.body);
    EXPECT_EQ(squad_row_colours(14, 16, 3, false).body, ROW_BENCH.body);
    EXPECT_EQ(squad_row_colours(15, 16, 3, false).body, ROW_RESERVE.body);
    EXPECT_EQ(squad_row_colours(17, 16, 3, false).body, ROW_BEYOND_SQUAD.body);
    EXPECT_EQ(squad_row_colours(17, 16, 3, true).body, ROW_MARKED.body);
    EXPECT_EQ(squad_row_colours(12, 16, 0, false).body, ROW_RESERVE.body);
}
