#include "football/team_file.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/text.hpp"
#include "football/colour.hpp"
#include "football/price.hpp"
#include "football/safe_save.hpp"
#include "football/tactics.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

namespace {
constexpr size_t VALUE_COLUMN = 10; // values start in column 11
constexpr int MAX_SHIRT_NUMBER = 99;

// One fixed column: where it starts (0-based), how wide it is written and how much of it is read back.
struct t_column {
    size_t first;
    size_t width;
    size_t read;
};

// The values of the lines above the kits: the whole rest of the line, the country its first three letters.
constexpr t_column VALUE_TEXT{VALUE_COLUMN, std::string::npos, std::string::npos};
constexpr t_column COUNTRY_COLUMN{VALUE_COLUMN, 3, 3};

// The kit numbers (style, shirt 1, shirt 2, shorts, socks) stand in columns of this shape side by side.
constexpr t_column KIT_COLUMN{VALUE_COLUMN, 7, 2};
// A kit line counts when its first two fields hold anything.
constexpr size_t KIT_PRESENCE_WIDTH = 2 * KIT_COLUMN.width;
constexpr t_column kit_column(size_t field) {
    return {KIT_COLUMN.first + field * KIT_COLUMN.width, KIT_COLUMN.width, KIT_COLUMN.read};
}

// The player line, in the order the columns stand, then the seven skills.
enum t_player_field : size_t { NR, NAME, SURNAME, NAT, ROLE, HAIR_TYPE, HAIR_COLOUR, SKIN, PRICE, PLAYER_FIELDS };
constexpr std::array<t_column, PLAYER_FIELDS> PLAYER_COLUMNS = {{
    {VALUE_COLUMN, 8, 8}, // NR
    {18, 14, 14},         // NAME
    {32, 14, 14},         // SURNAME
    {46, 6, 3},           // NAT
    {52, 6, 2},           // ROLE
    {58, 6, 3},           // HAIR_TYPE
    {64, 6, 2},           // HAIR_COLOUR
    {70, 6, 2},           // SKIN
    {76, 6, 2},           // PRICE
}};
constexpr size_t SKILL_FIELDS = 7;
// A skill is its digit and "*" or a blank, then two blanks.
constexpr t_column SKILL_COLUMN{82, 4, 2};
constexpr t_column skill_column(size_t skill) {
    return {SKILL_COLUMN.first + skill * SKILL_COLUMN.width, SKILL_COLUMN.width, SKILL_COLUMN.read};
}

// Each column begins where the one before it ends, so what the writer puts down the reader finds.
constexpr bool player_columns_adjoin() {
    for (size_t i = 1; i < PLAYER_COLUMNS.size(); ++i)
        if (PLAYER_COLUMNS[i].first != PLAYER_COLUMNS[i - 1].first + PLAYER_COLUMNS[i - 1].width) return false;
    return PLAYER_COLUMNS.back().first + PLAYER_COLUMNS.back().width == SKILL_COLUMN.first;
}
static_assert(player_columns_adjoin());

const char* const KIT_LABELS[MAX_KITS] = {"Home      ", "Away      ", "Third     ", "Change1   ", "Change2   "};
const char* const KITS_HEADER = "KITS______Type___First__Second_Shorts_Socks";
const char* const PLAYERS_HEADER =
    "PLAYERS___Number__Name__________Surname_______Nat___Role__HType_HCol__Skin__Price_PA__SH__HE__TA__BC__SP__FI";

// Columns of a line are counted on the raw bytes, as the file is 8-bit.
std::string columns(const std::string& line, size_t first, size_t count) {
    if (first >= line.size()) return "";
    return line.substr(first, count);
}

std::string columns(const std::string& line, const t_column& column) {
    return columns(line, column.first, column.read);
}

int column_int(const std::string& line, const t_column& column) { return parse_leading_int(columns(line, column)); }

// A number outside its range would index past the game's tables later on.
int column_int(const std::string& line, const t_column& column, int low, int high) {
    return std::clamp(column_int(line, column), low, high);
}

std::string column_text(const std::string& line, const t_column& column) {
    return latin1_to_utf8(trim(columns(line, column)));
}

std::string value_text(const std::string& line) { return column_text(line, VALUE_TEXT); }

int header_number(const std::string& rest_of_line) {
    // The "#" has been consumed, so columns 11-13 are characters 9..11 here.
    return parse_leading_int(columns(rest_of_line, 9, 3));
}

std::string padded(const std::string& text, size_t width) {
    std::string s = text.substr(0, width);
    s.append(width - s.size(), ' ');
    return s;
}

std::string latin1_field(const std::string& utf8, size_t width) { return padded(utf8_to_latin1(utf8), width); }

std::string skill_text(int skill) {
    std::string s(1, static_cast<char>('0' + (skill & SKILL_VALUE_MASK)));
    s += (skill & SKILL_STAR) != 0 ? "*" : " ";
    return padded(s, SKILL_COLUMN.width);
}

void read_block(t_stream& in, t_team& team) {
    team.country = latin1_to_utf8(columns(in.read_line(), COUNTRY_COLUMN));
    team.national = is_confederation_code(team.country) ? 1 : 0;
    team.name = value_text(in.read_line());
    team.tactics = column_int(in.read_line(), VALUE_TEXT, 0, TACTICS_SLOTS - 1);
    team.division = column_int(in.read_line(), VALUE_TEXT);
    team.coach_name = value_text(in.read_line());
    in.read_line();
    team.city = value_text(in.read_line());
    team.stadium = value_text(in.read_line());
    for (int i = 0; i < 3; ++i) in.read_line();

    team.kit_count = 0;
    team.kits.clear();
    for (int k = 0; k < MAX_KITS; ++k) {
        const std::string line = in.read_line();
        if (trim(columns(line, VALUE_COLUMN, KIT_PRESENCE_WIDTH)).empty()) continue;
        t_kit* kit = team.new_kit();
        if (kit == nullptr) continue;
        kit->style = column_int(line, kit_column(0), 0, KIT_STYLE_COUNT - 1);
        kit->shirt1 = column_int(line, kit_column(1), 0, KIT_COLOUR_COUNT - 1);
        kit->shirt2 = column_int(line, kit_column(2), 0, KIT_COLOUR_COUNT - 1);
        kit->shorts = column_int(line, kit_column(3), 0, KIT_COLOUR_COUNT - 1);
        kit->socks = column_int(line, kit_column(4), 0, KIT_COLOUR_COUNT - 1);
    }
    for (int i = 0; i < 4; ++i) in.read_line();

    team.players.clear();
    team.size = 0;
    while (!in.eof()) {
        const std::string line = in.read_line();
        if (line.empty()) break;
        auto p = team.new_player();
        if (!p) continue; // a squad over the limit: the extra lines are dropped
        p->nr = column_int(line, PLAYER_COLUMNS[NR], 0, MAX_SHIRT_NUMBER);
        p->name = column_text(line, PLAYER_COLUMNS[NAME]);
        p->surname = column_text(line, PLAYER_COLUMNS[SURNAME]);
        p->nat = column_text(line, PLAYER_COLUMNS[NAT]);
        p->pt = column_int(line, PLAYER_COLUMNS[ROLE], 0, ROLE_COUNT - 1);
        p->ht = hair_type_index(column_int(line, PLAYER_COLUMNS[HAIR_TYPE]));
        p->hc = column_int(line, PLAYER_COLUMNS[HAIR_COLOUR], 0, HAIR_COLOUR_COUNT - 1);
        p->sk = column_int(line, PLAYER_COLUMNS[SKIN], 0, SKIN_COLOUR_COUNT - 1);
        p->price = column_int(line, PLAYER_COLUMNS[PRICE], 0, PRICE_COUNT - 1);
        const std::array<int*, SKILL_FIELDS> skills = {&p->pa, &p->sh, &p->he, &p->ta, &p->bc, &p->sp, &p->fi};
        for (size_t s = 0; s < SKILL_FIELDS; ++s) {
            const std::string cell = columns(line, skill_column(s));
            const int value = std::clamp(parse_leading_int(cell.substr(0, 1)), 0, SKILL_VALUE_MASK);
            *skills[s] = value + (cell.size() > 1 && cell[1] == '*' ? SKILL_STAR : 0);
        }
        if (p->is_goalkeeper()) p->skill_keeper = p->price / 7;
        p->goals = 0;
        p->health = 0;
        p->order_skills();
    }
}

void write_block(t_stream& out, t_team& team) {
    out.write_line("Country  :" + utf8_to_latin1(team.country).substr(0, COUNTRY_COLUMN.width));
    out.write_line("Name     :" + utf8_to_latin1(team.name));
    out.write_line("Tactics  :" + std::to_string(team.tactics));
    out.write_line("Division :" + std::to_string(team.division));
    out.write_line("CoachName:" + utf8_to_latin1(team.coach_name));
    out.write_line("CoachType:0");
    out.write_line("City     :" + utf8_to_latin1(team.city));
    out.write_line("Stadium  :" + utf8_to_latin1(team.stadium));
    out.write_line("StadiumID:0");
    out.write_line("");
    out.write_line(KITS_HEADER);
    for (size_t k = 0; k < MAX_KITS; ++k) {
        std::string line = KIT_LABELS[k];
        const bool present = k < team.kits.size() && (k < 3 || static_cast<int>(k) < team.kit_count);
        if (present) {
            const t_kit& kit = team.kits[k];
            for (const int v : {kit.style, kit.shirt1, kit.shirt2, kit.shorts, kit.socks})
                line += padded(std::to_string(v), KIT_COLUMN.width);
        }
        out.write_line(line);
    }
    out.write_line("Goalie1   0      0      0      0      0");
    out.write_line("Goalie2   0      0      0      0      0");
    out.write_line("");
    out.write_line(PLAYERS_HEADER);
    int count = 0;
    for (const auto& p : team.players) {
        if (p->is_goalkeeper()) p->pa = p->sh = p->he = p->ta = p->bc = p->sp = p->fi = 0;
        char head[32];
        std::snprintf(head, sizeof head, "%02d:       ", ++count);
        std::string line = head;
        line += padded(std::to_string(p->nr), PLAYER_COLUMNS[NR].width);
        line += latin1_field(p->name, PLAYER_COLUMNS[NAME].width);
        line += latin1_field(p->surname, PLAYER_COLUMNS[SURNAME].width);
        line += latin1_field(p->nat, PLAYER_COLUMNS[NAT].width);
        line += padded(std::to_string(p->pt), PLAYER_COLUMNS[ROLE].width);
        line += padded(std::to_string(hair_type_codes.at(static_cast<size_t>(p->ht))), PLAYER_COLUMNS[HAIR_TYPE].width);
        line += padded(std::to_string(p->hc), PLAYER_COLUMNS[HAIR_COLOUR].width);
        line += padded(std::to_string(p->sk), PLAYER_COLUMNS[SKIN].width);
        line += padded(std::to_string(p->price), PLAYER_COLUMNS[PRICE].width);
        for (const int s : {p->pa, p->sh, p->he, p->ta, p->bc, p->sp, p->fi}) line += skill_text(s);
        out.write_line(line);
    }
    out.write_line("");
}
} // namespace

std::string team_file_path(const std::string& ext) { return "data/team_" + ext + ".qst"; }
std::string team_backup_path(const std::string& ext) { return "data/team_" + ext + ".qs0"; }

int parse_leading_int(const std::string& field) {
    const std::string t = trim(field);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    long value = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9' && value < 100000000) value = value * 10 + (t[i++] - '0');
    return static_cast<int>(negative ? -value : value);
}

void load_team(t_team& team) {
    team.ext = to_lower_ascii(team.ext);
    const std::string path = team_file_path(team.ext);
    auto in = read_file(path);
    if (!in) runtime_error("Invalid team file: " + path);
    team.size = 0;
    team.players.clear();
    team.kit_count = 0;
    team.kits.clear();
    while (!in->eof()) {
        if (in->read_byte() != '#') continue;
        if (header_number(in->read_line()) == team.number) read_block(*in, team);
    }
}

namespace {
// Every byte of the backup, with this team's block rewritten.
void write_team_blocks(t_stream& in, t_stream& out, t_team& team) {
    while (!in.eof()) {
        const uint8_t b = in.read_byte();
        out.write_byte(b);
        if (b != '#') continue;
        const std::string rest = in.read_line();
        out.write_line(rest);
        if (header_number(rest) != team.number) continue;
        write_block(out, team);
        out.write_line("");
        out.write_line("");
        while (!in.eof()) {
            const uint8_t skipped = in.read_byte();
            if (skipped == '#') {
                in.seek(in.position() - 1);
                break;
            }
        }
    }
}
} // namespace

std::string try_save_team(t_team& team) {
    const std::string backup = team_backup_path(to_lower_ascii(team.ext));
    auto in = read_file(backup);
    if (!in) return backup + ": " + std::strerror(errno);
    return save_replacing_reporting(team_file_path(to_lower_ascii(team.ext)),
                                    [&](t_stream& out) { write_team_blocks(*in, out, team); });
}

void save_team(t_team& team) {
    if (!read_file(team_backup_path(to_lower_ascii(team.ext))))
        runtime_error("Function save_team: cannot access file team." + team.ext + ".qs0");
    if (!try_save_team(team).empty()) runtime_error("Function save_team:  cannot save file team_" + team.ext + ".qst");
}

void copy_text_file(const std::string& source, const std::string& target) {
    auto in = read_file(source);
    if (!in) runtime_error("Cannot read:" + source);
    if (!save_replacing(target, [&](t_stream& out) {
            while (!in->eof()) out.write_line(in->read_line());
        }))
        runtime_error("Cannot save:" + target);
}
