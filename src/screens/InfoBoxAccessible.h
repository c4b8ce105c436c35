#pragma once
// An info box, the bordered text under a grid or list that describes the chosen wine, as screen
// readers meet it: read-only text named "Info" (or its accessible name) whose value is the text
// shown, which they can read by character, word or line.

#include <QLabel>

namespace corkwise {

class InfoBox : public QLabel {
    Q_OBJECT

public:
    InfoBox(const QString& text, QWidget* parent);
};

}  // namespace corkwise
