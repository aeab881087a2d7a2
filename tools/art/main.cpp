// plexaro-artgen: writes the game's media (pictures, fonts, texts), or previews of its screens made from them.
#include "media.h"
#include "preview.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: plexaro-artgen <media-dir>             write every generated media file\n"
                 "       plexaro-artgen --preview <out-dir>     compose screen previews from ./media\n");
    return 2;
}

bool startAllegro() {
    // Everything is drawn into memory bitmaps; no window is ever opened.
    if (!al_init() || !al_init_image_addon() || !al_init_font_addon() || !al_init_ttf_addon() ||
        !al_init_primitives_addon())
        return false;
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
    if (!preview && argc != 2) return usage();
    if (!preview && argv[1][0] == '-') return usage();
    if (!startAllegro()) {
        std::fprintf(stderr, "plexaro-artgen: cannot start Allegro\n");
        return 1;
    }
    bool ok = preview ? art::writePreviews("media", argv[2]) : art::writeMedia(argv[1]);
    return ok ? 0 : 1;
}
