#pragma once
// Widths of text controls by what they must show.

class QWidget;

namespace platform::ui {

// Makes a text box (or list) at least wide enough to show `characters`
// capital letters of its font, frame included.
void showCharacters(QWidget* box, int characters);

} // namespace platform::ui
