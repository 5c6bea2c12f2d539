#pragma once
// Form6, "Actualizar Dellates de las Jugadas Especiales": the details of
// every special play (LIST_jugadeta), the grid's current detail in four
// read-only boxes. "&Nuevo" and "&Modificar" open the editor Form8 modal;
// the delete removes the detail shown with a DELETE of its own (after the
// fresh-connection check), tells it with messages of its own and reads the
// list again; after a save or a delete the grid stands on its first row.
// Enter anywhere modifies, Esc closes.
//
// The load opens a fresh shared connection; when it cannot, the program
// ends. Every read of the list runs on the shared connection.

#include "core/masteredita.h"

class QLineEdit;

namespace lotteries {

// A detail of a special play as the list holds it (texts untrimmed).
struct DetalleJugada {
    QString especial;
    QString detalle;
    QString nombre;
};

class Form6 : public core::Catalogo {
    Q_OBJECT
public:
    Form6();

    QLineEdit* Text1; // special play's code
    QLineEdit* Text2; // special play's name
    QLineEdit* Text3; // detail's code
    QLineEdit* Text4; // detail's name

    // The detail of the grid's current row (empty when none).
    DetalleJugada registro() const;

protected:
    void onLoad() override;
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void muestraFila() override;
    QString llamaEliminar() override;
    void informaEliminado(const QString& respuesta) override;
    void trasEliminar() override;
    void noElimina() override;
};

} // namespace lotteries
