#pragma once
// The one home of entry handling: the key and focus handlers every text box
// and window of the program repeats.
// - filtrodecimal: a box that takes a decimal amount lets through the
//   digits, Backspace, Enter and one "." (refused while the box's text holds
//   one, selected part included); every other typed key is dropped;
// - filtroentero: a whole-number box lets through the digits, Backspace and
//   Enter;
// - a length limit: a box whose text is sent in a text parameter holds no
//   more than that parameter, however the text arrives: typed keys beyond the
//   limit are dropped, a paste or a drop that would go beyond it is refused
//   whole (never cut) and the operator is told; a longer text the window
//   itself puts in the box stays whole, and the save refuses it with the
//   same message (cabenLimites) instead of letting the data layer cut it;
// - an amount limit: an amount never gets more whole digits or more
//   decimals than the parameter it is sent in holds (precision and scale),
//   typed or pasted, so a value can never overflow on its way to the server;
// - seleccionatodo: a box that receives the focus selects its whole text,
//   so that typing replaces the old value;
// - teclasventana: a window's own keys, seen before the focused control:
//   Esc closes the window, Enter runs its main action.
//
// Keys are handled as character codes of typed keys (8 Backspace, 13 Enter,
// 27 Esc, the character's code otherwise); a filter drops a key by answering
// 0. The key filters see only typed keys: pasted text is held by the limits
// alone.
//
// Every conecta… call on one box adds to the box's one handler: a box may
// take a key filter, a limit and the selection on focus together, and a key
// passes only when every rule of the box lets it through.

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

// The text a box would hold once a typed character replaces its selection
// (or goes in at the cursor).
QString textoTecleado(const QLineEdit& caja, QChar caracter);
// True when `texto` (digits with at most one "." or ",") fits a numeric
// parameter of that precision and scale: at most precision - scale whole
// digits and at most scale decimals. Any other text does not fit.
bool cabeImporte(const QString& texto, int precision, int escala);

// Wire a handler to a box: the key filters drop refused keys before the
// box sees them; seleccionatodo selects the whole text on every focus.
void conectafiltrodecimal(QLineEdit* caja);
void conectafiltroentero(QLineEdit* caja);
void conectaseleccionatodo(QLineEdit* caja);
void conectaseleccionatodo(QComboBox* lista); // an editable list's text
// The length limit of a box whose text goes to a text parameter: at most
// `caracteres` characters, typed or pasted (what a typed character replaces
// of a selection counts as room). `campo` names the box in the message
// (its caption; by default the box's accessible name, or the text of the
// label whose buddy it is, as a form layout's rows have). `parametro`, when the
// parameter holds more than the box takes, is what the save allows of a
// text the window put in.
void conectaLimite(QLineEdit* caja, int caracteres, const QString& campo = {}, int parametro = 0);
// A typed or pasted text that would give an amount beyond the parameter's
// precision and scale is refused.
void conectaLimiteImporte(QLineEdit* caja, int precision, int escala);

// False, after telling the operator "El campo <campo> no puede tener más de
// <ancho> caracteres", when `texto` is longer than `ancho`.
bool cabeTexto(const QString& texto, int ancho, const QString& campo);
// The check every save runs before it sends: false, after telling the
// operator (cabeTexto) and giving the box the focus, when a box of `ventana`
// with a length limit holds more than its parameter takes.
bool cabenLimites(const QWidget* ventana);

// A window's key preview (platform::ui::Window::onKeyPreview): Esc runs
// `cerrar`, Enter runs `principal` when given. The key always goes on to
// the focused control (the answer is false, as the window lets it pass).
bool teclasventana(const QKeyEvent& evento, const std::function<void()>& cerrar,
                   const std::function<void()>& principal = {});

} // namespace core
