#pragma once

#include <QFont>
#include <QImage>

class QPainter;

#include "freqmap/FreqMapRender.h"

// The frequency map drawn with Qt's painter at the window's resolution.

/// The frequency map at the image's resolution: black, each cell of a shown class
/// filled with its dot pattern (cyan, per device pixel), the coastlines in white over
/// them, the station's lime-green plus sign (arms `markerArm` logical pixels, again one
/// map width away), the Sun's star, the time label and the red frame. The cells are in
/// the image's logical pixels and lie over (1, 1, w − 1, h − 1).
void PaintFreqMapPicture(QImage& image, const FreqMapPicture& picture, const QFont& font);

/// The first part of PaintFreqMapPicture: black and the cells' dot patterns.
void PaintFreqMapCells(QImage& image, const FreqMapPicture& picture);

/// The rest of PaintFreqMapPicture drawn with `painter` over a map of w × h logical
/// pixels at (0, 0): the antialiased coastlines (their points as close as a device pixel
/// ratio of `dpr` needs), the markers, the time label and the frame. On an SVG or PDF
/// painter these stay vectors, smooth at any size.
void PaintFreqMapOverlay(QPainter& painter, double w, double h, double dpr,
                         const FreqMapPicture& picture, const QFont& font);

/// A frequency-map dot pattern as a w × w image: cyan where lit, black elsewhere, the
/// pattern repeated from the corner (the legend's boxes).
QImage FreqMapPatternImage(int pattern, int w);
