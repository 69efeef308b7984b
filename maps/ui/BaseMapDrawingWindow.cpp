#include "maps/ui/BaseMapDrawingWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>

#include "maps/WorldOutline.h"
#include "widgets/WindowScale.h"

BaseMapDrawingWindow::BaseMapDrawingWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TMapsDrawingForm"));
    FormCreate();
}

void BaseMapDrawingWindow::FormCreate() {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    ScaleWindow(this);
    setFixedSize(Scaled(this, 349), Scaled(this, 103));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar"));
    m_bar->setRange(0, static_cast<int>(WorldOutline.size()));
    m_bar->setTextVisible(false);
    m_bar->resize(Scaled(this, 193), Scaled(this, 16));
    m_bar->move((width() - m_bar->width()) / 2, Scaled(this, 40));
    CentreOnScreen(this, 0.5);
}

void BaseMapDrawingWindow::startMap(const QString& caption) {
    setWindowTitle(caption);
    m_bar->setValue(0);
}

void BaseMapDrawingWindow::setProgress(int done) {
    m_bar->setValue(done - done % 2); // the bar steps by two points
}

void BaseMapDrawingWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void BaseMapDrawingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return; // Escape would close a dialog
    QDialog::keyPressEvent(event);
}
