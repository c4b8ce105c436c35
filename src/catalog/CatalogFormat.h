#pragma once
// Byte layout of the catalogue file (wcat.res), shared by the reader and the compiler.
// docs/catalogue-format.md describes the format in prose.
//
// All integers are unsigned big-endian: u24 (3 bytes), u16 (2 bytes), u8; catalog/Coding.h
// reads and writes them.

#include <cstdint>

namespace corkwise::catalog_format {

// File header at offset 0: u24 entry count N, u24 directory stride S.
inline constexpr int kFileHeaderSize = 6;

// Directory entry i starts at kFileHeaderSize + i * S; the reader uses its first 44 bytes.
inline constexpr int kEntryIdOffset = 0;      // u24, kept, not interpreted
inline constexpr int kEntryKindOffset = 3;    // u24, see TableKind
inline constexpr int kEntryNameOffset = 6;    // 32 bytes, NUL-padded
inline constexpr int kEntryBlockOffset = 38;  // u24, absolute offset D of the table block
inline constexpr int kEntryBlockSize = 41;    // u24, block size Z
inline constexpr int kEntrySize = 44;
inline constexpr int kNameFieldSize = 32;  // at most 31 characters and a terminator

// Table kinds of a directory entry; any other kind is skipped and takes no table number.
enum TableKind : int {
    kDictionary = 0,
    kRecordTable = 1,
    kMixedLevel = 2,       // level table whose nodes are dictionary or record nodes
    kDictionaryLevel = 3,  // level table of dictionary nodes only
};

// Every table block starts with u24 row count R and u24 header value H
// (record size W for a record table, next-level table number for a level table).
inline constexpr int kBlockHeaderSize = 6;
// Indexed tables (kinds 0, 2, 3): a row index of R u24 offsets, relative to the block start.
inline constexpr int kRowIndexEntrySize = 3;

// A value id (a row of a dictionary) is a u16: in a level-table row and in each column of a
// record, whose column j lies at j * kValueIdSize.
inline constexpr int kValueIdSize = 2;

// Level-table row: u16 value id, u8 target table number, then u24 child row numbers.
inline constexpr int kNodeValueOffset = 0;
inline constexpr int kNodeTargetOffset = 2;
inline constexpr int kNodeChildrenOffset = 3;
inline constexpr int kNodeChildSize = 3;

// A dictionary text holds at most this many bytes (a 255-byte buffer with its terminator).
inline constexpr int kMaxTextLength = 254;
inline constexpr int kNodeTextBufferSize = 255;

// Limits that follow from the field widths.
inline constexpr std::int64_t kMaxU24 = 0xFFFFFF;    // positions, sizes, row counts, children
inline constexpr std::int64_t kMaxValueIds = 65536;  // u16 value ids per dictionary
inline constexpr int kMaxTables = 256;               // u8 target table numbers in level rows

// Name prefix of every dictionary table: "Dict" + short name.
inline constexpr char kDictionaryPrefix[] = "Dict";
inline constexpr int kDictionaryPrefixLength = 4;

// Short names of the dictionaries the program reads by name. A misspelt name would read as a
// missing column, with no error, so each is spelt here only.
namespace dict {
inline constexpr char kOrigin[] = "ORIGIN";
inline constexpr char kCategory[] = "SSF";  // the wine category
inline constexpr char kType[] = "TYPE";
inline constexpr char kRegion[] = "REGION";
inline constexpr char kSegment[] = "SEGMENT";
inline constexpr char kProducer[] = "PRODUCER";
inline constexpr char kVintage[] = "VINTAGE";
inline constexpr char kProduct[] = "PRODUCT_STRINGAV";
// The stem of the product dictionary's name: a name that holds it is taken for the product's.
inline constexpr char kProductStem[] = "PRODUCT";
inline constexpr char kDesignation[] = "DESIGNATION";
inline constexpr char kVariety[] = "VARIETY";
inline constexpr char kAppellation[] = "APPELLATION";
inline constexpr char kScore[] = "SCORE";
inline constexpr char kAppellationVariety[] = "APPELLATION_VARIETY";
inline constexpr char kDescription[] = "DESCRIPTION";
inline constexpr char kBestProducers[] = "BEST_PRODUCERS";
inline constexpr char kFoodType[] = "FOOD_TYPE";
inline constexpr char kFood[] = "FOOD";
// A vintage chart has two dictionaries per year: the year's score, named by the year alone
// ("1997"), and its code, named by this prefix and the year ("COMMENT1997").
inline constexpr char kChartCodePrefix[] = "COMMENT";
}  // namespace dict

}  // namespace corkwise::catalog_format
