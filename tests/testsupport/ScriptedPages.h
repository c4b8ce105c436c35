#pragma once
// Pages whose behaviour a test scripts, for driving the main view through every path of its flows
// without the real screens.

#include "guide/PageFactory.h"
#include "guide/WineGuide.h"
#include "screens/PageHost.h"
#include "screens/SearchPage.h"

#include <QHash>
#include <QStringList>

#include <memory>

namespace corkwise::test {

// A page that logs every call the main view makes into a shared list, answers loadLists and
// names a bookmark as told, and hands its input on unchanged.
class ScriptedPage : public SearchPage {
public:
    ScriptedPage(WineGuide& guide, int pageId, QWidget* owner, QStringList* log)
        : SearchPage(guide, pageId, owner), log_(log) {}

    void clearPage() override {
        note(QStringLiteral("clearPage"));
        SearchPage::clearPage();
    }
    std::unique_ptr<NodeCursor> commitSelection() override;
    void activate(bool entering) override {
        note(QStringLiteral("activate %1").arg(entering));
        if (entering && pageId() == kFindWineWinePage && host() != nullptr) {
            host()->allowAddBookmark(true);
        } else if (!entering && pageId() == kFindWineWinePage && host() != nullptr) {
            host()->allowAddBookmark(false);
        }
    }
    bool loadLists() override {
        note(QStringLiteral("loadLists"));
        if (!loads) {
            setMessage(QStringLiteral("No data available for this page"));
        }
        return loads;
    }
    int createControls() override { return createFails ? -1 : 0; }
    QString composeBookmark() override { return bookmarkName; }

    bool loads = true;
    bool createFails = false;
    QString bookmarkName;

private:
    void note(const QString& what) {
        if (log_ != nullptr) {
            log_->append(QString::number(pageId()) + QLatin1Char(' ') + what);
        }
    }
    QStringList* log_;
};

// Makes ScriptedPages; pages holds each by id.
class ScriptedFactory : public PageFactory {
public:
    explicit ScriptedFactory(QWidget* owner) : owner_(owner) {}
    SearchPage* createPage(WineGuide& guide, int pageId) override {
        auto* page = new ScriptedPage(guide, pageId, owner_, &log);
        pages.insert(pageId, page);
        return page;
    }

    QHash<int, ScriptedPage*> pages;
    QStringList log;

private:
    QWidget* owner_;
};

}  // namespace corkwise::test
