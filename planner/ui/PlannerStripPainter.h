#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The pieces of the planner's table that the window and its printout draw alike.

/// A band's 48 half hours (StripText) over `area`, a cell per half hour coloured by its
/// availability class, pale where below the threshold, grey where nothing is shown;
/// white lines every six hours.
void PaintPlannerStrip(QPainter& painter, const QRectF& area, const QString& strip);

/// The hour ruler over a strip of `area`'s width: a tick on every hour (longer on the
/// labelled ones, HourRulerMarks) along the bottom, the hours' labels above them.
void PaintHourRuler(QPainter& painter, const QRectF& area, const QFont& font);
