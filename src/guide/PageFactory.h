#pragma once
// How the guide gets its pages without depending on the screens that define them.

namespace corkwise {

class GuidePage;
class WineGuide;

// Makes the page of one page id. The program hands the guide a factory that builds the real
// pages; each page's constructor may call back into the guide (openFlowRoot with its own id).
class PageFactory {
public:
    virtual ~PageFactory();

    // A new page with PAGEID for GUIDE, or null when there is no page for that id. The guide
    // does not own the page: the factory gives it an owner (the screens' pages a Qt parent),
    // which destroys it.
    virtual GuidePage* createPage(WineGuide& guide, int pageId) = 0;
};

}  // namespace corkwise
