#include "maps/WorldOutline.h"

// Southern ocean, seas of Japan and Okhotsk, Baltic, Irish Sea, Mediterranean, Hudson
// Bay, Gulfs of Mexico, California and Thailand, Bohai, Weddell Sea, Adriatic, Red
// Sea, Persian Gulf, Black and Azov Seas, Caspian, White Sea, African lakes, Aral Sea.
const std::array<SeaSeed, 43> SeaSeeds = {{
    {-60.0f, 0.0f},  {-60.0f, 2.0f},  {40.0f, -132.0f}, {40.0f, -136.0f}, {60.0f, -160.0f},
    {56.0f, -18.0f}, {59.0f, -21.0f}, {65.0f, -23.0f},  {61.5f, -19.5f},  {59.9f, -27.5f},
    {53.6f, 5.2f},   {36.0f, 3.0f},   {60.0f, 87.5f},   {57.0f, 82.5f},   {54.0f, 80.5f},
    {25.0f, 93.0f},  {25.0f, 109.5f}, {26.0f, 110.0f},  {10.0f, -102.0f}, {38.5f, -119.7f},
    {-80.0f, 70.0f}, {34.0f, -30.0f}, {40.0f, -7.0f},   {43.0f, -15.0f},  {41.7f, -18.0f},
    {44.5f, -13.0f}, {27.0f, -35.0f}, {25.0f, -36.0f},  {17.0f, -41.0f},  {29.0f, -49.5f},
    {25.5f, -54.0f}, {42.5f, -30.0f}, {42.0f, -40.0f},  {45.0f, -48.0f},  {38.0f, -52.0f},
    {65.5f, -36.0f}, {65.6f, -38.5f}, {-1.0f, -33.0f},  {-6.8f, -30.0f},  {-13.3f, -34.6f},
    {46.0f, -36.5f}, {45.0f, -60.0f}, {41.3f, -53.5f},
}};
