#include "reports/textoticket.h"

#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <optional>
#include <vector>

namespace reports {

using platform::Decimal;
using platform::db::RecordSet;
namespace vb = platform::vb;
namespace regional = platform::regional;

namespace {

const QString JugadaNormal = QStringLiteral("1");
const QString JugadaEspecial = QStringLiteral("2");

struct Jugada {
    QString loteria;
    QString tipo;
    QString numero;
    Decimal monto; // normal or special, NULL as 0
    QString jugada;
};

QString texto(const RecordSet& rs, const QString& campo)
{
    return vb::trim(regional::toText(rs.value(campo)));
}

Decimal montoOCero(const QVariant& valor)
{
    return regional::toDecimal(valor).value_or(Decimal());
}

// The plays of the ticket in the order they came, without the rows of an
// unknown play type (they belong to no line and would stop the grouping).
std::vector<Jugada> jugadasDe(RecordSet& rs)
{
    std::vector<Jugada> jugadas;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        Jugada j;
        j.tipo = texto(rs, QStringLiteral("Tipo_jugada"));
        if (j.tipo != JugadaNormal && j.tipo != JugadaEspecial)
            continue;
        j.loteria = texto(rs, QStringLiteral("COD_LOT"));
        j.numero = texto(rs, QStringLiteral("Num_normal"));
        j.monto = montoOCero(rs.value(j.tipo == JugadaNormal ? QStringLiteral("Monto_Normal")
                                                             : QStringLiteral("Montoespecial")));
        j.jugada = texto(rs, QStringLiteral("jugada"));
        jugadas.push_back(j);
    }
    return jugadas;
}

// The name of `codigo` in a lookup list, or the code itself when the list
// does not hold it.
QString nombreEnLista(const RecordSet& lista, const QString& campoCodigo, const QString& campoNombre,
                      const QString& codigo)
{
    if (lista.state() != RecordSet::StateOpen || lista.recordCount() == 0 ||
        lista.fieldIndex(campoCodigo) < 0 || lista.fieldIndex(campoNombre) < 0)
        return codigo;
    RecordSet busqueda = lista.clone();
    if (!busqueda.find(campoCodigo + QStringLiteral(" = ") + platform::db::quote(codigo)))
        return codigo;
    return vb::trim(regional::toText(busqueda.value(campoNombre)));
}

QString centrado(const QString& titulo)
{
    const double blancos = vb::round((AnchoTicket - double(titulo.size())) / 2);
    return vb::space(std::max<qsizetype>(0, qsizetype(blancos))) + titulo;
}

// "**7", "*12", "123".
QString textoNumero(const QString& numero)
{
    if (numero.size() == 1)
        return QStringLiteral("**") + numero;
    if (numero.size() == 2)
        return QStringLiteral("*") + numero;
    return numero;
}

} // namespace

QString separadorTicket()
{
    return QString(AnchoTicket, QLatin1Char('='));
}

QString numeroticket(const QString& texto)
{
    const QString numero = vb::trim(texto);
    return numero.size() < 10 ? numero.rightJustified(10, QLatin1Char('0')) : numero;
}

RecordSet muestraticket(const QDate& fecha, const QString& vendedor, const QString& numero)
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(core::sesion().conexion, QStringLiteral("xmuestraTICKET"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@xnroticket"), DataType::VarChar, Direction::Input, 20);
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.setValue(QStringLiteral("@xfecha"), fecha.toString(QStringLiteral("dd/MM/yyyy")));
    cmd.setValue(QStringLiteral("@xcodigo_vend"), vendedor);
    cmd.setValue(QStringLiteral("@xnroticket"), numero);
    cmd.setValue(QStringLiteral("@xmodo"), QStringLiteral("2"));
    return cmd.execute();
}

QStringList textoticket(RecordSet& rs, const QString& textoVendedor, const QString& numero,
                        const RecordSet& loterias, const RecordSet& jugadas)
{
    rs.moveFirst();
    QStringList lineas{QStringLiteral("<< Quorvelin 2007 >>"),
                       textoVendedor,
                       QStringLiteral("Ticket: ") + numero,
                       texto(rs, QStringLiteral("usuario")),
                       texto(rs, QStringLiteral("fechaticket")) + QStringLiteral("   ") +
                           texto(rs, QStringLiteral("Hora_venta")),
                       separadorTicket()};
    const bool anulado = texto(rs, QStringLiteral("statust")) == QLatin1String("ELI");

    const std::vector<Jugada> todas = jugadasDe(rs);
    Decimal total;
    std::size_t i = 0;
    while (i < todas.size()) {
        const QString loteria = todas[i].loteria;
        lineas << centrado(QStringLiteral("Sorteo:") + nombreEnLista(loterias, QStringLiteral("cod_lot"),
                                                                     QStringLiteral("desc_lot"), loteria));
        int contador = 0;
        QString linea;
        const auto deLaLoteria = [&](const QString& tipo) {
            return i < todas.size() && todas[i].loteria == loteria && todas[i].tipo == tipo;
        };
        // Normal plays three to a line; a full line loses its last "- ".
        for (; deLaLoteria(JugadaNormal); ++i) {
            total = total + todas[i].monto;
            linea += textoNumero(todas[i].numero) + QStringLiteral(" x ") +
                     regional::formatAmount(todas[i].monto) + QStringLiteral(" - ");
            if (++contador >= 3) {
                linea.chop(2);
                lineas << linea;
                linea.clear();
                contador = 0;
            }
        }
        if (!linea.isEmpty()) {
            lineas << linea;
            linea.clear();
        }
        // Special plays two to a line, counting on from the normal plays.
        for (; deLaLoteria(JugadaEspecial); ++i) {
            const QString nombre = nombreEnLista(jugadas, QStringLiteral("jugada"),
                                                 QStringLiteral("desc_jugada"), todas[i].jugada);
            linea += textoNumero(todas[i].numero) + QStringLiteral("  ") + vb::left(nombre, 3) +
                     QStringLiteral(" x ") + regional::formatAmount(todas[i].monto) + QStringLiteral("   ");
            if (++contador >= 2) {
                lineas << linea;
                linea.clear();
                contador = 0;
            }
            total = total + todas[i].monto;
        }
        if (!linea.isEmpty())
            lineas << linea;
    }
    lineas << separadorTicket() << QStringLiteral("Total Bs.: ") + regional::formatAmount(total)
           << QStringLiteral("REVISE SU TICKET") << QString()
           << (anulado ? QStringLiteral("EL TICKET ESTA ANULADO") : QStringLiteral("EL TICKET ESTA ACTIVO"));
    return lineas;
}

} // namespace reports
