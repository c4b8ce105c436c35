#pragma once
// The one way Corkwise asks the user for a file to read or write.
//
// The desktop's own file dialog is shown, opening in the folder the user chose a file in last
// (kept in the settings as "dialogs/lastFolder", so it is the same next time the program runs).
// Tests answer a dialog in advance (setNextAnswer) and look at what it would have shown
// (history); in unattended mode (MessageBox::setUnattended) a dialog without a queued answer is
// cancelled instead of being shown.

#include <QList>
#include <QString>

class QWidget;

namespace corkwise {

class FileDialog {
public:
    enum class Mode { Open, Save };

    // One dialog as it was put to the user, with the path it gave (empty: cancelled).
    struct Record {
        Mode mode = Mode::Open;
        QString caption;
        QString startPath;  // the folder, or for Save the suggested file in it
        QString filter;
        QString answer;
    };

    // Asks for an existing file to read. FILTER is a Qt name filter ("JSON files (*.json)").
    // Returns its absolute path, or an empty text when the user cancelled.
    static QString openFile(QWidget* owner, const QString& caption, const QString& filter);
    // Asks where to write a file, suggesting SUGGESTEDNAME in the last folder. A name typed
    // without a suffix gets DEFAULTSUFFIX ("csv"). The desktop's dialog asks before an existing
    // file is replaced. Returns the absolute path, or an empty text when the user cancelled.
    static QString saveFile(QWidget* owner, const QString& caption, const QString& suggestedName,
                            const QString& filter, const QString& defaultSuffix);

    // The folder the next dialog opens in: the folder of the file chosen last, or the user's
    // home folder when none was chosen yet or that folder is gone.
    static QString lastFolder();

    // Queues PATH as the answer to the next dialog (empty: cancel); the dialog is recorded, not
    // shown. Answers are used in the order they were queued.
    static void setNextAnswer(const QString& path);
    static int pendingAnswers();
    // Every dialog since the last clearHistory, oldest first.
    static const QList<Record>& history();
    // Forgets the history and any queued answers.
    static void clearHistory();
};

}  // namespace corkwise
