#include "prediction/RunPrediction.h"

#include "prediction/TPredCompForm.h"
#include "report/PredictionHeaders.h"
#include "widgets/KxStatusLine.h"

#include <QApplication>
#include <QEventLoop>

PredictionResult RunPrediction(const PredictionRequest& request, StatusLine* statusLine,
                               int windowTop, QWidget* parent) {
    TPredCompForm form(statusLine, windowTop, parent);
    form.show();
    form.raise();
    form.activateWindow();
    QApplication::processEvents();

    PredictionResult result = Predict(request, [&form](int stepsDone) {
        form.setProgress(stepsDone);
        QApplication::processEvents();
        return form.state() == TPredCompForm::State::Computing;
    });
    if (!result.Completed || form.state() != TPredCompForm::State::Computing) {
        result.Completed = false;
        form.close();
        if (statusLine)
            statusLine->ResetStatusLine();
        return result;
    }

    form.setReady();
    QEventLoop loop;
    QObject::connect(&form, &TPredCompForm::showRequested, &loop, &QEventLoop::quit);
    if (form.state() == TPredCompForm::State::Ready)
        loop.exec();
    form.close();
    if (statusLine)
        statusLine->ResetStatusLine();
    return result;
}
