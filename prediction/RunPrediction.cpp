#include "prediction/RunPrediction.h"

#include "prediction/ProgressWindow.h"
#include "report/PredictionHeaders.h"
#include "widgets/StatusLine.h"

#include <QApplication>
#include <QEventLoop>

PredictionResult RunPrediction(const PredictionRequest& request, StatusLine* statusLine,
                               int windowTop, QWidget* parent) {
    ProgressWindow form(statusLine, windowTop, parent);
    form.show();
    form.raise();
    form.activateWindow();
    QApplication::processEvents();

    PredictionResult result = Predict(request, [&form](int stepsDone) {
        form.setProgress(stepsDone);
        QApplication::processEvents();
        return form.state() == ProgressWindow::State::Computing;
    });
    if (!result.Completed || form.state() != ProgressWindow::State::Computing) {
        result.Completed = false;
        form.close();
        if (statusLine)
            statusLine->ResetStatusLine();
        return result;
    }

    form.setReady();
    QEventLoop loop;
    QObject::connect(&form, &ProgressWindow::showRequested, &loop, &QEventLoop::quit);
    if (form.state() == ProgressWindow::State::Ready)
        loop.exec();
    form.close();
    if (statusLine)
        statusLine->ResetStatusLine();
    return result;
}
