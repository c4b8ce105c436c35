#include "platform/PrintDialog.h"

#include "platform/AnswerScript.h"
#include "platform/MessageBox.h"

#include <QPrintDialog>
#include <QPrinter>

namespace corkwise {

namespace {

AnswerScript<QString, PrintDialog::Record>& script() {
    static AnswerScript<QString, PrintDialog::Record> s;
    return s;
}

}  // namespace

bool PrintDialog::choose(QWidget* owner, QPrinter* printer, const QString& caption) {
    Record record;
    record.caption = caption;
    if (std::optional<QString> queued = script().takeNext()) {
        record.pdf = *queued;
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
    script().record(record);
    return record.accepted;
}

void PrintDialog::setNextPdfAnswer(const QString& path) {
    script().queue(path);
}

int PrintDialog::pendingAnswers() {
    return script().pending();
}

const QList<PrintDialog::Record>& PrintDialog::history() {
    return script().history();
}

void PrintDialog::clearHistory() {
    script().clear();
}

}  // namespace corkwise
