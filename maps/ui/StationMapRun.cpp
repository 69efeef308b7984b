#include "maps/ui/StationMapRun.h"

#include "widgets/MessageBoxes.h"

void ShowMapFileMissing(QWidget* parent) {
    ShowInformation(parent, QStringLiteral("Map file Hopscope.REC not found"));
}
