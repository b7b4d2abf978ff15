// The program entry: one application, one window, the event loop until the window closes.
// --help and --version answer on the terminal before anything of the window exists, so they
// work without a display. One argument of the program's own may name the data folder, or a data
// file in it; without one the start reads the working directory when it holds a data file, and
// otherwise the folder read last. The window made here remembers the folders it reads; those that
// tests and the inspector make do not.

#include "TApplication.h"
#include "TForm1.h"

#include "ArmalyxVersion.h"

#include "DataFolderArgument.h"
#include "StartFolder.h"
#include "TRecentFolders.h"

#include <QDir>
#include <QStringList>

#include <iostream>
#include <span>
#include <string_view>

namespace {

constexpr int kExitUsage = 2;

constexpr std::string_view kHelp =
    "Usage: armalyx [--help | --version] [--reopen-last] [FOLDER | FILE]\n"
    "Shows the production and losses of one army's armoured fighting vehicles from January 1941\n"
    "to December 1945, and a chart of how many of them were in service, in a window. The data is\n"
    "read from TotalData.txt and TankData.txt in FOLDER (or in the folder of FILE, one of the\n"
    "two) when the window opens, and again whenever the files change. With neither named it is\n"
    "read from the working directory when that holds one of the files, and otherwise from the\n"
    "data folder read last, when it still exists.\n"
    "  -h, --help          print this help and exit\n"
    "  --version           print the version and exit\n"
    "  --reopen-last       with neither named, the data folder read last comes first\n"
    "A FOLDER that does not exist, or a FILE that is not one of the two, ends the program with\n"
    "status 2. The data folders read are remembered in ~/.config/armalyx/armalyx.conf.\n"
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
    // Qt has taken its own options out of argv; what is left is the data folder, if anything. A
    // data file named here, or a mistyped folder, would otherwise be passed over without a word.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    }
    const Armalyx::DataFolderArgument::TParsed folder =
        Armalyx::DataFolderArgument::Parse(arguments);
    if (!folder.Usable) {
        std::cerr << folder.Error.toLocal8Bit().constData()
                  << "\nTry 'armalyx --help' for more information.\n";
        return kExitUsage;
    }
    Armalyx::TRecentFolders recentFolders(Armalyx::TRecentFolders::UserFile());
    using Armalyx::StartFolder::TOrder;
    const Armalyx::StartFolder::TChoice start = Armalyx::StartFolder::Choose(
        folder.Folder, folder.ReopenLast ? TOrder::LastFolderFirst : TOrder::WorkingDirectoryFirst,
        Armalyx::StartFolder::HoldsDataFile(QDir::currentPath()), recentFolders.Last());
    TForm1 Form1(start.Folder);
    Form1.RememberFoldersIn(recentFolders, start.Reopened ? TForm1::TStartNote::ReopenedLastFolder
                                                          : TForm1::TStartNote::None);
    Form1.show();
    return TApplication::exec();
}
