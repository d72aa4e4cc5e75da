// Makes the unit pictures of the demo install folder from the demo catalogue:
//   make_demo_images <unitdata.csv> <install folder>
// writes <install folder>/Image/Ms_status/*.img (one picture per unit, the shield-less variant
// of every picture whose name ends in "s", and one picture per optional weapon row) and one file
// in <install folder>/Image/MsLFace/. Each picture is a simple figure in a colour of its own under
// a band of its faction's colour, with its own file name written across the bottom, so the demo
// shows which file the program chose.
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kSide = 256;               // the game's pictures are 256 x 256
constexpr int kHeaderSize = 144;         // header block before the run records
constexpr int kFieldCount = 88;          // fields of a catalogue line
constexpr int kFirstWeapon = 17;         // weapon k starts at column 17 + 10k
const std::string kOption = "\x81\x9B";  // "○" in code page 932: an optional weapon

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class Canvas {
public:
    Canvas() : pixels_(kSide * kSide) {}

    void Fill(int x, int y, int w, int h, Rgb colour) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (i >= 0 && i < kSide && j >= 0 && j < kSide) pixels_[j * kSide + i] = colour;
    }

    // A 5 x 7 glyph per character, each dot scale x scale pixels; unknown characters are blank.
    void Text(int x, int y, const std::string& text, int scale, Rgb colour) {
        for (char c : text) {
            const auto& glyph = Glyph(c);
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (glyph[row] & (0x10 >> col))
                        Fill(x + col * scale, y + row * scale, scale, scale, colour);
            x += 6 * scale;
        }
    }

    // The game's run-length form: after the header, 8-byte records of blue, green, red, an
    // unused byte, the run length (1 to 255) and three unused bytes, covering the pixels row by
    // row from the top left. A final record of length 0 closes the file, so a reader that leaves
    // out the last record draws the same picture.
    std::string ImgBytes() const {
        std::string bytes(kHeaderSize, '\0');
        const std::string magic = "VELMORA DEMO PICTURE";
        bytes.replace(0, magic.size(), magic);
        auto record = [&bytes](Rgb c, int length) {
            const char r[8] = {char(c.b), char(c.g), char(c.r), 0, char(length), 0, 0, 0};
            bytes.append(r, 8);
        };
        std::size_t i = 0;
        while (i < pixels_.size()) {
            std::size_t j = i + 1;
            while (j < pixels_.size() && j - i < 255 && pixels_[j] == pixels_[i]) ++j;
            record(pixels_[i], int(j - i));
            i = j;
        }
        record(Rgb{}, 0);
        return bytes;
    }

private:
    static const std::array<std::uint8_t, 7>& Glyph(char c) {
        static const std::array<std::uint8_t, 7> blank{};
        static const std::array<std::array<std::uint8_t, 7>, 10> digits{{
            {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E},
            {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
            {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},
            {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
            {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},
            {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
            {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},
            {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
            {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},
            {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
        }};
        static const std::array<std::array<std::uint8_t, 7>, 26> letters{{
            {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E},
            {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C},
            {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10},
            {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11},
            {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C},
            {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F},
            {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11},
            {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10},
            {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},
            {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04},
            {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04},
            {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},
            {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F},
        }};
        static const std::array<std::uint8_t, 7> underscore{0, 0, 0, 0, 0, 0, 0x1F};
        if (c >= '0' && c <= '9') return digits[c - '0'];
        if (c >= 'a' && c <= 'z') return letters[c - 'a'];
        if (c >= 'A' && c <= 'Z') return letters[c - 'A'];
        if (c == '_') return underscore;
        return blank;
    }

    std::vector<Rgb> pixels_;
};

struct Unit {
    std::string msNo;
    std::string army;
    std::string imageName;        // file name without ".img"; a trailing "s" means "with shield"
    std::string imageBase;        // the first two "_" parts of imageName
    std::vector<int> optionRows;  // weapon rows 1..7 whose detach mark is "○"
};

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!line.empty() && line.back() == separator) parts.emplace_back();
    return parts;
}

// The picture names as the program derives them from column 5 ("ms/vd_01_0s.img").
bool PictureNames(const std::string& field, Unit& unit) {
    const auto slash = field.find('/');
    if (slash == std::string::npos) return false;
    std::string file = field.substr(slash + 1);
    file = file.substr(0, file.find('/'));
    const auto dot = file.find('.');
    if (dot == std::string::npos || dot == 0) return false;
    unit.imageName = file.substr(0, dot);
    const auto parts = Split(unit.imageName, '_');
    if (parts.size() != 3) return false;
    unit.imageBase = parts[0] + "_" + parts[1];
    return true;
}

std::vector<Unit> ReadUnits(const fs::path& catalogue) {
    std::ifstream in(catalogue, std::ios::binary);
    std::vector<Unit> units;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (header || line.empty()) {
            header = false;
            continue;
        }
        const auto fields = Split(line, ',');
        if (fields.size() < kFieldCount) continue;
        Unit unit;
        unit.msNo = fields[0];
        unit.army = fields[1];
        if (!PictureNames(fields[5], unit)) continue;
        for (int k = 0; k < 7; ++k)
            if (fields[kFirstWeapon + 10 * k + 9] == kOption) unit.optionRows.push_back(k + 1);
        units.push_back(unit);
    }
    return units;
}

Rgb FactionColour(const std::string& army) {
    if (army == "EFSF") return {40, 90, 210};
    if (army == "ZEON") return {50, 150, 60};
    return {140, 140, 140};
}

// A body colour of the unit's own, spread over the hues by its MS number.
Rgb BodyColour(const std::string& msNo) {
    unsigned hash = 2166136261u;
    for (char c : msNo) hash = (hash ^ std::uint8_t(c)) * 16777619u;
    static const std::array<Rgb, 8> palette{{{230, 230, 235},
                                             {220, 200, 90},
                                             {200, 110, 60},
                                             {120, 170, 230},
                                             {160, 210, 120},
                                             {200, 140, 200},
                                             {150, 150, 170},
                                             {230, 160, 160}}};
    return palette[hash % palette.size()];
}

// Only the top-left 179 x 239 pixels show in the program's picture box; the figure stays there.
Canvas Picture(const Unit& unit, bool shield, int weaponRow, const std::string& fileName) {
    Canvas canvas;
    const Rgb body = BodyColour(unit.msNo);
    const Rgb dark{
        Rgb{std::uint8_t(body.r / 2), std::uint8_t(body.g / 2), std::uint8_t(body.b / 2)}};
    canvas.Fill(0, 0, kSide, 16, FactionColour(unit.army));
    canvas.Text(4, 3, unit.army.empty() ? "NONE" : unit.army, 1, {255, 255, 255});
    canvas.Text(140, 3, unit.msNo, 1, {255, 255, 255});
    canvas.Fill(78, 30, 24, 20, body);          // head
    canvas.Fill(84, 36, 12, 5, {240, 60, 60});  // eye
    canvas.Fill(62, 52, 56, 60, body);          // torso
    canvas.Fill(70, 60, 40, 10, dark);
    canvas.Fill(44, 54, 16, 56, body);  // arms
    canvas.Fill(120, 54, 16, 56, body);
    canvas.Fill(66, 114, 20, 72, body);  // legs
    canvas.Fill(94, 114, 20, 72, body);
    canvas.Fill(62, 182, 26, 8, dark);
    canvas.Fill(92, 182, 26, 8, dark);
    if (shield) {
        canvas.Fill(22, 66, 30, 50, {255, 255, 255});
        canvas.Fill(25, 69, 24, 44, {200, 40, 40});
        canvas.Fill(31, 113, 12, 8, {200, 40, 40});
    }
    if (weaponRow > 0) {
        canvas.Fill(128, 96, 48, 12, {90, 90, 100});
        canvas.Fill(164, 90, 12, 24, {90, 90, 100});
        canvas.Text(132, 98, std::to_string(weaponRow), 1, {255, 220, 0});
    }
    canvas.Text(4, 204, fileName, 2, {255, 255, 255});
    return canvas;
}

bool Save(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) std::cerr << "cannot write " << path << '\n';
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_demo_images <unitdata.csv> <install folder>\n";
        return 2;
    }
    const std::vector<Unit> units = ReadUnits(argv[1]);
    if (units.empty()) {
        std::cerr << "no unit with a picture in " << argv[1] << '\n';
        return 1;
    }
    const fs::path install = argv[2];
    const fs::path status = install / "Image" / "Ms_status";
    const fs::path faces = install / "Image" / "MsLFace";
    std::error_code error;
    fs::create_directories(status, error);
    fs::create_directories(faces, error);
    if (error) {
        std::cerr << "cannot make " << status << ": " << error.message() << '\n';
        return 1;
    }

    bool ok = true;
    int written = 0;
    auto write = [&](const Unit& unit, const std::string& name, bool shield, int weaponRow) {
        ok =
            Save(status / (name + ".img"), Picture(unit, shield, weaponRow, name).ImgBytes()) && ok;
        ++written;
    };
    for (const Unit& unit : units) {
        const bool hasShieldVariant = unit.imageName.back() == 's';
        write(unit, unit.imageName, hasShieldVariant, 0);
        if (hasShieldVariant)
            write(unit, unit.imageName.substr(0, unit.imageName.size() - 1), false, 0);
        for (int row : unit.optionRows) {
            const std::string name = unit.imageBase + "_" + std::to_string(row);
            write(unit, name, false, row);
            if (hasShieldVariant) write(unit, name + "s", true, row);
        }
    }
    Unit face;
    face.msNo = "FACE";
    ok = Save(faces / "face_demo.img", Picture(face, false, 0, "face").ImgBytes()) && ok;
    std::cout << "wrote " << written << " pictures to " << status.string() << '\n';
    return ok ? 0 : 1;
}
