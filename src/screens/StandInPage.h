#pragma once
// A plain page for a step of a search whose own screen is not built yet: it names the search and
// the step, lists the children of its input node, and hands the chosen child to the next page.
// Choices are not remembered in the guide and nothing is bookmarked.

#include "screens/SearchPage.h"

class QLabel;
class QListWidget;

namespace corkwise {

class StandInPage : public SearchPage {
    Q_OBJECT

public:
    StandInPage(WineGuide& guide, int pageId, QWidget* parent = nullptr);

    void clearPage() override;
    std::unique_ptr<NodeCursor> commitSelection() override;
    void activate(bool entering) override;
    bool loadLists() override;
    int createControls() override;

    // The heading of page PAGEID, for example "Best Values: results".
    static QString heading(int pageId);

    QListWidget* choices() const { return choices_; }

private:
    void refill();

    QLabel* heading_ = nullptr;
    QListWidget* choices_ = nullptr;
};

}  // namespace corkwise
