// Tests of the progress file and the text file, on real files in a scratch directory.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "files/progress.h"
#include "files/textfile.h"
#include "harness.h"
#include "shell/records.h"

class Files : public GameTest {
protected:
    void write(const std::string& path, const std::string& bytes)
    {
        std::remove(path.c_str());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
};

TEST_F(Files, ProgressReadsBackWhatWasStored)
{
    struct Case {
        const char* bytes;
        int level, speed;
    };
    const Case cases[] = {
        {"861 3\n", 7, 3},   {"123 1", 1, 1},       {"246\n4", 2, 4},       {"  500\t\t5  junk", 4, 5},
        {"3075 2", 25, 2},   {"3197 2", 25, 2},     {"3198 4\n", 1, 4},     {"122 5", 1, 5},
        {"-246 5", 1, 5},    {"", 1, 3},            {"abc 4", 1, 3},        {"861", 7, 3},
        {"861 x", 7, 3},     {"861 0", 7, 0},       {"861 9", 7, 9},        {"99999999999 4", 1, 3},
        {"861 -3", 7, 3},    {"861 4000000", 7, 3},
    };
    for (const Case& c : cases) {
        write("media/data.txt", c.bytes);
        game = GameState{};
        game.level = 1;
        loadProgress();
        EXPECT_EQ(game.level, c.level) << '"' << c.bytes << '"';
        EXPECT_EQ(game.speed, c.speed) << '"' << c.bytes << '"';
    }
    std::remove("media/data.txt");
    game.level = 1;
    loadProgress();
    EXPECT_EQ(game.level, 1);
    EXPECT_EQ(game.speed, 2);  // no file at all
}

TEST_F(Files, ProgressIsOneLineAndLevelIsKept)
{
    game.level = 7;
    game.speed = 3;
    saveProgress();
    EXPECT_EQ(read("media/data.txt"), "861 3\n");
    EXPECT_EQ(game.level, 7);
    game.level = 26;
    game.speed = 5;
    saveProgress();
    EXPECT_EQ(read("media/data.txt"), "3198 5\n");
    EXPECT_FALSE(fileExists("media/data.txt.new"));
}

TEST_F(Files, AFailedSaveKeepsTheLastProgress)
{
    // The fresh file cannot be created (a directory holds its name): nothing is lost, nothing crashes.
    write("media/data.txt", "246 4\n");
    mkdir("media/data.txt.new", 0755);
    game.level = 9;
    game.speed = 1;
    saveProgress();
    EXPECT_EQ(read("media/data.txt"), "246 4\n");
    EXPECT_EQ(game.level, 9);
    rmdir("media/data.txt.new");
}

TEST_F(Files, TextLinesLandInTheirSlots)
{
    ownMediaFile("media/tekst.txt");
    std::string lf, crlf;
    for (int n = 0; n < 47; ++n) {
        const std::string line = "linia " + std::to_string(n) + (n == 3 ? " zażółć" : "");
        lf += line + "\n";
        crlf += line + "\r\n";
    }
    write("media/tekst.txt", lf);
    loadTextLines();
    const auto fromLf = game.textLines;
    EXPECT_EQ(fromLf[46], "linia 46");
    EXPECT_EQ(fromLf[3], "linia 3 zażółć");
    EXPECT_EQ(fromLf[47], "");  // the read after the last line feed finds nothing
    game = GameState{};
    write("media/tekst.txt", crlf);
    loadTextLines();
    EXPECT_EQ(game.textLines, fromLf);
}

TEST_F(Files, TextFileEdgeShapes)
{
    ownMediaFile("media/tekst.txt");
    write("media/tekst.txt", "a\n\nc");  // empty middle line keeps the numbering; last line without line feed
    loadTextLines();
    EXPECT_EQ(game.textLines[0], "a");
    EXPECT_EQ(game.textLines[1], "");
    EXPECT_EQ(game.textLines[2], "c");
    std::string many;
    for (int n = 0; n < 80; ++n) many += "x" + std::to_string(n) + "\n";
    write("media/tekst.txt", many);
    loadTextLines();
    EXPECT_EQ(game.textLines[49], "x49");  // nowhere to put line 51 and later
    // A missing file or a directory under that name leaves the slots empty and returns.
    game = GameState{};
    std::remove("media/tekst.txt");
    loadTextLines();
    EXPECT_EQ(game.textLines[0], "");
    mkdir("media/tekst.txt", 0755);
    loadTextLines();
    EXPECT_EQ(game.textLines[1], "");
}
