#pragma once
// The short word a personal page shows when it refuses what was typed or pasted ("Not kept: Ω"):
// in the page's bottom right corner, long enough to be read, then gone.

#include <QLabel>
#include <QTimer>

namespace corkwise {

class RefusalWord : public QLabel {
public:
    static constexpr int kShownMs = 5000;

    // Hidden until say(); owned by PAGE, whose corner it sits in.
    explicit RefusalWord(QWidget* page);

    void say(const QString& word);

    // The word while it shows, otherwise empty.
    QString shown() const;

private:
    QTimer shownFor_;
};

}  // namespace corkwise
