#pragma once
// The colours of the menu screens, one name for each body, light-edge and dark-edge triple.

struct t_colours {
    int body = 0;
    int light = 0;
    int dark = 0;
};

constexpr t_colours NO_COLOURS{0, 0, 0};

// Buttons that leave, play or cancel.
constexpr t_colours EXIT_COLOURS{0xC84200, 0xFF6519, 0x803300};
constexpr t_colours PLAY_RED{0xDC0000, 0xFF4141, 0x8C0000};
constexpr t_colours ABORT_RED{0xC8000E, 0xFF1929, 0x74040C};
constexpr t_colours SAVE_GREEN{0x10A000, 0x15E000, 0x096000};
constexpr t_colours READY_GREEN{0x138B21, 0x1BC12F, 0x004814};

// Titles and row captions.
constexpr t_colours CAPTION_RED{0x800000, 0xB40000, 0x400000};
constexpr t_colours COMPETITION_GREEN{0x415600, 0x5E7D00, 0x243000};
constexpr t_colours GOLD{0xBA9206, 0xE9B607, 0x6A5304};
constexpr t_colours EDIT_BROWN{0x89421B, 0xBB5A25, 0x3D1E0D};
constexpr t_colours FILE_NAME_BROWN{0x9C522A, 0xBB5A25, 0x69381D};
constexpr t_colours SLATE_BLUE{0x536B90, 0x7090C2, 0x263142};
constexpr t_colours VIOLET{0x6101D7, 0x7D1DFF, 0x3A0181};
constexpr t_colours MAGENTA{0xA905A3, 0xE808E0, 0x5A0259};
constexpr t_colours TEAL{0x008080, 0x00B2B4, 0x004040};
constexpr t_colours OLIVE{0x76683C, 0xA99757, 0x463E24};
constexpr t_colours SAGE{0x548854, 0x70A870, 0x263E26};
constexpr t_colours FRIENDLY_GREEN{0x2D855D, 0x3DB37D, 0x1E5027};
constexpr t_colours SCORER_GREEN{0x00825F, 0x00C28E, 0x00402F};
constexpr t_colours SCORER_NAME{0x1F1F95, 0, 0};

// Value and choice buttons.
constexpr t_colours VALUE_BLUE_A{0x3C3C78, 0x5858AC, 0x202040};
constexpr t_colours VALUE_BLUE_B{0x1F1F95, 0x3030D4, 0x151563};
constexpr t_colours VALUE_PINK{0xB32D95, 0xD555B8, 0x6E1C5C};
constexpr t_colours VALUE_STEEL{0x2B4A61, 0x3F6A8B, 0x1E3242};
constexpr t_colours ACTION_BLUE{0x1769BD, 0x3A90E8, 0x10447A};
constexpr t_colours BRIGHT_BLUE{0x1D6DFF, 0x5B99FF, 0x0042AE};
constexpr t_colours NAVY{0x1B4D85, 0x256AB7, 0x001D3E};
constexpr t_colours CHOICE_GREEN{0x568200, 0x77B400, 0x243E00};
constexpr t_colours CHOICE_GREY{0x666666, 0x8F8D8D, 0x404040};
constexpr t_colours UNCHOSEN_GREY{0x6E6E6E, 0x969696, 0x3C3C3C};
constexpr t_colours TABLE_GREY{0x808080, 0xA6A6A6, 0x4C4C4C};
constexpr t_colours DARK_OLIVE{0x2A3A00, 0x415600, 0x151D00};
constexpr t_colours FILE_BROWN{0x98691E, 0xC88B28, 0x3E2600};
constexpr t_colours ORANGE_BROWN{0x824200, 0xB46A00, 0x4C2600};
constexpr t_colours BRICK{0x8B2323, 0xBF4531, 0x571717};
constexpr t_colours PLUM{0x9A6C9C, 0xBA99BB, 0x4F294F};
constexpr t_colours ORCHID{0xAB148D, 0xDE1AB7, 0x780E63};
constexpr t_colours CROSS_PINK{0xDA2A70, 0xE45C92, 0xA41C52};
constexpr t_colours LEMON{0xBDBF2F, 0xF0F23C, 0x8B8C23};
constexpr t_colours TACTICS_CURRENT{0x9D7B03, 0xE2B004, 0x675103};
constexpr t_colours TACTICS_OTHER{0xE2B004, 0xFCCE30, 0x9D7B03};

// Team names: the home or own side, the away or opposing side.
constexpr t_colours HOME_NAME{0x6A5ACD, 0x8F83D7, 0x372989};
constexpr t_colours AWAY_NAME{0xC14531, 0xDF897B, 0x8E3324};

// Frames drawn round a picture, without a body.
constexpr t_colours FRAME_GREY{0, 0x8F8D8D, 0x404040};
constexpr t_colours FRAME_DARK{0, 0x606060, 0x606060};

// Squad rows: keeper, starters, bench, reserves, rows past the squad, and marked rows.
constexpr t_colours ROW_KEEPER{0x00A7DE, 0x33CCFF, 0x005F7E};
constexpr t_colours ROW_STARTER{0x003FDE, 0x255EFF, 0x00247E};
constexpr t_colours ROW_BENCH{0x111188, 0x2D2DB3, 0x001140};
constexpr t_colours ROW_RESERVE{0x404040, 0x606060, 0x202020};
constexpr t_colours ROW_BEYOND_SQUAD{0x202020, 0x404040, 0x101010};
constexpr t_colours ROW_MARKED{0x993333, 0xC24242, 0x5A1E1E};
constexpr t_colours ROW_PAIR_MARKED{0x339999, 0x42C2C2, 0x1E5A5A};
constexpr t_colours OPPONENT_KEEPER{0xE60000, 0xFF4141, 0xB40000};
constexpr t_colours OPPONENT_STARTER{0xB40000, 0xE60000, 0x780000};
constexpr t_colours OPPONENT_BENCH{0x780000, 0xB40000, 0x3C0000};
