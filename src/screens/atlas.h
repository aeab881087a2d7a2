// Where every sprite of the atlas and every background patch lives, and where each lands on screen.
#pragma once

struct Region {
    int x, y, w, h;
};
struct Point {
    int x, y;
};

// Sprite sheet regions (source rectangles in media/grafika/plx_abc.png).
// Tile value v sits at (100 * v, 30); the wide 101 x 101 read also takes the first
// column of the next tile and the row below, which stay visible at x 960 and y 700.
constexpr int tileSpriteX0 = 0;
constexpr int tileSpriteY = 30;
constexpr int tileSpritePitch = 100;
constexpr int tileSpriteSize = 100;
constexpr int tileSpriteWideSize = 101;
constexpr int tileKinds = 6;
inline Region tileSprite(int v) { return {tileSpriteX0 + tileSpritePitch * v, tileSpriteY, tileSpriteSize, tileSpriteSize}; }
inline Region tileSpriteWide(int v) { return {tileSpriteX0 + tileSpritePitch * v, tileSpriteY, tileSpriteWideSize, tileSpriteWideSize}; }

constexpr Region patternLabelPlate{190, 148, 90, 80};
constexpr Region titlePlate{484, 240, 262, 82};
constexpr Region exitButtonNormal{413, 200, 38, 38};
constexpr Region exitButtonHover{453, 200, 38, 38};
constexpr Region speedButtonNormal{990, 192, 36, 36};
constexpr Region speedButtonHover{990, 232, 36, 36};
constexpr Region levelMarkOpen{415, 144, 21, 21};
constexpr Region levelMarkDone{380, 145, 21, 21};
constexpr Region levelMarkCurrent{380, 170, 21, 21};
constexpr Region okButtonNormal{990, 320, 116, 35};
constexpr Region okButtonHover{990, 355, 116, 35};
constexpr Region okButtonPressed{990, 390, 116, 35};
constexpr Region introTitlePlate{482, 240, 260, 80};
constexpr Region levelDoneCard{0, 420, 590, 115};
constexpr Region levelDoneHint{650, 155, 240, 30};
constexpr Region finaleFigure{1040, 28, 135, 140};
constexpr Region finaleBanner{0, 358, 500, 50};
constexpr Region finalePlate{762, 262, 200, 36};

// The atlas must reach at least this far.
constexpr int atlasMinWidth = 1175;
constexpr int atlasMinHeight = 535;

// Background patches: copied from the backdrop to the same place to erase what was drawn there.
constexpr Region counterPatch{180, 160, 60, 38};
constexpr Region markRowPatch{400, 120, 580, 60};
constexpr Region exitButtonPatch{950, 0, 70, 70};
constexpr Region groupTextPatch{450, 95, 500, 30};
constexpr Region finaleTextPatch{362, 280, 300, 250};
constexpr Region finaleGroundPatch{0, 474, 1024, 290};

// Screen positions of the sprites.
constexpr Point patternLabelAt{330, 44};
constexpr Point titlePlateAt{655, 13};
constexpr Point exitButtonAt{968, 20};
constexpr Point speedButtonAt{28, 85};
constexpr Point okButtonAt{352, 548};
constexpr Point introTitleAt{190, 62};
constexpr Point levelDoneCardAt{220, 350};
constexpr Point levelDoneHintAt{392, 530};
constexpr Point finalePlateAt{420, 250};
constexpr int finaleFigureRightX = 984;  // figure x is this minus the walk step
constexpr int finaleFigureY = 476;
constexpr int finaleBannerRightX = 1450;  // banner x is this minus the banner offset
constexpr int finaleBannerY = 700;
constexpr Point finaleForegroundAt{4, 474};

// The board: 9 columns x 5 rows of 100 x 100 cells from (60, 200).
constexpr int boardColumns = 9;
constexpr int boardRows = 5;
constexpr int boardCells = boardColumns * boardRows;
constexpr int boardLeft = 60;
constexpr int boardTop = 200;
constexpr int cellSize = 100;
// The goal preview: 24 x 24 cells at a pitch of 25 from (96, 17).
constexpr int previewLeft = 96;
constexpr int previewTop = 17;
constexpr int previewPitch = 25;
constexpr int previewCellSize = 24;

// Screen size of every page.
constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;

// Media paths.
constexpr const char* atlasFile = "media/grafika/plx_abc.png";
constexpr const char* introBackgroundFile = "media/grafika/plx_wstep.png";
constexpr const char* playBackgroundFile = "media/grafika/plx_tlo.png";
constexpr const char* finaleForegroundFile = "media/grafika/plx_tlo1.png";
constexpr const char* cursorFile = "media/grafika/plx_strzalka.png";
constexpr const char* regularFontFile = "media/verdana.ttf";
constexpr const char* boldFontFile = "media/verdanab.ttf";
constexpr const char* textFile = "media/tekst.txt";
