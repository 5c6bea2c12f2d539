#include "accounts/dialogos.h"

#include "core/masteredita.h"
#include "core/sesion.h"
#include "platform/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace accounts {

bool preguntaEliminarDocumento(const QString& documento)
{
    return platform::msgbox(QStringLiteral("Desea en realidad eliminar el Documento ") + documento +
                                QStringLiteral("?"),
                            20, core::TituloAtencion) == platform::msg::AnswerYes;
}

void informaEliminacion(const QString& respuesta)
{
    if (respuesta == QLatin1String("0"))
        platform::msgbox(QStringLiteral("Registro Eliminado con Exito!"), 64, core::TituloAtencion);
    else
        platform::msgbox(QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción"), 64,
                         core::TituloAtencion);
}

void disposicionEditor(QWidget* ventana, const QList<std::pair<QString, QWidget*>>& filas,
                       QPushButton* grabar, QPushButton* deshacer)
{
    auto* raiz = new QVBoxLayout(ventana);
    auto* formulario = new QFormLayout;
    for (const auto& [titulo, control] : filas)
        formulario->addRow(titulo, control);
    raiz->addLayout(formulario);
    auto* botones = new QHBoxLayout;
    botones->addWidget(grabar);
    botones->addWidget(deshacer);
    raiz->addLayout(botones);
}

void vaciaModoAlCerrar()
{
    if (core::sesion().modoedicion != QLatin1String("H"))
        core::sesion().modoedicion.clear();
}

} // namespace accounts
