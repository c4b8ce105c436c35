#pragma once
// Wines listed from the record children of a node: walking those children the way every results
// page does, and list-box entries that carry their own cursor on a wine's record.

#include <QByteArray>

#include <functional>
#include <memory>

class QListWidget;
class QListWidgetItem;

namespace corkwise {

class NodeCursor;
class RecordCursor;

// Calls VISIT with each child of NODE in order, except dictionary nodes, for each of which the
// line "VALUE IS STRING" goes to the diagnostic log. A null NODE has no children.
void forEachRecordChild(const NodeCursor* node,
                        const std::function<void(const NodeCursor& child)>& visit);

// Makes ITEM the owner of RECORD, released with the item (a null RECORD attaches nothing).
void attachRecord(QListWidgetItem* item, std::unique_ptr<RecordCursor> record);

// The text of COLUMN in RECORD as a list shows it: the catalogue's placeholder when the record,
// the column or its value cannot be read (a value id naming no text reads as empty, and the
// catalogue holds no empty texts).
QByteArray listedText(const RecordCursor* record, const char* column);

// The record attached to entry ROW of LIST, or null (no such entry, or none attached).
const RecordCursor* recordAt(const QListWidget* list, int row);

}  // namespace corkwise
