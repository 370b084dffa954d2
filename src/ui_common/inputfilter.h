#pragma once

class QLineEdit;
class QString;

namespace dayvane {

enum class InputFilter {
    Restricted,        // refuses ' ! ? # * % | ; : - [ ] " and CR
    NumbersOnly,       // also refuses anything but 0-9 and "."
    LettersDigitsOnly, // also refuses anything but A-Z, a-z and 0-9
};

// Removes the first forbidden character that the last edit of the box
// brought in, leaves the caret where it was and tells the user. Text that
// was there before the edit is never touched. The removal changes the text
// again, so a box watched by watch_input() loses one forbidden character of
// a paste per pass.
void filter_input_key(QLineEdit *box, InputFilter mode);

// Runs filter_input_key on every change of the box's text.
void watch_input(QLineEdit *box, InputFilter mode);

// Puts text the user did not type (a stored value) into a watched box
// unfiltered; later edits are filtered only where they change it.
void set_unfiltered_text(QLineEdit *box, const QString &text);

} // namespace dayvane
