#pragma once
// The wait cursor shown while the program is busy (list filling, replaying a search).
//
// A WaitCursor shows the wait cursor from its construction until release() or its destruction,
// whichever comes first; instances nest. Without a QGuiApplication nothing is shown, but the
// count of active instances is still kept so that tests can observe it.

namespace corkwise {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Removes the wait cursor now; later calls and the destructor do nothing.
    void release();

    // Number of WaitCursor instances currently showing the cursor.
    static int activeCount();

private:
    bool active_ = true;
};

}  // namespace corkwise
