#pragma once
// The whole program on a small catalogue with one path through every search, driven from the
// keyboard only: keys go to the widget with the focus, as a user's do, and a watch on the
// application counts every mouse event so a test can prove it sent none.

#include "CompiledProgramFixture.h"
#include "testsupport/SourceCatalogue.h"

#include <QApplication>
#include <QMouseEvent>

namespace corkwise::test {

class KeyboardFixture : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override {
        return sourcesAroundWines(
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,score\n"
            "W1,France,Still,Red,Rh\xC3\xB4ne,Domaine des \xC3\x89"
            "cluses,1998,Gigondas,,"
            "Grenache,Gigondas,90\n"
            "W2,France,Still,Red,Rh\xC3\xB4ne,Domaine des \xC3\x89"
            "cluses,1998,Gigondas,"
            "Vieilles Vignes,Grenache,Gigondas,92\n"
            "W3,U.S.,Still,Red,California,Hollow Creek,1997,Merlot,,Merlot,Napa Valley,87\n");
    }

    void SetUp() override {
        CompiledProgramFixture::SetUp();
        frame_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
        QTRY_VERIFY(view()->firstPaintDone());
        qApp->installEventFilter(&mouseWatch_);
    }
    void TearDown() override {
        qApp->removeEventFilter(&mouseWatch_);
        CompiledProgramFixture::TearDown();
    }

    // A key pressed and released where the focus is, as the window system would deliver it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr) {
            target = QApplication::focusWidget();
        }
        ASSERT_NE(target, nullptr) << "no focus for key " << key;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    void press(const std::vector<int>& keys) {
        for (int key : keys) {
            press(key);
        }
    }

    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() != nullptr ? focus()->objectName() : QString(); }
    int mouseEvents() const { return mouseWatch_.count; }

private:
    struct MouseWatch : QObject {
        int count = 0;
        bool eventFilter(QObject* /*watched*/, QEvent* event) override {
            switch (event->type()) {
                case QEvent::MouseButtonPress:
                case QEvent::MouseButtonRelease:
                case QEvent::MouseButtonDblClick:
                    ++count;
                    break;
                default:
                    break;
            }
            return false;
        }
    };
    MouseWatch mouseWatch_;
};

}  // namespace corkwise::test
