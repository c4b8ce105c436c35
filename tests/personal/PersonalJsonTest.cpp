#include "personal/PersonalJson.h"

#include "testsupport/PersonalSamples.h"

#include "testsupport/PersonalSamples.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(PersonalJsonTest, ExportsFieldsInDocumentedOrder) {
    const QByteArray json = PersonalJson::toJson(
        {test::bookmark("abc", {{5, 2, "Red"}, {-1, -1, ""}}), test::bookmark("q\"", {}, "x")});
    EXPECT_EQ(json, QByteArray(R"([
  {
    "name": "abc",
    "kind": "bookmark",
    "text": "",
    "values": [
      {"id": 5, "dictionary": 2, "text": "Red"},
      {"id": -1, "dictionary": -1, "text": ""}
    ]
  },
  {
    "name": "q\"",
    "kind": "bookmark",
    "text": "x",
    "values": []
  }
]
)"));
    EXPECT_EQ(PersonalJson::toJson({}), QByteArray("[]\n"));
}

TEST(PersonalJsonTest, ImportOfExportGivesSameEntriesAndSameJson) {
    std::vector<PersonalEntry> entries = test::sampleEntries();
    entries.push_back(test::fullNote());
    PersonalEntry accented;
    accented.setName(QStringLiteral("Ros\u00e9 \u20ac5 \"quoted\""));
    accented.setText(QStringLiteral("line\ttab\nnext \\ slash"));
    entries.push_back(accented);

    const QByteArray json = PersonalJson::toJson(entries);
    EXPECT_TRUE(
        json.contains("Ros\xc3\xa9 \xe2\x82\xac"
                      "5"));  // UTF-8 in the document
    QString error;
    const auto back = PersonalJson::fromJson(json, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, entries);
    EXPECT_EQ(PersonalJson::toJson(*back), json);
}

TEST(PersonalJsonTest, TextAndValuesMayBeLeftOut) {
    QString error;
    const auto entries = PersonalJson::fromJson(R"([{"name": "n", "kind": "note"}])", &error);
    ASSERT_TRUE(entries) << error.toStdString();
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0], PersonalEntry(EntryKind::Note, "n", "", {}));
}

TEST(PersonalJsonTest, WrongInputNamesEntryAndField) {
    const struct {
        const char* json;
        const char* message;
    } cases[] = {
        {R"([{"name": "a", "kind": "note"},)", "malformed JSON"},
        {R"({"name": "a"})", "array"},
        {R"([{"name": "a", "kind": "note"}, 7])", "entry 1: not an object"},
        {R"([{"kind": "note"}])", R"(entry 0, field "name": missing)"},
        {R"([{"name": 5, "kind": "note"}])", R"(entry 0, field "name": must be a string)"},
        {R"([{"name": "a", "kind": "Note"}])", R"(entry 0, field "kind")"},
        {R"([{"name": "a", "kind": "note", "txt": ""}])", R"(entry 0, field "txt": unknown)"},
        {R"([{"name": "a", "kind": "note", "values": {}}])", R"(field "values")"},
        {R"([{"name": "a", "kind": "note", "values": [{"dictionary": 1}]}])",
         R"(entry 0, field "values[0].id": missing)"},
        {R"([{"name": "a", "kind": "note", "values": [{"id": 1.5, "dictionary": 1}]}])",
         R"(field "values[0].id": must be a 32-bit integer)"},
        {R"([{"name": "a", "kind": "note", "values": [{"id": 1, "dictionary": 4294967296}]}])",
         R"(field "values[0].dictionary")"},
        {R"([{"name": "a", "kind": "note", "values": [{"id": 1, "dictionary": 1, "x": 1}]}])",
         R"(field "values[0].x": unknown)"},
        {R"([{"name": "a", "kind": "note", "values": [{"id": 1, "dictionary": 1, "text": 3}]}])",
         R"(field "values[0].text": must be a string)"},
        {R"([{"name": "0123456789012345678901234567890123", "kind": "note"}])",
         R"(entry 0, field "name": longer than 31 characters)"},
        {R"([{"name": "a\u0000b", "kind": "note"}])", R"(field "name": must not contain)"},
        {R"([{"name": "a", "kind": "note", "record": "AAAA"}])",
         R"(field "record": only for kinds other than note and bookmark)"},
        {R"([{"name": "a", "kind": 2, "record": "not base64!"}])",
         R"(field "record": must be a base64 string)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        QString error;
        EXPECT_FALSE(PersonalJson::fromJson(c.json, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.message))) << error.toStdString();
    }
}

TEST(PersonalJsonTest, LimitsCountCharactersNotBytes) {
    // 31 e-acutes are 62 bytes of UTF-8 but 31 characters: allowed.
    const QByteArray name = QString(31, QChar(0xe9)).toUtf8();
    QString error;
    const auto entries =
        PersonalJson::fromJson("[{\"name\": \"" + name + "\", \"kind\": \"note\"}]", &error);
    ASSERT_TRUE(entries) << error.toStdString();
    EXPECT_EQ((*entries)[0].rawName(), QByteArray(31, '\xe9'));
}

TEST(PersonalJsonTest, CharactersOutsideWindows1252AreStoredAsQuestionMarkWithWarning) {
    QString error;
    QStringList warnings;
    const auto entries = PersonalJson::fromJson(
        R"([{"name": "ok", "kind": "bookmark", "text": "\u03a9 caf\u00e9"}])", &error, &warnings);
    ASSERT_TRUE(entries);
    EXPECT_EQ((*entries)[0].rawText(), QByteArray("? caf\xe9"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("entry 0, field \"text\"")));
}

}  // namespace
}  // namespace corkwise
