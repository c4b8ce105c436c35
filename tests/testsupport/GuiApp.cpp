#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace corkwise::test {

namespace {

// Destroys the application when GoogleTest finishes, while the rest of Qt is still alive:
// destroying it from a static destructor at exit touches Qt objects already gone.
class GuiAppEnvironment : public ::testing::Environment {
public:
    explicit GuiAppEnvironment(QApplication* app) : app_(app) {}
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_;
};

}  // namespace

QApplication* ensureGuiApp() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return existing;
    }
    // QApplication keeps references to argc and argv, so both must outlive it.
    static int argc = 1;
    static char name[] = "corkwise-tests";
    static char* argv[] = {name, nullptr};
    auto* app = new QApplication(argc, argv);
    // GoogleTest owns the environment and tears it down at the end of the run.
    ::testing::AddGlobalTestEnvironment(new GuiAppEnvironment(app));
    return app;
}

}  // namespace corkwise::test
