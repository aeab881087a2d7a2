// Checks the fonts and media/tekst.txt: Polish letters render, every line is valid UTF-8 and fits its place.
#include <gtest/gtest.h>

#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <sstream>

#include "art_support.h"

using namespace arttest;

namespace {

const char* const polishLetters[] = {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż",
                                     "Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"};

using FontPtr = std::unique_ptr<ALLEGRO_FONT, void (*)(ALLEGRO_FONT*)>;

FontPtr loadFont(const char* file, int size) {
    startAllegro();
    return FontPtr(al_load_ttf_font(file, size, 0), al_destroy_font);
}

// Decodes one UTF-8 sequence; returns its length, or 0 when it is malformed or overlong.
size_t utf8Sequence(const std::string& s, size_t i, int& codepoint) {
    unsigned char c = s[i];
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    codepoint = n == 1 ? c : c & (0x7f >> n);
    for (size_t k = 1; k < n; ++k) {
        unsigned char d = s[i + k];
        if ((d & 0xc0) != 0x80) return 0;
        codepoint = codepoint << 6 | (d & 0x3f);
    }
    const int least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codepoint < least[n] || codepoint > 0x10ffff || (codepoint >= 0xd800 && codepoint < 0xe000)) return 0;
    return n;
}

std::vector<std::string> textLines() {
    std::string all = readFile(textFile);
    std::vector<std::string> lines;
    std::stringstream ss(all);
    for (std::string s; std::getline(ss, s);) lines.push_back(s);
    return lines;
}

TEST(FontsTest, BothFontsRenderEveryPolishLetter) {
    for (const char* file : {regularFontFile, boldFontFile})
        for (int size : {18, 20, 24}) {
            FontPtr f = loadFont(file, size);
            ASSERT_TRUE(f) << file;
            for (const char* letter : polishLetters) {
                int cp = 0;
                ASSERT_GT(utf8Sequence(letter, 0, cp), 0u);
                int bx, by, bw, bh;
                EXPECT_TRUE(al_get_glyph_dimensions(f.get(), cp, &bx, &by, &bw, &bh)) << file << " " << letter;
                EXPECT_GT(bw, 0) << file << " " << letter;
                EXPECT_GT(al_get_text_width(f.get(), letter), 0) << file << " " << letter;
            }
        }
}

TEST(FontsTest, BoldAndRegularAreDifferentFacesWithTheirLicence) {
    EXPECT_NE(readFile(regularFontFile), readFile(boldFontFile));
    std::string licence = readFile("media/FONTS-LICENSE.txt");
    EXPECT_NE(licence.find("DejaVu"), std::string::npos);
    EXPECT_NE(licence.find("Bitstream"), std::string::npos);
}

TEST(TextFileTest, IsValidUtf8WithLineFeedsOnly) {
    std::string all = readFile(textFile);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.find('\r'), std::string::npos);
    EXPECT_EQ(all.back(), '\n');
    for (size_t i = 0; i < all.size();) {
        int cp = 0;
        size_t n = utf8Sequence(all, i, cp);
        ASSERT_GT(n, 0u) << "bad UTF-8 at byte " << i;
        i += n;
    }
    EXPECT_GE(textLines().size(), 47u);
}

TEST(TextFileTest, ShownLinesAreWrittenWithPolishLetters) {
    std::vector<std::string> lines = textLines();
    ASSERT_GE(lines.size(), 47u);
    std::set<std::string> seen;
    for (size_t slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34,
                        35, 36, 37, 38, 41, 42, 43, 44, 45, 46})
        for (const char* letter : polishLetters)
            if (lines[slot].find(letter) != std::string::npos) seen.insert(letter);
    EXPECT_GE(seen.size(), 7u) << "the texts read as Polish without its letters";
}

struct Place {
    const char* what;
    size_t first, last;  // slots
    const char* fontFile;
    int size;
    int maxWidth;       // pixels; 0 for the intro's 13 pixels per byte
    size_t minFilled;   // slots of the range that must have text
};

const Place places[] = {
    {"intro", 1, 9, regularFontFile, 20, 0, 9},
    {"instructions", 20, 38, boldFontFile, 18, 800, 15},
    {"level groups", 41, 45, boldFontFile, 18, 500, 5},
    {"finale banner", 46, 46, boldFontFile, 20, 480, 1},
};

TEST(TextFileTest, EveryLineFitsWhereItIsDrawn) {
    std::vector<std::string> lines = textLines();
    ASSERT_GE(lines.size(), 47u);
    for (const Place& p : places) {
        FontPtr f = loadFont(p.fontFile, p.size);
        ASSERT_TRUE(f) << p.fontFile;
        size_t filled = 0;
        for (size_t slot = p.first; slot <= p.last; ++slot) {
            const std::string& s = lines[slot];
            filled += !s.empty();
            int width = al_get_text_width(f.get(), s.c_str());
            // The intro is uncovered 13 pixels per byte; anything wider is cut off while it types.
            int limit = p.maxWidth ? p.maxWidth : static_cast<int>(13 * s.size());
            EXPECT_LE(width, limit) << p.what << " slot " << slot << ": " << s;
        }
        EXPECT_GE(filled, p.minFilled) << p.what;
    }
}

TEST(TextFileTest, InstructionsExplainTheGame) {
    std::vector<std::string> lines = textLines();
    ASSERT_GE(lines.size(), 39u);
    std::string page;
    for (size_t slot = 20; slot <= 38; ++slot) page += lines[slot] + "\n";
    std::string lower = page;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    // What a first-time player needs: the move, the goal, the counter, speed, the ways out, saving.
    for (const char* topic : {"mysz", "rząd", "kolumn", "wzór", "licznik", "speed", "klawisz s", "1", "5", "esc",
                              "prawym górnym", "zapisuje"})
        EXPECT_NE(lower.find(topic), std::string::npos) << "instructions never mention \"" << topic << "\"";
}

}  // namespace
