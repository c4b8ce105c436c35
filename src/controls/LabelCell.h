#pragma once
// A static text cell of the grid, also used alone as an info box.

#include "controls/ControlLook.h"
#include "controls/GridCell.h"

#include <QColor>
#include <QString>

namespace corkwise {

class GridList;
class TapAndHold;

// Paints its text over a plain background: the highlight colour while highlighted, otherwise
// the background colour. Inside a GridList it reports taps and tap-and-holds to the grid
// (GridList::tapped with its slot id); used alone it reports them to nobody.
class LabelCell : public GridCell {
    Q_OBJECT

public:
    explicit LabelCell(QWidget* parent = nullptr);
    ~LabelCell() override;

    // Makes the cell a child of PARENT at RECT with TEXT and STYLE, records SLOTID and, when
    // PARENT is a GridList, the grid; sets the Verdana font. Returns false, changing nothing,
    // when the cell was already created or PARENT is null.
    bool create(const QString& text, CellStyle style, const QRect& rect, QWidget* parent,
                int slotId);

    QString text() const { return text_; }
    void setText(const QString& text);

    CellStyle style() const { return style_; }
    // Turns the border on or off (the text stays inside it).
    void setBorder(bool on);
    // Turns on or off the click command sent to the grid after a hold.
    void setNotify(bool on);

    void setWrap(bool on);
    bool wrap() const { return wrap_; }
    void setHighlightColour(const QColor& colour);
    void setBackgroundColour(const QColor& colour);
    void setTextColour(const QColor& colour);
    void setHighlighted(bool on);
    bool isHighlighted() const { return highlighted_; }

    QColor highlightColour() const { return highlightColour_; }
    QColor backgroundColour() const { return backgroundColour_; }
    QColor textColour() const { return textColour_; }
    // The colour the background is painted in now.
    QColor currentBackground() const { return highlighted_ ? highlightColour_ : backgroundColour_; }

    TapAndHold* gesture() const { return gesture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Inside a grid, opens the cell's row (GridList::opened).
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onTapped(QPoint pos);
    void onHeld(QPoint pos, QPoint globalPos);

    QColor highlightColour_ = kHighlightColour;
    QColor backgroundColour_ = kPanelColour;
    QColor textColour_ = kTextColour;
    bool highlighted_ = false;
    bool wrap_ = false;
    QString text_;
    CellStyle style_;
    TapAndHold* gesture_ = nullptr;
};

}  // namespace corkwise
