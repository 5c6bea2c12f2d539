#pragma once
// The key and focus handlers every text box and window of the program
// repeats:
// - filtrodecimal: a box that takes a decimal amount lets through the
//   digits, Backspace, Enter and one "." (refused while the box's text holds
//   one, selected part included); every other typed key is dropped;
// - filtroentero: a whole-number box lets through the digits, Backspace and
//   Enter;
// - seleccionatodo: a box that receives the focus selects its whole text,
//   so that typing replaces the old value;
// - teclasventana: a window's own keys, seen before the focused control:
//   Esc closes the window, Enter runs its main action.
//
// Keys are handled as character codes of typed keys (8 Backspace, 13 Enter,
// 27 Esc, the character's code otherwise); a filter drops a key by answering
// 0. Only typed keys are filtered: text a window sets, or that is pasted
// with the mouse, passes as it is. No filter limits the length of the text.

#include <QString>
#include <functional>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace core {

inline constexpr int TeclaBackspace = 8;
inline constexpr int TeclaEnter = 13;
inline constexpr int TeclaEsc = 27;

// The character code of a typed key, or -1 for a key that types no
// character (arrows, Delete, Tab, function keys…), which no filter sees.
int codigotecla(const QKeyEvent& evento);

// The key code a decimal box lets through (0: dropped), for the box's text.
int filtrodecimal(const QString& texto, int tecla);
// The key code a whole-number box lets through (0: dropped).
int filtroentero(int tecla);

// Wire a handler to a box: the key filters drop refused keys before the
// box sees them; seleccionatodo selects the whole text on every focus.
void conectafiltrodecimal(QLineEdit* caja);
void conectafiltroentero(QLineEdit* caja);
void conectaseleccionatodo(QLineEdit* caja);
void conectaseleccionatodo(QComboBox* lista); // an editable list's text

// A window's key preview (platform::ui::Window::onKeyPreview): Esc runs
// `cerrar`, Enter runs `principal` when given. The key always goes on to
// the focused control (the answer is false, as the window lets it pass).
bool teclasventana(const QKeyEvent& evento, const std::function<void()>& cerrar,
                   const std::function<void()>& principal = {});

} // namespace core
