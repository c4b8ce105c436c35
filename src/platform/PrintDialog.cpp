#include "platform/PrintDialog.h"

#include "platform/MessageBox.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QQueue>

namespace corkwise {

namespace {

struct State {
    QQueue<QString> answers;
    QList<PrintDialog::Record> history;
};

State& state() {
    static State s;
    return s;
}

}  // namespace

bool PrintDialog::choose(QWidget* owner, QPrinter* printer, const QString& caption) {
    State& s = state();
    Record record;
    record.caption = caption;
    if (!s.answers.isEmpty()) {
        record.pdf = s.answers.dequeue();
        record.accepted = !record.pdf.isEmpty();
        if (record.accepted) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(record.pdf);
        }
    } else if (!MessageBox::unattended()) {
        QPrintDialog dialog(printer, owner);
        dialog.setObjectName(QStringLiteral("printDialog"));
        dialog.setWindowTitle(caption);
        record.accepted = dialog.exec() == QDialog::Accepted;
    }
    s.history.append(record);
    return record.accepted;
}

void PrintDialog::setNextPdfAnswer(const QString& path) {
    state().answers.enqueue(path);
}

int PrintDialog::pendingAnswers() {
    return static_cast<int>(state().answers.size());
}

const QList<PrintDialog::Record>& PrintDialog::history() {
    return state().history;
}

void PrintDialog::clearHistory() {
    state().answers.clear();
    state().history.clear();
}

}  // namespace corkwise
