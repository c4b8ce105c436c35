#include "screens/FlowPageFactory.h"

#include "guide/SearchFlow.h"
#include "screens/BestProducersFormPage.h"
#include "screens/BestProducersResultsPage.h"
#include "screens/BestValuesFormPage.h"
#include "screens/BestValuesResultsPage.h"
#include "screens/FindWineCriteriaPage.h"
#include "screens/FindWineProducerPage.h"
#include "screens/FindWineWinePage.h"
#include "screens/FoodFormPage.h"
#include "screens/FoodResultsPage.h"
#include "screens/VintageChartFormPage.h"
#include "screens/VintageChartResultsPage.h"

#include <QWidget>

namespace corkwise {

FlowPageFactory::FlowPageFactory(QWidget* owner) : owner_(owner) {}

GuidePage* FlowPageFactory::createPage(WineGuide& guide, int pageId) {
    QWidget* owner = owner_.data();
    switch (pageId) {
        case kFindWineCriteriaPage:
            return new FindWineCriteriaPage(guide, owner);
        case kFindWineProducerPage:
            return new FindWineProducerPage(guide, owner);
        case kFindWineWinePage:
            return new FindWineWinePage(guide, owner);
        case kFoodTypePage:
            return new FoodFormPage(guide, owner);
        case kFoodResultsPage:
            return new FoodResultsPage(guide, owner);
        case kVintageChartFirstPage:
            return new VintageChartFormPage(guide, owner);
        case kVintageChartSecondPage:
            return new VintageChartResultsPage(guide, owner);
        case kBestValuesFormPage:
            return new BestValuesFormPage(guide, owner);
        case kBestValuesResultsPage:
            return new BestValuesResultsPage(guide, owner);
        case kBestProducersFormPage:
            return new BestProducersFormPage(guide, owner);
        case kBestProducersResultsPage:
            return new BestProducersResultsPage(guide, owner);
        default:
            return nullptr;
    }
}

}  // namespace corkwise
