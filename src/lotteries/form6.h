#pragma once
// Form6, "Actualizar Dellates de las Jugadas Especiales": the details of
// every special play (LIST_jugadeta), the grid's current detail in four
// read-only boxes. "&Nuevo" and "&Modificar" open the editor Form8 modal;
// the delete removes the detail shown with a DELETE of its own and reads the
// list again; after a save or a delete the grid stands on its first row.
// Enter anywhere modifies, Esc closes.
//
// The load opens a fresh shared connection; when it cannot, the program
// ends. Every read of the list runs on the shared connection.

#include "core/masteredita.h"

class QLineEdit;

namespace lotteries {

class Form6 : public core::Catalogo {
    Q_OBJECT
public:
    Form6();

    QLineEdit* Text1; // special play's code
    QLineEdit* Text2; // special play's name
    QLineEdit* Text3; // detail's code
    QLineEdit* Text4; // detail's name

    // Reads the list again and binds it to the grid on its first row (the
    // load, the delete and the editor's save).
    void releeLista();
    // The delete of "&Eliminar".
    void eliminaDetalle();

protected:
    void onLoad() override;
    void onActivate() override {}
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void muestraFila() override;
    void abreEditor(bool agregar) override;
};

} // namespace lotteries
