#pragma once
// Makes the page of each page id of the five searches: each line of createPage names the class
// of one page.

#include "guide/PageFactory.h"

#include <QPointer>

class QWidget;

namespace corkwise {

class FlowPageFactory : public PageFactory {
public:
    // OWNER (not owned) becomes the Qt parent of every page made, and destroys them; it must
    // outlive the factory's use.
    explicit FlowPageFactory(QWidget* owner);

    // A new page for PAGEID, owned by the owner widget; null for an id that names no page.
    GuidePage* createPage(WineGuide& guide, int pageId) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace corkwise
