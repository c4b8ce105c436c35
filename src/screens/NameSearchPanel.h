#pragma once
// The name search: a panel over the whole main view with a heading, a one-line text field, the
// wines whose names match what is typed ("Producer, Product Vintage", NameSearch decides which
// and in what order) and a line saying how many match.
//
// The list follows the field as the user types, from two letters or digits on. Up and Down in the
// field move in the list; Enter, or a tap on a result, chooses the wine (wineChosen); Escape or
// Cancel closes the panel (closed). The panel only reports these; its host shows and hides it.
// Children by object name: "nameSearchHeading", "nameField", "nameResults", "nameCount",
// "nameCancelButton".

#include "guide/NameSearch.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace corkwise {

class WineGuide;

class NameSearchPanel : public QWidget {
    Q_OBJECT

public:
    // GUIDE (not owned) must outlive the panel; without a catalogue nothing is ever found.
    explicit NameSearchPanel(WineGuide& guide, QWidget* parent = nullptr);

    // Empties the field and the list and gives the field the focus; called before the panel is
    // shown.
    void start();
    // Searches for what the field holds and lists the result.
    void refresh();
    // Opens the wine of the current result: emits wineChosen. Nothing when no result is current.
    void openCurrent();

    // The Edit menu's commands, for the text field.
    void cut();
    void copy();
    void paste();

    QLineEdit* field() const { return field_; }
    QListWidget* results() const { return results_; }
    QLabel* countLine() const { return count_; }
    // The wines listed, in list order.
    const std::vector<NameMatch>& listed() const { return listed_; }

    // The count line for TOTAL matches of a searchable query with at most LIMIT listed.
    static QString countText(int total, int limit);

Q_SIGNALS:
    // The user chose the wine on row ROW of wine table TABLE (a table number).
    void wineChosen(int table, int row);
    // The user left with Escape or Cancel.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void moveCurrent(int step);

    WineGuide& guide_;
    QLabel* heading_ = nullptr;
    QLineEdit* field_ = nullptr;
    QListWidget* results_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<NameMatch> listed_;
};

}  // namespace corkwise
