#pragma once
// What the seller-money windows say and lay out alike: the delete question
// and outcome of a document, the rows of an editor over its two buttons,
// and the edit mode an editor leaves when it closes.

#include <QList>
#include <QString>
#include <utility>

class QPushButton;
class QWidget;

namespace accounts {

// "Desea en realidad eliminar el Documento " + documento + "?" (Yes and No,
// critical icon, title "Atención!"); true for Yes.
bool preguntaEliminarDocumento(const QString& documento);
// The outcome of a delete: "Registro Eliminado con Exito!" only when the
// server answered "0" (it deleted), the problem message otherwise.
void informaEliminacion(const QString& respuesta);

// Lays `ventana` out as an editor: a caption beside each control, top to
// bottom, over the row of `grabar` and `deshacer`.
void disposicionEditor(QWidget* ventana, const QList<std::pair<QString, QWidget*>>& filas,
                       QPushButton* grabar, QPushButton* deshacer);

// When an editor closes: the shared mode is emptied unless it is "H" (a
// cancel, for the line-up and movements windows).
void vaciaModoAlCerrar();

} // namespace accounts
