#include "prediction/TMyCancel.h"

#include <QKeyEvent>

TMyCancel::TMyCancel(QWidget* parent) : QPushButton(QStringLiteral("Cancel"), parent) {
    setObjectName(QStringLiteral("CancelBtn"));
}

void TMyCancel::keyPressEvent(QKeyEvent* event) {
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
