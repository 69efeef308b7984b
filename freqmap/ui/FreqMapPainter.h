#pragma once

#include <QFont>
#include <QImage>

#include "freqmap/FreqMapRender.h"

// The frequency map drawn with Qt's painter at the window's resolution.

/// The frequency map at the image's resolution: black, each cell of a shown class
/// filled with its dot pattern (cyan, per device pixel), the coastlines in white over
/// them, the station's lime-green plus sign (arms `markerArm` logical pixels, again one
/// map width away), the Sun's star, the time label and the red frame. The cells are in
/// the image's logical pixels and lie over (1, 1, w − 1, h − 1).
void PaintFreqMapPicture(QImage& image, const FreqMapPicture& picture, const QFont& font);

/// A frequency-map dot pattern as a w × w image: cyan where lit, black elsewhere, the
/// pattern repeated from the corner (the legend's boxes).
QImage FreqMapPatternImage(int pattern, int w);
