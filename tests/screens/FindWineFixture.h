#pragma once
// A whole program on a Find Wine catalogue written by the test, driven as a user drives it: the
// home picture's wine search area, the pages' lists, the navigation strip and the Personal menu.

#include "FindWineCatalogue.h"
#include "ProgramFixture.h"
#include "controls/GridList.h"
#include "screens/FindWineCriteriaPage.h"
#include "screens/FindWineProducerPage.h"
#include "screens/FindWineWinePage.h"

#include <QLabel>
#include <QMenu>

namespace corkwise::test {

class FindWineFixture : public ProgramFixture {
protected:
    bool writeCatalogue(const QString& path) override {
        return writeFindWineCatalogue(path, wines());
    }

    // The wines of the catalogue; sampleWines() unless a test says otherwise.
    virtual QList<FindWineEntry> wines() const { return sampleWines(); }

    FindWineCriteriaPage* criteria() const { return page<FindWineCriteriaPage>(kFindWineFlow, 0); }
    FindWineProducerPage* producers() const { return page<FindWineProducerPage>(kFindWineFlow, 1); }
    FindWineWinePage* winePage() const { return page<FindWineWinePage>(kFindWineFlow, 2); }

    // A tap on the home picture's wine search area.
    void tapFindWine() { tapHome(kFindWineFlow); }

    // Whether the Personal menu shown offers Add Bookmark usable.
    bool addBookmarkUsable() const {
        const int position = bar()->visiblePersonalPosition();
        QAction* item = bar()->item(position, command::kAddBookmark);
        return position >= 0 && item != nullptr && item->isEnabled() &&
               bar()->isButtonEnabled(position);
    }

    // Walks to the wine page of Beringer Hills (U.S., Still, Red, California, A - M).
    void walkToBeringer() {
        tapFindWine();
        next();
        next();
    }
};

}  // namespace corkwise::test
