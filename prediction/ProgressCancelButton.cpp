#include "prediction/ProgressCancelButton.h"

#include <QKeyEvent>

ProgressCancelButton::ProgressCancelButton(QWidget* parent)
    : QPushButton(QStringLiteral("Cancel"), parent) {
    setObjectName(QStringLiteral("CancelBtn"));
}

void ProgressCancelButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        click();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}
