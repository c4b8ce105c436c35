#pragma once
// What screen readers are told about an info box (the bordered text under a grid or list that
// describes the chosen wine): read-only text named "Info" whose value is the text shown, which
// they can read by character, word or line.

class QLabel;

namespace corkwise {

// Marks LABEL as an info box for screen readers.
void markInfoBox(QLabel* label);

}  // namespace corkwise
