// Drawing one atlas region or one backdrop patch onto the current target.
#include "sprites.h"

#include <allegro5/allegro_primitives.h>

#include "../shell/records.h"

void drawSprite(const Region& region, int x, int y)
{
    al_draw_bitmap_region(resources.atlas, region.x, region.y, region.w, region.h, x, y, 0);
}

void drawBackdropPatch(const Region& patch)
{
    al_draw_bitmap_region(resources.backdrop, patch.x, patch.y, patch.w, patch.h, patch.x, patch.y, 0);
}

void darkenCurrentTarget(unsigned char alpha)
{
    al_draw_filled_rectangle(0, 0, screenWidth, screenHeight, al_map_rgba(12, 12, 12, alpha));
}

void drawTile(int v, int c, int r)
{
    drawSprite(tileSprite(v), boardLeft + cellSize * c, boardTop + cellSize * r);
}
