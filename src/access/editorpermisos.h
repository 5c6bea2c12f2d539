#pragma once
// editorpermisos: the checklist permission editor the three permission
// windows share (permisobanca, Form31, permisoespejo). The opener writes
// the subject into Label2 and shows the window modeless; every activation
// reads the subject's stored string again and rebuilds the list with the
// granted items marked (so marks not stored are lost when the operator
// leaves the window and comes back); "Aceptar" stores the marked codes in
// list order, tells the outcome and closes; "Regresar" closes. A member
// states its item list and its read and store calls.

#include "access/permisos.h"

#include "core/masteredita.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace acceso {

class editorpermisos : public core::VentanaAtrapada {
    Q_OBJECT
public:
    QLabel* Label2;        // the subject; its code is the text before the first blank
    QListWidget* List1;    // the items, each marked or not
    QPushButton* Command1; // "Aceptar"
    QPushButton* Command2; // "Regresar"

    // The marks of the list, in item order.
    QList<bool> marcas() const;
    void marca(int posicion, bool marcado);

    // "Aceptar": stores the marks, tells the outcome and closes.
    void aceptar();

protected:
    editorpermisos(const QString& titulo, const FormatoPermisos& formato);

    // The subject's code: the text of Label2 before its first blank.
    virtual QString codigo() const;
    // The subject's stored string ("" when it has none or no row).
    virtual QString leeCadena(const QString& codigo) = 0;
    // Stores `cadena` as the subject's whole string; answers the return
    // value as text ("0" success).
    virtual QString guardaCadena(const QString& codigo, const QString& cadena) = 0;

    void onActivate() override;
    bool onKeyPreview(QKeyEvent*) override { return false; }

private:
    void muestra(const QString& cadena);

    const FormatoPermisos& formato_;
};

} // namespace acceso
