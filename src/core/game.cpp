#include "core/game.hpp"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "core/backgrounds.hpp"
#include "core/fonts.hpp"
#include "core/keycodes.hpp"
#include "core/loaders.hpp"
#include "core/menu_display.hpp"
#include "core/mouse.hpp"
#include "core/quit_keys.hpp"
#include "core/screen_modes.hpp"
#include "football/competition_save.hpp"
#include "football/football_startup.hpp"
#include "match/core/match_trace.hpp"
#include "platform/fatal.hpp"
#include "platform/timer.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"
#include "screens/gallery/widget_gallery.hpp"
#include "ui/menu_music.hpp"

t_game::t_game(const t_game_options& options) : options_(options) {
    startup_started_ms_ = millisecs();
    game = this;
    set_headless_graphics(options.headless);
    set_window_title("Quilbo Rovudo");
    set_unpaced(options.unpaced);
    set_timers_unpaced(options.unpaced);
    use_virtual_clock(options.unpaced);
    set_message_boxes(options.input_script.empty() && options.frames == 0 && options.screenshots.empty());
    if (!options.input_script.empty()) load_input_script(options.input_script);
    if (!options.trace_path.empty()) trace_ = std::make_unique<t_match_trace>(options.trace_path);

    poll_events(); // brings up the input system and the joysticks already plugged in
    joystick_count = std::min(2, joy_count());

    seed_rnd(startup_seed(options));

    for (t_display_mode& m : display_modes) m.available = graphics_mode_exists(m.width, m.height, 0, 0) ? 1 : 0;

    dictionary = std::make_unique<t_dictionary>();
    mouse = t_mouse();
    match_lengths = {3, 5, 7, 10};

    settings = t_settings();
    audio_drivers_list = {"auto"};
    for (const std::string& name : audio_drivers()) {
        if (name == "FreeAudio") settings.audio_driver = static_cast<int32_t>(audio_drivers_list.size());
        audio_drivers_list.push_back(name);
    }
    settings.read(SETTINGS_VERSION);
    extra_options = read_extra_options(extra_options_path(SETTINGS_FILE));
    if (options.match.gameplay) extra_options.gameplay = *options.match.gameplay;
    if (options.match.computer_level) extra_options.computer_level = *options.match.computer_level;
    if (options.match.auto_switch) extra_options.auto_switch = *options.match.auto_switch;
    const auto driver_index = static_cast<size_t>(settings.audio_driver);
    const std::string driver = driver_index < audio_drivers_list.size() ? audio_drivers_list[driver_index] : "";
    if (driver != "auto") set_audio_driver(driver);
    if (options.no_sound) {
        settings.sound_enabled = 0;
        set_sound_disabled(true);
    } else if (!open_audio()) {
        print_line("Warning: no audio device, sound is off");
    }

    keycodes = t_keycode_table();

    settings.language = usable_language(settings.language);
    dictionary->fetch_language(settings.language);
    const std::string language = language_base(settings.language);
    load_team_catalogue(language);
    load_key_names(language);

    highlights_count = 0;
    highlights_bank = t_bank(HIGHLIGHT_SLOT_BYTES * HIGHLIGHT_SLOTS);
    backgrounds = std::make_unique<t_backgrounds>();

    mark_available_team_files();
    load_tactics_slots();
    fill_football_tables();

    read_flag_codes();
    build_crc_table();
    read_calendars();
    load_competition_save();
    read_font_widths(10, font_widths_10);
    read_font_widths(14, font_widths_14);

    start_menu_music();

    game_timer = std::make_unique<t_timer>(FRAMES_PER_SECOND);

    if (settings.full_screen == 1 && display_modes[3].available == 0) settings.full_screen = 0;
    open_menu_display();

    fade_level = 0;
}

int64_t startup_seed(const t_game_options& options) {
    if (options.seeded) return options.seed;
    // Not the time since start-up: that is nearly the same small number at every start.
    const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count();
}

t_game::~t_game() {
    fg_mode.reset();
    hold_mode.reset();
    font_10.reset();
    font_14.reset();
    arrow_image.reset();
    backgrounds.reset();
    close_audio();
    shutdown_graphics();
    if (game == this) game = nullptr;
}

std::unique_ptr<t_game_mode> t_game::new_mode(int32_t mode) {
    if (!is_screen_mode(mode)) runtime_error("invalid game mode");
    if (mode == MODE_QUIT) return nullptr;
    return make_mode(mode);
}

void t_game::pop_action() {
    current_action = action_queue->pop();
    if (!current_action) return;
    switch (current_action->typ) {
    case ACTION_NEW_SCREEN:
        // The old screen goes first, so a match can give back what it holds before the next one loads.
        fg_mode.reset();
        fg_mode = new_mode(current_action->mode);
        fg_mode_number_ = current_action->mode;
        break;
    case ACTION_FADE_IN:
    case ACTION_FADE_OUT: current_action->timer = FADE_FRAMES; break;
    case ACTION_HOLD_AND_OPEN:
        hold_mode = std::move(fg_mode);
        hold_mode_number_ = fg_mode_number_;
        saved_frame = replay_frame;
        fg_mode = new_mode(current_action->mode);
        fg_mode_number_ = current_action->mode;
        break;
    case ACTION_RESTORE_HELD:
        replay_frame = saved_frame;
        fg_mode = std::move(hold_mode);
        fg_mode_number_ = hold_mode_number_;
        break;
    default: break;
    }
}

bool step_action(t_game_action_ref& action, int32_t& fade) {
    bool faded = false;
    if (action) {
        if (action->typ == ACTION_FADE_OUT) {
            fade = action->timer * 8;
            faded = true;
        } else if (action->typ == ACTION_FADE_IN) {
            fade = 255 - action->timer * 8;
            faded = true;
        }
        action->update();
        if (action->timer == 0) action.reset();
    }
    return !faded;
}

bool t_game::run_current_action() {
    // Left alone, the last fade-in frame (247) would stay as the screen's level; a finished fade-in is full brightness.
    if (fade_in_ending_) {
        fade_level = 255;
        fade_in_ending_ = false;
    }
    const bool last_fade_in_frame = current_action && current_action->typ == ACTION_FADE_IN && current_action->timer == 1;
    const bool may_update = step_action(current_action, fade_level);
    fade_in_ending_ = last_fade_in_frame;
    return may_update;
}

void t_game::update_frame(long frame) {
    advance_virtual_clock(FRAME_MS);
    apply_script_events(frame);
    const bool may_update = run_current_action();
    if (may_update && fg_mode) fg_mode->update();
    if (trace_) trace_->record(frame, fg_mode_number_);
}

bool t_game::start_next_action() {
    if (current_action || action_queue->empty()) return false;
    pop_action();
    return true;
}

void t_game::finish_frame(long frame) {
    for (const t_screenshot_request& shot : options_.screenshots)
        if (shot.frame == frame && !save_png(grab_frame(), shot.path))
            print_line("Warning: cannot write screenshot " + shot.path);
    flip(-1);
    if (first_frame_ms_ < 0) first_frame_ms_ = millisecs();
}

void t_game::open_first_screen() {
    if (options_.first_screen == "gallery") {
        fg_mode = std::make_unique<t_widget_gallery>();
        fade_level = 255;
        return;
    }
    if (!options_.first_screen.empty()) runtime_error("Unknown screen: " + options_.first_screen);
    action_queue->push(ACTION_NEW_SCREEN, MODE_INTRO);
    action_queue->push(ACTION_FADE_IN, 0);
}

void t_game::loop() {
    bool quit = false;
    long frame = 0;
    paced_start_ms_ = millisecs();
    while (!quit) {
        game_timer->wait();
        const double cpu_start = process_cpu_ms();
        update_frame(++frame);
        start_next_action();

        const bool alt_f1 = quit_keys_pressed();
        const bool closed = app_terminate();
        const bool limit = options_.frames > 0 && frame >= options_.frames;
        if (alt_f1 || closed || !fg_mode || limit) {
            print_line("quit");
            quit = true;
        }

        if (fg_mode) fg_mode->render();
        finish_frame(frame);
        frame_cpu_ms_.push_back(process_cpu_ms() - cpu_start);
        ++paced_frames_;
    }
    if (options_.benchmark) report_benchmark();
    close_graphics();
}

void t_game::report_benchmark() const {
    const double seconds = static_cast<double>(millisecs() - paced_start_ms_) / 1000.0;
    print_line("benchmark: start-up to first frame " + std::to_string(first_frame_ms_ - startup_started_ms_) + " ms");
    print_line("benchmark: frames " + std::to_string(paced_frames_) + " in " + std::to_string(seconds) + " s = " +
               std::to_string(seconds > 0 ? static_cast<double>(paced_frames_) / seconds : 0) + " fps");
    print_line("benchmark: median cpu per frame " + std::to_string(median_ms(frame_cpu_ms_)) + " ms");
}
