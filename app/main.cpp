#include "app/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Hopscope");
    TMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
