// A real Corkwise program with unsaved typing, for the fault tests to send signals to or kill:
//
//   corkwise_fault_child CATALOGUE PERSONAL TEXT
//
// starts the program on the two files, adds a note through the Personal menu's command, types
// TEXT into its Notes page as a user would, prints "typed" and runs until it is ended.

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/CorkwiseApp.h"
#include "app/MainView.h"
#include "controls/EditCell.h"
#include "platform/MessageBox.h"
#include "screens/personal/CPersonal.h"
#include "screens/personal/NotesPage.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: corkwise_fault_child CATALOGUE PERSONAL TEXT\n");
        return 2;
    }
    QApplication app(argc, argv);
    corkwise::MessageBox::setUnattended(true);
    corkwise::CommandLine line;
    line.catalogue = QString::fromLocal8Bit(argv[1]);
    line.personal = QString::fromLocal8Bit(argv[2]);
    corkwise::CorkwiseApp corkwise(line);
    corkwise.initInstance();
    corkwise::CMainFrame* frame = corkwise.mainFrame();
    if (frame == nullptr) {
        return 3;
    }
    frame->mainView()->handleCommand(corkwise::command::kAddNote);
    QPlainTextEdit* notes = frame->mainView()->personalPanel()->notesPage()->edit()->textEdit();
    QTest::keyClicks(notes, QString::fromLocal8Bit(argv[3]));
    std::printf("typed\n");
    std::fflush(stdout);
    return QApplication::exec();
}
