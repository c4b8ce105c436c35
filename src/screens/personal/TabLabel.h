#pragma once
// One tab of the tab panel: a static text with a cut top-left corner and a thin outline.
//
// Each page of a TabPanel has two labels with the same id: the selected look (taller, joined to
// the page frame) and the unselected look (shorter). A click on either is reported with the id.

#include <QColor>
#include <QWidget>

namespace corkwise {

class TabLabel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultCorner = 2;

    // The label's own text format: centred across, at the top, as a centred static text draws.
    static constexpr Qt::Alignment kDefaultAlignment = Qt::AlignHCenter | Qt::AlignTop;

    // TEXT is drawn as alignment() says; ID is reported by clicked().
    TabLabel(const QString& text, int id, QWidget* parent = nullptr);

    int id() const { return id_; }
    QString text() const { return text_; }

    // Size of the cut top-left corner, in pixels.
    int corner() const { return corner_; }
    void setCorner(int corner);
    // Whether the outline is drawn.
    bool isFramed() const { return framed_; }
    void setFramed(bool on);
    QColor frameColour() const { return frameColour_; }
    void setFrameColour(const QColor& colour);
    QColor backgroundColour() const { return backgroundColour_; }
    void setBackgroundColour(const QColor& colour);
    // Where the text sits in the label.
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

Q_SIGNALS:
    // The user clicked the label.
    void clicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    int id_;
    int corner_ = kDefaultCorner;
    bool framed_ = true;
    QColor frameColour_;
    QColor backgroundColour_;
    Qt::Alignment alignment_ = kDefaultAlignment;
};

}  // namespace corkwise
