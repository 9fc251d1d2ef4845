#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/settings.hpp"
#include "football/safe_save.hpp"
#include "platform/file_places.hpp"
#include "platform/files.hpp"
#include "platform/stream.hpp"

namespace {
namespace fs = std::filesystem;

std::string text_of(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

std::string read_text(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) return "<none>";
    return std::string(bytes.begin(), bytes.end());
}

// A shipped data folder as working directory and a player's folder beside it (not yet made);
// both go, and one folder comes back, at the end.
class two_folders {
public:
    two_folders() {
        char pattern[] = "/tmp/quilbo_places_XXXXXX";
        root_ = mkdtemp(pattern);
        old_ = fs::current_path();
        fs::create_directories(shipped());
        fs::current_path(shipped());
        set_player_folder(player().string());
    }
    ~two_folders() {
        set_player_folder("");
        fs::current_path(old_);
        fs::remove_all(root_);
    }
    two_folders(const two_folders&) = delete;
    two_folders& operator=(const two_folders&) = delete;

    fs::path shipped() const { return root_ / "share"; }
    fs::path player() const { return root_ / "home" / "quilbo-rovudo"; }
    fs::path root() const { return root_; }

private:
    fs::path root_;
    fs::path old_;
};
} // namespace

TEST(PlayerFolder, ThePlayersCopyShadowsTheShippedFile) {
    two_folders f;
    put(f.shipped() / "data/team_x.qst", "shipped");
    put(f.shipped() / "tactics/442.TAC", "preset");
    EXPECT_EQ(read_text("data/team_x.qst"), "shipped");
    EXPECT_EQ(file_type("data/team_x.qst"), 1);

    put(f.player() / "data/team_x.qst", "edited");
    put(f.player() / "tactics/MINE.TAC", "mine");
    EXPECT_EQ(read_text("data/team_x.qst"), "edited");
    EXPECT_EQ(file_type("tactics/MINE.TAC"), 1) << "a file only the player has is there for the game";
    EXPECT_EQ(read_text("tactics/442.TAC"), "preset");

    auto names = list_dir("tactics");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"442.TAC", "MINE.TAC"}));
    put(f.player() / "tactics/442.TAC", "changed preset");
    EXPECT_EQ(list_dir("tactics").size(), 2u) << "a name in both folders is listed once";

    // Paths from the command line are the player's own and are never redirected.
    put(f.root() / "elsewhere.txt", "own");
    EXPECT_EQ(read_text((f.root() / "elsewhere.txt").string()), "own");
}

TEST(PlayerFolder, SavesGoToThePlayersFolderMadeOnFirstUse) {
    two_folders f;
    put(f.shipped() / "quilbo_soccer.ini", "shipped settings");
    put(f.shipped() / "data/team_x.qst", "shipped");
    ASSERT_FALSE(fs::exists(f.player()));

    t_settings s;
    s.music_vol = 7;
    s.write(SETTINGS_VERSION);
    EXPECT_TRUE(fs::is_regular_file(f.player() / SETTINGS_FILE));
    t_settings back;
    back.read(SETTINGS_VERSION);
    EXPECT_EQ(back.music_vol, 7);

    EXPECT_EQ(write_file_atomically("data/team_x.qst", {'n', 'e', 'w'}), "");
    EXPECT_EQ(text_of(f.player() / "data/team_x.qst"), "new");
    EXPECT_EQ(text_of(f.shipped() / "data/team_x.qst"), "shipped") << "the shipped data is never written";
    EXPECT_EQ(text_of(f.shipped() / "quilbo_soccer.ini"), "shipped settings");
    EXPECT_FALSE(fs::exists(f.shipped() / "data/team_x.qst.tmp"));

    EXPECT_EQ(create_writable_folder("replays"), "");
    EXPECT_TRUE(fs::is_directory(f.player() / "replays"));
    EXPECT_FALSE(fs::exists(f.shipped() / "replays"));
    auto out = write_file("notes/one.txt");
    ASSERT_TRUE(out);
    out->write_line("x");
    out->close();
    EXPECT_EQ(text_of(f.player() / "notes/one.txt"), "x\r\n");
}

TEST(PlayerFolder, AnUnwritablePlayersFolderSavesNothingAndSaysSoOnce) {
    two_folders f;
    // A file where the folder should be: no user, root included, can make the folder.
    put(f.root() / "home", "not a folder");
    put(f.shipped() / "data/team_x.qst", "shipped");
    testing::internal::CaptureStdout();
    t_settings().write(SETTINGS_VERSION);
    const std::string reason = write_file_atomically("data/team_x.qst", {'n'});
    t_settings().write(SETTINGS_VERSION);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(reason, "");
    const std::string line = "Cannot write to the player's folder";
    ASSERT_NE(printed.find(line), std::string::npos) << printed;
    EXPECT_EQ(printed.find(line, printed.find(line) + 1), std::string::npos) << "said more than once:\n" << printed;
    EXPECT_NE(printed.find("Settings not saved"), std::string::npos);
    EXPECT_EQ(read_text("data/team_x.qst"), "shipped");
    EXPECT_FALSE(fs::exists(f.shipped() / SETTINGS_FILE));
}

TEST(PlayerFolder, OneFolderReadsAndWritesTheWorkingDirectory) {
    two_folders f;
    set_player_folder("");
    put(f.shipped() / "data/team_x.qst", "shipped");
    EXPECT_EQ(write_file_atomically("data/team_x.qst", {'n', 'e', 'w'}), "");
    EXPECT_EQ(text_of(f.shipped() / "data/team_x.qst"), "new");
    t_settings().write(SETTINGS_VERSION);
    EXPECT_TRUE(fs::is_regular_file(f.shipped() / SETTINGS_FILE));
    EXPECT_FALSE(fs::exists(f.player()));
    // As before: a folder that is not there is not made for a plain save.
    EXPECT_NE(write_file_atomically("missing/file.txt", {'x'}), "");
    EXPECT_EQ(writable_path("data/team_x.qst"), "data/team_x.qst");
}

TEST(PlayerFolder, FollowsTheXdgDataHomeAndItsDefault) {
    EXPECT_EQ(default_player_folder("/data/home", "/home/p"), "/data/home/quilbo-rovudo");
    EXPECT_EQ(default_player_folder(nullptr, "/home/p"), "/home/p/.local/share/quilbo-rovudo");
    EXPECT_EQ(default_player_folder("", "/home/p"), "/home/p/.local/share/quilbo-rovudo");
    EXPECT_EQ(default_player_folder("relative/share", "/home/p"), "/home/p/.local/share/quilbo-rovudo")
        << "a relative data home is ignored";
}

TEST(PlayerFolder, AnInstalledGameFindsItsDataBesideItsBinary) {
    EXPECT_EQ(installed_data_folder("/usr/bin/quilbo", "../share/quilbo-rovudo"), "/usr/share/quilbo-rovudo");
    EXPECT_EQ(installed_data_folder("/tmp/root/opt/q/bin/quilbo", "../share/quilbo-rovudo"),
              "/tmp/root/opt/q/share/quilbo-rovudo");
    EXPECT_EQ(installed_data_folder("/usr/games/quilbo", "../share/games/quilbo-rovudo"),
              "/usr/share/games/quilbo-rovudo");
}
