#pragma once

#include <QFont>

/// The bold fixed-pitch font of the atlas lists ("Courier New", or the system's
/// fixed font where that is missing) at `pointSize`.
QFont AtlasListFont(double pointSize);
