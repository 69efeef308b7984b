#pragma once

#include <QFont>

/// The fixed-pitch font of the 101-column reports and the lists that line up in
/// columns (results table, path information, printed reports, prefix search): "Courier
/// New" where the system has it or a font standing in for it, otherwise the system's
/// fixed-pitch font, so that columns always line up. `points` > 0.
QFont ReportFont(double points, bool bold = false);
