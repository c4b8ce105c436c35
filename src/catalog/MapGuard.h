#pragma once
// Keeps a catalogue that is cut short or rewritten under the running program from crashing it.
//
// Reads of a memory-mapped file page that no longer exists (the file was truncated) raise SIGBUS.
// While a map is registered here, a handler catches SIGBUS inside it, puts a page of zeros where
// the lost page was, notes the fault and lets the read go on: it reads zeros, which the reader
// already treats as it treats a damaged file. The program asks faulted() (and checks the file's
// identity, CatalogFile::hasChangedOnDisk) at moments where it can tell the user. Nothing is
// added to the reads themselves, so mapped reads keep their speed. A SIGBUS outside every
// registered map gets the default action.

#include <QtGlobal>

namespace corkwise::map_guard {

// Registers the map of LENGTH bytes at START; false when no slot is free (the map then stays
// unguarded).
bool watch(const uchar* start, qint64 length);
// Forgets the map at START before it is unmapped.
void forget(const uchar* start);
// True once a read hit a page of a registered map that no longer had a file behind it.
bool faulted(const uchar* start);
// True when this guard's handler is the one SIGBUS reaches (a sanitizer may keep its own).
bool active();

}  // namespace corkwise::map_guard
