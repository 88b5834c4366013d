#pragma once

// Lets a combo box of the main window that has an accessible name speak it. On Linux Qt's own
// interface of a combo box gives its current text as its name, so a screen reader would say
// "1457664" for the package size, and "B (Bytes)" for the unit. Everything else (the value, the
// list of items, the actions) stays Qt's own.

// Registers the interface with Qt's accessibility, for boxes whose window is a FormMain; safe to
// call more than once.
void UseNamedComboBoxes();
