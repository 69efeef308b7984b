#include "maps/ui/TMapDlgForm.h"

TMapDlgForm::TMapDlgForm(MapKind kind, PredictionDialogInput input, StatusLine* statusLine,
                         QWidget* parent)
    : TPredDlgForm(std::move(input), statusLine, parent) {
    setObjectName(QStringLiteral("TMapDlgForm"));
    setWindowTitle(QString::fromStdString(MapCaption(kind)));
}
