// The program entry: one application, one window, the event loop until the window closes.
// --help and --version answer on the terminal before anything of the window exists, so they
// work without a display.

#include "TApplication.h"
#include "TForm1.h"

#include "ArmalyxVersion.h"

#include <iostream>
#include <span>
#include <string_view>

namespace {

constexpr int kExitUsage = 2;

constexpr std::string_view kHelp =
    "Usage: armalyx [--help | --version]\n"
    "Shows the production and losses of one army's armoured fighting vehicles from January 1941\n"
    "to December 1945, and a chart of how many of them were in service, in a window. The data is\n"
    "read from TotalData.txt and TankData.txt in the working directory when the window opens.\n"
    "  -h, --help          print this help and exit\n"
    "  --version           print the version and exit\n"
    "Qt's own options, such as -style NAME or -platform NAME, are passed to Qt. The menu entry\n"
    "starts the program through armalyx-launcher, which picks the folder with the data files.\n";

enum class TCommandLineAnswer { None, Help, Version };

// The program's own options; any other argument is left for Qt to take or for the check below.
TCommandLineAnswer AnswerAsked(std::span<char* const> args) {
    for (const std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            return TCommandLineAnswer::Help;
        }
        if (arg == "--version") {
            return TCommandLineAnswer::Version;
        }
    }
    return TCommandLineAnswer::None;
}

} // namespace

int main(int argc, char** argv) {
    const std::span<char* const> args(argv + 1, argc > 1 ? static_cast<std::size_t>(argc - 1) : 0);
    switch (AnswerAsked(args)) {
    case TCommandLineAnswer::Help:
        std::cout << kHelp;
        return 0;
    case TCommandLineAnswer::Version:
        std::cout << "armalyx " << kArmalyxVersion << '\n';
        return 0;
    case TCommandLineAnswer::None:
        break;
    }
    TApplication application(argc, argv);
    // Qt has taken its own options out of argv; the program has no arguments of its own, and a
    // data file named here would otherwise be passed over without a word.
    if (argc > 1) {
        std::cerr << "armalyx: unexpected argument '" << argv[1]
                  << "'; the data files are read from the working directory\n"
                     "Try 'armalyx --help' for more information.\n";
        return kExitUsage;
    }
    TForm1 Form1;
    Form1.show();
    return TApplication::exec();
}
