#include "prediction/ProgressWindow.h"

#include "engine/Propagation.h"
#include "prediction/ProgressCancelButton.h"
#include "widgets/HelpContext.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The help page F1 opens here.
constexpr int kProgressHelpContext = 72;

bool IsEnterOrEscape(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

ProgressWindow::ProgressWindow(StatusLine* statusLine, int top, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TPredCompForm"));
    SetHelpContext(this, kProgressHelpContext);
    setWindowTitle(QStringLiteral("Computing Prediction. . ."));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(Scaled(this, 17));
    setFont(font);
    const int width = Scaled(this, 257);
    setFixedSize(width, Scaled(this, 93));

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setGeometry(Scaled(this, 40), Scaled(this, 16), Scaled(this, 185),
                            Scaled(this, 16));
    m_progress->setRange(0, kPredictionSteps);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    const int buttonTop = Scaled(this, 48);
    const int buttonHeight = Scaled(this, 25);
    const int showWidth = Scaled(this, 153);
    m_showButton = new QPushButton(QStringLiteral("&Show Prediction"), this);
    m_showButton->setObjectName(QStringLiteral("ShowPredBtn"));
    m_showButton->setGeometry((width - showWidth) / 2, buttonTop, showWidth, buttonHeight);
    m_showButton->hide();
    m_showButton->setEnabled(false);
    connect(m_showButton, &QPushButton::clicked, this, &ProgressWindow::ShowPredBtnClick);

    m_cancelButton = new ProgressCancelButton(this);
    const int cancelWidth = showWidth * 83 / 153;
    m_cancelButton->setGeometry((width - cancelWidth) / 2, buttonTop, cancelWidth, buttonHeight);
    m_cancelButton->setDefault(true);
    connect(m_cancelButton, &QPushButton::clicked, this, &ProgressWindow::CancelClick);
    m_cancelButton->installEventFilter(this);
    m_showButton->installEventFilter(this);
    m_cancelButton->setFocus();

    const QSize screen = ScreenSize(this);
    move(qRound(screen.width() * 0.68359375), top);
    if (m_statusLine)
        m_statusLine->SetStatusHint(QStringLiteral("Please wait"));
}

void ProgressWindow::setProgress(int stepsDone) {
    m_progress->setValue(qBound(0, stepsDone, kPredictionSteps));
}

void ProgressWindow::setReady() {
    if (m_state != State::Computing)
        return;
    m_state = State::Ready;
    m_cancelButton->hide();
    m_cancelButton->setEnabled(false);
    m_showButton->show();
    m_showButton->setEnabled(true);
    m_showButton->setDefault(true);
    m_showButton->setFocus();
    setWindowTitle(QStringLiteral("Prediction Ready"));
    if (m_statusLine)
        m_statusLine->SetStatusHint(
            QStringLiteral("Prediction ready. Click the button to view the prediction"));
}

void ProgressWindow::CancelClick() {
    if (m_state != State::Computing)
        return;
    m_state = State::Cancelled;
    emit cancelRequested();
}

void ProgressWindow::ShowPredBtnClick() {
    if (m_state != State::Ready)
        return;
    m_state = State::Shown;
    emit showRequested();
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only Enter and Esc reach the buttons: Space and the rest are swallowed.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!IsEnterOrEscape(key->key()))
            return true;
        if (watched == m_showButton && event->type() == QEvent::KeyPress) {
            if (key->key() != Qt::Key_Escape)
                m_showButton->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    // QDialog would reject on Esc and close the window: the buttons decide instead.
    event->accept();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close while computing is a cancel; once ready, it shows
    // the prediction like the button (the window has no other way out).
    if (m_state == State::Computing)
        CancelClick();
    else if (m_state == State::Ready)
        ShowPredBtnClick();
    event->accept();
}
