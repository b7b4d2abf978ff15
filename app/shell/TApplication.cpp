#include "TApplication.h"

#include "TErrorShell.h"

#include <QFont>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallFontSubstitutions();
    setApplicationName(TErrorShell::ApplicationTitle());
    // Lets the desktop match the window with its menu entry and icon.
    setDesktopFileName(QStringLiteral("org.armalyx.armalyx"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

bool TApplication::DeliverGuarded(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (...) {
        TErrorShell::ReportCurrentException();
        return true;
    }
}

void TApplication::InstallFontSubstitutions() {
    // The layout names the classic desktop fonts; their metric twins are the Liberation fonts.
    struct TSubstitution {
        const char* Family;
        const char* Substitute;
    };
    static constexpr TSubstitution kSubstitutions[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"MS Serif", "Liberation Serif"},
    };
    for (const TSubstitution& substitution : kSubstitutions) {
        const QString family = QString::fromLatin1(substitution.Family);
        const QString substitute = QString::fromLatin1(substitution.Substitute);
        if (!QFont::substitutes(family).contains(substitute)) {
            QFont::insertSubstitution(family, substitute);
        }
    }
}
