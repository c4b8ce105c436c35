#pragma once
// What screen readers are told about an info box: read-only text named "Info" (or its accessible
// name) whose value is the text shown, which they can read by character, word or line.

namespace corkwise {

// Makes queryAccessibleInterface answer info boxes so; once per program.
void installInfoBoxAccessible();

}  // namespace corkwise
