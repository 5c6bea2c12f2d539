#include "accounts/rutinasmaestro.h"

#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"

#include <QLineEdit>

namespace accounts {

namespace db = platform::db;

namespace {

void muestra(const QString& ventana)
{
    if (platform::ui::Window* w = platform::ui::windowRegistry().get(ventana))
        w->showModeless();
}

} // namespace

RutinasMaestro::RutinasMaestro(QLineEdit* text1, QLineEdit* text2, QLineEdit* text3)
    : text1_(text1)
    , text2_(text2)
    , text3_(text3)
{
}

void RutinasMaestro::abreestacion()
{
    muestra(QStringLiteral("Form20"));
}

QString RutinasMaestro::grabajugada(const QString& modo) const
{
    const QString codigo = db::quote(text1_->text());
    const QString nombre = db::quote(text2_->text());
    const bool agrega = modo == QLatin1String("A");
    const QString sql =
        agrega
            ? QStringLiteral("INSERT INTO Jugadas (Especial, Desc_espec) VALUES( %1, %2)").arg(codigo, nombre)
            : QStringLiteral("UPDATE Jugadas SET Especial =%1 , Desc_espec =%2 Where "
                             "Especial = %1")
                  .arg(codigo, nombre);
    db::Connection& conexion = core::sesion().conexion;
    conexion.beginTrans();
    // A failed statement ends the transaction, rolled back.
    conexion.execute(sql);
    conexion.commitTrans();
    const QString mensaje = (agrega ? QStringLiteral("Se Agrego perfectamente ")
                                    : QStringLiteral("Se Actualizo perfectamente ")) +
                            text1_->text();
    platform::msgbox(mensaje);
    return mensaje;
}

void RutinasMaestro::bloqueatextos() const
{
    text1_->setReadOnly(true);
    text2_->setReadOnly(true);
}

void RutinasMaestro::desbloqueatextos() const
{
    for (QLineEdit* caja : {text1_, text2_, text3_})
        caja->setReadOnly(false);
    muestra(QStringLiteral("form2"));
}

void RutinasMaestro::limpiatextos() const
{
    text2_->clear();
    text3_->clear();
}

} // namespace accounts
