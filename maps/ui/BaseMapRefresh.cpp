#include "maps/ui/BaseMapRefresh.h"

#include <QApplication>

#include "appstate/AppState.h"
#include "maps/BaseMapFile.h"
#include "maps/ui/BaseMapDrawingWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"

void EnsureBaseMaps(const AppState& state, StatusLine* statusLine, QWidget* parent) {
    const BaseMapPlan plan = PlanBaseMaps(state.UserSettings, state.DataDirectory);
    if (!plan.Any())
        return;
    const auto status = [statusLine](const QString& text) {
        if (statusLine)
            statusLine->SetStatusHint(text);
    };
    status(QStringLiteral("Please wait"));
    BaseMapDrawingWindow window(parent);
    window.show();
    for (bool greatCircle : {false, true}) {
        if (!(greatCircle ? plan.greatCircle : plan.rectangular))
            continue;
        const QString caption = QString::fromStdString(BaseMapCaption(greatCircle));
        window.startMap(caption);
        status(caption);
        QApplication::processEvents();
        const std::optional<PixelBuffer> map =
            DrawBaseMapFor(state.UserSettings, greatCircle, [&window](int done, int) {
                window.setProgress(done);
                QApplication::processEvents();
            });
        const std::filesystem::path file = BaseMapPath(state.DataDirectory, greatCircle);
        if (!map)
            ShowInformation(parent, QString::fromStdString(UnableToSaveText(greatCircle, {}, {})));
        else if (const FileWriteResult saved =
                     SaveBaseMap(*map, greatCircle, state.UserSettings, state.DataDirectory);
                 !saved)
            ShowInformation(
                parent, QString::fromStdString(UnableToSaveText(greatCircle, file, saved.error)));
        status(caption);
    }
    window.hide();
    if (statusLine)
        statusLine->ResetStatusLine();
}
