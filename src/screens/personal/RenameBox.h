#pragma once
// The small box in which the user types a new name for a note: a one-line edit with OK and
// Cancel. It is a bordered child of the personal panel, hidden until open() and hidden again by
// either button; closed() tells the panel that the user has answered.

#include <QFrame>
#include <QString>

class QPushButton;

namespace corkwise {

class EditCell;

class RenameBox : public QFrame {
    Q_OBJECT

public:
    explicit RenameBox(QWidget* parent = nullptr);
    ~RenameBox() override;

    // Makes the box's controls for its size at RECT within its parent and hides it. False when
    // a control cannot be made.
    bool create(const QRect& rect);

    // Puts NAME into the edit, clears the result and shows the box with the name selected.
    void open(const QString& name);
    // True after OK, false after Cancel and while open.
    bool result() const { return result_; }
    // The name as typed.
    QString text() const;

    // The clipboard commands of the edit.
    void cut();
    void copy();
    void paste();

    EditCell* edit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The answers: OK sets the result, Cancel clears it; both hide the box and emit closed().
    void accept();
    void reject();

Q_SIGNALS:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    EditCell* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool result_ = false;
};

}  // namespace corkwise
