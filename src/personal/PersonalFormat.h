#pragma once
// Byte layout of the personal file (personal.res), shared by its reader and writer.
// docs/personal-format.md describes the format in prose.
//
// All integers are 32-bit unsigned big-endian; texts are Windows-1252, NUL-terminated.

#include <QtGlobal>

namespace corkwise::personal_format {

// File: u32 entry count N, then N u32 absolute record offsets, then the records.
inline constexpr int kCountSize = 4;
inline constexpr int kTableEntrySize = 4;

// Record, offsets from the record's start.
inline constexpr int kNameOffset = 0;
inline constexpr int kNameFieldSize = 32;  // at most 31 characters and a terminator
inline constexpr int kKindOffset = 32;
inline constexpr int kTextOffsetOffset = 36;  // T, the text's offset from the record start
inline constexpr int kValueCountOffset = 40;  // P
inline constexpr int kValueTableOffset = 44;  // P u32 offsets of the value records
inline constexpr int kRecordHeaderSize = 44;

// Kinds this program reads and writes. A record of any other kind (written by a later version)
// is kept as it was read, never shown, and written back byte for byte; a record too short to
// hold its header is still damage, whatever its kind.
inline constexpr quint32 kNoteKind = 0;
inline constexpr quint32 kBookmarkKind = 1;
// Value offsets count from the P field, not from the record start.
inline constexpr int kValueBase = kValueCountOffset;

// Value record: u32 value id (-1 stored as FFFFFFFF), u32 dictionary table number, text.
inline constexpr int kValueIdOffset = 0;
inline constexpr int kValueDictionaryOffset = 4;
inline constexpr int kValueTextOffset = 8;

// Longest texts, terminator not counted.
inline constexpr int kMaxNameLength = 31;
inline constexpr int kMaxTextLength = 511;
inline constexpr int kMaxValueTextLength = 511;

// Earlier readers read each record into a buffer of this size. Records of notes whose fields
// are all full are longer; this reader sizes its read to the record instead.
inline constexpr int kLegacyRecordBufferSize = 4096;

// Beside the file: the lock held by the program that may write it (PATH + kLockSuffix), and the
// copy of a damaged file kept before a save replaces it (PATH + kBackupSuffix).
inline constexpr char kLockSuffix[] = ".lock";
inline constexpr char kBackupSuffix[] = ".bak";

}  // namespace corkwise::personal_format
