// Merging imported notes and bookmarks: what a plan adds and says, and an import whose save
// fails leaving the store and the file as they were.

#include "personal/PersonalImport.h"

#include "personal/PersonalFile.h"
#include "personal/PersonalStore.h"
#include "testsupport/FileSizeLimit.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::bookmark;
using test::note;

TEST(PersonalImportTest, PlanCountsWhatItAddsAndNamesWhatExists) {
    const PersonalEntry dinner = note("Dinner", "lamb");
    const PersonalEntry rouge = bookmark("Rouge", {{3, 1, "France"}});
    PersonalEntry later = note("Later", "kept");
    later.setStoredRecord(test::laterRecord());
    later.setKind(static_cast<EntryKind>(2));
    struct Case {
        const char* name;
        std::vector<PersonalEntry> existing;
        std::vector<PersonalEntry> incoming;
        size_t added;
        int notes, bookmarks, others, alreadyPresent;
        QStringList existingNames;
        QString description;
    };
    const std::vector<Case> cases{
        {"into an empty store",
         {},
         {dinner, rouge},
         2,
         1,
         1,
         0,
         0,
         {},
         QStringLiteral("It adds 1 note and 1 bookmark.")},
        {"the same again adds nothing",
         {dinner, rouge},
         {dinner, rouge},
         0,
         0,
         0,
         0,
         2,
         {},
         QStringLiteral("It holds nothing you do not have already.")},
        {"a name in use with other contents is added beside it",
         {dinner},
         {note("Dinner", "fish"), note("Dinner", "cheese"), rouge},
         3,
         2,
         1,
         0,
         0,
         {QStringLiteral("Dinner")},
         QStringLiteral("It adds 2 notes and 1 bookmark.\nNames you already use: \"Dinner\". "
                        "The imported entries are added beside yours.")},
        {"a repeat inside the file counts once",
         {rouge},
         {dinner, dinner, rouge, later},
         2,
         1,
         0,
         1,
         2,
         {},
         QStringLiteral("It adds 1 note and 1 entry of a later version.\n2 entries you already "
                        "have exactly are left out.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportPlan plan = PersonalImport::plan(c.existing, c.incoming);
        EXPECT_EQ(plan.added.size(), c.added);
        EXPECT_EQ(plan.notes, c.notes);
        EXPECT_EQ(plan.bookmarks, c.bookmarks);
        EXPECT_EQ(plan.others, c.others);
        EXPECT_EQ(plan.alreadyPresent, c.alreadyPresent);
        EXPECT_EQ(plan.existingNames, c.existingNames);
        EXPECT_EQ(PersonalImport::describe(plan), c.description);
    }
}

TEST(PersonalImportTest, ManyExistingNamesAreCutShort) {
    std::vector<PersonalEntry> existing;
    std::vector<PersonalEntry> incoming;
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "N" + QByteArray::number(i);
        existing.push_back(note(name, "old"));
        incoming.push_back(note(name, "new"));
    }
    const QString text = PersonalImport::describe(PersonalImport::plan(existing, incoming));
    EXPECT_TRUE(text.contains(QStringLiteral("\"N6\", \"N7\" and 2 more."))) << text.toStdString();
}

TEST(PersonalImportTest, AppliedPlanIsSavedAndAFailedSaveLosesNothing) {
    test::TempDir dir;
    const QString path =
        dir.write(QStringLiteral("personal.res"), PersonalFile::serialise(test::sampleEntries()));
    const QByteArray before = dir.read(QStringLiteral("personal.res"));
    PersonalStore store(path);
    ASSERT_TRUE(store.load());
    const ImportPlan plan =
        PersonalImport::plan(store.entries(), {test::fullNote(), note("Dinner", "fish")});
    ASSERT_EQ(plan.added.size(), 2u);

    QString error;
    {
        // The new file is larger than the old one, which is all the disk takes.
        test::FileSizeLimit limit(static_cast<rlim_t>(before.size()));
        ASSERT_TRUE(limit.isSet());
        EXPECT_FALSE(PersonalImport::apply(store, plan, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(store.entries(), test::sampleEntries());
    EXPECT_EQ(dir.read(QStringLiteral("personal.res")), before);

    ASSERT_TRUE(PersonalImport::apply(store, plan, &error)) << error.toStdString();
    std::vector<PersonalEntry> expected = test::sampleEntries();
    expected.insert(expected.end(), plan.added.begin(), plan.added.end());
    EXPECT_EQ(PersonalFile::parse(dir.read(QStringLiteral("personal.res"))).entries, expected);
    EXPECT_FALSE(store.isModified());
}

}  // namespace
}  // namespace corkwise
