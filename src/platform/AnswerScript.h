#pragma once
// The answers tests give a kind of dialog in advance, and the record of every dialog of that
// kind as it was put to the user. Each dialog seam (MessageBox, FileDialog, PrintDialog) keeps
// one for the whole program; a queued answer is used instead of showing the dialog.

#include <QList>
#include <QQueue>

#include <optional>
#include <utility>

namespace corkwise {

template <typename Answer, typename Record>
class AnswerScript {
public:
    void queue(Answer answer) { answers_.enqueue(std::move(answer)); }
    int pending() const { return static_cast<int>(answers_.size()); }

    // The oldest queued answer, taken off the queue; nothing when none is queued.
    std::optional<Answer> takeNext() {
        if (answers_.isEmpty()) {
            return std::nullopt;
        }
        return answers_.dequeue();
    }

    void record(Record shown) { history_.append(std::move(shown)); }
    const QList<Record>& history() const { return history_; }

    // Forgets the history and any queued answers.
    void clear() {
        answers_.clear();
        history_.clear();
    }

private:
    QQueue<Answer> answers_;
    QList<Record> history_;
};

}  // namespace corkwise
