#pragma once
// What the guide knows of a page of a guided search, without its widgets: the page's id, its
// input node, and the steps a search is replayed through (fill the lists from the input, commit
// the choice that the next page starts from). The screens' pages derive from it; the guide holds
// them and the page factory makes them.

#include <QString>

#include <memory>
#include <span>

namespace corkwise {

class NodeCursor;

class GuidePage {
public:
    virtual ~GuidePage();

    GuidePage(const GuidePage&) = delete;
    GuidePage& operator=(const GuidePage&) = delete;

    virtual int pageId() const = 0;
    // Fills every list from the input, preselecting remembered values; false when a remembered
    // value was missing (the page's message then says which).
    virtual bool loadLists() = 0;
    // Stores the page's choices in the guide and returns the node the next page starts from
    // (owned by the caller), or null.
    virtual std::unique_ptr<NodeCursor> commitSelection() = 0;
    // The pending message, which is left empty.
    virtual QString takeMessage() = 0;

    // Replaces the input with a copy of NODE (null clears it).
    void setInput(const NodeCursor* node);
    // The page's own copy of its input node, or null.
    const NodeCursor* input() const { return input_.get(); }

protected:
    // INPUT (may be null) is the node the page starts from.
    explicit GuidePage(std::unique_ptr<NodeCursor> input = nullptr);

private:
    std::unique_ptr<NodeCursor> input_;
};

// Replays PAGES from index FIRST, at most COUNT of them: each page in turn loads its lists and,
// when they load, hands its committed choice to the page after it (if any) as that page's input.
// The first page that cannot load stops the replay; its message is dropped. Returns how many
// pages loaded (0 when FIRST is out of range).
int replayPages(std::span<GuidePage* const> pages, int first, int count);

}  // namespace corkwise
