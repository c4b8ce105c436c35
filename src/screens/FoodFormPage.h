#pragma once
// The first page of Food and Wine (page 10005): a type of food and a food in two drop-down
// lists, over a short help text. Its input is the root of the food tree: the types of food are
// its children and the foods theirs. Next hands the chosen food's node to the results page;
// nothing is stored in the guide.
//
// Any pick in either list (even of the entry already selected) makes this page current again, so
// that the results page rebuilds its list on the next arrival. A pick of a type of food refills
// the foods with that type's, the first one selected. When no type of food is listed the food
// list is empty too, and Next hands on no node.

#include "screens/SearchPage.h"

class QComboBox;
class QLabel;

namespace corkwise {

class FoodFormPage : public SearchPage {
    Q_OBJECT

public:
    // The help box's text.
    static const QString kHelpText;

    // GUIDE must outlive the page.
    explicit FoodFormPage(WineGuide& guide, QWidget* parent = nullptr);

    void clearPage() override;
    // A copy of the selected food's node; null when no food is listed.
    std::unique_ptr<NodeCursor> commitSelection() override;
    // Entering fills both lists when the guide lets the page become current (advanceTo).
    void activate(bool entering) override;
    // Fills the types of food from the input and the foods from the first type, selecting the
    // first entry of each. False when there is no input.
    bool loadLists() override;
    int createControls() override;

    QComboBox* typeCombo() const { return type_; }
    QComboBox* foodCombo() const { return food_; }
    QLabel* helpBox() const { return help_; }

private:
    // Fills the foods from the selected type of food; empties them when none is selected.
    void fillFoods();
    void onTypePicked();

    QComboBox* type_ = nullptr;
    QComboBox* food_ = nullptr;
    QLabel* help_ = nullptr;
};

}  // namespace corkwise
