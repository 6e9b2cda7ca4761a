// SPDX-License-Identifier: MIT
// Enter in the program's own windows (those not built from a template): the
// control with the focus takes it, so a number box applies its value, and
// the window stays open. No button is pressed by an Enter meant for a box.
#pragma once

class QDialog;

namespace zelpo::ui {

// Call once the dialog's buttons exist. Its buttons stop being defaults;
// Enter presses a button only while that button has the focus.
void keepOpenOnEnter(QDialog& dialog);

} // namespace zelpo::ui
