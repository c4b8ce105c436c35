#pragma once
// The last page of Best Producers (page 10012): a title naming the variety or appellation chosen
// on the form and the list of its best producers, one entry per record below that node, in
// catalogue order. Its input is the Variety/Appellation node the form hands over.
//
// The page refills (title and list) only when the guide's page-order rule says it is newly
// reached; Back and Next without a change on the form show the list as it was. Leaving the page
// or closing the flow keeps the list; the next fill replaces it.

#include "screens/SearchPage.h"

class QLabel;
class QListWidget;

namespace corkwise {

class BestProducersResultsPage : public SearchPage {
    Q_OBJECT

public:
    // GUIDE must outlive the page.
    explicit BestProducersResultsPage(WineGuide& guide, QWidget* parent = nullptr);

    void activate(bool entering) override;
    int createControls() override;

    // "Best Producers for " + NAME + ":".
    static QString titleText(const QByteArray& name);

    QLabel* titleLabel() const { return title_; }
    QListWidget* producerList() const { return list_; }

private:
    // Sets the title from the input and lists the BEST_PRODUCERS text of every record child of
    // the input (none without an input); entry 0 is selected.
    void refill();

    QLabel* title_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace corkwise
