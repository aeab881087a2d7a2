// Produces media/: fonts with their licence, tekst.txt, the sprite sheet, the backgrounds and the cursor.
#include "media.h"

#include "atlas_sheet.h"
#include "scenes.h"
#include "texts.h"
#include "widgets.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace art {
namespace {

// The game's fonts are DejaVu Sans and DejaVu Sans Bold, under the file names the game loads.
const char* const fontSourceDir = "/usr/share/fonts/truetype/dejavu/";
const char* const fontLicence = "/usr/share/doc/fonts-dejavu-core/copyright";
constexpr int cursorSize = 32;

bool copyFile(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) {
        // Without the system package a font already in media/ is kept as it is.
        std::ifstream existing(to, std::ios::binary);
        if (existing) return true;
        std::fprintf(stderr, "plexaro-artgen: cannot read %s (install fonts-dejavu-core)\n", from.c_str());
        return false;
    }
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    return static_cast<bool>(out);
}

bool save(const Image& img, const std::string& path) {
    if (savePng(img, path)) return true;
    std::fprintf(stderr, "plexaro-artgen: cannot write %s\n", path.c_str());
    return false;
}

// The finale foreground is drawn masked, so its empty parts must be exactly the mask colour.
Image masked(const Image& img) {
    Image out(img.w, img.h);
    out.fill({1.0f, 0.0f, 1.0f});
    flattenOnto(out, img, 0, 0, rgb(14, 24, 34));
    return out;
}

}  // namespace

bool writeMedia(const std::string& dir) {
    const std::string pictures = dir + "/grafika";
    std::error_code ec;
    std::filesystem::create_directories(pictures, ec);
    bool ok = copyFile(std::string(fontSourceDir) + "DejaVuSans.ttf", dir + "/verdana.ttf");
    ok = copyFile(std::string(fontSourceDir) + "DejaVuSans-Bold.ttf", dir + "/verdanab.ttf") && ok;
    ok = copyFile(fontLicence, dir + "/FONTS-LICENSE.txt") && ok;
    if (!writeTextFile(dir + "/tekst.txt")) {
        std::fprintf(stderr, "plexaro-artgen: cannot write %s/tekst.txt\n", dir.c_str());
        ok = false;
    }
    if (!ok) return false;

    Fonts fonts(dir);
    if (!fonts.regular(20) || !fonts.bold(20)) {
        std::fprintf(stderr, "plexaro-artgen: cannot load the fonts in %s\n", dir.c_str());
        return false;
    }
    ok = save(buildAtlas(fonts), pictures + "/plx_abc.png");
    ok = save(introBackground(fonts), pictures + "/plx_wstep.png") && ok;
    ok = save(playBackground(fonts), pictures + "/plx_tlo.png") && ok;
    ok = save(masked(finaleForeground()), pictures + "/plx_tlo1.png") && ok;
    ok = save(masked(cursorArrow(cursorSize)), pictures + "/plx_strzalka.png") && ok;
    return ok;
}

}  // namespace art
