#include "catalog/NodeCursor.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/RecordCursor.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::CatalogBuilder;

// Tables: 0 DictORIGIN, 1 DictPRODUCT, 2 Wines, 3 Root (kind 3), 4 Mixed (kind 2),
// 5 SameAsDict (kind 3, same rows as Mixed).
class NodeCursorTest : public ::testing::Test {
protected:
    using LevelNode = test::LevelNode;

    void SetUp() override {
        CatalogBuilder b;
        b.addDictionary("ORIGIN",
                        {"root", "France", "Italy", "C\u00F4tes du Rh\u00F4ne", "U.S.", "Spain"});
        b.addDictionaryBytes("PRODUCT", {QByteArray(300, 'p')});
        b.addRecordTable("Wines", {0}, {{1}, {2}});
        b.addLevel("Root", 3, 4, {{0, 0, {5, 2, 0}}});
        const QList<LevelNode> nodes = {{1, 0, {}}, {2, 2, {0}}, {3, 0, {}},
                                        {4, 0, {}}, {0, 1, {}},  {5, 0, {1, 2, 3}}};
        b.addLevel("Mixed", 2, 4, nodes);
        b.addLevel("SameAsDict", 3, 4, nodes);
        catalog_ = std::make_unique<Catalog>(dir_.write("wcat.res", b.build()));
        log_.clear();
    }
    test::LogCapture log_;
    test::TempDir dir_;
    std::unique_ptr<Catalog> catalog_;
};

TEST_F(NodeCursorTest, ChildrenKeepTheFileOrder) {
    auto root = catalog_->openLevelTable("Root");
    ASSERT_EQ(root->childCount(), 3);
    auto first = root->child(0);
    auto second = root->child(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->row(), 5);
    EXPECT_EQ(first->tableNumber(), 4);
    EXPECT_EQ(second->row(), 2);
    EXPECT_EQ(first->nodeText(), "Spain");
    EXPECT_EQ(second->nodeText(), "C\xF4tes du Rh\xF4ne");
    EXPECT_EQ(root->child(3), nullptr);
    EXPECT_EQ(root->child(-1), nullptr);
}

TEST_F(NodeCursorTest, RecordNodeInAMixedLevel) {
    NodeCursor mixed(catalog_->file(), 4, 1);
    EXPECT_EQ(mixed.nodeKind(), NodeCursor::kRecordNode);
    EXPECT_EQ(mixed.childCount(), 0);
    EXPECT_EQ(mixed.child(0), nullptr);
    EXPECT_FALSE(mixed.valueRef().has_value());
    EXPECT_TRUE(mixed.nodeText().isEmpty());

    NodeCursor same(catalog_->file(), 5, 1);
    EXPECT_EQ(same.nodeKind(), NodeCursor::kDictionaryNode);
    EXPECT_EQ(same.childCount(), 1);
    ASSERT_TRUE(same.valueRef().has_value());
    EXPECT_EQ(*same.valueRef(), DictRef(2, 2));
}

TEST_F(NodeCursorTest, DictionaryNodeInAMixedLevel) {
    NodeCursor node(catalog_->file(), 4, 5);
    EXPECT_EQ(node.nodeKind(), NodeCursor::kDictionaryNode);
    EXPECT_EQ(node.childCount(), 3);
    EXPECT_EQ(*node.valueRef(), DictRef(5, 0));
    EXPECT_EQ(node.child(2)->nodeText(), "U.S.");
    EXPECT_EQ(node.openRecord(), nullptr);
}

TEST_F(NodeCursorTest, OpenRecordTracesTableAndRow) {
    NodeCursor node(catalog_->file(), 4, 1);
    {
        auto record = node.openRecord();
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->row(), 2);
        EXPECT_EQ(record->columnText("ORIGIN").value_or("?"), "Italy");
    }
    const QList<QByteArray> lines = log_.lines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "=========> TABLE DB ID : 2");
    EXPECT_EQ(lines[1], "=========> TABLE DB ROW : 2");
}

TEST_F(NodeCursorTest, LongTextIsCutToTheNodeBuffer) {
    NodeCursor node(catalog_->file(), 5, 4);
    EXPECT_EQ(node.nodeKind(), NodeCursor::kDictionaryNode);
    EXPECT_EQ(node.nodeText(), QByteArray(254, 'p'));
}

TEST_F(NodeCursorTest, CloneTracesAndStandsOnTheSameNode) {
    NodeCursor node(catalog_->file(), 4, 5);
    auto copy = node.clone();
    EXPECT_EQ(log_.lines(), QList<QByteArray>({QByteArray(92, '*')}));
    EXPECT_EQ(copy->tableNumber(), 4);
    EXPECT_EQ(copy->row(), 5);
    EXPECT_EQ(copy->nodeText(), "Spain");
}

TEST_F(NodeCursorTest, CursorsOnMissingRowsOrTablesAreInvalid) {
    for (const auto& [table, row] : {std::pair{4, 6}, {5, 6}, {4, -1}, {0, 0}, {99, 0}, {-1, 0}}) {
        NodeCursor node(catalog_->file(), table, row);
        EXPECT_FALSE(node.isValid());
        EXPECT_EQ(node.nodeKind(), NodeCursor::kRecordNode);
        EXPECT_EQ(node.childCount(), 0);
        EXPECT_TRUE(node.nodeText().isEmpty());
        EXPECT_EQ(node.openRecord(), nullptr);
        EXPECT_FALSE(node.valueRef().has_value());
    }
    EXPECT_TRUE(NodeCursor(catalog_->file(), 4, 5).isValid());
}

TEST(NodeCursorDamageTest, ChildBeyondTheNextLevelIsNull) {
    test::LogCapture log;
    test::TempDir dir;
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"root", "a"});
    b.addLevel("Root", 3, 2, {{0, 0, {0, 7, 1}}});
    b.addLevel("Next", 3, 0, {{1, 0, {}}, {1, 9, {}}});
    b.addLevel("NotNext", 3, 0, {{1, 0, {}}});
    Catalog catalog(dir.write("wcat.res", b.build()));
    auto root = catalog.openLevelTable("Root");
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_NE(root->child(0), nullptr);
    EXPECT_EQ(root->child(1), nullptr) << "row 7 does not exist";
    auto second = root->child(2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->nodeKind(), NodeCursor::kDictionaryNode);
    EXPECT_TRUE(second->nodeText().isEmpty()) << "target table 9 does not exist";
    EXPECT_EQ(*second->valueRef(), DictRef(1, 9));
}

TEST(NodeCursorDamageTest, RecordNodeOnTheHeaderRowOrBeyondOpensNothing) {
    test::LogCapture log;
    test::TempDir dir;
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"a"});
    b.addRecordTable("Wines", {0}, {{0}});
    b.addLevel("Mixed", 2, 0, {{0, 1, {}}, {2, 1, {}}, {1, 1, {}}, {0, 200, {}}});
    Catalog catalog(dir.write("wcat.res", b.build()));
    EXPECT_EQ(NodeCursor(catalog.file(), 2, 0).openRecord(), nullptr);
    EXPECT_EQ(NodeCursor(catalog.file(), 2, 1).openRecord(), nullptr);
    EXPECT_NE(NodeCursor(catalog.file(), 2, 2).openRecord(), nullptr);
    EXPECT_EQ(NodeCursor(catalog.file(), 2, 3).nodeKind(), NodeCursor::kRecordNode);
    EXPECT_EQ(NodeCursor(catalog.file(), 2, 3).openRecord(), nullptr);
}

TEST(NodeCursorDamageTest, LevelThatIsItsOwnNextLevelStaysFinite) {
    test::LogCapture log;
    test::TempDir dir;
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"a"});
    b.addLevel("Loop", 3, 1, {{0, 0, {0}}});
    Catalog catalog(dir.write("wcat.res", b.build()));
    auto node = catalog.openLevelTable("Loop");
    for (int depth = 0; depth < 100 && node; ++depth) {
        node = node->child(0);
    }
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->row(), 0);
}

}  // namespace
}  // namespace corkwise
