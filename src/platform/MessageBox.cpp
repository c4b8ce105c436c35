#include "platform/MessageBox.h"

#include "platform/AnswerScript.h"

#include <QMessageBox>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

namespace corkwise {

namespace {

struct State {
    AnswerScript<MessageBox::Button, MessageBox::Record> script;
    bool unattended = false;
};

State& state() {
    static State s;
    return s;
}

constexpr MessageBox::Button kOrder[] = {MessageBox::Ok, MessageBox::Yes, MessageBox::No,
                                         MessageBox::Cancel};

MessageBox::Button effectiveDefault(int buttons, MessageBox::Button wanted) {
    if ((buttons & wanted) != 0) {
        return wanted;
    }
    for (MessageBox::Button b : kOrder) {
        if ((buttons & b) != 0) {
            return b;
        }
    }
    return MessageBox::Ok;
}

QMessageBox::StandardButton toQt(MessageBox::Button b) {
    switch (b) {
        case MessageBox::Ok:
            return QMessageBox::Ok;
        case MessageBox::Yes:
            return QMessageBox::Yes;
        case MessageBox::No:
            return QMessageBox::No;
        case MessageBox::Cancel:
            return QMessageBox::Cancel;
        case MessageBox::NoButton:
            break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon toQt(MessageBox::Icon icon) {
    switch (icon) {
        case MessageBox::Icon::Information:
            return QMessageBox::Information;
        case MessageBox::Icon::Question:
            return QMessageBox::Question;
        case MessageBox::Icon::Warning:
            return QMessageBox::Warning;
        case MessageBox::Icon::Error:
            return QMessageBox::Critical;
        case MessageBox::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

const char* buttonName(MessageBox::Button b) {
    switch (b) {
        case MessageBox::Ok:
            return "OK";
        case MessageBox::Yes:
            return "Yes";
        case MessageBox::No:
            return "No";
        case MessageBox::Cancel:
            return "Cancel";
        case MessageBox::NoButton:
            break;
    }
    return "none";
}

MessageBox::Button runDialog(QWidget* owner, MessageBox::Icon icon, const QString& caption,
                             const QString& text, int buttons, MessageBox::Button def) {
    QMessageBox box(owner);
    box.setIcon(toQt(icon));
    box.setWindowTitle(caption);
    box.setText(text);
    QMessageBox::StandardButtons qtButtons;
    for (MessageBox::Button b : kOrder) {
        if ((buttons & b) != 0) {
            qtButtons |= toQt(b);
        }
    }
    box.setStandardButtons(qtButtons);
    box.setDefaultButton(toQt(def));
    const int result = box.exec();
    for (MessageBox::Button b : kOrder) {
        if ((buttons & b) != 0 && result == toQt(b)) {
            return b;
        }
    }
    // Closed by the window's close box or Escape without a matching escape button.
    if ((buttons & MessageBox::Cancel) != 0) {
        return MessageBox::Cancel;
    }
    if ((buttons & MessageBox::No) != 0) {
        return MessageBox::No;
    }
    return def;
}

}  // namespace

MessageBox::Button MessageBox::show(QWidget* owner, Icon icon, const QString& caption,
                                    const QString& text, int buttons, Button defaultButton) {
    State& s = state();
    if (buttons == NoButton) {
        buttons = Ok;
    }
    const Button def = effectiveDefault(buttons, defaultButton);
    Record record{caption, text, icon, buttons, def, owner != nullptr};

    if (std::optional<Button> queued = s.script.takeNext()) {
        record.answer = *queued;
    } else if (s.unattended) {
        QTextStream err(stderr);
        err << caption << ": " << text << " [" << buttonName(def) << "]\n";
        err.flush();
        record.answer = def;
    } else {
        record.answer = runDialog(owner, icon, caption, text, buttons, def);
    }
    s.script.record(record);
    return record.answer;
}

void MessageBox::setNextAnswer(Button answer) {
    state().script.queue(answer);
}

int MessageBox::pendingAnswers() {
    return state().script.pending();
}

void MessageBox::setUnattended(bool on) {
    state().unattended = on;
}

bool MessageBox::unattended() {
    return state().unattended;
}

const QList<MessageBox::Record>& MessageBox::history() {
    return state().script.history();
}

void MessageBox::clearHistory() {
    state().script.clear();
}

}  // namespace corkwise
