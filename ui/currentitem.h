#pragma once

// Makes a screen reader say the current item of a closed combo box: when the box takes the focus
// and each time the item changes while it has it. Orca reads a combo box's value through the
// selection interface, which Qt 6.4 does not offer, and takes the selection change Qt sends for a
// new item as no news: it says "Unit combo box" and never "KB (Kilo)". It does say an item that
// takes the focus, so the current item is announced as focused; the focus itself stays with the
// box.

class QComboBox;

// For as long as `box` lives.
void SpeakCurrentItem(QComboBox* box);
