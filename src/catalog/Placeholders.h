#pragma once
// The texts a catalogue's dictionaries hold where a wine, chart or list has no value. The
// compiler writes them, the reader hands them out for a value it cannot read, and the pages
// compare against them to leave such values out. docs/catalogue-sources.md names them too.

#include "catalog/CatalogFormat.h"

#include <string_view>

namespace corkwise::catalog_format {

inline constexpr char kNotAvailable[] = "-Not Available-";
inline constexpr char kNoRegion[] = "No Region Assigned";
inline constexpr char kNoAppellation[] = "No Appellation Assigned";
inline constexpr char kNoVariety[] = "No Variety Assigned";
inline constexpr char kNoDesignation[] = "No Designation Assigned";

// The placeholder of the dictionary whose short name is SHORTNAME ("REGION" for DictREGION):
// its own for REGION, APPELLATION, VARIETY and DESIGNATION, kNotAvailable for any other name.
// Names compare exactly, letter case included.
constexpr const char* placeholderFor(std::string_view shortName) {
    if (shortName == dict::kRegion) {
        return kNoRegion;
    }
    if (shortName == dict::kAppellation) {
        return kNoAppellation;
    }
    if (shortName == dict::kVariety) {
        return kNoVariety;
    }
    if (shortName == dict::kDesignation) {
        return kNoDesignation;
    }
    return kNotAvailable;
}

}  // namespace corkwise::catalog_format
