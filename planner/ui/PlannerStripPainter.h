#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QVariantList>

class QPainter;

// The pieces of the planner's table that the window and its printout draw alike.

/// A band's 48 half hours (StripText) over `area`, a cell per half hour coloured by its
/// availability class, pale where below the threshold, grey where nothing is shown;
/// white lines every six hours. With `reliability` (a P.533 strip: the circuit
/// reliability of each half hour, percent) a half hour of at least 0.5 % takes its colour
/// on the continuous scale, any other the colour of nothing shown.
void PaintPlannerStrip(QPainter& painter, const QRectF& area, const QString& strip,
                       const QVariantList& reliability = {});

/// The colour of a circuit reliability (percent) on the continuous scale.
QColor ScaleQColor(double percent);

/// The hour ruler over a strip of `area`'s width: a tick on every hour (longer on the
/// labelled ones, HourRulerMarks) along the bottom, the hours' labels above them.
void PaintHourRuler(QPainter& painter, const QRectF& area, const QFont& font);
