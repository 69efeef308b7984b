#include "prediction/ChildWindow.h"

#include "prediction/ChildWindowParts.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>

ChildWindow::ChildWindow(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    ScaleWindow(this);
}

QMenuBar* ChildWindow::makeMenuBar(const ChildFileMenu& texts, std::function<void()> print,
                                   std::function<void()> save) {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->menuAction()->setStatusTip(QStringLiteral("File actions"));
    file->setFont(font());
    m_print = file->addAction(texts.printText, this, std::move(print));
    m_print->setObjectName(QStringLiteral("Print1"));
    m_print->setStatusTip(texts.printTip);
    m_save = file->addAction(texts.saveText, this, std::move(save));
    m_save->setObjectName(texts.saveName);
    m_save->setStatusTip(texts.saveTip);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"), this, &QDialog::reject);
    close->setObjectName(QStringLiteral("Close1"));
    close->setStatusTip(texts.closeTip);
    return bar;
}

QStatusBar* ChildWindow::makeStatusBar() {
    return MakeStatusBar(this, m_hintPanel, m_helpPanel);
}

bool ChildWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        if (showsStatusTips())
            m_hintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

QString ChildWindow::hintText() const {
    return m_hintPanel->text();
}

void ChildWindow::reject() {
    if (m_busy)
        return; // not while printing or saving
    QDialog::reject();
}

void ChildWindow::setBusy(bool busy) {
    m_busy = busy;
    enableControls(!busy);
    if (busy) {
        m_helpPanel->setText(QStringLiteral("Printing"));
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        m_helpPanel->setText(QString::fromLatin1(kPressF1ForHelp));
        QApplication::restoreOverrideCursor();
    }
}

bool AskPrinter(QPrinter& printer, QWidget* parent) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    return dialog.exec() == QDialog::Accepted;
}
