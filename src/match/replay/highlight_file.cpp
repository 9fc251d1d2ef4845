#include "match/replay/highlight_file.hpp"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "core/globals.hpp"
#include "football/colour.hpp"
#include "football/match_settings.hpp"
#include "football/player.hpp"
#include "football/safe_save.hpp"
#include "football/team.hpp"
#include "match/replay/highlights.hpp"
#include "match/core/match_state.hpp"
#include "platform/file_places.hpp"
#include "platform/files.hpp"

namespace {
constexpr std::array<uint8_t, 4> MAGIC{'Q', 'H', 'L', 0x1A};
constexpr size_t MAX_NAME = 64;
constexpr int PITCH_TYPES = 9;
constexpr int WEATHER_KINDS = 4;

// Bounds-checked reading: a short or damaged file sets `bad` instead of reading past the end.
class t_reader {
public:
    explicit t_reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    bool bad = false;

    int byte() {
        if (pos_ + 1 > bytes_.size()) return fail();
        return bytes_[pos_++];
    }
    int word() {
        const int lo = byte();
        const int hi = byte();
        return bad ? 0 : lo | (hi << 8);
    }
    std::string text() {
        const int n = byte();
        if (bad || static_cast<size_t>(n) > MAX_NAME || pos_ + static_cast<size_t>(n) > bytes_.size()) {
            fail();
            return {};
        }
        std::string s(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                      bytes_.begin() + static_cast<std::ptrdiff_t>(pos_) + n);
        pos_ += static_cast<size_t>(n);
        return s;
    }
    // A value that must lie in 0 .. limit - 1.
    int below(int limit) {
        const int v = byte();
        if (v >= limit) fail();
        return v;
    }
    size_t left() const { return bytes_.size() - pos_; }
    size_t pos() const { return pos_; }

private:
    int fail() {
        bad = true;
        pos_ = bytes_.size();
        return 0;
    }
    const std::vector<uint8_t>& bytes_;
    size_t pos_ = 0;
};

void put_word(std::vector<uint8_t>& out, int v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void put_byte(std::vector<uint8_t>& out, int v) { out.push_back(static_cast<uint8_t>(v & 0xFF)); }

void put_text(std::vector<uint8_t>& out, const std::string& s) {
    const size_t n = std::min(s.size(), MAX_NAME);
    put_byte(out, static_cast<int>(n));
    out.insert(out.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
}

void read_kit(t_reader& in, t_kit& kit) {
    kit.style = in.below(KIT_STYLE_COUNT);
    kit.shirt1 = in.below(KIT_COLOUR_COUNT);
    kit.shirt2 = in.below(KIT_COLOUR_COUNT);
    kit.shorts = in.below(KIT_COLOUR_COUNT);
    kit.socks = in.below(KIT_COLOUR_COUNT);
}

t_saved_player saved(const t_player& p) { return {p.nr, p.pt, p.sk, p.ht, p.hc}; }

std::string stamp(const std::tm& t, const char* format) {
    char text[32];
    return std::strftime(text, sizeof text, format, &t) > 0 ? std::string(text) : std::string("unknown");
}
} // namespace

int t_highlight_file::count() const { return static_cast<int>(samples.size() / HIGHLIGHT_SLOT_BYTES); }

std::vector<uint8_t> encode_highlight_file(const t_highlight_file& file) {
    std::vector<uint8_t> out(MAGIC.begin(), MAGIC.end());
    put_word(out, HIGHLIGHT_FILE_VERSION);
    put_text(out, file.date);
    for (const int v : {file.pitch_type, file.time, file.sky, file.weather_effect, file.weather_intensity})
        put_byte(out, v);
    for (const t_saved_team& t : file.teams) {
        put_text(out, t.name);
        for (const int v : {t.kit.style, t.kit.shirt1, t.kit.shirt2, t.kit.shorts, t.kit.socks}) put_byte(out, v);
        for (const t_saved_player& p : t.players) {
            put_byte(out, p.nr);
            put_byte(out, p.pt);
            put_byte(out, p.sk);
            put_word(out, p.ht);
            put_byte(out, p.hc);
        }
    }
    put_byte(out, file.count());
    out.insert(out.end(), file.samples.begin(),
               file.samples.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(file.count()) *
                                                                   HIGHLIGHT_SLOT_BYTES));
    return out;
}

std::string decode_highlight_file(const std::vector<uint8_t>& bytes, t_highlight_file& out) {
    if (bytes.size() < MAGIC.size() || !std::equal(MAGIC.begin(), MAGIC.end(), bytes.begin()))
        return "not a highlights file";
    t_reader in(bytes);
    for (size_t k = 0; k < MAGIC.size(); ++k) in.byte();
    const int version = in.word();
    if (in.bad) return "truncated";
    if (version != HIGHLIGHT_FILE_VERSION)
        return "version " + std::to_string(version) + ", this game reads " + std::to_string(HIGHLIGHT_FILE_VERSION);
    t_highlight_file f;
    f.date = in.text();
    f.pitch_type = in.below(PITCH_TYPES);
    f.time = in.below(2);
    f.sky = in.below(2);
    f.weather_effect = in.below(WEATHER_KINDS);
    f.weather_intensity = in.below(3);
    for (t_saved_team& t : f.teams) {
        t.name = in.text();
        read_kit(in, t.kit);
        for (t_saved_player& p : t.players) {
            p.nr = in.byte();
            p.pt = in.below(ROLE_COUNT);
            p.sk = in.below(SKIN_COLOUR_COUNT);
            p.ht = in.word();
            p.hc = in.below(HAIR_COLOUR_COUNT);
        }
    }
    const int count = in.byte();
    if (in.bad) return "damaged or truncated header";
    if (count < 1 || count > static_cast<int>(HIGHLIGHT_SLOTS)) return "no highlights in it";
    const size_t expected = static_cast<size_t>(count) * HIGHLIGHT_SLOT_BYTES;
    if (in.left() < expected) return "truncated: " + std::to_string(count) + " highlights announced";
    if (in.left() > expected) return "unexpected bytes after the highlights";
    f.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(in.pos()), bytes.end());
    out = std::move(f);
    return "";
}

t_highlight_file current_match_highlights(const std::string& date) {
    t_highlight_file f;
    f.date = date;
    f.pitch_type = grass.grass_type;
    f.time = match_settings.time;
    f.sky = match_settings.sky;
    f.weather_effect = match_settings.weather_effect;
    f.weather_intensity = match_settings.weather_intensity;
    for (size_t t = 0; t < 2; ++t) {
        const t_team& team = *match_teams[t];
        t_saved_team& out = f.teams[t];
        out.name = team.name;
        const auto worn = static_cast<size_t>(team.kit);
        if (!team.kits.empty()) out.kit = team.kits[worn < team.kits.size() ? worn : 0];
        for (size_t slot = 1; slot <= out.players.size() && slot < match_players[t].size(); ++slot)
            if (match_players[t][slot]) out.players[slot - 1] = saved(*match_players[t][slot]);
    }
    const int kept = highlights_kept(highlights_count);
    for (int position = 0; position < kept; ++position) {
        const size_t a = highlight_play_offset(position, highlights_count);
        if (a + HIGHLIGHT_SLOT_BYTES > highlights_bank.size()) break;
        const auto from = highlights_bank.bytes().begin() + static_cast<std::ptrdiff_t>(a);
        f.samples.insert(f.samples.end(), from, from + static_cast<std::ptrdiff_t>(HIGHLIGHT_SLOT_BYTES));
    }
    return f;
}

std::string save_match_highlights(const std::string& folder, std::string& error) {
    if (highlights_count <= 0) {
        error = "no highlights recorded";
        return "";
    }
    error = create_writable_folder(folder);
    if (!error.empty()) return "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string base = folder + "/" + stamp(local, "%Y%m%d-%H%M%S");
    std::string path = base + ".qhl";
    // Two saves within the same second keep both files.
    for (int n = 2; file_type(path) != 0; ++n) path = base + "-" + std::to_string(n) + ".qhl";
    const t_highlight_file file = current_match_highlights(stamp(local, "%Y-%m-%d %H:%M:%S"));
    error = write_file_atomically(path, encode_highlight_file(file));
    return error.empty() ? writable_path(path) : "";
}
