#include "app/TMainForm.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle("Hopscope");
    resize(640, 120);
}
