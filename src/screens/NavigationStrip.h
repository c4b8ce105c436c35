#pragma once
// The row of buttons under the pages of a search flow: Cancel, Back, and Next or Finish.
//
// The strip keeps no flow state: each button forwards to its host (the main view), and the host
// tells the strip whether the current page is the last one. Buttons are found by object name:
// "backButton", "nextButton", "finishButton", "cancelButton".

#include <QWidget>

class QPushButton;

namespace corkwise {

class PageHost;

class NavigationStrip : public QWidget {
    Q_OBJECT

public:
    // Control ids of the buttons.
    static constexpr int kCancelId = 1026;
    static constexpr int kBackId = 1027;
    static constexpr int kNextId = 1028;
    static constexpr int kFinishId = 1042;

    // HOST (not owned) receives the button clicks and must outlive the strip.
    explicit NavigationStrip(PageHost& host, QWidget* parent = nullptr);

    // Shows Finish in place of Next when LAST, Next in place of Finish otherwise.
    void setLastPage(bool last);

    // The buttons (owned by the strip).
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* makeButton(const QString& text, const char* name, int left, int top, int right,
                            int bottom);

    PageHost& host_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* finish_;
    QPushButton* cancel_;
};

}  // namespace corkwise
