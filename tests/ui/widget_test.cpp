#include <gtest/gtest.h>

#include "core/fonts.hpp"
#include "core/game_mode.hpp"
#include "core/text.hpp"
#include "ui/fader.hpp"
#include "ui/flag_button.hpp"
#include "ui/input_button.hpp"
#include "ui/key_button.hpp"
#include "ui/label.hpp"
#include "ui/picture.hpp"
#include "ui/widget_drawing.hpp"
#include "ui_test_support.hpp"

namespace {
class WidgetBasics : public testing::Test {
protected:
    void SetUp() override {
        reset_ui_input();
        saved_10 = font_widths_10;
        saved_14 = font_widths_14;
        font_widths_10.fill(6);
        font_widths_14.fill(10);
    }
    void TearDown() override {
        font_widths_10 = saved_10;
        font_widths_14 = saved_14;
        font_10.reset();
        font_14.reset();
    }
    t_font_widths saved_10{}, saved_14{};
};

// A screen holding one input button, logging its "on_update".
class t_entry_screen : public t_game_mode {
public:
    explicit t_entry_screen(const std::string& caption, int limit) {
        define_void_method("bc_changed", [this] { ++updates; });
        field = std::make_shared<t_input_button>();
        field->set_geometry(100, 100, 300, 30);
        field->set_text(caption, 1, 10);
        field->set_entry_limit(limit);
        field->bind("on_update", "bc_changed");
        widgets.push_back(field);
        selected_widget = field;
    }
    void render() override {}

    // Fire on the field, as the player would, to start typing.
    void start_entry() {
        press(settings.key[0].button_1);
        update();
        release(settings.key[0].button_1);
    }
    void type(const std::vector<int>& codes) {
        for (const int c : codes) {
            input_char_event(c);
            update();
        }
    }

    std::shared_ptr<t_input_button> field;
    int updates = 0;
};
} // namespace

TEST_F(WidgetBasics, SizeByTextUsesTheFirstLineAndTheFontHeight) {
    t_label l;
    l.set_text("AB\r\nCDEF", 1, 10);
    l.set_size_by_text();
    EXPECT_EQ(l.w, 12);
    EXPECT_EQ(l.h, 16);
    l.set_text("ABC", 1, 14);
    l.set_size_by_text();
    EXPECT_EQ(l.w, 30);
    EXPECT_EQ(l.h, 26);
    l.charset = 7;
    l.set_size_by_text();
    EXPECT_EQ(l.w, 0);
    EXPECT_EQ(l.h, 0);
}

TEST_F(WidgetBasics, TextZeroCharsetKeepsTheFont) {
    font_10 = create_image(2, 2);
    font_14 = create_image(3, 3);
    t_button b;
    b.set_text("ONE", 1, 14);
    EXPECT_EQ(b.img_ucode, font_14);
    b.set_text("TWO", -1, 0);
    EXPECT_EQ(b.charset, 14);
    EXPECT_EQ(b.img_ucode, font_14);
    EXPECT_EQ(b.align, -1);
    b.set_text("3", 0, 10);
    EXPECT_EQ(b.img_ucode, font_10);
}

TEST_F(WidgetBasics, MouseOverIncludesBothEdges) {
    const auto b = make_button(100, 50, 40, 20);
    input_mouse_move(140, 70);
    EXPECT_TRUE(b->mouse_over());
    input_mouse_move(100, 50);
    EXPECT_TRUE(b->mouse_over());
    input_mouse_move(141, 70);
    EXPECT_FALSE(b->mouse_over());
    input_mouse_move(99, 60);
    EXPECT_FALSE(b->mouse_over());
}

TEST_F(WidgetBasics, ClassesStartReachableOrNot) {
    EXPECT_EQ(t_label().active, 0);
    EXPECT_EQ(t_label().visible, 1);
    EXPECT_EQ(t_button().active, 1);
    EXPECT_EQ(t_key_button().active, 1);
    const t_input_button in;
    EXPECT_EQ(in.active, 1);
    ASSERT_EQ(in.bindings.size(), 1u);
    EXPECT_EQ(in.bindings[0].event_name, "fire1_down");
    EXPECT_EQ(in.bindings[0].method_name, "bc_widget_edit");
    EXPECT_TRUE(in.bindings[0].method_arguments.empty());
    EXPECT_FLOAT_EQ(t_fader().alpha, 1.0f);
}

TEST_F(WidgetBasics, BindingsKeepTheirOrderAndRepeats) {
    t_button b;
    b.bind("fire1_down", "bc_a", {"1"});
    b.bind("fire1_down", "bc_a", {"2"});
    b.bind("fire2_down", "bc_b");
    ASSERT_EQ(b.bindings.size(), 3u);
    EXPECT_EQ(b.bindings[1].method_arguments, (std::vector<std::string>{"2"}));
    EXPECT_EQ(b.bindings[2].event_name, "fire2_down");
    b.toggle_entry_mode();
    EXPECT_EQ(b.entry_mode, 1);
    b.toggle_entry_mode();
    EXPECT_EQ(b.entry_mode, 0);
}

TEST_F(WidgetBasics, PlainWidgetCannotRender) {
    t_widget w;
    EXPECT_EXIT(w.render(), testing::ExitedWithCode(1), "Abstract method");
}

TEST_F(WidgetBasics, PictureShowsTheTopLeftCellOfItsSize) {
    t_picture p;
    p.set_frame(10, 10, 3, 4);
    p.set_geometry(5, 6, 64, 16);
    EXPECT_EQ(p.frame_w, 64);
    EXPECT_EQ(p.frame_h, 16);
    EXPECT_EQ(p.frame_x, 0);
    EXPECT_EQ(p.frame_y, 0);
}

TEST_F(WidgetBasics, CaptionAnchorFollowsAlignmentAndFont) {
    t_button b;
    b.set_geometry(100, 50, 201, 31);
    b.align = 0;
    EXPECT_EQ(text_anchor(b, 10).x, 200);
    EXPECT_EQ(text_anchor(b, 10).y, 57); // ceil(6.5)
    EXPECT_EQ(text_anchor(b, 14).y, 55); // ceil(4.5)
    b.align = -1;
    EXPECT_EQ(text_anchor(b, 10).x, 291);
    EXPECT_EQ(text_anchor(b, 14).x, 287);
    b.align = 1;
    EXPECT_EQ(text_anchor(b, 10).x, 110);
    EXPECT_EQ(text_anchor(b, 14).x, 114);
    b.h = 17; // ceil(-0.5) is 0, not -1
    EXPECT_EQ(text_anchor(b, 10).y, 50);
}

TEST_F(WidgetBasics, BorderPulsesAndTextBlinks) {
    EXPECT_EQ(animated_border_level(0), 200);
    EXPECT_EQ(animated_border_level(125), 150);
    EXPECT_EQ(animated_border_level(250), 100);
    EXPECT_EQ(animated_border_level(375), 150);
    EXPECT_EQ(animated_border_level(500), 200);
    EXPECT_TRUE(blink_hidden(0));
    EXPECT_TRUE(blink_hidden(399));
    EXPECT_FALSE(blink_hidden(400));
    EXPECT_FALSE(blink_hidden(799));
    EXPECT_TRUE(blink_hidden(1650));
}

TEST_F(WidgetBasics, FlagTileIsTheFirstMatchOrTheUnknownCell) {
    const std::vector<std::string> codes{"ENG", "FRA", "ENG"};
    EXPECT_EQ(flag_index(codes, "ENG"), 0);
    EXPECT_EQ(flag_index(codes, "FRA"), 1);
    EXPECT_EQ(flag_index(codes, "XYZ"), 256);
}

// --- text entry ---

TEST(WidgetInputButton, TypesUpperCaseUpToTheLimitAndCommitsOnEnter) {
    reset_ui_input();
    t_entry_screen s("OLD", 5);
    s.start_entry();
    ASSERT_EQ(s.field->entry_mode, 1);
    EXPECT_EQ(s.field->get_text(), "OLD_");
    s.type({'a', 233, 'x'});
    EXPECT_EQ(s.field->entry_string, "OLDA" + encode_utf8(201));
    EXPECT_EQ(s.field->text, "OLD");
    EXPECT_EQ(s.updates, 0);
    press(KEY_ENTER);
    s.update();
    release(KEY_ENTER);
    EXPECT_EQ(s.field->entry_mode, 0);
    EXPECT_EQ(s.field->text, "OLDA" + encode_utf8(201));
    EXPECT_EQ(s.updates, 1) << "the commit raises on_update in the same frame";
    EXPECT_EQ(s.field->get_changed(), 0);
    EXPECT_EQ(s.field->get_text(), s.field->text);
}

TEST(WidgetInputButton, AcceptsOnlyNameCharacters) {
    reset_ui_input();
    t_entry_screen s("", 20);
    s.start_entry();
    s.type({'z', ' ', '\'', '-', '.', '7', '!', '_', ',', 191, 192, 215, 223, 224, 247, 255, 0x100});
    const std::vector<uint32_t> want{'Z', ' ', '\'', '-', '.', '7', 192, 215, 223, 192, 247, 255};
    EXPECT_EQ(decode_utf8(s.field->entry_string), want);
    EXPECT_TRUE(is_entry_char(233));
    EXPECT_FALSE(is_entry_char('/'));
    EXPECT_EQ(entry_upper(233), 201u);
    EXPECT_EQ(entry_upper(215), 215u);
}

TEST(WidgetInputButton, HeldBackspaceRemovesEveryFourthFrame) {
    reset_ui_input();
    t_entry_screen s("ABCDEFGHIJ", 14);
    s.start_entry();
    press(KEY_BACKSPACE);
    std::vector<size_t> lengths;
    for (int f = 0; f < 9; ++f) {
        s.update();
        lengths.push_back(s.field->entry_string.size());
    }
    release(KEY_BACKSPACE);
    EXPECT_EQ(lengths, (std::vector<size_t>{9, 9, 9, 9, 8, 8, 8, 8, 7}));
    s.field->entry_string.clear();
    s.field->backspace_wait = 0;
    press(KEY_BACKSPACE);
    s.update(); // nothing to remove: no harm
    release(KEY_BACKSPACE);
    EXPECT_TRUE(s.field->entry_string.empty());
}

TEST(WidgetInputButton, EscapeDiscardsTheTyping) {
    reset_ui_input();
    t_entry_screen s("KEEP", 10);
    s.start_entry();
    s.type({'m', 'e'});
    press(KEY_ESCAPE);
    s.update();
    release(KEY_ESCAPE);
    EXPECT_EQ(s.field->entry_mode, 0);
    EXPECT_EQ(s.field->text, "KEEP");
    EXPECT_EQ(s.updates, 0);
}

TEST(WidgetInputButton, ZeroLimitTypesNothingButStillCommits) {
    reset_ui_input();
    t_entry_screen s("AB", 0);
    s.start_entry();
    s.type({'c'});
    EXPECT_EQ(s.field->entry_string, "AB");
    press(KEY_BACKSPACE);
    s.update();
    release(KEY_BACKSPACE);
    press(KEY_ENTER);
    s.update();
    release(KEY_ENTER);
    EXPECT_EQ(s.field->entry_mode, 0);
    EXPECT_EQ(s.field->text, "A");
    EXPECT_EQ(s.updates, 1);
}

TEST(WidgetInputButton, StartingEntryForgetsPendingTyping) {
    reset_ui_input();
    t_entry_screen s("X", 5);
    input_char_event('q');
    s.start_entry();
    s.update();
    EXPECT_EQ(s.field->entry_string, "X");
    // An unchanged commit is no change.
    press(KEY_ENTER);
    s.update();
    release(KEY_ENTER);
    EXPECT_EQ(s.updates, 0);
}

TEST(WidgetInputButton, EntryModeHoldsTheSelectionAgainstDirections) {
    reset_ui_input();
    t_entry_screen s("X", 5);
    const auto below = make_button(100, 200, 300, 30);
    s.widgets.push_back(below);
    s.start_entry();
    press(settings.key[0].key_down);
    s.update();
    release(settings.key[0].key_down);
    EXPECT_EQ(s.selected_widget, s.field);
    EXPECT_EQ(s.field->selected, 1);
}

// --- key capture ---

namespace {
class WidgetKeyButton : public testing::Test {
protected:
    void SetUp() override {
        reset_ui_input();
        saved = keycodes;
        keycodes = t_keycode_table();
        for (int k = 1; k < 256; ++k) {
            keycodes[static_cast<size_t>(k)].name = "K" + std::to_string(k);
            keycodes[static_cast<size_t>(k)].active = 1;
        }
        keycodes[66].active = 0;
        button.set_key(0, "button_2");
        button.set_entry_mode(0);
        button.selected = 1;
    }
    void TearDown() override {
        for (int k = 1; k < 256; ++k) release(k);
        keycodes = saved;
    }
    void hold(int key) {
        press(key);
        button.update();
        release(key);
    }
    t_keycode_table saved;
    t_key_button button;
};
} // namespace

TEST_F(WidgetKeyButton, CaptionIsTheKeyName) {
    EXPECT_EQ(button.text, "K190");
    EXPECT_EQ(button.get_text(), "K190");
    EXPECT_EQ(button.blinking, 0);
    button.set_entry_mode(1);
    EXPECT_EQ(button.get_text(), "?");
    EXPECT_EQ(button.blinking, 1);
    EXPECT_EQ(button.t_widget::entry_mode, 0) << "capturing leaves the selection free to move";
}

TEST_F(WidgetKeyButton, KeyIsFreeWhenNoKeySetUsesIt) {
    for (const t_key_set& set : settings.key)
        for (const int k : {set.key_up, set.key_down, set.key_left, set.key_right, set.button_1, set.button_2})
            EXPECT_FALSE(button.key_isfree(k)) << k;
    EXPECT_TRUE(button.key_isfree('X'));
}

TEST_F(WidgetKeyButton, UsedAndInactiveKeysKeepTheCaptureWaiting) {
    button.set_entry_mode(1);
    hold(settings.key[1].key_left); // used by the other key set
    hold(settings.key[0].key_up);   // used by this key set
    hold(66);                       // may not be assigned
    EXPECT_EQ(button.entry_mode, 1);
    EXPECT_EQ(settings.key[0].button_2, 190);
    hold('X');
    EXPECT_EQ(button.entry_mode, 0);
    EXPECT_EQ(settings.key[0].button_2, 'X');
    EXPECT_EQ(button.text, "K88");
}

TEST_F(WidgetKeyButton, OwnKeyIsAcceptedAgain) {
    button.set_entry_mode(1);
    hold(190);
    EXPECT_EQ(button.entry_mode, 0);
    EXPECT_EQ(settings.key[0].button_2, 190);
}

TEST_F(WidgetKeyButton, KeysHeldWhenTheCaptureStartsCountOnlyWhenPressedAgain) {
    // Fire of the key set whose fire button is being redefined starts the capture and is still down.
    button.set_key(0, "button_1");
    press(188);
    button.set_entry_mode(1);
    button.update();
    button.update();
    EXPECT_EQ(button.entry_mode, 1) << "the fire key that started the capture ended it";
    release(188);
    button.update();
    hold('X');
    EXPECT_EQ(button.entry_mode, 0);
    EXPECT_EQ(settings.key[0].button_1, 'X');
    // Released and pressed again, a key held at the start is taken like any other.
    press('Y');
    button.set_entry_mode(1);
    button.update();
    release('Y');
    button.update();
    hold('Y');
    EXPECT_EQ(settings.key[0].button_1, 'Y');
}

TEST_F(WidgetKeyButton, EscapeAndLeavingCancel) {
    button.set_entry_mode(1);
    press(KEY_ESCAPE);
    press('X'); // scanned after Escape: never reached
    button.update();
    release('X');
    release(KEY_ESCAPE);
    EXPECT_EQ(button.entry_mode, 0);
    EXPECT_EQ(settings.key[0].button_2, 190);

    button.set_entry_mode(1);
    button.selected = 0;
    hold('X');
    EXPECT_EQ(button.entry_mode, 0);
    EXPECT_EQ(settings.key[0].button_2, 190);
}

TEST_F(WidgetKeyButton, ScreensToggleTheCapture) {
    t_widget& as_widget = button;
    as_widget.toggle_entry_mode();
    EXPECT_EQ(button.entry_mode, 1);
    as_widget.toggle_entry_mode();
    EXPECT_EQ(button.entry_mode, 0);
    t_key_button other;
    other.set_key(1, "key_left");
    other.set_entry_mode(0);
    EXPECT_EQ(other.text, "K65");
    other.set_key(1, "key_jump");
    EXPECT_EXIT(other.set_entry_mode(0), testing::ExitedWithCode(1), "Unknown key name: key_jump");
}
