#include "fiscal/impuestosventana.h"

#include "core/filtros.h"

#include <QLineEdit>

namespace fiscal {

bool cabeCampo(const QString& texto, int ancho, const QString& campo)
{
    return core::cabeTexto(texto, ancho, campo);
}

void preparaPorcentaje(QLineEdit* caja)
{
    core::conectafiltrodecimal(caja);
    core::conectaLimite(caja, AnchoPorcentaje);
}

platform::Decimal porcentajeDe(const QString& texto)
{
    // The box lets through digits and one ".", so what it holds reads as
    // it stands once the parts a number cannot end with are dropped.
    QString numero;
    bool punto = false;
    for (const QChar c : texto.trimmed()) {
        if (c.isDigit())
            numero += c;
        else if (c == u'.' && !punto)
            numero += c, punto = true;
        else
            break;
    }
    if (numero.endsWith(u'.'))
        numero.chop(1);
    if (numero.startsWith(u'.'))
        numero.prepend(u'0');
    return numero.isEmpty() ? platform::Decimal()
                            : platform::Decimal::parse(numero).value_or(platform::Decimal());
}

} // namespace fiscal
