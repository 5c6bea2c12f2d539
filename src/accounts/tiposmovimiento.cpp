#include "accounts/tiposmovimiento.h"

#include "core/filtros.h"

#include <QtGlobal>

namespace accounts {

namespace {

QStringList lista(const char* variable, const char* omision)
{
    const QString valor = qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable)
                                                              : QString::fromLatin1(omision);
    QStringList nombres;
    for (const QString& n : valor.split(QLatin1Char(',')))
        if (!n.trimmed().isEmpty())
            nombres << n.trimmed();
    return nombres;
}

bool esDigito(int tecla)
{
    return tecla >= '0' && tecla <= '9';
}

} // namespace

const QStringList& tiposmovimiento()
{
    static const QStringList tipos{QStringLiteral("0.- Pago Vendedor a Duroz"),
                                   QStringLiteral("1.- Pago Duroz a Vendedor"),
                                   QStringLiteral("2.- Prestamo"), QStringLiteral("3.- Pago Couta Prestamo"),
                                   QStringLiteral("4.- Couta diaria Presamo")};
    return tipos;
}

const QStringList& tipospago()
{
    static const QStringList tipos{QStringLiteral("0 - Efectivo"), QStringLiteral("1 - Cheque"),
                                   QStringLiteral("2 - Baucher")};
    return tipos;
}

bool ofrecePrestamos(const QString& basedatos, const QString& usuario)
{
    if (!lista("DUROZ_PRESTAMOS_BASES", "quilmara,Quilmara,QUILMARA").contains(basedatos))
        return true;
    return lista("DUROZ_PRESTAMOS_OPERADORES", "VAMO7,vamo7,Vamo7").contains(usuario);
}

int filtromontocoma(const QString& texto, int tecla)
{
    if (tecla == core::TeclaBackspace || tecla == core::TeclaEnter || esDigito(tecla))
        return tecla;
    const bool ocupado = texto.contains(QLatin1Char('-')) || texto.contains(QLatin1Char(','));
    if (tecla == '-')
        return ocupado ? 0 : tecla;
    if (tecla == '.')
        return ocupado ? 0 : int(',');
    return 0;
}

int filtromontopunto(const QString& texto, int tecla)
{
    if (tecla == core::TeclaBackspace || tecla == core::TeclaEnter || esDigito(tecla))
        return tecla;
    const bool ocupado = texto.contains(QLatin1Char('-')) || texto.contains(QLatin1Char('.'));
    if (tecla == '-' || tecla == '.')
        return ocupado ? 0 : tecla;
    return 0;
}

} // namespace accounts
