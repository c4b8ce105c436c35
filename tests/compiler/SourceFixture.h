#pragma once
// A small but complete folder of catalogue sources for the compiler tests, with ways to vary
// one file at a time.

#include "testsupport/TempDir.h"

#include <QByteArray>
#include <QString>

namespace corkwise::test {

class SourceFixture {
public:
    // Writes the five files of the standard sample into a fresh temporary folder.
    SourceFixture();

    QString dir() const { return dir_.path(QStringLiteral("sources")); }
    // Replaces file NAME (e.g. "wines.csv") with TEXT.
    void write(const QString& name, const QByteArray& text) const;
    // Appends one line (without its line break) to file NAME.
    void appendLine(const QString& name, const QByteArray& line) const;
    // Path of NAME in a scratch area beside the sources (for outputs).
    QString scratch(const QString& name) const { return dir_.path(name); }

    static const char* const kWines;
    static const char* const kFood;
    static const char* const kCharts;
    static const char* const kBestProducers;
    static const char* const kBestValues;

private:
    TempDir dir_;
};

}  // namespace corkwise::test
