#pragma once
// An info box: a framed, word-wrapped label whose text may run past its lines. Such a text
// scrolls, with the wheel and with the Up, Down, Page Up, Page Down, Home and End keys; the box
// then also takes the keyboard focus on a click or Tab. A text that fits is drawn as any label
// draws it. (The whole text of an overrunning box is its tooltip: see CutTextTips.)

#include <QLabel>
#include <QString>

namespace corkwise {

class InfoBox : public QLabel {
    Q_OBJECT

public:
    explicit InfoBox(const QString& text, QWidget* parent = nullptr);

    // Whether the text needs more lines than the box shows.
    bool overruns() const;
    // How many pixels of the text are scrolled out at the top; 0 for a new text.
    int scrollOffset() const { return offset_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect textRoom() const;
    int textHeight() const;
    int maxOffset() const;
    // Moves the text by BY pixels (positive: further down the text); false when it cannot move.
    bool scrollBy(int by);
    void followText();

    int offset_ = 0;
    QString shownText_;
};

}  // namespace corkwise
