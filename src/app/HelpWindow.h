#pragma once
// The help window: the help text (HelpText) in a window of its own beside the main frame, which
// stays open while the user goes on with the program. Its text takes the application's font, so
// it grows and shrinks with the rest of the program.

#include <QWidget>

class QMenuBar;
class QTextBrowser;

namespace corkwise {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the help with the shortcuts of BAR (not owned; may be null). PARENT owns the window.
    explicit HelpWindow(const QMenuBar* bar, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    // The Markdown text shown.
    const QString& text() const { return text_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Lays the text out again in the current application font.
    void applyFont();

    QTextBrowser* browser_;
    QString text_;
};

}  // namespace corkwise
