// Starting and judging a level: the scramble with its tile-by-tile placement, and the match counter.
#pragma once

constexpr double scrambleShowGoalRest = 1.0;
constexpr double scramblePlacementRest = 0.01;

// Scrambles the level's pattern, lays it out tile by tile on the screen and captures the result into canvas.
void scrambleBoard();
// Counts the cells equal to the goal, redraws the counter on canvas and presents canvas.
void countMatches();
