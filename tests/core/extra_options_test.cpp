// The options file beside the settings file: readable lines, kept unknown keys, forgiving values.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/extra_options.hpp"
#include "football/safe_save.hpp"
#include "platform/stream.hpp"

namespace {
// A folder of its own, so that the options file beside the settings file is this test's alone.
class t_temp_folder {
public:
    t_temp_folder()
        : path_(std::filesystem::temp_directory_path() / ("quilbo_options_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~t_temp_folder() { std::filesystem::remove_all(path_); }
    t_temp_folder(const t_temp_folder&) = delete;
    t_temp_folder& operator=(const t_temp_folder&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
} // namespace

TEST(ExtraOptions, LiveBesideTheSettingsFile) {
    EXPECT_EQ(extra_options_path("/home/x/quilbo_soccer.ini"), "/home/x/quilbo_options.txt");
    EXPECT_EQ(extra_options_path("quilbo_soccer.ini"), "quilbo_options.txt");
}

TEST(ExtraOptions, RoundTripKeepsUnknownKeys) {
    const t_temp_folder folder;
    const std::string path = folder.file(EXTRA_OPTIONS_FILE);
    put(path, "# hand-written\nreferee = strict\n  gameplay   =   ENHANCED  \nno equals sign\ncrowd = 3 = loud\n");
    const t_extra_options s = read_extra_options(path);
    EXPECT_EQ(s.gameplay, t_gameplay::enhanced) << "case and spaces around the value do not matter";
    ASSERT_EQ(s.unknown.size(), 2u);

    ASSERT_EQ(write_extra_options(path, s), "");
    const std::string text = contents(path);
    EXPECT_NE(text.find("gameplay = enhanced\n"), std::string::npos) << text;
    EXPECT_NE(text.find("referee = strict\n"), std::string::npos) << text;
    EXPECT_NE(text.find("crowd = 3 = loud\n"), std::string::npos) << "a value may hold '=': " << text;
    EXPECT_FALSE(std::filesystem::exists(temporary_path(path)));

    t_extra_options again = read_extra_options(path);
    EXPECT_EQ(again.gameplay, t_gameplay::enhanced);
    EXPECT_EQ(again.unknown, s.unknown);
    EXPECT_FALSE(again.friendly_shootout);
    again.gameplay = t_gameplay::classic;
    again.friendly_shootout = true;
    ASSERT_EQ(write_extra_options(path, again), "");
    EXPECT_NE(contents(path).find("gameplay = classic\n"), std::string::npos);
    EXPECT_TRUE(read_extra_options(path).friendly_shootout);
    EXPECT_EQ(read_extra_options(path).unknown, s.unknown) << "unknown keys survive every write";
}

TEST(ExtraOptions, TheComputersLevelAndAutoSwitchRoundTrip) {
    const t_temp_folder folder;
    const std::string path = folder.file(EXTRA_OPTIONS_FILE);
    put(path, "gameplay = enhanced\ncomputer = Hard\nauto_switch = no\n");
    t_extra_options o = read_extra_options(path);
    EXPECT_EQ(o.computer_level, t_computer_level::hard);
    EXPECT_FALSE(o.auto_switch);
    EXPECT_TRUE(o.unknown.empty()) << "both are keys of this version";

    for (const t_computer_level level : {t_computer_level::easy, t_computer_level::normal, t_computer_level::hard}) {
        for (const bool on : {true, false}) {
            o.computer_level = level;
            o.auto_switch = on;
            ASSERT_EQ(write_extra_options(path, o), "");
            const t_extra_options back = read_extra_options(path);
            EXPECT_EQ(back.computer_level, level) << contents(path);
            EXPECT_EQ(back.auto_switch, on) << contents(path);
        }
    }
    const std::string text = contents(path);
    const size_t gameplay = text.find("gameplay = enhanced\n");
    EXPECT_EQ(text.find("computer = hard\n"), text.find('\n', gameplay) + 1) << "next to the gameplay line: " << text;
    EXPECT_NE(text.find("auto_switch = no\n"), std::string::npos) << text;
}

TEST(ExtraOptions, ABadValueFallsBackToItsDefaultWithOneWarning) {
    std::vector<std::string> warnings;
    const t_extra_options o = parse_extra_options("gameplay = classic\ngameplay = arcade\nother = 1\n", warnings);
    EXPECT_EQ(o.gameplay, t_gameplay::enhanced) << "the default, not the line before";
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("arcade"), std::string::npos) << warnings[0];
    EXPECT_EQ(warnings[0].find('\n'), std::string::npos) << "one line";

    warnings.clear();
    EXPECT_EQ(parse_extra_options("gameplay =\n", warnings).gameplay, t_gameplay::enhanced);
    EXPECT_EQ(warnings.size(), 1u) << "an empty value is a bad value too";

    warnings.clear();
    EXPECT_FALSE(parse_extra_options("friendly_shootout = yes\nfriendly_shootout = sometimes\n", warnings).friendly_shootout);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("sometimes"), std::string::npos) << warnings[0];

    warnings.clear();
    const t_extra_options bad = parse_extra_options("computer = easy\ncomputer = brutal\nauto_switch = no\n"
                                                    "auto_switch = maybe\n",
                                                    warnings);
    EXPECT_EQ(bad.computer_level, t_computer_level::normal) << "an unknown level keeps the default";
    EXPECT_TRUE(bad.auto_switch) << "auto switch is on by default";
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_NE(warnings[0].find("brutal"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[1].find("maybe"), std::string::npos) << warnings[1];

    const t_temp_folder folder;
    put(folder.file(EXTRA_OPTIONS_FILE), "gameplay = fast\nkept = yes\n");
    testing::internal::CaptureStdout();
    const t_extra_options read = read_extra_options(folder.file(EXTRA_OPTIONS_FILE));
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(read.gameplay, t_gameplay::enhanced);
    EXPECT_EQ(read.unknown.size(), 1u);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
}

TEST(ExtraOptions, AMissingFileGivesTheDefaultsAndTheFirstWriteCreatesIt) {
    const t_temp_folder folder;
    const std::string path = folder.file(EXTRA_OPTIONS_FILE);
    testing::internal::CaptureStdout();
    const t_extra_options s = read_extra_options(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "a missing file is no reason to warn";
    EXPECT_EQ(s.gameplay, t_gameplay::enhanced) << "a fresh options file plays ENHANCED";
    EXPECT_EQ(s.computer_level, t_computer_level::normal);
    EXPECT_TRUE(s.auto_switch);
    EXPECT_TRUE(s.unknown.empty());
    ASSERT_EQ(write_extra_options(path, s), "");
    EXPECT_NE(contents(path).find("gameplay = enhanced\n"), std::string::npos) << contents(path);
    EXPECT_NE(write_extra_options(folder.file("no/such/folder/x.txt"), s), "") << "a failed write is reported";
}

TEST(ExtraOptions, GameplayNamesParseInAnyCaseAndNothingElse) {
    EXPECT_EQ(parse_gameplay("Classic"), t_gameplay::classic);
    EXPECT_EQ(parse_gameplay("ENHANCED"), t_gameplay::enhanced);
    EXPECT_FALSE(parse_gameplay("enhance"));
    EXPECT_FALSE(parse_gameplay(""));
    for (const t_gameplay g : {t_gameplay::classic, t_gameplay::enhanced}) EXPECT_EQ(parse_gameplay(gameplay_key(g)), g);
}
