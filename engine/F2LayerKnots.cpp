// The model's F2-layer model constants, written out once by a script; do not edit by hand.
#include "engine/F2LayerTables.h"

const std::array<float, 37> DipEquatorTable = {
    11.567f, 11.54f, 10.44f, 7.51f,  2.41f,   -4.03f, -9.51f,  -12.25f, -12.28f, -10.695f,
    -8.48f,  -6.33f, -4.64f, -3.34f, -2.14f,  -1.08f, -0.245f, 0.72f,   2.25f,   4.18f,
    5.965f,  7.21f,  7.76f,  7.73f,  7.59f,   7.76f,  8.13f,   8.31f,   8.135f,  7.73f,
    7.365f,  7.47f,  8.35f,  9.63f,  10.645f, 11.22f, 11.567f,
};

const std::array<SeasonKnot, 9> SeasonKnots = {{
    {3, 0, 0},
    {4, 0, 1},
    {5, 1, 1},
    {6, 1, 2},
    {9, 2, 2},
    {10, 2, 1},
    {11, 1, 1},
    {12, 1, 0},
    {99, 0, 0},
}};

const std::array<LatitudeKnot, 14> LatitudeKnots = {{
    {1.45, 0, 0, 2.9},
    {13.05, 0, 0, 0},
    {16.5, 1, 0, 3.45},
    {32.5, 1, 1, 0},
    {36, 2, 1, 3.5},
    {48, 2, 2, 0},
    {50.5, 3, 2, 2.5},
    {58.5, 3, 3, 0},
    {60.3, 4, 3, 1.8},
    {66.7, 4, 4, 0},
    {68.2, 5, 4, 1.5},
    {73.8, 5, 5, 0},
    {76.05, 6, 5, 2.25},
    {99999, 6, 6, 0},
}};
