#pragma once

#include <QString>

class QComboBox;
class QWidget;

/// The "Engine" choice of the coverage and planner windows ("EngineComboBox"): Classic
/// first, then P.533, which is offered greyed out, with `whyNot` as its tool-tip, when
/// `p533Runs` is false.
QComboBox* MakeEngineBox(QWidget* parent, const QString& hint, bool p533Runs,
                         const QString& whyNot);
