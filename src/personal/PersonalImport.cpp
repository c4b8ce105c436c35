#include "personal/PersonalImport.h"

#include "personal/PersonalStore.h"

#include <algorithm>

namespace corkwise {

namespace {

constexpr int kNamesShown = 8;

bool holds(const std::vector<PersonalEntry>& entries, const PersonalEntry& entry) {
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

// "1 note", "2 bookmarks".
QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList& parts) {
    if (parts.size() <= 1) {
        return parts.value(0);
    }
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           parts.constLast();
}

}  // namespace

ImportPlan PersonalImport::plan(const std::vector<PersonalEntry>& existing,
                                const std::vector<PersonalEntry>& incoming) {
    ImportPlan plan;
    QStringList existingNames;
    for (const PersonalEntry& entry : existing) {
        existingNames.append(entry.name());
    }
    for (const PersonalEntry& entry : incoming) {
        if (holds(existing, entry) || holds(plan.added, entry)) {
            ++plan.alreadyPresent;
            continue;
        }
        switch (entry.kind()) {
            case EntryKind::Note:
                ++plan.notes;
                break;
            case EntryKind::Bookmark:
                ++plan.bookmarks;
                break;
            default:
                ++plan.others;
                break;
        }
        if (existingNames.contains(entry.name()) && !plan.existingNames.contains(entry.name())) {
            plan.existingNames.append(entry.name());
        }
        plan.added.push_back(entry);
    }
    return plan;
}

bool PersonalImport::apply(PersonalStore& store, const ImportPlan& plan, QString* error) {
    if (plan.added.empty()) {
        return true;
    }
    const int before = store.count();
    for (const PersonalEntry& entry : plan.added) {
        store.add(entry);
    }
    if (store.save(error)) {
        return true;
    }
    while (store.count() > before) {
        store.removeAt(store.count() - 1);
    }
    return false;
}

QString PersonalImport::describe(const ImportPlan& plan) {
    if (plan.added.empty()) {
        return QStringLiteral("It holds nothing you do not have already.");
    }
    QStringList parts;
    if (plan.notes > 0) {
        parts.append(counted(plan.notes, "note", "notes"));
    }
    if (plan.bookmarks > 0) {
        parts.append(counted(plan.bookmarks, "bookmark", "bookmarks"));
    }
    if (plan.others > 0) {
        parts.append(
            counted(plan.others, "entry of a later version", "entries of a later version"));
    }
    QString text = QStringLiteral("It adds %1.").arg(listed(parts));
    if (!plan.existingNames.isEmpty()) {
        // A long list would not fit the box; the first names say enough.
        QStringList quoted;
        for (const QString& name : plan.existingNames.mid(0, kNamesShown)) {
            quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
        }
        if (plan.existingNames.size() > kNamesShown) {
            quoted.append(QStringLiteral("%1 more").arg(plan.existingNames.size() - kNamesShown));
        }
        text += QStringLiteral(
                    "\nNames you already use: %1. The imported entries are added "
                    "beside yours.")
                    .arg(listed(quoted));
    }
    if (plan.alreadyPresent > 0) {
        text += QStringLiteral("\n%1 you already have exactly %2 left out.")
                    .arg(counted(plan.alreadyPresent, "entry", "entries"),
                         QLatin1String(plan.alreadyPresent == 1 ? "is" : "are"));
    }
    return text;
}

}  // namespace corkwise
