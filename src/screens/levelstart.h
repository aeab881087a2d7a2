// Opening a level: the play screen with the goal, and the fold that reveals it over the previous screen.
#pragma once

constexpr int revealSteps = 768;
constexpr int foldDepth = 40;
constexpr double revealStepRest = 0.005;
constexpr double fadeStepRest = 0.001;
constexpr double fadeStepGain = 0.01;
constexpr int laterFadeStepDivisor = 13;
constexpr unsigned char revealDarkening = 99;  // alpha of the (12, 12, 12) veil over the outgoing picture

// Composes the level's play screen with its goal, darkens the previous screen and folds it away.
void startLevel();
// Uncovers pageA row by row over the screen in 768 steps, pageB mirrored inside the fold.
void revealTransition();
