#include "maps/ui/TMapDlgForm.h"

#include "widgets/KxHelp.h"

namespace {

/// The help page on choosing the path and moment of a map.
constexpr int kMapDialogHelpContext = 80;

} // namespace

TMapDlgForm::TMapDlgForm(MapKind kind, PredictionDialogInput input, StatusLine* statusLine,
                         QWidget* parent)
    : TPredDlgForm(std::move(input), statusLine, parent) {
    setObjectName(QStringLiteral("TMapDlgForm"));
    setWindowTitle(QString::fromStdString(MapCaption(kind)));
    SetHelpContext(this, kMapDialogHelpContext);
}
