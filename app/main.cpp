#include "app/HopscopeProgram.h"
#include "core/Version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: hopscope [/b] [--data-dir DIR]\n"
    "       hopscope --version | --help\n"
    "\n"
    "Hopscope predicts HF sky-wave propagation between two places: the windowed program.\n"
    "\n"
    "  /b              start without the splash window (the first argument only)\n"
    "  --data-dir DIR  the folder of the settings, the atlas and the cached maps\n"
    "                  (default: the per-user data folder, or the program's folder in a\n"
    "                  build tree or a portable folder)\n"
    "  --version       print the version\n"
    "  --help          print this text\n"
    "\n"
    "The same predictions on the command line: hopscope-cli --help.\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("hopscope %s\n", kHopscopeVersion);
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data-dir") == 0) {
            ++i; // a folder's name, whatever it is
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
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
