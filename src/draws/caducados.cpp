#include "draws/caducados.h"

#include "core/conexion.h"
#include "core/sesion.h"
#include "platform/db/command.h"
#include "platform/vbtext.h"
#include "reports/reportespuntoventa.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>

namespace draws {

using platform::db::DataType;
using platform::db::Direction;

const QString caducados::TodosLosVendedores = QStringLiteral("***** - TODOS LOS VENDEDORES");

caducados::caducados()
    : VentanaReporte({.titulo = QStringLiteral("Historico de Tickets Caducados"),
                      .reejecutaTrasReconectar = true,
                      .renuevaAlCargar = false,
                      .renuevaDosVeces = false})
    , Combo1(new QComboBox(this))
    , Combo2(new QComboBox(this))
{
    Combo1->setEditable(true);
    Combo1->setMinimumContentsLength(30);
    parametros()->addRow(QStringLiteral("Vendedor"), Combo1);
    parametros()->addRow(QStringLiteral("Mostrar:"), Combo2);
    Combo2->addItems({QStringLiteral("0.- Todos"), QStringLiteral("1.- Anulados"),
                      QStringLiteral("2.- Por Pagar"), QStringLiteral("3.- Pagados")});
    Combo2->setCurrentIndex(-1);
}

void caducados::cargaListas()
{
    llenaVendedores(Combo1);
    const bool conVendedores = Combo1->count() > 0;
    Combo1->addItem(TodosLosVendedores);
    Combo1->setCurrentIndex(conVendedores ? 0 : -1);
    if (!conVendedores)
        Combo1->setEditText(QString());
}

bool caducados::validaParametros()
{
    if (!platform::vb::trim(Combo1->currentText().left(5)).isEmpty())
        return true;
    core::cajacompartida(QStringLiteral("Debera Seleccionar un Vendedor o la Opcion TODOS LOS VENDEDORES"),
                         QStringLiteral("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
    return false;
}

platform::db::RecordSet caducados::hcaduca(platform::db::Connection& conexion, const QString& desde,
                                           const QString& hasta, const QString& vendedor)
{
    platform::db::Command cmd(conexion, QStringLiteral("hcaduca"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.append(QStringLiteral("@fechad"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@fechah"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@vendedor"), DataType::VarChar, Direction::Input, 5);
    cmd.setValue(QStringLiteral("@xmodo"), QStringLiteral("1"));
    cmd.setValue(QStringLiteral("@fechad"), desde);
    cmd.setValue(QStringLiteral("@fechah"), hasta);
    cmd.setValue(QStringLiteral("@vendedor"), vendedor);
    return cmd.execute();
}

platform::db::RecordSet caducados::consulta()
{
    return hcaduca(core::sesion().conexion, fechatexto(Desdes->date()), fechatexto(Hastas->date()),
                   codigoVendedor(Combo1));
}

void caducados::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QStringLiteral("Vendedor: ") + Combo1->currentText();
    s.reportelinea2 = QStringLiteral("Fecha Desde: ") + fechatexto(Desdes->date()) +
                      QStringLiteral("            Hasta: ") + fechatexto(Hastas->date());
}

void caducados::escribe(platform::db::RecordSet& rs, const QString& borde)
{
    reports::reportecaducados(rs, core::sesion().reportelinea1, core::sesion().reportelinea2, borde);
}

} // namespace draws
