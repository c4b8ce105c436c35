#include "personal/PersonalWalk.h"

#include "personal/PersonalFile.h"
#include "testsupport/PersonalSamples.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace corkwise {
namespace {

QByteArray sampleFile() {
    std::vector<PersonalEntry> entries = test::sampleEntries();
    entries.push_back(test::fullNote());
    return PersonalFile::serialise(entries);
}

TEST(PersonalWalkTest, SoundFilesKeepEveryPromise) {
    QString failure;
    EXPECT_TRUE(walkPersonalFile(sampleFile(), &failure)) << failure.toStdString();
    EXPECT_TRUE(walkPersonalFile(QByteArray(4, '\0'), &failure)) << failure.toStdString();
}

TEST(PersonalWalkTest, EveryByteSetToExtremesKeepsEveryPromise) {
    const QByteArray file = PersonalFile::serialise(test::sampleEntries());
    for (qsizetype at = 0; at < file.size(); ++at) {
        for (char value : {'\x00', '\x01', '\x7f', '\x80', '\xff'}) {
            QByteArray bad = file;
            bad[at] = value;
            QString failure;
            ASSERT_TRUE(walkPersonalFile(bad, &failure))
                << "byte " << at << " = " << int(value) << ": " << failure.toStdString();
        }
    }
}

// Inputs the fuzz target starts from, and every input it ever found a fault with, kept so
// that each stays fixed.
TEST(PersonalWalkTest, KeptInputsKeepEveryPromise) {
    int walked = 0;
    for (const char* folder : {"/personal-corpus", "/personal-crashes"}) {
        const QDir dir(QStringLiteral(CORKWISE_TEST_DATA_DIR) + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            QString failure;
            EXPECT_TRUE(walkPersonalFile(file.readAll(), &failure))
                << name.toStdString() << ": " << failure.toStdString();
            ++walked;
        }
    }
    EXPECT_GT(walked, 0);
}

}  // namespace
}  // namespace corkwise
