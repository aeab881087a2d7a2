// Side-by-side drawing costs on memory bitmaps, interleaved in one run so machine noise hits both sides.
//
//   shift frame: the two strip pieces a frame draws   vs   recomposing the whole screen each frame
//   present:     the straight (ONE, ZERO) screen copy vs   a copy with the default blender
#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
ALLEGRO_BITMAP* screen;
ALLEGRO_BITMAP* canvas;
ALLEGRO_BITMAP* strip;

ALLEGRO_BITMAP* filled(int w, int h, ALLEGRO_COLOR colour)
{
    ALLEGRO_BITMAP* b = al_create_bitmap(w, h);
    al_set_target_bitmap(b);
    al_clear_to_color(colour);
    al_draw_filled_circle(w / 2.0f, h / 2.0f, h / 3.0f, al_map_rgb(200, 60, 40));
    return b;
}

void shiftFramePieces()
{
    al_set_target_bitmap(screen);
    const int k = 37, y = 400;
    al_draw_bitmap_region(strip, 0, 0, 900 - k, 100, 60 + k, y, 0);
    al_draw_bitmap_region(strip, 900 - k, 0, k, 100, 60, y, 0);
}

void recomposeScreen()
{
    al_set_target_bitmap(screen);
    al_draw_bitmap(canvas, 0, 0, 0);
}

void straightCopy()
{
    al_set_target_bitmap(screen);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_bitmap(canvas, 0, 0, 0);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
}

double secondsPer(const std::function<void()>& op, int reps)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < reps; ++i) op();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / reps;
}

void compare(const char* name, const std::function<void()>& a, const char* aName, const std::function<void()>& b,
             const char* bName, int reps)
{
    std::vector<double> ta, tb, ratio;
    for (int round = 0; round < 15; ++round) {
        ta.push_back(secondsPer(a, reps));
        tb.push_back(secondsPer(b, reps));
        ratio.push_back(tb.back() / ta.back());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("%-12s %-22s %8.3f ms   %-22s %8.3f ms   ratio %.1fx (median of 15 interleaved rounds)\n", name,
                aName, median(ta) * 1e3, bName, median(tb) * 1e3, median(ratio));
}
}  // namespace

int main()
{
    if (!al_init() || !al_init_primitives_addon()) return 1;
    screen = filled(1024, 768, al_map_rgb(0, 0, 0));
    canvas = filled(1024, 768, al_map_rgb(30, 40, 60));
    strip = filled(901, 100, al_map_rgb(90, 120, 30));
    compare("shift frame", shiftFramePieces, "two strip pieces", recomposeScreen, "whole screen redrawn", 20);
    compare("present", straightCopy, "straight copy", recomposeScreen, "blended copy", 20);
    return 0;
}
