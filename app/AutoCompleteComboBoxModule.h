#pragma once

class QComboBox;
class QObject;

namespace qnr {

// Type-ahead for an editable combo box: the combo receives only the key code this
// returns (0 = the key is consumed). Printable keys complete to the first item that
// begins with the typed text, letter case ignored, the completion selected so the
// next key replaces it; Backspace removes the completion or the last character;
// Enter is passed on; other control keys are swallowed.
int AutoCompleteComboBox(QComboBox* combo, int keyCode);

// Opens the combo's list of items without taking the keyboard from its edit field.
void ShowComboDropDown(QComboBox* combo);

// Routes the combo's key presses through AutoCompleteComboBox.
void installAutoComplete(QComboBox* combo);

} // namespace qnr
