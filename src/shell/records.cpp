// The one instance of each game record, and the rule for re-pointing bitmap slots.
#include "records.h"

GameResources resources;
GameState game;

static ALLEGRO_BITMAP** const bitmapSlots[] = {
    &resources.canvas, &resources.backdrop, &resources.rowStrip, &resources.columnStrip, &resources.pageA,
    &resources.pageB,  &resources.atlas,    &resources.pageC,    &resources.cursorImage,
};

bool bitmapInUse(const ALLEGRO_BITMAP* bitmap)
{
    for (ALLEGRO_BITMAP** slot : bitmapSlots)
        if (*slot == bitmap) return true;
    return false;
}

void repointBitmap(ALLEGRO_BITMAP*& slot, ALLEGRO_BITMAP* bitmap)
{
    ALLEGRO_BITMAP* dropped = slot;
    slot = bitmap;
    if (dropped && dropped != bitmap && !bitmapInUse(dropped)) al_destroy_bitmap(dropped);
}
