#pragma once
// The QApplication that widget tests need. GoogleTest owns main(), so each widget test fixture
// calls ensureGuiApp() (in SetUpTestSuite or SetUp) before it makes a widget; the first call
// creates the application, later calls return the same one. It lives until the process ends.

class QApplication;

namespace corkwise::test {

QApplication* ensureGuiApp();

}  // namespace corkwise::test
