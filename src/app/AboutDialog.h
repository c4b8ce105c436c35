#pragma once
// The About box: "About Corkwise", the program's name and version over a picture of its own.

#include <QDialog>
#include <QImage>

class QLabel;

namespace corkwise {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The text of the box: six empty lines, "Corkwise", "Version 2.3" and two lines more.
    static QString aboutText();

    QLabel* textLabel() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* text_;
    QImage background_;
};

}  // namespace corkwise
