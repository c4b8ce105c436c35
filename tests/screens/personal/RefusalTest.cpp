// What the personal file cannot hold is refused as it is typed or pasted, with a word on the
// page, on both pages where the user types: the Notes text and a Details value.

#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "screens/personal/DetailsPage.h"
#include "screens/personal/NotesPage.h"
#include "testsupport/GuiApp.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace corkwise {
namespace {

struct Input {
    const char* name;
    bool details;  // a Details value, else the Notes text
    bool paste;    // pasted, else typed
    QString text;
    QString kept;
    QString word;  // part of the word shown; empty when none is shown
};

// Types TEXT into TARGET one character at a time, as a keyboard or input method delivers it
// (QTest::keyClicks knows only Latin-1 keys).
void typeText(QWidget* target, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, n);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(target, &release);
        i += n - 1;
    }
}

class RefusalTest : public ::testing::TestWithParam<Input> {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
};

TEST_P(RefusalTest, WhatTheFileCannotHoldIsRefusedVisibly) {
    const Input& in = GetParam();
    QWidget host;
    auto* notes = new NotesPage();
    auto* details = new DetailsPage();
    ASSERT_TRUE(notes->createPage(&host, QRect(2, 23, 217, 159), 1231));
    ASSERT_TRUE(details->createPage(&host, QRect(2, 23, 217, 159), 1230));
    host.show();
    QLineEdit* value = nullptr;  // the Details value typed into; none on the Notes page
    if (in.details) {
        details->setKind(EntryKind::Note);
        StringMap fields;
        fields.set(QStringLiteral("REGION"), QString());
        details->showFields(fields);
        value = details->noteGrid()->editCellAt(0, 1)->lineEdit();
        QTest::mouseClick(value, Qt::LeftButton);
    }
    if (in.paste) {
        QApplication::clipboard()->setText(in.text);
        in.details ? details->paste() : notes->paste();
    } else {
        typeText(value ? static_cast<QWidget*>(value) : notes->edit()->textEdit(), in.text);
    }
    EXPECT_EQ(value ? value->text() : notes->contents(), in.kept);
    const QString word = in.details ? details->refusal() : notes->refusal();
    EXPECT_EQ(word.isEmpty(), in.word.isEmpty()) << word.toStdString();
    EXPECT_TRUE(word.contains(in.word)) << word.toStdString();
}

const QString kLong = QString(600, u'p');
const QString kKept = QString(511, u'p');

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusalTest,
    ::testing::Values(
        Input{"NotesTypedGreekAndChinese", false, false,
              QStringLiteral("Wine \u03a9 and \u4e2d\u6587"), QStringLiteral("Wine  and "),
              QStringLiteral("\u6587")},
        Input{"NotesPastedEmoji", false, true, QStringLiteral("Red \U0001F377"),
              QStringLiteral("Red "), QStringLiteral("\U0001F377")},
        Input{"NotesPastedTooLong", false, true, kLong, kKept, QStringLiteral("at most 511")},
        Input{"NotesTypedWesternText", false, false, QStringLiteral("Caf\u00e9 \u20ac5"),
              QStringLiteral("Caf\u00e9 \u20ac5"), QString()},
        Input{"DetailsTypedGreek", true, false, QStringLiteral("\u03a9"), QString(),
              QStringLiteral("Windows-1252")},
        Input{"DetailsPastedTooLong", true, true, kLong, kKept, QStringLiteral("at most 511")},
        Input{"DetailsTypedWesternText", true, false, QStringLiteral("C\u00f4te"),
              QStringLiteral("C\u00f4te"), QString()}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace corkwise
