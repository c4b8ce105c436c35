#include "app/HelpWindow.h"

#include "app/AppIdentity.h"
#include "app/HelpText.h"

#include <QEvent>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>
#include <QVBoxLayout>

namespace corkwise {

namespace {

// Wide enough for the tables, in lines of the application font.
constexpr int kWidthInCharacters = 84;
constexpr int kHeightInLines = 40;

}  // namespace

HelpWindow::HelpWindow(const QMenuBar* bar, QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser(this)),
      text_(help::composedText(bar)) {
    setObjectName(QStringLiteral("helpWindow"));
    // Named as the program names its other windows: what it shows, then the program.
    setWindowTitle(QStringLiteral("Help — Corkwise"));
    setWindowIcon(applicationIcon());
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenLinks(false);
    browser_->setMarkdown(text_);
    // Markdown tables come without room inside their cells.
    for (QTextFrame* frame : browser_->document()->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setCellPadding(3);
            format.setCellSpacing(0);
            format.setBorderCollapse(true);
            table->setFormat(format);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    applyFont();
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * kWidthInCharacters, metrics.lineSpacing() * kHeightInLines);
}

void HelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyFont();
    }
}

void HelpWindow::applyFont() {
    // The text follows the font the program uses (and its zoom); the document's own default
    // would stay at the size it was first laid out in.
    browser_->document()->setDefaultFont(font());
}

}  // namespace corkwise
