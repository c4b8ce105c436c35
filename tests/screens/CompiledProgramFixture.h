#pragma once
// A whole program on a catalogue that the project's compiler builds from the test's CSV sources.

#include "ProgramFixture.h"
#include "testsupport/SourceCatalogue.h"

namespace corkwise::test {

class CompiledProgramFixture : public ProgramFixture {
protected:
    virtual CatalogueSources sources() const = 0;

    bool writeCatalogue(const QString& path) override {
        QString error;
        const bool written = compileSourceCatalogue(sources(), path, &error);
        EXPECT_TRUE(written) << error.toStdString();
        return written;
    }
};

}  // namespace corkwise::test
