#pragma once
// registroserial, "Registro de Serial de Taquilla": the point-of-sale
// terminal serials with the seller each belongs to, read again on every
// activation (an empty registry is said, and then Modificar and Eliminar
// stay disabled until the window is opened anew). The search shows the
// serials that begin with a text, or those of the sellers whose code does.
// "&Modificar" (or Enter) hands the row's serial to the assignment window
// editaserial; "&Eliminar" deletes the row's serial. No window adds a
// serial: they come from outside the back office.

#include "core/masteredita.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace acceso {

class registroserial : public core::Catalogo {
    Q_OBJECT
public:
    registroserial();

    QRadioButton* Option1; // "Por Serial"
    QRadioButton* Option2; // "Por Código Vendedor"
    QLineEdit* Text1;      // the search text
    QPushButton* Command1; // "&Buscar"

    // "&Buscar".
    void buscar();

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void abreEditor(bool agregar) override;
    bool preguntaEliminar() override;
    QString llamaEliminar() override;
    void informaEliminado(const QString& respuesta) override;
    void onActivate() override;
};

} // namespace acceso
