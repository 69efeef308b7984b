#pragma once

#include "maps/MapDisplay.h"
#include "prediction/TPredDlgForm.h"

/// The map dialog: terminals A and B, the date and the time of a map of either kind.
/// The terminal groups behave as in the prediction dialog; OK computes both paths
/// (refusing an indeterminate one) and closes.
class TMapDlgForm : public TPredDlgForm {
    Q_OBJECT
public:
    /// `input.mapTimeText` holds the starting time.
    TMapDlgForm(MapKind kind, PredictionDialogInput input, StatusLine* statusLine,
                QWidget* parent = nullptr);
};
