#pragma once
// The whole program on a small compiled catalogue, as a desktop user meets it: its zoom, its
// window title, its wine card. The zoom and the settings are the process's own, so every test
// starts at 100% with its settings in a temporary folder, and leaves the zoom at 100%.

#include "app/FrameZoom.h"
#include "app/ScreenZoom.h"
#include "screens/CompiledProgramFixture.h"

#include <QSettings>

namespace corkwise::test {

class DesktopFixture : public CompiledProgramFixture {
protected:
    void SetUp() override {
        screenzoom::apply(1.0);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           settingsDir_.path(QString()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           settingsDir_.path(QString()));
        CompiledProgramFixture::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    }
    void TearDown() override {
        CompiledProgramFixture::TearDown();
        screenzoom::apply(1.0);
    }

    CatalogueSources sources() const override {
        return sourcesAroundWines(
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,score,description\n"
            "W1,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,,Grenache,Gigondas,90,"
            "Dark plum and garrigue; firm tannins that want a few more years in the cellar\n"
            "W2,U.S.,Still,Red,California,Hollow Creek,1997,Merlot,Reserve,Merlot,,84,\n");
    }

    FrameZoom* zoom() const { return frame_->zoom(); }
    // A settings file of the test's own.
    QString settingsFile() const { return settingsDir_.path(QStringLiteral("corkwise.ini")); }

    TempDir settingsDir_;
};

}  // namespace corkwise::test
