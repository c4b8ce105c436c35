#pragma once
// The base of every page of a guided search, and of the personal panel: the guide's page
// (guide/GuidePage) with its widget.
//
// A page is built once, with its flow, and lives as long as the program; it is shown by the main
// view only while its flow is open. Its "window" exists between createWindow and destroyWindow:
// the page is then a hidden child of the main view, placed at (0, 0, 240, 238). Its child controls
// are made by createControls the first time the window is created and kept afterwards; clearPage
// empties them before each destroyWindow.
//
// Lists filled by fillList (a QComboBox or a QListWidget) carry a NodeCursor on the node each
// entry shows; the list owns it, and it is released when the entry is removed or the list is
// destroyed. nodeAt() reads it back.

#include "common/StringMap.h"
#include "guide/GuidePage.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace corkwise {

class GridEvent;
class NodeCursor;
class PageHost;
class WineGuide;

class SearchPage : public QWidget, public GuidePage {
    Q_OBJECT

public:
    static const QColor kBackground;   // RGB(174, 196, 175)
    static const QColor kBoxColour;    // RGB(147, 167, 148): info boxes, strip buttons
    static const QColor kFrameColour;  // RGB(125, 125, 125)

    // Builds the page PAGEID (10001 to 10012, or -1 for the personal panel) for GUIDE, which must
    // outlive it. The input becomes a copy of the guide's openFlowRoot(PAGEID): the root of the
    // flow's tree for a first page, null for the others. PARENT owns the page while it has no
    // window (see destroyWindow); the page factory gives one.
    SearchPage(WineGuide& guide, int pageId, QWidget* parent = nullptr);
    ~SearchPage() override;

    // --- Operations through which the main view drives the page ---

    // Empties the page's lists; the base empties selections().
    virtual void clearPage();
    // Stores the page's choices in the guide and returns the node the next page starts from
    // (owned by the caller); the base returns null.
    std::unique_ptr<NodeCursor> commitSelection() override;
    // Called with true when the page becomes the current page, with false when it stops being
    // current. The base does nothing.
    virtual void activate(bool entering);
    // Fills every list from the input, preselecting remembered values; false when a remembered
    // value was missing (the page's message then says which). The base returns true.
    bool loadLists() override;
    // Creates the page's child controls: 0 on success, -1 on failure. The base returns 0.
    virtual int createControls();
    // A row of the page's grid was tapped or held. The base does nothing.
    virtual void onGridEvent(const GridEvent& event);
    int pageId() const override;
    // The pending message, which is left empty.
    QString takeMessage() override;
    virtual const StringMap& selections() const;
    virtual std::optional<QString> lookupSelection(const QString& key) const;
    // Removes every entry of LIST (a QComboBox when ISCOMBO, else a QListWidget), releasing the
    // nodes attached to them. A null or mismatched list is left alone.
    virtual void clearList(QWidget* list, bool isCombo);
    // Fills LIST with the children of NODE, in file order or, when REVERSE, the other way round,
    // each entry carrying a cursor on its child, and selects one entry:
    // - no KEY (null): entry 0;
    // - a KEY (8-bit dictionary short name) while the guide has a selection: the first entry
    //   from the top whose text begins with the guide's valueText(KEY), ignoring case; when
    //   none does, entry 0, the result false, and (if no message is pending) the message
    //   "No data available for ..." naming KEY and the value;
    // - a KEY with nothing remembered: entry 0, except the first entry beginning with "Still"
    //   for "SSF" and the first beginning with "U.S." for "ORIGIN".
    // A null NODE returns false and leaves LIST as it was. Writes "ADD CHILD OK" to the log per
    // entry.
    virtual bool fillList(QWidget* list, const NodeCursor* node, bool isCombo, const char* key,
                          bool reverse);

    // The bookmark composition used by the Personal menu's Add Bookmark: stores the page's
    // choices in the guide and returns the bookmark's name. Empty when the page offers no
    // bookmark (the base).
    virtual QString composeBookmark();

    // --- Non-virtual operations (setInput and input come from GuidePage) ---

    // PAGE as the screens' page it is, or null when it is a page of the guide's alone.
    static SearchPage* of(GuidePage* page) { return dynamic_cast<SearchPage*>(page); }

    // Stores every pair of MAP in selections(), overwriting existing keys.
    void copySelections(const StringMap& map);
    // "Verdana" of HEIGHT pixels, weight 700 when BOLD and 300 otherwise.
    static QFont pageFont(int height, bool bold);
    // The style sheet that gives push buttons the program's look: RGB(147, 167, 148) with a thin
    // frame. Set it on a page (or on the buttons) that has push buttons.
    static QString buttonStyleSheet();
    // The node attached to entry INDEX of LIST by fillList, or null.
    static const NodeCursor* nodeAt(const QWidget* list, bool isCombo, int index);
    // The node of the selected entry of LIST, or null.
    static const NodeCursor* selectedNode(const QWidget* list, bool isCombo);

    // --- The page's window ---

    // Makes the page a hidden child of PARENT at RECT, driven by HOST (not owned; both must
    // outlive the window). The first time, createControls runs; when it gives -1 the window is
    // not created, the page returns to its owner and the result is false.
    bool createWindow(PageHost* host, QWidget* parent, const QRect& rect);
    // Hides the page and hands it back to the owner it was built with. Does nothing without a
    // window.
    void destroyWindow();
    bool hasWindow() const { return hasWindow_; }

    // The host given to createWindow, or null.
    PageHost* host() const { return host_; }
    WineGuide& guide() const { return guide_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Sets the pending message unless one is pending already.
    void setMessage(const QString& text);
    bool hasMessage() const { return !message_.isEmpty(); }

private:
    QString message_;
    WineGuide& guide_;
    StringMap selections_;
    int pageId_;
    PageHost* host_ = nullptr;
    QPointer<QWidget> owner_;
    bool controlsCreated_ = false;
    bool hasWindow_ = false;
};

// The text fillList leaves when the remembered VALUE of dictionary KEY is missing from a list:
// "No data available for D : "VALUE" Please choose another D." with D the display name of KEY.
QString missingValueMessage(const QByteArray& key, const QString& value);
// The display name of a dictionary short name: "Origin", "Wine Category", "Wine Type", "Region",
// or the name itself.
QString keyDisplayName(const QByteArray& key);

}  // namespace corkwise
