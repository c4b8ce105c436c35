#pragma once
// Opening a wine of a list: a double-click on an entry, or Enter while the list has the focus,
// calls back with the entry's row. The list takes the Enter key then, so it does not go on to
// the page (where Enter means Next); with no current entry the key goes on as before.

#include <QObject>

#include <functional>

class QListWidget;

namespace corkwise {

class WineListKeys : public QObject {
    Q_OBJECT

public:
    // Watches LIST (not owned; the watcher is its child) and calls OPEN with the row.
    static void watch(QListWidget* list, std::function<void(int row)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WineListKeys(QListWidget* list, std::function<void(int row)> open);

    QListWidget* list_;
    std::function<void(int row)> open_;
};

}  // namespace corkwise
