#pragma once

class QLineEdit;

namespace dayvane {

enum class InputFilter {
    Restricted,        // refuses ' ! ? # * % | ; : - [ ] " and CR
    NumbersOnly,       // also refuses anything but 0-9 and "."
    LettersDigitsOnly, // also refuses anything but A-Z, a-z and 0-9
};

// Removes the first forbidden character of the box's text, leaves the caret
// where it was and tells the user. The removal changes the text again, so a
// box watched by watch_input() loses one forbidden character per pass.
void filter_input_key(QLineEdit *box, InputFilter mode);

// Runs filter_input_key on every change of the box's text.
void watch_input(QLineEdit *box, InputFilter mode);

} // namespace dayvane
