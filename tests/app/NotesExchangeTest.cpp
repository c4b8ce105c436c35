// The File menu's notes commands through the whole program: the export is the notes tool's
// document byte for byte, the import shows what it adds and loses nothing when its save fails,
// the bookmark list is written as CSV and printed into a PDF, and the dialogs start in the folder
// chosen last.

#include "DesktopFixture.h"

#include "app/NotesExchange.h"
#include "catalog/Catalog.h"
#include "guide/BookmarkList.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalJson.h"
#include "personal/PersonalStore.h"
#include "platform/FileDialog.h"
#include "platform/PrintDialog.h"
#include "testsupport/FileSizeLimit.h"
#include "testsupport/PersonalSamples.h"

#include <QProcess>
#include <QStandardPaths>

namespace corkwise::test {
namespace {

class NotesExchangeTest : public DesktopFixture {
protected:
    void SetUp() override {
        DesktopFixture::SetUp();
        FileDialog::clearHistory();
        PrintDialog::clearHistory();
    }
    void TearDown() override {
        FileDialog::clearHistory();
        PrintDialog::clearHistory();
        DesktopFixture::TearDown();
    }

    // The user chooses COMMANDID in the File menu.
    void choose(int commandId) {
        QAction* item = bar()->item(CommandBar::kFilePosition, commandId);
        ASSERT_NE(item, nullptr);
        item->trigger();
    }

    // Starts the program again on a personal file holding ENTRIES.
    void storeEntries(const std::vector<PersonalEntry>& entries) {
        frame_.reset();
        ASSERT_TRUE(PersonalFile::writeAtomically(personalPath_, entries, nullptr));
        frame_ = std::make_unique<CMainFrame>(cataloguePath_, personalPath_);
        ASSERT_TRUE(frame_->create());
        frame_->show();
    }

    // The bookmark Add Bookmark makes of the wine W1 of the fixture's catalogue.
    PersonalEntry bookmarkOfW1(const QString& text) const {
        const Catalog& catalog = *guide().catalog();
        std::vector<DictValue> values;
        const std::pair<const char*, QString> wine[] = {
            {"ORIGIN", "France"},    {"SSF", "Still"},
            {"TYPE", "Red"},         {"REGION", "Rhône"},
            {"SEGMENT", "D - F"},    {"PRODUCER", "Domaine des Écluses"},
            {"VINTAGE", "1998"},     {"PRODUCT_STRINGAV", "Gigondas"},
            {"VARIETY", "Grenache"}, {"APPELLATION", "Gigondas"},
            {"SCORE", "90"}};
        for (const auto& [name, value] : wine) {
            values.emplace_back(-1, catalog.indexOfTable(QByteArray("Dict") + name),
                                value.toLatin1());
        }
        PersonalEntry entry(EntryKind::Bookmark, "Gigondas", "", values);
        entry.setText(text);
        return entry;
    }

    QString lastQuestion() const {
        return MessageBox::history().isEmpty() ? QString() : MessageBox::history().last().text;
    }
};

TEST_F(NotesExchangeTest, ExportIsTheNotesToolsDocumentAndTheNextDialogStartsThere) {
    std::vector<PersonalEntry> entries = sampleEntries();
    entries.push_back(bookmarkOfW1(QStringLiteral("Für Sonntag, \"zwei\"")));
    entries.push_back(fullNote());
    storeEntries(entries);

    const QString out = dir_.path(QStringLiteral("out/notes.json"));
    ASSERT_TRUE(QDir().mkpath(dir_.path(QStringLiteral("out"))));
    FileDialog::setNextAnswer(out);
    choose(command::kExportNotes);
    ASSERT_EQ(FileDialog::history().size(), 1);
    EXPECT_EQ(FileDialog::history()[0].startPath,
              QDir(QDir::homePath()).filePath(QStringLiteral("corkwise-notes.json")));

    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/corkwise-notes"),
               {QStringLiteral("export"), personalPath_});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QByteArray printed = tool.readAllStandardOutput();
    EXPECT_EQ(dir_.read(QStringLiteral("out/notes.json")), printed);
    EXPECT_EQ(PersonalJson::fromJson(printed, nullptr), entries);

    // The folder is remembered, also for another kind of file; a cancelled dialog writes nothing.
    FileDialog::setNextAnswer(QString());
    choose(command::kExportBookmarkList);
    ASSERT_EQ(FileDialog::history().size(), 2);
    EXPECT_EQ(FileDialog::history()[1].startPath, dir_.path(QStringLiteral("out/bookmarks.csv")));
    EXPECT_EQ(QDir(dir_.path(QStringLiteral("out"))).entryList(QDir::Files).size(), 1);
}

TEST_F(NotesExchangeTest, ImportShowsWhatItAddsAndKeepsNothingOfAFailedSave) {
    const PersonalEntry rouge = bookmarkOfW1(QStringLiteral("buy"));
    storeEntries({note("Dinner", "lamb"), rouge});
    const QByteArray before = dir_.read(QStringLiteral("personal.res"));
    const QString json =
        dir_.write(QStringLiteral("in.json"),
                   PersonalJson::toJson({note("Dinner", "fish"), rouge, note("Picnic", "rosé")}));

    // Asked first; No changes nothing.
    FileDialog::setNextAnswer(json);
    MessageBox::setNextAnswer(MessageBox::No);
    choose(command::kImportNotes);
    EXPECT_EQ(lastQuestion(),
              QStringLiteral("Import notes and bookmarks from %1?\n\nIt adds 2 notes.\nNames you "
                             "already use: \"Dinner\". The imported entries are added beside "
                             "yours.\n1 entry you already have exactly is left out.")
                  .arg(QDir::toNativeSeparators(json)));
    EXPECT_EQ(guide().personalCount(), 2);

    // Yes, but the disk takes no more than the file already holds.
    FileDialog::setNextAnswer(json);
    MessageBox::setNextAnswer(MessageBox::Yes);
    {
        FileSizeLimit full(static_cast<rlim_t>(before.size()));
        ASSERT_TRUE(full.isSet());
        choose(command::kImportNotes);
    }
    EXPECT_TRUE(lastQuestion().startsWith(QStringLiteral("Nothing was imported: ")))
        << lastQuestion().toStdString();
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), before);
    EXPECT_EQ(guide().personalCount(), 2);

    // Yes, and room on the disk: both new notes are added and written. The Personal menu
    // offers them, and Add Bookmark stays as usable as the page shown made it.
    view()->allowAddBookmark(true);
    FileDialog::setNextAnswer(json);
    MessageBox::setNextAnswer(MessageBox::Yes);
    choose(command::kImportNotes);
    EXPECT_EQ(bar()->visiblePersonalPosition(), CommandBar::kFirstPersonalPosition + 4);
    const std::vector<PersonalEntry> expected{note("Dinner", "lamb"), rouge, note("Dinner", "fish"),
                                              note("Picnic", "rosé")};
    EXPECT_EQ(frame_->store()->entries(), expected);
    EXPECT_EQ(PersonalFile::parse(dir_.read(QStringLiteral("personal.res"))).entries, expected);

    // A file that is not such a document says why.
    FileDialog::setNextAnswer(dir_.write(QStringLiteral("bad.json"), "{\"name\": 1}"));
    choose(command::kImportNotes);
    EXPECT_TRUE(lastQuestion().contains(QStringLiteral("the JSON must be an array of entries")))
        << lastQuestion().toStdString();
}

TEST_F(NotesExchangeTest, BookmarkListIsWrittenAsCsvAndPrintedIntoAPdf) {
    choose(command::kPrintBookmarks);
    EXPECT_EQ(lastQuestion(), QStringLiteral("You have no bookmarks to list."));
    EXPECT_TRUE(PrintDialog::history().isEmpty());

    const std::vector<PersonalEntry> entries{note("Dinner", "lamb"),
                                             bookmarkOfW1(QStringLiteral("two, for Sunday"))};
    frame_->store()->add(entries[0]);
    frame_->store()->add(entries[1]);
    // Another catalogue opened since start (here the same file again) brings a new guide and
    // view, which the commands follow.
    QString why;
    ASSERT_TRUE(frame_->openCatalogue(cataloguePath_, &why)) << why.toStdString();
    const QString csv = dir_.path(QStringLiteral("list.csv"));
    FileDialog::setNextAnswer(csv);
    choose(command::kExportBookmarkList);
    const QByteArray written = dir_.read(QStringLiteral("list.csv"));
    EXPECT_EQ(written, BookmarkList::toCsv(BookmarkList::lines(entries, guide().catalog())));
    EXPECT_TRUE(written.endsWith(QStringLiteral("Domaine des Écluses,Gigondas,1998,90,,Gigondas,"
                                                "Grenache,Rhône,France,\"two, for Sunday\"\r\n")
                                     .toUtf8()));

    const QString pdf = dir_.path(QStringLiteral("list.pdf"));
    PrintDialog::setNextPdfAnswer(pdf);
    choose(command::kPrintBookmarks);
    EXPECT_TRUE(dir_.read(QStringLiteral("list.pdf")).startsWith("%PDF-"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        QProcess text;
        text.start(pdftotext, {pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        // Words of a cell may be laid out on two lines.
        EXPECT_TRUE(printed.simplified().contains(QStringLiteral("Domaine des Écluses")))
            << printed.toStdString();
        EXPECT_TRUE(printed.simplified().contains(QStringLiteral("two, for Sunday")));
    }

    // A cancelled print dialog prints nothing.
    PrintDialog::setNextPdfAnswer(QString());
    choose(command::kPrintBookmarks);
    EXPECT_EQ(PrintDialog::history().size(), 2);
    EXPECT_FALSE(PrintDialog::history()[1].accepted);
}

}  // namespace
}  // namespace corkwise::test
