#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/loaders.hpp"
#include "football/colour.hpp"
#include "football/colour_hair_table.hpp"
#include "football/kit_colour.hpp"
#include "match/draw/grass.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_loading.hpp"
#include "match/core/match_setup.hpp"
#include "match/draw/sprite_frames_extra.hpp"
#include "phase_test_support.hpp"
#include "platform/stream.hpp"

namespace {
// Pictures are compared whole: size, flags, every pixel, and the mask colour the load leaves behind.
void expect_same_picture(const t_image_ref& a, const t_image_ref& b, const std::string& what) {
    ASSERT_TRUE(a && b) << what;
    ASSERT_EQ(a->width(), b->width()) << what;
    ASSERT_EQ(a->height(), b->height()) << what;
    EXPECT_EQ(a->flags(), b->flags()) << what;
    const t_pixmap& pa = a->frame(0);
    const t_pixmap& pb = b->frame(0);
    long differing = 0;
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x) differing += pa.read_pixel(x, y) != pb.read_pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << what;
}

t_color_replacement_list kit_and_skin(int shirt1, int shirt2, int shorts, int socks, int skin) {
    t_kit kit;
    kit.shirt1 = shirt1;
    kit.shirt2 = shirt2;
    kit.shorts = shorts;
    kit.socks = socks;
    t_color_replacement_list list;
    add_kit_colors(kit, list);
    t_player p;
    p.sk = skin;
    add_skin_colors(p, list);
    return list;
}

t_color_replacement_list hair_of(int ht, int hc, int sk) {
    t_player p;
    p.ht = ht;
    p.hc = hc;
    p.sk = sk;
    t_color_replacement_list list;
    add_hair_colors(p, list);
    return list;
}

void put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

void chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
    put32(png, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    put32(png, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

// A 4-bit palette PNG with transparency for some entries and a pixel index past the palette.
std::vector<uint8_t> small_palette_png(const std::vector<int>& palette, const std::vector<uint8_t>& alphas,
                                       const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> ihdr;
    put32(ihdr, static_cast<uint32_t>(pixels.size()));
    put32(ihdr, 1);
    ihdr.insert(ihdr.end(), {4, 3, 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    std::vector<uint8_t> plte;
    for (int c : palette) plte.insert(plte.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    chunk(png, "PLTE", plte);
    chunk(png, "tRNS", alphas);
    std::vector<uint8_t> raw = {0};
    for (size_t i = 0; i < pixels.size(); i += 2)
        raw.push_back(static_cast<uint8_t>((pixels[i] << 4) | (i + 1 < pixels.size() ? pixels[i + 1] : 0)));
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(size);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    return png;
}

// Cells at a pitch of `cell` pixels, `size` of them used (hair cells leave a pixel between them).
bool cell_drawn(const t_pixmap& sheet, int col, int row, int cell, int size = 0) {
    const int used = size == 0 ? cell : size;
    for (int y = row * cell; y < row * cell + used; ++y)
        for (int x = col * cell; x < col * cell + used; ++x)
            if (sheet.read_pixel(x, y) >> 24 != 0) return true;
    return false;
}

// Card pixels by hue: the referee's kit, skin and hair have none of either.
int card_pixels(const t_pixmap& sheet, int row, bool red) {
    int n = 0;
    for (int y = row * REFEREE_CELL; y < (row + 1) * REFEREE_CELL; ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const uint32_t c = sheet.read_pixel(x, y);
            if (c >> 24 == 0) continue;
            const uint32_t r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
            n += red ? (r > 200 && g < 80 && b < 80) : (r > 200 && g > 200 && b < 100);
        }
    return n;
}

std::string temporary_file(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}
} // namespace

// Each sheet of the match through the cache, in several kits, skins and hair colours: the very pictures the
// plain loader gives, and one decoding per file however many colourings.
TEST(MatchLoadingPictures, CachedRecolouringGivesTheLoadersPictures) {
    t_match_picture_cache pictures;
    const std::vector<t_color_replacement_list> kits = {kit_and_skin(4, 1, 2, 4, 0), kit_and_skin(12, 12, 1, 20, 1),
                                                        kit_and_skin(22, 3, 17, 0, 9)};
    for (const std::string sheet : {"images/player/plain.png", "images/player/vertical.png",
                                     "images/player/keeper.png", "images/coach.png", "images/stadium/tile_c.png"})
        for (const t_color_replacement_list& list : kits) {
            const t_image_ref cached = pictures.recoloured(sheet, list, MASKED_IMAGE, 0);
            const uint32_t mask_after_cache = mask_color();
            set_mask_colour(0x123456);
            expect_same_picture(cached, load_recoloured_png(sheet, list, MASKED_IMAGE, 0), sheet);
            EXPECT_EQ(mask_after_cache, mask_color()) << sheet;
        }
    for (const auto& [ht, hc, sk] : {std::tuple{0, 3, 2}, std::tuple{2, 0, 1}, std::tuple{2, 6, 5}}) {
        t_player p;
        p.ht = ht;
        const std::string sheet = hair_image_path(p);
        expect_same_picture(pictures.recoloured(sheet, hair_of(ht, hc, sk), MASKED_IMAGE, 0),
                            load_recoloured_png(sheet, hair_of(ht, hc, sk), MASKED_IMAGE, 0), sheet);
    }
    t_color_replacement_list shadow;
    shadow.add(0x404040, 0x3C5800);
    expect_same_picture(pictures.recoloured("images/player/shadows/keeper_2.png", shadow, MASKED_IMAGE, 0),
                        load_recoloured_png("images/player/shadows/keeper_2.png", shadow, MASKED_IMAGE, 0), "shadow");
    EXPECT_EQ(pictures.decoded(), 5u + 2u + 1u); // the hair codes of ht 0 and 2, the shadow sheet
}

// Pitch pieces with every kind of stadium palette: as the file patched by the palette file and then decoded.
TEST(MatchLoadingPictures, PitchPiecesWithPaletteFilesMatchThePatchedFiles) {
    t_match_picture_cache pictures;
    for (const auto& [grass_type, time, sky] : {std::tuple{4, 0, 0}, std::tuple{1, 0, 1}, std::tuple{7, 1, 0}})
        for (const std::string piece : {"images/stadium/generic_00.png", "images/stadium/generic_21.png"}) {
            const std::string palette = pitch_palette_path(grass_type, time, sky);
            const t_image_ref cached = pictures.with_palette_file(piece, palette, MASKED_IMAGE, 0x00F700);
            std::vector<uint8_t> bytes;
            ASSERT_TRUE(load_file_bytes(piece, bytes));
            apply_palette_file(bytes, palette);
            set_mask_colour(0x00F700);
            expect_same_picture(cached, load_image(bytes, MASKED_IMAGE), piece + " " + palette);
        }
}

// The corners of palette PNGs: pairs compared with the original entry (no chains), transparency kept, the mask
// colour cleared whatever its alpha, a pixel past the palette black, small bit depths unpacked.
TEST(MatchLoadingPictures, PaletteCornersMatchTheLoader) {
    const std::vector<int> palette = {0x000000, 0xE20020, 0xBF001B, 0x00F700, 0x123456};
    const std::vector<uint8_t> alphas = {255, 128, 0, 200};
    const std::string path =
        temporary_file("quilbo_palette_corners.png", small_palette_png(palette, alphas, {0, 1, 2, 3, 4, 6, 1, 4, 3}));
    t_color_replacement_list list;
    list.add(0xE20020, 0xBF001B);
    list.add(0xBF001B, 0x00F700);
    list.add(0x123456, 0x111111);
    list.add(0x123456, 0x222222);
    for (const int mask : {0x000000, 0x00F700, 0x222222}) {
        t_match_picture_cache pictures;
        const t_image_ref cached = pictures.recoloured(path, list, MASKED_IMAGE, mask);
        const t_image_ref loaded = load_recoloured_png(path, list, MASKED_IMAGE, mask);
        expect_same_picture(cached, loaded, "mask " + std::to_string(mask));
        ASSERT_EQ(cached->width(), 9);
        EXPECT_EQ(cached->frame(0).read_pixel(1, 0), 0x80BF001Bu);
        EXPECT_EQ(cached->frame(0).read_pixel(4, 0), mask == 0x222222 ? 0u : 0xFF222222u);
    }
    t_match_picture_cache unmasked;
    expect_same_picture(unmasked.recoloured(path, list, 0, 0x00F700), load_recoloured_png(path, list, 0, 0x00F700),
                        "unmasked");
}

// A new match starts with no goals and none of the previous match's highlights.
TEST(MatchLoadingObjects, EveryMatchStartsWithoutTheLastOnesHighlightsAndGoals) {
    phase_test::set_up();
    highlights_count = 7;
    goals.push_back(t_goal{});
    build_match_objects();
    EXPECT_EQ(highlights_count, 0);
    EXPECT_TRUE(goals.empty());
    EXPECT_EQ(match_teams[0]->side, -match_teams[1]->side);
    release_match_objects();
}

// A damaged team file with ten players for a team: whichever way the match was reached (friendly,
// competition, test match, command line), it stops with the team file named instead of reading past the squad.
TEST(MatchLoadingObjects, ASquadTooShortToFieldASideStopsWithTheTeamFileNamed) {
    phase_test::set_up(0);
    t_team& short_side = *match_teams[1];
    short_side.ext = "cus";
    short_side.number = 317;
    short_side.players.resize(10);
    EXPECT_EXIT(build_match_objects(), testing::ExitedWithCode(1),
                "Invalid team file: data/team_cus.qst \\(team 317 has 10 players");
    short_side.players.resize(0);
    EXPECT_EXIT(require_full_squad(short_side), testing::ExitedWithCode(1), "team 317 has 0 players");
}

// The referee's sheet and his four shadow sheets load as documented, every cell drawn, the yellow card only in
// its row and the red card only in its; the outfield sheets carry the foul, header and fall rows with hair and
// shadows for every cell.
TEST(MatchLoadingPictures, RefereeAndFoulRowsLoadWithTheirDocumentedLayout) {
    constexpr int SHADOW_CELL = 50;
    const int saved_time = match_settings.time;
    match_settings.time = TIME_NIGHT; // all four shadow sheets
    t_match_picture_cache pictures;
    load_referee_images(pictures);
    const t_image_ref& referee = match_images.referee;
    ASSERT_TRUE(referee);
    EXPECT_EQ(referee->width(), REFEREE_SHEET_COLUMNS * REFEREE_CELL);
    EXPECT_EQ(referee->height(), REFEREE_SHEET_ROWS * REFEREE_CELL);
    const t_pixmap& sheet = referee->frame(0);
    for (int row = 0; row < REFEREE_SHEET_ROWS; ++row) {
        for (int col = 0; col < REFEREE_SHEET_COLUMNS; ++col) EXPECT_TRUE(cell_drawn(sheet, col, row, REFEREE_CELL));
        EXPECT_EQ(card_pixels(sheet, row, false) > 0, row == REFEREE_YELLOW_CARD_ROW) << row;
        EXPECT_EQ(card_pixels(sheet, row, true) > 0, row == REFEREE_RED_CARD_ROW) << row;
    }
    // Standing on his feet like the players: the standing frame facing the camera covers the feet point.
    EXPECT_NE(sheet.read_pixel(2 * REFEREE_CELL + REFEREE_FEET_X,
                               REFEREE_STANDING_ROW * REFEREE_CELL + REFEREE_FEET_Y - 1) >> 24, 0u);
    for (const t_image_ref& shadow : match_images.referee_shadows) {
        ASSERT_TRUE(shadow);
        EXPECT_EQ(shadow->width(), REFEREE_SHEET_COLUMNS * SHADOW_CELL);
        EXPECT_EQ(shadow->height(), REFEREE_SHEET_ROWS * SHADOW_CELL);
    }
    release_match_images();
    EXPECT_FALSE(match_images.referee);
    match_settings.time = saved_time;

    t_player p;
    p.pt = 1;
    t_team team;
    team.kits = {t_kit{}};
    const t_image_ref body = load_player_image(p, team);
    ASSERT_TRUE(body);
    ASSERT_EQ(body->height(), OUTFIELD_SHEET_ROWS * OUTFIELD_SHEET_CELL);
    const t_pixmap_ref shadows = load_pixmap("images/player/shadows/player_0.png");
    ASSERT_TRUE(shadows);
    ASSERT_EQ(shadows->height(), OUTFIELD_SHEET_ROWS * SHADOW_CELL);
    ASSERT_EQ(hair_table[0].size(), static_cast<size_t>(OUTFIELD_SHEET_ROWS));
    const t_pixmap_ref hair = load_pixmap("images/player/hair/301.png");
    ASSERT_TRUE(hair);
    for (const auto& [first, frames] : {std::pair{SLIDE_TACKLE_ROW, SLIDE_TACKLE_FRAMES}, std::pair{HEADER_ROW, HEADER_FRAMES},
                                        std::pair{DIVING_HEADER_ROW, DIVING_HEADER_FRAMES},
                                        std::pair{FALLEN_ROW, FALLEN_FRAMES}})
        for (int row = first; row < first + frames; ++row)
            for (int col = 0; col < 8; ++col) {
                EXPECT_TRUE(cell_drawn(body->frame(0), col, row, OUTFIELD_SHEET_CELL)) << col << "," << row;
                EXPECT_TRUE(cell_drawn(*shadows, col, row, SHADOW_CELL)) << col << "," << row;
                const t_hair_cell& h = hair_table[static_cast<size_t>(col)][static_cast<size_t>(row)];
                EXPECT_NE(h.dx | h.dy, 0) << col << "," << row;
                EXPECT_TRUE(cell_drawn(*hair, h.column, h.row, 21, 20)) << col << "," << row;
            }
    EXPECT_EQ(FALLEN_ROW + FALLEN_FRAMES, OUTFIELD_SHEET_ROWS);
}
