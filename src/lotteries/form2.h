#pragma once
// form2, "Actualizar Jugadas Especiales": the catalogue of the special
// plays (code and name), read again on every activation (after the
// fresh-connection check) and standing on its first row; "&Nuevo" (which
// keeps the saved position) and "&Modificar" open the editor Form7 modal;
// the delete sends ACTJUG mode "3" for the row shown. Enter anywhere
// modifies, Esc closes.

#include "core/masteredita.h"

class QLineEdit;

namespace lotteries {

// A special play as the list holds it (texts untrimmed).
struct JugadaEspecial {
    QString codigo;
    QString nombre;
};

class form2 : public core::Catalogo {
    Q_OBJECT
public:
    form2();

    // The special play of the grid's current row (empty when none).
    JugadaEspecial registro() const;

    // The special play of the grid's current row (read-only).
    QLineEdit* Text1; // code
    QLineEdit* Text2; // name

    // The grid as the editor's closing leaves it: the plain list LIST_JUG,
    // back at the saved position, before the activation reads the catalogue
    // again.
    void muestraListaEditor(const platform::db::RecordSet& lista);

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void muestraFila() override;
    QString llamaEliminar() override;
    void noElimina() override;
};

// ACTJUG as the special-play windows call it: mode, code trimmed, name
// without trailing blanks; answers the return value as text.
QString actjug(const QString& modo, const QString& especial, const QString& nombre);

// The answer No to a delete of the special-play catalogues: "No Quieres
// Borrar" and the code, run together.
void avisaNoBorra(const QString& codigo);

} // namespace lotteries
