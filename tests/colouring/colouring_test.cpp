#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "football/colour.hpp"
#include "football/colour_hair_table.hpp"
#include "football/kit_colour.hpp"
#include "match/draw/sprite_frames_extra.hpp"
#include "platform/pixmap.hpp"
#include "platform/stream.hpp"

namespace {
namespace fs = std::filesystem;

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

// An indexed PNG, one row of pixels, built here so the tests know every byte.
std::vector<uint8_t> indexed_png(const std::vector<int>& palette, const std::vector<uint8_t>& row) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> ihdr;
    put32(ihdr, static_cast<uint32_t>(row.size()));
    put32(ihdr, 1);
    ihdr.insert(ihdr.end(), {8, 3, 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    std::vector<uint8_t> plte;
    for (int c : palette) plte.insert(plte.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    chunk(png, "PLTE", plte);
    std::vector<uint8_t> raw = {0};
    raw.insert(raw.end(), row.begin(), row.end());
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> z(size);
    compress(z.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
    z.resize(size);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});
    return png;
}

std::vector<int> palette_of(const std::vector<uint8_t>& png) {
    const size_t at = find_palette(png);
    const size_t n = ((size_t(png[at - 4]) << 24) | (size_t(png[at - 3]) << 16) | (size_t(png[at - 2]) << 8) | png[at - 1]) / 3;
    std::vector<int> out;
    for (size_t i = 0; i < n; ++i)
        out.push_back((png[at + 4 + 3 * i] << 16) | (png[at + 5 + 3 * i] << 8) | png[at + 6 + 3 * i]);
    return out;
}

bool palette_crc_ok(const std::vector<uint8_t>& png) {
    const size_t at = find_palette(png);
    const size_t len = ((size_t(png[at - 4]) << 24) | (size_t(png[at - 3]) << 16) | (size_t(png[at - 2]) << 8) | png[at - 1]);
    const uint32_t stored = (uint32_t(png[at + 4 + len]) << 24) | (uint32_t(png[at + 5 + len]) << 16) |
                            (uint32_t(png[at + 6 + len]) << 8) | png[at + 7 + len];
    return stored == static_cast<uint32_t>(crc32(0, png.data() + at, static_cast<uInt>(len + 4)));
}

std::vector<uint8_t> bytes_of(const std::string& path) {
    std::vector<uint8_t> b;
    load_file_bytes(path, b);
    return b;
}

// Runs a test body in a scratch working directory, then returns to the old one.
class scratch_cwd {
public:
    scratch_cwd() : old_(fs::current_path()), dir_(fs::temp_directory_path() / ("colouring_" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    ~scratch_cwd() {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    static void write(const std::string& path, const std::vector<uint8_t>& bytes) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<std::streamsize>(bytes.size()));
    }

private:
    fs::path old_;
    fs::path dir_;
};
} // namespace

TEST(PaletteRecolouring, ReplacesEntriesKeepsCrcAndLastPairWins) {
    std::vector<uint8_t> png = indexed_png({0x000000, template_shirt1[0], template_skin[2], 0x123456}, {0, 1, 2, 3});
    t_color_replacement_list list;
    list.add(template_shirt1[0], 0x111111);
    list.add(template_shirt1[0], 0x222222);
    list.add(0x111111, 0x333333); // compares the original entry, so never chains
    list.add(template_skin[2], 0x445566);
    recolour_palette(png, list);
    EXPECT_EQ(palette_of(png), (std::vector<int>{0x000000, 0x222222, 0x445566, 0x123456}));
    EXPECT_TRUE(palette_crc_ok(png));
    const t_pixmap_ref decoded = decode_picture(png);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->read_pixel(1, 0) & 0xFFFFFF, 0x222222u);
    EXPECT_EQ(decoded->read_pixel(2, 0) & 0xFFFFFF, 0x445566u);
}

TEST(PaletteRecolouring, MissingPaletteIsFatal) {
    std::vector<uint8_t> not_png = {'N', 'O', ' ', 'P', 'A', 'L'};
    EXPECT_EXIT(recolour_palette(not_png, t_color_replacement_list{}), testing::ExitedWithCode(1),
                "Palette not found inside image!");
}

TEST(StadiumPalette, ParsesBlanksAndDashesAndFillsBlackBeyondTheList) {
    EXPECT_EQ(parse_palette_text("title\r\nname\r\n3\r\n1 2 3\r\n255-0-16\r\n10 20-30\r\n9 9 9\r\n"),
              (std::vector<int>{0x010203, 0xFF0010, 0x0A141E}));
    std::vector<uint8_t> png = indexed_png({0xAAAAAA, 0xBBBBBB, 0xCCCCCC}, {0, 1, 2});
    replace_palette(png, {0x102030});
    EXPECT_EQ(palette_of(png), (std::vector<int>{0x102030, 0, 0}));
    EXPECT_TRUE(palette_crc_ok(png));
    EXPECT_EXIT(apply_palette_file(png, "no/such.pal"), testing::ExitedWithCode(1), "palette not found");
}

TEST(KitColours, SixteenPairsInOrderAndOneColourShirts) {
    t_kit kit;
    kit.shirt1 = 4;
    kit.shirt2 = 4;
    kit.shorts = 1;
    kit.socks = 22;
    t_color_replacement_list list;
    add_kit_colors(kit, list);
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list.pairs()[0].rgb_old, 0xE20020);
    EXPECT_EQ(list.pairs()[0].rgb_new, 0xF61C1C);
    EXPECT_EQ(list.pairs()[4].rgb_old, 0x01FFC6);
    EXPECT_EQ(list.pairs()[4].rgb_new, 0xF61C1C); // shirt2 = shirt1: one-colour shirt
    EXPECT_EQ(list.pairs()[11].rgb_new, 0x9DA3A5);
    EXPECT_EQ(list.pairs()[15].rgb_old, 0x006AA7);
    EXPECT_EQ(list.pairs()[15].rgb_new, 0x7B774C);
    EXPECT_EQ(kit_style_name(20), "side_lines");
}

TEST(HairColours, ShortCropTakesTwoShadesFromHairAndSkin) {
    t_player p;
    p.ht = hair_type_index(201);
    p.hc = 3;
    p.sk = 4;
    t_color_replacement_list list;
    add_hair_colors(p, list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.pairs()[0].rgb_new, 0xA1785F); // short_hair_row[3][4] = 1
    EXPECT_EQ(list.pairs()[1].rgb_new, 0x7D5D4A);
    p.ht = hair_type_index(301);
    t_color_replacement_list full;
    add_hair_colors(p, full);
    ASSERT_EQ(full.size(), 3u);
    EXPECT_EQ(full.pairs()[2].rgb_old, 0x514030);
    EXPECT_EQ(full.pairs()[2].rgb_new, 0x7F4E01);
    t_color_replacement_list skin;
    add_skin_colors(p, skin);
    EXPECT_EQ(skin.pairs()[1].rgb_new, 0xB45C29);
}

TEST(PixelRecolouring, TemplatesWithFullAlphaOnlyAndShadows) {
    t_pixmap pm(3, 1, 0);
    pm.write_pixel(0, 0, 0xFFE20020);
    pm.write_pixel(1, 0, 0x80E20020); // half transparent: left alone
    pm.write_pixel(2, 0, 0xFF123456);
    const t_image_ref image = image_from_pixmap(pm, 0);
    t_kit kit;
    kit.shirt1 = 8;
    render_image(kit, image);
    EXPECT_EQ(image->frame(0).read_pixel(0, 0), 0xFF30C52Cu);
    EXPECT_EQ(image->frame(0).read_pixel(1, 0), 0x80E20020u);
    const t_image_ref copy = copy_image(image);
    make_shadow(copy, 0x002400);
    EXPECT_EQ(copy->frame(0).read_pixel(0, 0), 0xFF30C52Cu); // the corner colour stays
    EXPECT_EQ(copy->frame(0).read_pixel(1, 0), 0x80002400u);
    EXPECT_EQ(copy->frame(0).read_pixel(2, 0), 0xFF002400u);
    EXPECT_EQ(image->frame(0).read_pixel(2, 0), 0xFF123456u); // the copy is independent
}

TEST(ImagePaths, CustomPicturesByKitThenAnyKitThenStyle) {
    scratch_cwd cwd;
    const std::vector<uint8_t> png = indexed_png({0}, {0});
    scratch_cwd::write("images/custom/clubs/ita/007_roma/player_2.png", png);
    scratch_cwd::write("images/custom/clubs/ita/007_roma/player.png", png);
    t_team team;
    team.country = "ITA";
    team.number = 7;
    t_kit k;
    k.style = 3;
    team.kits = {k, k, k};
    team.kit = 1;
    EXPECT_EQ(get_image_path(team, "player"), "images/custom/clubs/ita/007_roma/player_2.png");
    team.kit = 0;
    EXPECT_EQ(get_image_path(team, "player"), "images/custom/clubs/ita/007_roma/player.png");
    team.number = 8;
    EXPECT_EQ(get_image_path(team, "player"), "images/player/horizontal.png");
    team.national = 1;
    team.country = "UEF";
    team.number = 7;
    EXPECT_EQ(get_image_path(team, "kit"), "images/kit/horizontal.png");
}

TEST(ImagePaths, CrestFallsBackOnTheRecolouredStandardCrest) {
    // Runs in the shipped assets: no club folder for this code exists.
    t_team team;
    team.country = "ZZZ";
    team.number = 1;
    t_kit k;
    k.style = 0;
    k.shirt1 = 5;
    team.kits = {k};
    load_clnf(team, 1);
    ASSERT_TRUE(team.clnf);
    ASSERT_TRUE(team.clnf_sh);
    bool blue = false, shadow = false;
    for (int y = 0; y < team.clnf->height(); ++y)
        for (int x = 0; x < team.clnf->width(); ++x) {
            blue |= team.clnf->frame(0).read_pixel(x, y) == 0xFF3033C1u;
            shadow |= team.clnf_sh->frame(0).read_pixel(x, y) == 0xFF002400u;
            EXPECT_NE(team.clnf->frame(0).read_pixel(x, y), 0xFFE20020u);
        }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(shadow);
}

// The shipped pictures must suit the recolouring: each template colour one
// palette entry of its own, and nothing before the real palette chunk.
TEST(ShippedArt, SpriteSheetsCarryEveryTemplateOnce) {
    auto check = [](const std::string& path, const std::vector<int>& templates) {
        const std::vector<uint8_t> png = bytes_of(path);
        ASSERT_FALSE(png.empty()) << path;
        EXPECT_EQ(find_palette(png), 37u) << path; // right after the header chunk
        const std::vector<int> pal = palette_of(png);
        for (int t : templates) EXPECT_EQ(std::count(pal.begin(), pal.end(), t), 1) << path << " " << std::hex << t;
        EXPECT_EQ(std::count(pal.begin(), pal.end(), 0x000000), 1) << path;
    };
    std::vector<int> kit(template_shirt1.begin(), template_shirt1.end());
    kit.insert(kit.end(), template_shirt2.begin(), template_shirt2.end());
    kit.insert(kit.end(), template_shorts.begin(), template_shorts.end());
    kit.insert(kit.end(), template_socks.begin(), template_socks.end());
    std::vector<int> body = kit;
    body.insert(body.end(), template_skin.begin(), template_skin.end());
    for (const char* style : kit_style_names) check(std::string("images/player/") + style + ".png", body);
    check("images/player/keeper.png", std::vector<int>(template_skin.begin(), template_skin.end()));
    for (int code : hair_type_codes)
        check("images/player/hair/" + std::to_string(code) + ".png",
              std::vector<int>(template_hair.begin(), template_hair.end()));
    for (char c = 'a'; c <= 'e'; ++c) check(std::string("images/stadium/tile_") + c + ".png", kit);
    for (int n = 0; n < 4; ++n) {
        check("images/player/shadows/player_" + std::to_string(n) + ".png", {0x404040});
        check("images/player/shadows/keeper_" + std::to_string(n) + ".png", {0x404040});
    }
}

TEST(ShippedArt, SheetsDecodeWithTheirLayouts) {
    t_player p;
    p.pt = 1;
    t_team team;
    team.kits = {t_kit{}};
    const t_image_ref body = load_player_image(p, team);
    ASSERT_TRUE(body);
    EXPECT_EQ(body->width(), 256);
    EXPECT_EQ(body->height(), OUTFIELD_SHEET_ROWS * OUTFIELD_SHEET_CELL);
    // Feet of the standing frame near (15, 25) of cell (2, 1); the mask is see-through.
    EXPECT_NE(body->frame(0).read_pixel(2 * 32 + 15, 32 + 24) >> 24, 0u);
    EXPECT_EQ(body->frame(0).read_pixel(0, 0) >> 24, 0u);
    p.pt = 0;
    const t_image_ref keeper = load_player_image(p, team);
    ASSERT_TRUE(keeper);
    EXPECT_GE(keeper->height(), 950);
    const t_face face = create_face(p);
    ASSERT_TRUE(face.face);
    EXPECT_GE(face.face->width(), 16);
    EXPECT_GE(face.face->height(), 18);
    const t_pixmap_ref cd = load_pixmap("images/keeper_cd.png");
    ASSERT_TRUE(cd);
    EXPECT_GE(cd->width(), 400);
    EXPECT_GE(cd->height(), 950);
}

TEST(ShippedArt, KeeperCatchColourSitsWhereEachHoldFrameHoldsTheBall) {
    const t_pixmap_ref cd = load_pixmap("images/keeper_cd.png");
    ASSERT_TRUE(cd);
    // (column, row, offx, offz) of frames that carry the ball: the catch colour
    // must be under the held ball's ground point.
    const int frames[][4] = {{0, 17, 2, 30}, {1, 18, 0, 30}, {0, 12, 13, 0} /* low dive, column 4 */,
                             {0, 10, 10, 24}, {3, 14, -11, 26}};
    for (const auto& f : frames) {
        const int col = f[1] == 12 ? 4 + f[0] : f[0];
        const int x = col * 50 + 24 + f[2];
        const int y = f[1] * 50 + 34 - f[3];
        EXPECT_EQ(cd->read_pixel(x, y) & 0xFFFFFF, 0xC00000u) << col << "," << f[1];
    }
}

TEST(ShippedArt, HairTableKeepsTheFixedRunningOffsetsAndStaysOnTheSheet) {
    EXPECT_EQ(hair_table[2][1].dx, 14);
    EXPECT_EQ(hair_table[2][1].dy, 4);
    EXPECT_EQ(hair_table[6][3].dy, 0);
    EXPECT_EQ(hair_table[6][3].row, 1);
    EXPECT_EQ(hair_table[8 + 5][0].dx, 12);
    for (int c = 0; c < 8; ++c) {
        for (int r = 16; r < 20; ++r) EXPECT_EQ(hair_table[c][r].dx | hair_table[c][r].dy, 0);
    }
    const t_pixmap_ref hair = load_pixmap("images/player/hair/301.png");
    ASSERT_TRUE(hair);
    for (const auto& column : hair_table)
        for (const t_hair_cell& cell : column) {
            EXPECT_LE(cell.column * 21 + 20, hair->width() + 1);
            EXPECT_LE(cell.row * 21 + 20, hair->height() + 1);
        }
}

TEST(ShippedArt, EveryPitchPaletteCoversTheTilesAndAvoidsTheMask) {
    const std::vector<uint8_t> tile = bytes_of("images/stadium/generic_11.png");
    ASSERT_FALSE(tile.empty());
    const size_t entries = palette_of(tile).size();
    for (const char* name : {"frozen", "muddy", "wet", "soft", "normal", "dry", "hard", "snowed", "white"})
        for (const char* light : {"sunny", "cloudy", "night"}) {
            const std::string path = std::string("images/stadium/palettes/") + name + "_" + light + ".pal";
            const std::vector<uint8_t> text = bytes_of(path);
            const std::vector<int> colours = parse_palette_text(std::string(text.begin(), text.end()));
            EXPECT_EQ(colours.size(), entries) << path;
            for (int c : colours) EXPECT_NE(c, 0x00F700) << path;
            std::vector<uint8_t> copy = tile;
            apply_palette_file(copy, path);
            EXPECT_TRUE(palette_crc_ok(copy));
        }
}
