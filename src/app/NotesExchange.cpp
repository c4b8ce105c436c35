#include "app/NotesExchange.h"

#include "app/CommandIds.h"
#include "app/MainView.h"
#include "common/SafeWrite.h"
#include "guide/BookmarkList.h"
#include "guide/WineGuide.h"
#include "personal/PersonalImport.h"
#include "personal/PersonalJson.h"
#include "personal/PersonalStore.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "screens/personal/CPersonal.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace corkwise {

namespace {

const QString kCaption = QStringLiteral("Corkwise");
const QString kJsonFilter = QStringLiteral("JSON files (*.json);;All files (*)");
const QString kNoBookmarks = QStringLiteral("You have no bookmarks to list.");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// REASON as the end of a sentence: no full stop of its own.
QString reason(QString text) {
    while (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

}  // namespace

NotesExchange::NotesExchange(WineGuide& guide, PersonalStore& store, MainView* view, QWidget* owner)
    : guide_(guide), store_(store), view_(view), owner_(owner) {}

bool NotesExchange::handleCommand(int commandId) {
    switch (commandId) {
        case command::kExportNotes:
            exportNotes();
            return true;
        case command::kImportNotes:
            importNotes();
            return true;
        case command::kExportBookmarkList:
            exportBookmarkList();
            return true;
        case command::kPrintBookmarks:
            printBookmarks();
            return true;
        default:
            return false;
    }
}

void NotesExchange::prepare() {
    if (view_ != nullptr && view_->personalPanel() != nullptr) {
        view_->personalPanel()->keepShown();
    }
    guide_.loadPersonal();
}

void NotesExchange::tell(const QString& text, bool problem) const {
    MessageBox::show(owner_, problem ? MessageBox::Icon::Warning : MessageBox::Icon::Information,
                     kCaption, text);
}

bool NotesExchange::exportNotes() {
    prepare();
    if (store_.count() == 0) {
        tell(QStringLiteral("You have no notes or bookmarks to export."), false);
        return false;
    }
    const QString path = FileDialog::saveFile(owner_, QStringLiteral("Export Notes and Bookmarks"),
                                              QStringLiteral("corkwise-notes.json"), kJsonFilter,
                                              QStringLiteral("json"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!PersonalJson::writeFile(path, store_.entries(), &error)) {
        tell(QStringLiteral("Could not write %1: %2.").arg(shown(path), reason(error)), true);
        return false;
    }
    return true;
}

bool NotesExchange::importNotes() {
    prepare();
    const QString path =
        FileDialog::openFile(owner_, QStringLiteral("Import Notes and Bookmarks"), kJsonFilter);
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    QStringList warnings;
    const auto incoming = PersonalJson::readFile(path, &error, &warnings);
    if (!incoming) {
        tell(QStringLiteral("Could not import %1: %2.").arg(shown(path), reason(error)), true);
        return false;
    }
    const ImportPlan plan = PersonalImport::plan(store_.entries(), *incoming);
    if (plan.added.empty()) {
        tell(QStringLiteral("%1 holds nothing you do not have already.").arg(shown(path)), false);
        return false;
    }
    QString question = QStringLiteral("Import notes and bookmarks from %1?\n\n%2")
                           .arg(shown(path), PersonalImport::describe(plan));
    if (!warnings.isEmpty()) {
        question += QStringLiteral("\nSome characters cannot be kept and become '?'.");
    }
    if (MessageBox::show(owner_, MessageBox::Icon::Question, kCaption, question,
                         MessageBox::Yes | MessageBox::No, MessageBox::Yes) != MessageBox::Yes) {
        return false;
    }
    if (!PersonalImport::apply(store_, plan, &error)) {
        tell(QStringLiteral("Nothing was imported: %1. Your notes and bookmarks are as they were.")
                 .arg(reason(error)),
             true);
        return false;
    }
    refreshPersonal();
    return true;
}

void NotesExchange::refreshPersonal() {
    if (view_ == nullptr) {
        return;
    }
    CPersonal* panel = view_->personalPanel();
    if (panel == nullptr || view_->overlay() != MainView::Overlay::Personal) {
        // The menu is picked again for what is stored now; Add Bookmark stays as usable as it
        // was.
        const bool addBookmark = offersAddBookmark(view_->personalVariant());
        view_->updatePersonalMenu();
        if (addBookmark) {
            view_->allowAddBookmark(true);
        }
        return;
    }
    // The list is made again with the new entries; the entry shown stays shown (an import only
    // appends, so its index holds).
    const int position = panel->shownPosition();
    const int index = position >= 0 ? panel->positions().value(position, -1) : -1;
    panel->showKind(panel->shownKind());
    const int again = static_cast<int>(panel->positions().indexOf(index));
    if (index >= 0 && again >= 0 && again != panel->shownPosition()) {
        panel->select(again);
    }
}

bool NotesExchange::exportBookmarkList() {
    prepare();
    const std::vector<BookmarkLine> lines = BookmarkList::lines(store_.entries(), guide_.catalog());
    if (lines.empty()) {
        tell(kNoBookmarks, false);
        return false;
    }
    const QString path = FileDialog::saveFile(
        owner_, QStringLiteral("Export Bookmarks as a List"), QStringLiteral("bookmarks.csv"),
        QStringLiteral("CSV files (*.csv);;All files (*)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!replaceFile(path, BookmarkList::toCsv(lines), &error)) {
        tell(QStringLiteral("Could not write %1: %2.").arg(shown(path), reason(error)), true);
        return false;
    }
    return true;
}

bool NotesExchange::printBookmarks() {
    prepare();
    const std::vector<BookmarkLine> lines = BookmarkList::lines(store_.entries(), guide_.catalog());
    if (lines.empty()) {
        tell(kNoBookmarks, false);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Corkwise bookmarks"));
    if (!PrintDialog::choose(owner_, &printer, QStringLiteral("Print Bookmarks"))) {
        return false;
    }
    const QString pdf =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    QTextDocument document;
    // Paper wants a size in points; the screen's fonts are sized in pixels.
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(BookmarkList::toHtml(lines, QStringLiteral("Bookmarked wines")));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || (!pdf.isEmpty() && !QFileInfo::exists(pdf))) {
        tell(QStringLiteral("Could not print the bookmarks%1.")
                 .arg(pdf.isEmpty() ? QString() : QStringLiteral(" to ") + shown(pdf)),
             true);
        return false;
    }
    return true;
}

}  // namespace corkwise
