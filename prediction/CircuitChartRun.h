#pragma once

#include "circuitchart/CircuitChart.h"
#include "widgets/DialogServices.h"

class QWidget;
class StatusLine;
struct AppState;

/// Predictions → Circuit Chart...: the prediction dialog, titled "Hopscope Circuit
/// Chart" (terminals A and B, date, solar and K index with "Solar Data"); after OK the
/// inputs become the current prediction and the circuit chart window opens for them
/// with the station and mode of `station` (its circuit's power, antennas, noise,
/// bandwidth, S/N and reliability, its labels' station and mode texts). A solar index
/// beyond the P.533 maps is refused with a message. The menus are hidden meanwhile
/// and restored at the end.
void RunCircuitChart(QWidget* mainWindow, StatusLine* statusLine, AppState& state,
                     const DialogServices& services, const CircuitChartInput& station);
