#pragma once
// Form31, "Permisos": the point-of-sale functions one sale-point user may
// use (his permisos). A user is the pair (seller, user code): the users
// window hands over both, the user code into Label2 and the seller to the
// window itself, which keeps them, so that moving the users window to
// another row meanwhile never turns the window onto another user. The read
// is "DSPUSR '3', user, seller"; "Aceptar" stores the whole string with
// ACTUSR mode "4", which changes nothing else of the user. Esc closes.

#include "access/editorpermisos.h"

namespace acceso {

class Form31 : public editorpermisos {
    Q_OBJECT
public:
    Form31();

    // The user shown from now on.
    void ponUsuario(const QString& usuario, const QString& vendedor);
    const QString& vendedor() const { return vendedor_; }

protected:
    QString leeCadena(const QString& codigo) override;
    QString guardaCadena(const QString& codigo, const QString& cadena) override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    QString vendedor_;
};

} // namespace acceso
