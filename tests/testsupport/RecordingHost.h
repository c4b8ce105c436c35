#pragma once
// A PageHost that records what the screens ask of it, for tests of the screens without a main
// view.

#include "screens/PageHost.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corkwise::test {

class RecordingHost : public PageHost {
public:
    void goNext() override { calls.append(QStringLiteral("goNext")); }
    void goBack() override { calls.append(QStringLiteral("goBack")); }
    void closeFlow() override { calls.append(QStringLiteral("closeFlow")); }
    void moreSearch() override { calls.append(QStringLiteral("moreSearch")); }
    bool startPrefilled(int flowId, bool run) override {
        calls.append(QStringLiteral("startPrefilled %1 %2").arg(flowId).arg(run));
        return prefilledAnswers.contains(flowId);
    }
    void startSearch(int flowId) override {
        calls.append(QStringLiteral("startSearch %1").arg(flowId));
    }
    void addBookmark(const QString& name) override {
        calls.append(QStringLiteral("addBookmark ") + name);
    }
    void leavePersonal() override { calls.append(QStringLiteral("leavePersonal")); }
    void allowAddBookmark(bool on) override {
        calls.append(QStringLiteral("allowAddBookmark %1").arg(on));
    }
    void showException() override { calls.append(QStringLiteral("showException")); }
    bool savePersonal() override {
        calls.append(QStringLiteral("savePersonal"));
        return true;
    }

    QStringList calls;
    // Flows for which startPrefilled answers true.
    QList<int> prefilledAnswers;
};

}  // namespace corkwise::test
