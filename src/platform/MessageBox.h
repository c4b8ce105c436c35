#pragma once
// The one way Corkwise asks or tells the user something in a message box.
//
// Every message box of the program goes through MessageBox::show so that tests can answer it in
// advance (setNextAnswer) and headless runs never block in a modal loop (setUnattended). Every box
// shown is also remembered in history(), so tests can check what the user would have seen.

#include <QList>
#include <QString>

class QWidget;

namespace corkwise {

class MessageBox {
public:
    enum Button { NoButton = 0x0, Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };
    enum class Icon { None, Information, Question, Warning, Error };

    // One message box as it was put to the user, with the answer it got.
    struct Record {
        QString caption;
        QString text;
        Icon icon = Icon::None;
        int buttons = Ok;
        Button answer = NoButton;
        bool hadOwner = false;
    };

    // Shows TEXT under CAPTION with the given icon and BUTTONS (an or-ed set of Button values)
    // and returns the button the user chose. OWNER may be null (a box owned by no window).
    // DEFAULT_BUTTON is the answer to Enter, and the answer in unattended mode; when it is not one
    // of BUTTONS the first of BUTTONS is used. Closing the box without a button gives Cancel when
    // offered, otherwise No when offered, otherwise the default.
    static Button show(QWidget* owner, Icon icon, const QString& caption, const QString& text,
                       int buttons = Ok, Button defaultButton = NoButton);

    // Queues ANSWER for the next box: that box is recorded but not shown, and gives ANSWER.
    // Answers are used in the order they were queued.
    static void setNextAnswer(Button answer);
    // Number of queued answers not used yet.
    static int pendingAnswers();

    // In unattended mode a box without a queued answer is written to stderr and answered with its
    // default button instead of being shown.
    static void setUnattended(bool on);
    static bool unattended();

    // Every box put to the user since the last clearHistory, oldest first.
    static const QList<Record>& history();
    // Forgets the history and any queued answers.
    static void clearHistory();
};

}  // namespace corkwise
