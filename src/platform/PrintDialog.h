#pragma once
// The one way Corkwise asks the user where to print: the desktop's print dialog, which also
// offers printing into a PDF file.
//
// Tests answer a dialog in advance: setNextPdfAnswer makes the next dialog choose a PDF file
// (an empty path cancels it). In unattended mode (MessageBox::setUnattended) a dialog without a
// queued answer is cancelled instead of being shown.

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

namespace corkwise {

class PrintDialog {
public:
    // One dialog as it was put to the user; PDF is the file a queued answer chose (empty:
    // cancelled or shown to the user).
    struct Record {
        QString caption;
        bool accepted = false;
        QString pdf;
    };

    // Lets the user set up PRINTER (not owned) for printing, titled CAPTION. True when they
    // chose to print; PRINTER then prints where they chose.
    static bool choose(QWidget* owner, QPrinter* printer, const QString& caption);

    // Queues the answer to the next dialog: print into a PDF file at PATH, or cancel when PATH
    // is empty.
    static void setNextPdfAnswer(const QString& path);
    static int pendingAnswers();
    static const QList<Record>& history();
    // Forgets the history and any queued answers.
    static void clearHistory();
};

}  // namespace corkwise
