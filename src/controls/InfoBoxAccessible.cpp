#include "controls/InfoBoxAccessible.h"

#include "controls/InfoBox.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace corkwise {

namespace {

class InfoBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit InfoBoxAccessible(InfoBox* label)
        : QAccessibleWidget(label, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return shown();
        }
        if (t == QAccessible::Name) {
            const QString given = widget()->accessibleName();
            return given.isEmpty() ? QStringLiteral("Info") : given;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    // --- The text, read-only and without a caret or selection ---
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* infoBoxFactory(const QString& /*className*/, QObject* object) {
    auto* box = qobject_cast<InfoBox*>(object);
    return box != nullptr ? new InfoBoxAccessible(box) : nullptr;
}

}  // namespace

void installInfoBoxAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(infoBoxFactory);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace corkwise
