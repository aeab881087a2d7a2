// Program entry: the command line is ignored and the exit status is always 0.
#include "game.h"

int main() { return runGame(); }
