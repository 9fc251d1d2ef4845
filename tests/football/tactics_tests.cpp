#include <gtest/gtest.h>

#include <cmath>

#include "football/ball_zone.hpp"
#include "football/football_startup.hpp"
#include "football/tactics.hpp"
#include "football_test_support.hpp"

using namespace football_test;

TEST(TacticsFile, LatticeBytesRoundTrip) {
    EXPECT_EQ(tactics_target_byte({-476, -600}), 0);
    EXPECT_EQ(tactics_target_byte({544, 600}), 255);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(tactics_target_byte(tactics_target_from_byte(b)), b);
}

TEST(TacticsFile, PresetsLoadAndSaveBackUnchanged) {
    {
        in_assets here;
        load_tactics_slots();
    }
    scratch_dir scratch;
    for (int slot = 0; slot < PRESET_COUNT; ++slot) {
        const t_tactics& t = tactics[static_cast<size_t>(slot)];
        SCOPED_TRACE(tactics_file_names[static_cast<size_t>(slot)]);
        EXPECT_EQ(t.based_on, slot);
        EXPECT_FALSE(t.name.empty());
        const std::string original = assets_dir() + "/tactics/preset/" + tactics_file_names[static_cast<size_t>(slot)] + ".TAC";
        t.save_file("copy.TAC");
        EXPECT_EQ(file_bytes("copy.TAC"), file_bytes(original));
        for (int p = 1; p < TACTICS_PLAYERS; ++p) {
            const int id = t.pairs[static_cast<size_t>(p)];
            EXPECT_TRUE(id == NOT_PAIRED || (id >= 0 && id <= 4));
            for (const auto& target : t.target[static_cast<size_t>(p)]) EXPECT_LE(target.x, 476); // h 15 cannot be mirrored
        }
    }
    // User slots start as the 4-4-2.
    EXPECT_EQ(tactics[12].to_string(), tactics[0].to_string());
}

TEST(TacticsFile, PresetsKeepShapeAndMirrorTheirPairs) {
    in_assets here;
    load_tactics_slots();
    for (int slot = 0; slot < PRESET_COUNT; ++slot) {
        const t_tactics& t = tactics[static_cast<size_t>(slot)];
        SCOPED_TRACE(t.name);
        for (int p = 1; p < TACTICS_PLAYERS; ++p) {
            const auto& targets = t.target[static_cast<size_t>(p)];
            // Everyone moves up the pitch as the ball does, and across with it.
            EXPECT_LT(targets[static_cast<size_t>(zone_index(0, -3))].y, targets[static_cast<size_t>(zone_index(0, 3))].y);
            EXPECT_LE(targets[static_cast<size_t>(zone_index(-2, 0))].x, targets[static_cast<size_t>(zone_index(2, 0))].x);
            if (t.is_paired(p)) {
                const int q = t.get_paired(p);
                for (int zy = -3; zy <= 3; ++zy) {
                    for (int zx = -2; zx <= 2; ++zx) {
                        const auto& a = targets[static_cast<size_t>(zone_index(zx, zy))];
                        const auto& b = t.target[static_cast<size_t>(q)][static_cast<size_t>(zone_index(-zx, zy))];
                        EXPECT_EQ(a.x, -b.x);
                        EXPECT_EQ(a.y, b.y);
                    }
                }
            }
        }
        // With the ball at the own goal the deepest player stands deeper than
        // the most advanced one does with the ball at the other end.
        int deepest = 1000;
        int highest = -1000;
        for (int p = 1; p < TACTICS_PLAYERS; ++p) {
            deepest = std::min(deepest, t.target[static_cast<size_t>(p)][static_cast<size_t>(zone_index(0, -3))].y);
            highest = std::max(highest, t.target[static_cast<size_t>(p)][static_cast<size_t>(zone_index(0, 3))].y);
        }
        EXPECT_LT(deepest, -400);
        EXPECT_GT(highest, 400);
    }
}

TEST(TacticsPairs, PairingBreaksOldPairsAndReusesTheSmallestId) {
    t_tactics t;
    t.add_delete_pair(1, 2); // id 0
    t.add_delete_pair(3, 4); // id 1
    t.add_delete_pair(5, 6); // id 2
    EXPECT_EQ(t.get_paired(1), 2);
    t.add_delete_pair(3, 4); // unpairs
    EXPECT_FALSE(t.is_paired(3));
    EXPECT_FALSE(t.is_paired(4));
    t.add_delete_pair(7, 8); // ids 0 and 2 in use: gets 1
    EXPECT_EQ(t.pairs[7], 1);
    t.add_delete_pair(2, 5); // breaks 1-2 and 5-6
    EXPECT_FALSE(t.is_paired(1));
    EXPECT_FALSE(t.is_paired(6));
    EXPECT_EQ(t.get_paired(5), 2);
    EXPECT_EQ(t.pairs[2], 0);
}

TEST(TacticsFile, KeeperRowIsNeverStoredOrCopied) {
    scratch_dir scratch;
    t_tactics a;
    a.name = "LONGNAME12";
    a.target[0][5] = {100, 100};
    a.target[3][7] = {68 * 10 - 476, 80 * 3 - 600};
    a.based_on = 4;
    a.save_file("a.TAC");
    EXPECT_EQ(file_bytes("a.TAC").size(), static_cast<size_t>(TACTICS_FILE_SIZE));
    t_tactics b;
    b.target[0][5] = {-8, -8};
    b.load_file("a.TAC");
    EXPECT_EQ(b.name, "LONGNAME1");
    EXPECT_EQ(b.target[0][5], (t_vec2d{-8, -8}));
    EXPECT_EQ(b.target[3][7], a.target[3][7]);
    EXPECT_EQ(b.based_on, 4);
    b.copy(a);
    EXPECT_EQ(b.target[0][5], (t_vec2d{-8, -8}));

    t_tactics_stack undo;
    undo.push(a);
    a.based_on = 9;
    EXPECT_EQ(undo.pop()->based_on, 4);
    EXPECT_EQ(undo.pop(), nullptr);
}

TEST(TacticsZones, BallZoneArithmetic) {
    EXPECT_EQ(zone_column(0), 0);
    EXPECT_EQ(zone_column(103), 1); // half a zone rounds away from zero
    EXPECT_EQ(zone_column(-103), -1);
    EXPECT_EQ(zone_column(102.9), 0);
    EXPECT_EQ(zone_column(5000), 2);
    EXPECT_EQ(zone_row(-92), -1);
    EXPECT_EQ(zone_row(-5000), -3);
    EXPECT_EQ(zone_index(0, 0), 17);
    EXPECT_EQ(zone_index(-2, -3), 0);
    EXPECT_EQ(zone_index(2, 3), 34);
    EXPECT_EQ(mirrored_zone_index(-2, -3), 34);
    EXPECT_EQ(mirrored_zone_index(1, 2), zone_index(-1, -2));
    EXPECT_NEAR(zone_offset(50, ZONE_WIDTH), 50 / 206.0, 1e-9);
    EXPECT_NEAR(zone_offset(150, ZONE_WIDTH), (150 - 206) / 206.0, 1e-9);
    EXPECT_NEAR(zone_offset(-150, ZONE_WIDTH), (206 - 150) / 206.0, 1e-9);
    EXPECT_EQ(next_zone_column(0, 0), 1);
    EXPECT_EQ(next_zone_column(2, 0), 2);
    EXPECT_EQ(next_zone_column(0, 90), 0);
    EXPECT_EQ(next_zone_row(0, 90), 1);
    EXPECT_EQ(next_zone_row(-3, 225), -3);
    EXPECT_EQ(next_zone_column(0, 135), -1);
}
