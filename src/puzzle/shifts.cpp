// Row and column shifts: strip snapshot from canvas, 100 sliding frames with a click, rotation, redraw.
#include "shifts.h"

#include <algorithm>

#include "../audio/music.h"
#include "../screens/atlas.h"
#include "../screens/sprites.h"
#include "../shell/display.h"
#include "../shell/records.h"
#include "grid.h"

static constexpr int columnLength = cellSize * boardRows;    // 500
static constexpr int rowLength = cellSize * boardColumns;    // 900

// Never shift a line that is not on the board, whatever index the pointer gave.
static int lineIndex(int lines) { return std::clamp(game.selectedLine, 0, lines - 1); }

static void drawStrip(ALLEGRO_BITMAP* strip, int sx, int sy, int w, int h, int dx, int dy)
{
    al_draw_bitmap_region(strip, sx, sy, w, h, dx, dy, 0);
}

using PieceDrawer = void (*)(int k, int x, int y);

static void columnDownPieces(int k, int x, int)
{
    drawStrip(resources.columnStrip, 0, 0, cellSize, columnLength - k, x, boardTop + k);
    drawStrip(resources.columnStrip, 0, columnLength - k, cellSize, k, x, boardTop);
}
static void columnUpPieces(int k, int x, int)
{
    drawStrip(resources.columnStrip, 0, k, cellSize, columnLength - k, x, boardTop);
    drawStrip(resources.columnStrip, 0, 0, cellSize, k, x, boardTop + columnLength - k);
}
static void rowRightPieces(int k, int, int y)
{
    drawStrip(resources.rowStrip, 0, 0, rowLength - k, cellSize, boardLeft + k, y);
    drawStrip(resources.rowStrip, rowLength - k, 0, k, cellSize, boardLeft, y);
}
static void rowLeftPieces(int k, int, int y)
{
    drawStrip(resources.rowStrip, k, 0, rowLength - k, cellSize, boardLeft, y);
    drawStrip(resources.rowStrip, 0, 0, k, cellSize, boardLeft + rowLength - k, y);
}

static void animate(PieceDrawer pieces, int x, int y, int clickFrame)
{
    selectScreen();
    for (int k = 1; k <= shiftFrames; ++k) {
        pieces(k, x, y);
        if (k == clickFrame) playClick();
        presentScreen();
        restFor(shiftRestPerSpeed * game.speed);
    }
}

// A column or a row: its strip, how many lines there are, where line n sits and what the frame clicks on.
struct LineShape {
    ALLEGRO_BITMAP* GameResources::*strip;
    int lines, width, height, clickFrame;
    bool column;
};
static constexpr LineShape columnShape{&GameResources::columnStrip, boardColumns, cellSize, columnLength, columnClickFrame, true};
static constexpr LineShape rowShape{&GameResources::rowStrip, boardRows, rowLength, cellSize, rowClickFrame, false};

static void shiftLine(const LineShape& shape, PieceDrawer pieces, void (*rotate)(Grid&, int))
{
    const int line = lineIndex(shape.lines);
    const int x = shape.column ? boardLeft + cellSize * line : boardLeft;
    const int y = shape.column ? boardTop : boardTop + cellSize * line;
    al_set_target_bitmap(resources.*shape.strip);
    al_draw_bitmap_region(resources.canvas, x, y, shape.width, shape.height, 0, 0, 0);
    animate(pieces, x, y, shape.clickFrame);
    rotate(game.board, line);
    redrawBoard();
}

void shiftColumnDown() { shiftLine(columnShape, columnDownPieces, rotateColumnDown); }
void shiftColumnUp() { shiftLine(columnShape, columnUpPieces, rotateColumnUp); }
void shiftRowRight() { shiftLine(rowShape, rowRightPieces, rotateRowRight); }
void shiftRowLeft() { shiftLine(rowShape, rowLeftPieces, rotateRowLeft); }

void redrawBoard()
{
    al_set_target_bitmap(resources.canvas);
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) drawTile(game.board[cellIndex(c, r)], c, r);
    selectScreen();
}
