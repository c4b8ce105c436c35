#pragma once
// The base of the pages of a tab panel: a titled child window that paints its background and
// shows what the personal panel hands it.
//
// A page is added to its TabPanel before the panel's window is created; the panel then makes the
// page its child (createPage) and owns it from then on. The contents a page shows and gives back
// differ per page (a field map, a text), so they are offered by the derived pages themselves.
// What a page refuses to keep of the user's typing is named by the page's RefusalWord.

#include <QString>
#include <QWidget>

namespace corkwise {

class RefusalWord;

class TabPage : public QWidget {
    Q_OBJECT

public:
    explicit TabPage(const QString& title, QWidget* parent = nullptr);
    ~TabPage() override;

    // The title shown on the page's tab.
    QString title() const { return title_; }

    // Makes the page a visible child of PARENT at RECT, with ID as its object id, and creates its
    // controls (createControls). False when the page was created before or its controls fail.
    bool createPage(QWidget* parent, const QRect& rect, int id);
    bool isCreated() const { return created_; }
    int pageId() const { return id_; }

    // Empties what the page shows. The base does nothing.
    virtual void reset();
    // Fits the page's controls to the box (LEFT, TOP) to (RIGHT, BOTTOM), in page coordinates.
    // The base does nothing.
    virtual void resizePage(int left, int top, int right, int bottom);
    // The Edit menu's commands for the page's text. The base does nothing.
    virtual void cut();
    virtual void copy();
    virtual void paste();

    // The word shown for what was refused last; empty when none is shown.
    QString refusal() const;

Q_SIGNALS:
    // The user changed what the page holds (showing stored contents is no change).
    void edited();

protected:
    // Creates the page's controls for its size: false on failure. The base creates none.
    virtual bool createControls();
    void paintEvent(QPaintEvent* event) override;
    // Shows WORD in the page's corner for a few seconds.
    void showRefusal(const QString& word);
    // Takes the word away, as when other contents are shown.
    void hideRefusal();

private:
    RefusalWord* refusal_ = nullptr;
    QString title_;
    int id_ = 0;
    bool created_ = false;
};

}  // namespace corkwise
