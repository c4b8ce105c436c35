#pragma once
// One search banner of the home picture as a keyboard and screen reader target.
//
// The picture itself answers the pen (MainView::mousePressEvent); these buttons lie over its
// captions transparent to the mouse, so taps behave exactly as before. They take the focus with
// Tab and the arrow keys, show it with a frame around the caption, start their search with Enter
// or Space (clicked), and are named after their search for screen readers.

#include "app/HomePicture.h"

#include <QAbstractButton>

namespace corkwise {

class HomeBannerButton : public QAbstractButton {
    Q_OBJECT

public:
    // BANNER must live as long as the button (an entry of kHomeBanners).
    HomeBannerButton(const HomeBanner& banner, QWidget* parent);

    int flowId() const { return banner_.flowId; }

Q_SIGNALS:
    // An arrow key asked for the banner above (STEP -1) or below (STEP 1).
    void stepRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const HomeBanner& banner_;
};

}  // namespace corkwise
