// Why a catalogue cannot be used: one row per kind of file, each told by its path.

#include "catalog/CatalogProblem.h"

#include "testsupport/CatalogBytes.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include <functional>

namespace corkwise {
namespace {

using Kind = CatalogProblem::Kind;
using test::CatalogBuilder;

// A catalogue with a dictionary, an entry of an unknown kind, a record table and a tree.
QByteArray wellFormed(CatalogBuilder& b) {
    const int origin = b.addDictionary("ORIGIN", {"root", "France"});
    b.addRawEntry("Skipped", 7, QByteArray(6, '\0'));
    const int wines = b.addRecordTable("Wines", {origin}, {{1}});
    b.addLevel("FWLevelTable0", 2, b.nextTableNumber(), {{0, origin, {1}}, {1, wines, {}}});
    return b.build();
}

QByteArray wellFormed() {
    CatalogBuilder b;
    return wellFormed(b);
}

struct ProblemCase {
    const char* name;
    std::function<QByteArray()> bytes;  // null: no file at all
    Kind kind;
    const char* text;  // after the path; %1 is the file's length
};

QByteArray header(int count, int stride) {
    QByteArray bytes;
    test::appendU24(bytes, count);
    test::appendU24(bytes, stride);
    return bytes;
}

const ProblemCase kCases[] = {
    {"WellFormed", [] { return wellFormed(); }, Kind::None, ""},
    {"Missing", nullptr, Kind::Missing, " does not exist."},
    {"Empty", [] { return QByteArray(); }, Kind::Empty, " is empty."},
    {"ShorterThanItsHeader", [] { return QByteArray("\0\0", 2); }, Kind::NotACatalogue,
     " is not a Corkwise catalogue."},
    {"Text", [] { return QByteArray("Name,Vintage\nChateau Rouge,1997\n"); }, Kind::NotACatalogue,
     " is not a Corkwise catalogue."},
    {"NoEntries", [] { return header(0, 44); }, Kind::NotACatalogue,
     " is not a Corkwise catalogue."},
    {"OverlappingEntries", [] { return wellFormed().replace(3, 3, QByteArray("\0\0\x10", 3)); },
     Kind::NotACatalogue, " is not a Corkwise catalogue."},
    {"OnlyUnknownKinds",
     [] {
         CatalogBuilder b;
         b.addRawEntry("Odd", 9, QByteArray(6, '\0'));
         return b.build();
     },
     Kind::NotACatalogue, " is not a Corkwise catalogue."},
    {"TableNameOfControlBytes",
     [] {
         CatalogBuilder b;
         b.addDictionary("\x01\x02", {"x"});
         return b.build();
     },
     Kind::NotACatalogue, " is not a Corkwise catalogue."},
    {"CutInTheDirectory", [] { return wellFormed().left(30); }, Kind::CutShort,
     " is cut short at byte %1."},
    {"CutInTheLastBlock", [] { return wellFormed().chopped(1); }, Kind::CutShort,
     " is cut short at byte %1."},
    {"RecordsPastTheirBlock",
     [] {
         CatalogBuilder b;
         QByteArray bytes = wellFormed(b);
         test::putU24(bytes, b.blockOffset(2), 40);  // "Wines" claims 40 rows of 2 bytes
         return bytes;
     },
     Kind::Damaged, " is damaged: its table \"Wines\" does not fit in its place in the file."},
    {"BlockInsideTheDirectory",
     [] {
         CatalogBuilder b;
         QByteArray bytes = wellFormed(b);
         test::putU24(bytes, b.entryOffset(0) + 38, 6);
         return bytes;
     },
     Kind::Damaged, " is damaged: its table \"DictORIGIN\" does not fit in its place in the file."},
};

// Test names and failure messages show the row's name, not its bytes.
void PrintTo(const ProblemCase& row, std::ostream* out) {
    *out << row.name;
}

class CatalogProblemTest : public ::testing::TestWithParam<ProblemCase> {
protected:
    test::TempDir dir_;
};

TEST_P(CatalogProblemTest, NamesTheFileAndTheReason) {
    const ProblemCase& c = GetParam();
    QString path = dir_.path(QStringLiteral("wcat.res"));
    qint64 size = 0;
    if (c.bytes) {
        const QByteArray bytes = c.bytes();
        size = bytes.size();
        path = dir_.write(QStringLiteral("wcat.res"), bytes);
    }
    const CatalogProblem problem = findCatalogProblem(path);
    EXPECT_EQ(problem.kind, c.kind);
    EXPECT_EQ(static_cast<bool>(problem), c.kind != Kind::None);
    const QString expected =
        c.kind == Kind::None
            ? QString()
            : QDir::toNativeSeparators(path) +
                  QString::fromUtf8(c.text).replace(QStringLiteral("%1"), QString::number(size));
    EXPECT_EQ(problem.text, expected);
    EXPECT_EQ(problem.cutAt, c.kind == Kind::CutShort ? size : -1);
}

INSTANTIATE_TEST_SUITE_P(Files, CatalogProblemTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CatalogProblemPrefixTest, EveryPrefixOfACatalogueIsRefused) {
    test::TempDir dir;
    const QByteArray whole = wellFormed();
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const QString path = dir.write(QStringLiteral("wcat.res"), whole.left(length));
        EXPECT_TRUE(findCatalogProblem(path)) << "prefix of " << length << " bytes";
    }
}

TEST(CatalogProblemAccessTest, AFolderOrAnUnreadableFileIsToldAsSuch) {
    test::TempDir dir;
    QDir().mkpath(dir.path(QStringLiteral("folder")));
    EXPECT_EQ(findCatalogProblem(dir.path(QStringLiteral("folder"))).kind, Kind::NotAFile);

    const QString path = dir.write(QStringLiteral("locked.res"), wellFormed());
    QFile::setPermissions(path, QFileDevice::Permissions());
    if (QFile probe(path); probe.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this user reads files whatever their permissions";
    }
    const CatalogProblem problem = findCatalogProblem(path);
    EXPECT_EQ(problem.kind, Kind::NotReadable);
    EXPECT_EQ(problem.text, QDir::toNativeSeparators(path) +
                                QStringLiteral(" cannot be read: permission denied."));
}

}  // namespace
}  // namespace corkwise
