#include "screens/personal/PanelFixture.h"

#include "catalog/Catalog.h"
#include "guide/SearchFlow.h"
#include "personal/PersonalFile.h"
#include "platform/MessageBox.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/GuiApp.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QVBoxLayout>

#include <sys/stat.h>
#include <unistd.h>

namespace corkwise::test {

bool ReplayPage::loadLists() {
    log_->append(
        QStringLiteral("%1 %2 %3 %4")
            .arg(pageId())
            .arg(guide().isBookmarkMode() ? QStringLiteral("bookmark") : QStringLiteral("plain"))
            .arg(guide().valueText(QStringLiteral("ORIGIN")).value_or(QString()))
            .arg(guide().valueText(QStringLiteral("VINTAGE")).value_or(QString())));
    return loads;
}

SearchPage* ReplayFactory::createPage(WineGuide& guide, int pageId) {
    auto* page = new ReplayPage(guide, pageId, owner_, &log);
    if (pageId >= kFindWineFlow && pageId <= kFindWineFlow + 2) {
        findWine.push_back(page);
    }
    return page;
}

void PanelTest::SetUpTestSuite() {
    ensureGuiApp();
}

void PanelTest::SetUp() {
    MessageBox::clearHistory();
    MessageBox::setUnattended(true);
    CatalogBuilder b;
    origin = b.addDictionary("ORIGIN", {"France", "U.S.A."});
    b.addDictionary("SSF", {"Still"});
    b.addDictionary("TYPE", {"Red"});
    b.addDictionary("REGION", {"Bordeaux"});
    b.addDictionary("PRODUCER", {"Chateau Aubier"});
    vintage = b.addDictionary("VINTAGE", {"2005", "2010"});
    b.addDictionary("DESIGNATION", {"Reserve"});
    b.addDictionary("VARIETY", {"Merlot"});
    b.addDictionary("APPELLATION", {"Pauillac"});
    score = b.addDictionary("SCORE", {"92"});
    product = b.addDictionary("PRODUCT", {"Grand Vin"});
    segment = b.addDictionary("SEGMENT", {"A-C"});
    cataloguePath_ = dir_.write(QStringLiteral("wcat.res"), b.build());
}

void PanelTest::TearDown() {
    frame_.reset();
    pageOwner_.reset();
    guide_.reset();
    store_.reset();
    if (unwritable_) {
        // Let the temporary directory be removed.
        chmod(QFile::encodeName(QFileInfo(personalPath()).absolutePath()).constData(), 0755);
        QFile::setPermissions(personalPath(), QFile::ReadOwner | QFile::WriteOwner);
        QDir(personalPath()).removeRecursively();
    }
    MessageBox::clearHistory();
}

void PanelTest::writePersonal(const std::vector<PersonalEntry>& entries) {
    dir_.write(QStringLiteral("personal.res"), PersonalFile::serialise(entries));
}

void PanelTest::start() {
    store_ = std::make_unique<PersonalStore>(personalPath());
    pageOwner_ = std::make_unique<QWidget>();
    factory_ = std::make_unique<ReplayFactory>(pageOwner_.get());
    guide_ = std::make_unique<WineGuide>(std::make_unique<Catalog>(cataloguePath_), store_.get(),
                                         factory_.get());
    frame_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(frame_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    bar_ = new CommandBar(frame_.get());
    view_ = new MainView(*guide_, bar_, frame_.get());
    layout->addWidget(bar_);
    layout->addWidget(view_);
    ASSERT_TRUE(view_->createChildren());
    panel_ = view_->personalPanel();
    ASSERT_NE(panel_, nullptr);
    frame_->show();
    view_->updatePersonalMenu();
}

std::vector<PersonalEntry> PanelTest::fileEntries() const {
    PersonalStore fresh(personalPath());
    fresh.load();
    return fresh.entries();
}

QByteArray PanelTest::fileBytes() const {
    return dir_.read(QStringLiteral("personal.res"));
}

void PanelTest::makePersonalUnwritable() {
    unwritable_ = true;
    const QString file = personalPath();
    if (geteuid() == 0) {
        QFile::remove(file);
        ASSERT_TRUE(QDir().mkpath(file));
    } else {
        ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
    }
    ASSERT_EQ(chmod(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), 0555), 0);
}

PersonalEntry PanelTest::bookmark(const QByteArray& name, const QByteArray& text) const {
    return PersonalEntry(
        EntryKind::Bookmark, name, text,
        {DictValue(0, origin, "France"), DictValue(0, product, "Grand Vin"),
         DictValue(0, segment, "A-C"), DictValue(1, vintage, "2010"), DictValue(0, score, "92")});
}

PersonalEntry PanelTest::note(const QByteArray& name, const QByteArray& text) const {
    std::vector<DictValue> values;
    const char* texts[] = {"France", "Still", "Red", "Bordeaux", "Chateau Aubier",
                           "2005",   "",      "",    "Pauillac", "92"};
    for (int table = 0; table < 10; ++table) {
        values.emplace_back(-1, table, texts[table]);
    }
    return PersonalEntry(EntryKind::Note, name, text, values);
}

QStringList PanelTest::listed() const {
    QStringList names;
    for (int i = 0; i < panel_->entryList()->count(); ++i) {
        names.append(panel_->entryList()->itemText(i));
    }
    return names;
}

int PanelTest::boxes(MessageBox::Icon icon) {
    int n = 0;
    for (const MessageBox::Record& record : MessageBox::history()) {
        n += record.icon == icon ? 1 : 0;
    }
    return n;
}

}  // namespace corkwise::test
