#include "app/HopscopeProgram.h"
#include "core/Version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("hopscope %s\n", kHopscopeVersion);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hopscope"));
    QApplication::setApplicationVersion(QLatin1String(kHopscopeVersion));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    HopscopeProgram program;
    if (!program.start(arguments))
        return 1;
    const int result = QApplication::exec();
    program.shutDown();
    return result;
}
