#include "testsupport/GuiApp.h"

#include <QApplication>

namespace corkwise::test {

QApplication* ensureGuiApp() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return existing;
    }
    // QApplication keeps references to argc and argv, so both must outlive it.
    static int argc = 1;
    static char name[] = "corkwise-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return &app;
}

}  // namespace corkwise::test
