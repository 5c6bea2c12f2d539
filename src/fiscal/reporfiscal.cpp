#include "fiscal/reporfiscal.h"

#include "core/conexion.h"
#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "reports/htmlfiscalvendedor.h"

#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <iterator>

namespace fiscal {

using platform::db::DataType;
using platform::db::Direction;
using platform::regional::toText;
namespace vb = platform::vb;

namespace {

QComboBox* caja(QWidget* padre)
{
    auto* c = new QComboBox(padre);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(24);
    return c;
}

QGroupBox* marco(const QString& titulo, QWidget* padre)
{
    auto* m = new QGroupBox(titulo, padre);
    new QFormLayout(m);
    return m;
}

void fila(QGroupBox* m, const QString& etiqueta, QWidget* control)
{
    static_cast<QFormLayout*>(m->layout())->addRow(etiqueta, control);
}

// An item of the shared lists: code " - " trimmed name.
QString item(const platform::db::RecordSet& rs, const QString& codigo, const QString& nombre)
{
    return toText(rs.value(codigo)) + QStringLiteral(" - ") + vb::trim(toText(rs.value(nombre)));
}

} // namespace

reporfiscal::reporfiscal()
    : VentanaReporte({.titulo = QStringLiteral("Reporte Fiscal Comercializdora")})
    , ELGRUPO(caja(this))
    , VEND_DESDE(caja(this))
    , VEND_HASTA(caja(this))
    , TIPORPT(caja(this))
    , LALOTERIA(caja(this))
    , Combo1(caja(this))
    , Combo2(caja(this))
{
    QGroupBox* frame2 = marco(QStringLiteral("Elija el Grupo de Vendedores y los Vendedores a REPORTAR"),
                              this);
    fila(frame2, QStringLiteral("Grupo"), ELGRUPO);
    fila(frame2, QStringLiteral("Desde"), VEND_DESDE);
    fila(frame2, QStringLiteral("Hasta"), VEND_HASTA);
    parametros()->addRow(frame2);

    QGroupBox* frame4 = marco(QStringLiteral("Elija El Tipo de Reporte"), this);
    fila(frame4, QString(), TIPORPT);
    QGroupBox* frame3 = marco(QStringLiteral("Elija La Loteria  a REPORTAR"), this);
    fila(frame3, QString(), LALOTERIA);
    QGroupBox* frame5 = marco(QStringLiteral("Elija el Tipo de jugada"), this);
    fila(frame5, QString(), Combo1);
    QGroupBox* frame6 = marco(QStringLiteral("Elija la Junta de Beneficencia"), this);
    fila(frame6, QString(), Combo2);
    auto* par1 = new QHBoxLayout;
    par1->addWidget(frame4);
    par1->addWidget(frame3);
    parametros()->addRow(par1);
    auto* par2 = new QHBoxLayout;
    par2->addWidget(frame5);
    par2->addWidget(frame6);
    parametros()->addRow(par2);

    QWidget* orden[] = {Desdes,    Hastas, ELGRUPO,  VEND_DESDE, VEND_HASTA, TIPORPT,
                        LALOTERIA, Combo1, Command1, Command2,   Bordes,     Combo2};
    for (std::size_t i = 1; i < std::size(orden); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    ELGRUPO->installEventFilter(this);
}

bool reporfiscal::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ELGRUPO && evento->type() == QEvent::FocusOut)
        ELGRUPO_Validate();
    return VentanaReporte::eventFilter(objeto, evento);
}

void reporfiscal::cargaListas()
{
    llenaGrupos();
    llenaVendedoresDelGrupo(QString());
    LALOTERIA->clear();
    platform::db::RecordSet loterias = core::sesion().rsloterias.clone();
    if (loterias.state() != platform::db::RecordSet::StateOpen || loterias.recordCount() <= 0) {
        core::cajacompartida(QStringLiteral("Debe existir por lo menos una Loteria para poder ver Reportes"),
                             QStringLiteral("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
        return;
    }
    for (; !loterias.eof(); loterias.moveNext())
        LALOTERIA->addItem(item(loterias, QStringLiteral("COD_LOT"), QStringLiteral("desc_lot")));
    TIPORPT->clear();
    TIPORPT->addItems({QStringLiteral("0.- Resumido"), QStringLiteral("1.- Por Junta"),
                       QStringLiteral("2.- Por Alcaldia"), QStringLiteral("5.- Global")});
    Combo1->clear();
    Combo1->addItems({QStringLiteral("1.- Triples"), QStringLiteral("2.- Terminales"),
                      QStringLiteral("3.- Digito"), QStringLiteral("4.- Trip. Especial"),
                      QStringLiteral("5.- Term. Especial")});
    for (QComboBox* c : {ELGRUPO, VEND_DESDE, VEND_HASTA, TIPORPT, LALOTERIA, Combo1})
        c->setCurrentIndex(-1);
}

void reporfiscal::llenaGrupos()
{
    ELGRUPO->clear();
    platform::db::RecordSet grupos = core::sesion().conexion.execute(
        platform::db::callText(QStringLiteral("dspven2"), {QStringLiteral("2")}));
    for (; grupos.recordCount() > 0 && !grupos.eof(); grupos.moveNext())
        ELGRUPO->addItem(item(grupos, QStringLiteral("perteneceal"), QStringLiteral("nombre_vend")));
    ELGRUPO->setCurrentIndex(-1);
}

void reporfiscal::llenaVendedoresDelGrupo(const QString& grupo)
{
    VEND_DESDE->clear();
    VEND_HASTA->clear();
    platform::db::RecordSet vendedores = core::sesion().rsvendedores.clone();
    if (vendedores.state() != platform::db::RecordSet::StateOpen)
        return;
    for (; !vendedores.eof(); vendedores.moveNext()) {
        if (vb::trim(core::textocampo(vendedores.value(QStringLiteral("perteneceal")))) != grupo)
            continue;
        const QString texto = item(vendedores, QStringLiteral("codvendedor"), QStringLiteral("nombre_vend"));
        VEND_DESDE->addItem(texto);
        VEND_HASTA->addItem(texto);
    }
}

void reporfiscal::ELGRUPO_Validate()
{
    if (core::sesion().rsvendedores.recordCount() <= 0)
        return;
    llenaVendedoresDelGrupo(core::primerapalabra(ELGRUPO->currentText()));
    VEND_DESDE->setCurrentIndex(VEND_DESDE->count() > 0 ? 0 : -1);
    VEND_HASTA->setCurrentIndex(VEND_HASTA->count() - 1);
    if (VEND_DESDE->count() == 0) {
        VEND_DESDE->setEditText(QString());
        VEND_HASTA->setEditText(QString());
    }
}

// "Generar" runs the report for no report type or "0.- Resumido"; a type
// of blanks runs it only with no group and both seller boxes filled.
bool reporfiscal::validaParametros()
{
    const QString tipo = TIPORPT->currentText();
    if (vb::trim(ELGRUPO->currentText()).isEmpty() && !vb::trim(VEND_DESDE->currentText()).isEmpty() &&
        !vb::trim(VEND_HASTA->currentText()).isEmpty() && vb::trim(tipo).isEmpty())
        return true;
    return tipo == u"0.- Resumido" || tipo.isEmpty();
}

void reporfiscal::rpttotales()
{
    informa();
}

QString reporfiscal::codigoReporte(const QComboBox* c)
{
    const QString codigo = vb::trim(c->currentText().left(5));
    return codigo.isEmpty() ? QStringLiteral(" ") : codigo;
}

platform::db::RecordSet reporfiscal::consulta()
{
    platform::db::Command cmd(core::sesion().conexion, QStringLiteral("rpt_res_ven_totales_fiscal"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@FECHAREPORT1"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@FECHAREPORT2"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@VENDEDOR1"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@VENDEDOR2"), DataType::VarChar, Direction::Input, 5);
    cmd.setValue(QStringLiteral("@FECHAREPORT1"), fechatexto(Desdes->date()));
    cmd.setValue(QStringLiteral("@FECHAREPORT2"), fechatexto(Hastas->date()));
    cmd.setValue(QStringLiteral("@VENDEDOR1"), codigoReporte(VEND_DESDE));
    cmd.setValue(QStringLiteral("@VENDEDOR2"), codigoReporte(VEND_HASTA));
    return cmd.execute();
}

void reporfiscal::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QStringLiteral("Vendedor Desde: ") + VEND_DESDE->currentText() +
                      QStringLiteral("   HASTA : ") + VEND_HASTA->currentText();
    s.reportelinea2 = QStringLiteral("Fecha Desde : ") + fechatexto(Desdes->date()) +
                      QStringLiteral("   HASTA : ") + fechatexto(Hastas->date());
}

void reporfiscal::escribe(platform::db::RecordSet& rs, const QString& borde)
{
    reports::htmlfiscalvendedor(rs, core::sesion().reportelinea1, core::sesion().reportelinea2, borde);
}

} // namespace fiscal
