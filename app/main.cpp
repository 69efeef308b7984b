#include "app/HopscopeProgram.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hopscope"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    HopscopeProgram program;
    if (!program.start(arguments))
        return 1;
    const int result = QApplication::exec();
    program.shutDown();
    return result;
}
