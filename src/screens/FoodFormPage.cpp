#include "screens/FoodFormPage.h"

#include "catalog/NodeCursor.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"

#include <QComboBox>
#include <QLabel>

namespace corkwise {

using findwine::edges;

const QString FoodFormPage::kHelpText =
    QStringLiteral("First select your preferred type of food, then select the food...");

FoodFormPage::FoodFormPage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kFoodTypePage, parent) {}

int FoodFormPage::createControls() {
    QLabel* title =
        findwine::makeLabel(this, QStringLiteral("Select Food"), edges(10, 20, 230, 35), "title");
    title->setFont(pageFont(14, true));
    title->setAlignment(Qt::AlignCenter);

    QLabel* typeLabel = findwine::makeLabel(this, QStringLiteral("Type Of Food :"),
                                            edges(10, 57, 230, 72), "typeLabel");
    type_ = findwine::makeCombo(this, 1046, edges(10, 72, 230, 230), "typeCombo");
    QLabel* foodLabel =
        findwine::makeLabel(this, QStringLiteral("Food :"), edges(10, 113, 230, 128), "foodLabel");
    food_ = findwine::makeCombo(this, 1048, edges(10, 128, 230, 230), "foodCombo");
    findwine::labelControl(typeLabel, type_);
    findwine::labelControl(foodLabel, food_);

    QLabel* helpLabel =
        findwine::makeLabel(this, QStringLiteral("Help"), edges(10, 170, 230, 185), "helpLabel");
    helpLabel->setAlignment(Qt::AlignCenter);
    help_ = findwine::makeInfoBox(this, kHelpText, edges(10, 188, 230, 235), "helpBox", true);
    help_->setAccessibleName(QStringLiteral("Help"));

    // activated is the user's pick, even of the entry already selected: each one counts.
    connect(type_, &QComboBox::activated, this, &FoodFormPage::onTypePicked);
    connect(food_, &QComboBox::activated, this, [this] { guide().setCurrentPage(pageId()); });
    return 0;
}

void FoodFormPage::clearPage() {
    if (type_ != nullptr) {
        clearList(type_, true);
        clearList(food_, true);
    }
    SearchPage::clearPage();
}

std::unique_ptr<NodeCursor> FoodFormPage::commitSelection() {
    const NodeCursor* food = selectedNode(food_, true);
    return food != nullptr ? food->clone() : nullptr;
}

void FoodFormPage::activate(bool entering) {
    if (entering && type_ != nullptr && guide().advanceTo(pageId())) {
        loadLists();
    }
}

bool FoodFormPage::loadLists() {
    if (type_ == nullptr) {
        return false;
    }
    const bool result = fillList(type_, input(), true, nullptr, false);
    if (!result) {
        // No tree to choose from: types of an earlier fill would lead nowhere.
        clearList(type_, true);
    }
    fillFoods();
    return result;
}

void FoodFormPage::fillFoods() {
    const NodeCursor* type = selectedNode(type_, true);
    if (type == nullptr) {
        // The foods of a type no longer listed must not stay on offer.
        clearList(food_, true);
        return;
    }
    fillList(food_, type, true, nullptr, false);
}

void FoodFormPage::onTypePicked() {
    fillFoods();
    guide().setCurrentPage(pageId());
}

}  // namespace corkwise
