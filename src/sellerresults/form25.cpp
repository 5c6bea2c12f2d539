#include "sellerresults/form25.h"

#include "core/conexion.h"
#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/regional.h"
#include "platform/vbtext.h"
#include "reports/htmldetalladovendedor.h"
#include "reports/htmldetalladovendedorloteria.h"
#include "reports/htmlgrupos.h"
#include "reports/htmlloterias.h"
#include "reports/htmlresumidovendedor.h"
#include "reports/htmltotalesfecha.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <functional>

namespace sellerresults {

namespace db = platform::db;
namespace vb = platform::vb;

namespace {

// One typed input of a report procedure after the two dates.
struct Entrada {
    QString nombre;
    int tamano;
    QString valor;
};

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

core::Sesion& ses()
{
    return core::sesion();
}

QComboBox* cajaEditable(QWidget* padre)
{
    auto* caja = new QComboBox(padre);
    caja->setEditable(true);
    caja->setInsertPolicy(QComboBox::NoInsert);
    return caja;
}

// Items are only offered: the box's text stays empty.
void sinSeleccion(QComboBox* caja)
{
    caja->setCurrentIndex(-1);
    caja->setEditText(QString());
}

QString desde(const Form25& f)
{
    return reports::VentanaReporte::fechatexto(f.Desdes->date());
}

QString hasta(const Form25& f)
{
    return reports::VentanaReporte::fechatexto(f.Hastas->date());
}

// The seller range in its trimmed form (" " for an empty box).
QList<Entrada> vendedoresRecortados(const Form25& f)
{
    return {{s("@VENDEDOR1"), 5, Form25::codigoRecortado(f.VEND_DESDE->currentText())},
            {s("@VENDEDOR2"), 5, Form25::codigoRecortado(f.VEND_HASTA->currentText())}};
}

// "Vendedor Desde: … HASTA : …" and "Fecha Desde : … HASTA : …".
void encabezadoVendedores(const Form25& f)
{
    ses().reportelinea1 = s("Vendedor Desde: ") + f.VEND_DESDE->currentText() + s("   HASTA : ") +
                          f.VEND_HASTA->currentText();
    ses().reportelinea2 = s("Fecha Desde : ") + desde(f) + s("   HASTA : ") + hasta(f);
}

void mensajeParametro(const char* quien)
{
    core::cajacompartida(
        s("Seleccione el ") + s(quien) +
            s(" que deseas  Procesar con los parametros establecidos... Por favor verifique "),
        s("Quorvelin 2007 - BACK OFFICE"));
}

} // namespace

// One report operation: its procedure and inputs, where its rows are kept,
// its header lines and its writer.
struct Form25::Informe {
    enum class Destino { Propio, General2, Reporte };

    QString procedimiento;
    int tiempoEspera;
    std::function<QList<Entrada>(const Form25&)> entradas;
    Destino destino;
    std::function<void(const Form25&)> encabezados;
    std::function<void(db::RecordSet&, const QString&)> escritor;
    std::function<bool(const Form25&)> valida = {};
};

namespace {

using Informe = Form25::Informe;
using Destino = Form25::Informe::Destino;

const Informe Totales{s("rpt_res_ven_totales"),
                      900,
                      vendedoresRecortados,
                      Destino::Propio,
                      encabezadoVendedores,
                      [](db::RecordSet& rs, const QString& borde) {
                          reports::htmlresumidovendedor(rs, ses().reportelinea1, ses().reportelinea2, borde);
                      }};

const Informe TotalGral{
    s("rpt_res_ven_total_gral"),
    900,
    [](const Form25&) { return QList<Entrada>(); },
    Destino::Propio,
    [](const Form25& f) { ses().reportelinea1 = s("Desde: ") + desde(f) + s(" Hasta: ") + hasta(f); },
    [](db::RecordSet& rs, const QString& borde) {
        reports::htmltotalesfecha(rs, ses().reportelinea1, borde);
    }};

// No time-out of its own: the data access default.
const Informe PorLoteria{s("rpt_res_ven_loteria"),
                         db::Command::DefaultCommandTimeout,
                         [](const Form25& f) {
                             return vendedoresRecortados(f)
                                    << Entrada{s("@LALOTERIA"), 3,
                                               Form25::loteriaTres(f.LALOTERIA->currentText())}
                                    << Entrada{s("@Xmodo"), 3, Form25::modoJugada(f.Combo1->currentText())};
                         },
                         Destino::General2,
                         encabezadoVendedores,
                         [](db::RecordSet& rs, const QString& borde) {
                             reports::htmlloterias(rs, ses().reportelinea1, ses().reportelinea2, borde);
                         }};

const Informe PorFecha{s("rpt_res_ven_totales_fecha"),
                       900,
                       vendedoresRecortados,
                       Destino::Propio,
                       encabezadoVendedores,
                       [](db::RecordSet& rs, const QString& borde) {
                           reports::htmldetalladovendedor(rs, ses().reportelinea1, ses().reportelinea2,
                                                          borde);
                       }};

// The sellers go as their first five characters untouched; the lottery as
// its three-character code (its first character alone would match every
// lottery that starts with it, or none).
const Informe PorTipoJugada{
    s("rpt_res_ven_resumido_loteria"),
    900,
    [](const Form25& f) {
        return QList<Entrada>{{s("@VENDEDOR1"), 5, vb::left(f.VEND_DESDE->currentText(), 5)},
                              {s("@VENDEDOR2"), 5, vb::left(f.VEND_HASTA->currentText(), 5)},
                              {s("@LALOTERIA"), 5, Form25::loteriaTres(f.LALOTERIA->currentText())}};
    },
    Destino::General2,
    encabezadoVendedores,
    [](db::RecordSet& rs, const QString& borde) {
        reports::htmldetalladovendedorloteria(rs, ses().reportelinea1, ses().reportelinea2, borde);
    }};

// The group results; the lottery goes as its three-character code.
const Informe PorGrupos{
    s("rpt_res_ven_GRUPOS"),
    900,
    [](const Form25& f) {
        return vendedoresRecortados(f)
               << Entrada{s("@GRUPOS1"), 5, Form25::codigoRecortado(f.ELGRUPO->currentText())}
               << Entrada{s("@codlot"), 3, Form25::loteriaTres(f.LALOTERIA->currentText())};
    },
    Destino::Reporte,
    [](const Form25& f) {
        ses().reportelinea1 = s("Fecha Desde : ") + desde(f) + s("   HASTA : ") + hasta(f);
        ses().reportelinea2 = s("Grupo: ") + f.ELGRUPO->currentText();
    },
    [](db::RecordSet& rs, const QString& borde) {
        reports::htmlgrupos(rs, ses().reportelinea1, ses().reportelinea2, borde);
    },
    [](const Form25& f) {
        const std::pair<const QComboBox*, const char*> requeridos[] = {
            {f.ELGRUPO, "Grupo"}, {f.VEND_DESDE, "Vendedor DESDE el"}, {f.VEND_HASTA, "Vendedor HASTA el"}};
        for (const auto& [caja, quien] : requeridos) {
            if (vb::trim(Form25::codigoRecortado(caja->currentText())).isEmpty()) {
                mensajeParametro(quien);
                return false;
            }
        }
        return true;
    }};

} // namespace

Form25::Form25() : VentanaReporte({.titulo = s("Resultados de Vendedores"), .renuevaDosVeces = false})
{
    // The dates go into their own frame.
    auto* fechas = new QGroupBox(s("Defina el Rango de Fechas para el Reporte"), this);
    auto* filasFechas = new QFormLayout(fechas);
    for (QDateEdit* fecha : {Desdes, Hastas}) {
        const QFormLayout::TakeRowResult fila = parametros()->takeRow(0);
        delete fila.labelItem->widget();
        delete fila.labelItem;
        delete fila.fieldItem;
        filasFechas->addRow(fecha == Desdes ? s("Desde") : s("Hasta"), fecha);
    }
    parametros()->addRow(fechas);

    auto* vendedores = new QGroupBox(s("Elija el Grupo de Vendedores y los Vendedores a REPORTAR"), this);
    auto* filasVendedores = new QFormLayout(vendedores);
    ELGRUPO = cajaEditable(vendedores);
    VEND_DESDE = cajaEditable(vendedores);
    VEND_HASTA = cajaEditable(vendedores);
    filasVendedores->addRow(s("Grupo"), ELGRUPO);
    filasVendedores->addRow(s("Desde"), VEND_DESDE);
    filasVendedores->addRow(s("Hasta"), VEND_HASTA);
    parametros()->addRow(vendedores);

    const auto marco = [this](const char* titulo, QComboBox*& caja) {
        auto* grupo = new QGroupBox(s(titulo), this);
        auto* fila = new QFormLayout(grupo);
        caja = cajaEditable(grupo);
        fila->addRow(caja);
        parametros()->addRow(grupo);
    };
    marco("Elija La Loteria  a REPORTAR", LALOTERIA);
    marco("Elija El Tipo de Reporte", TIPORPT);
    marco("Elija el Tipo de jugada", Combo1);
    for (QComboBox* caja : {ELGRUPO, VEND_DESDE, VEND_HASTA, LALOTERIA, TIPORPT, Combo1})
        caja->setMinimumContentsLength(36);

    ELGRUPO->installEventFilter(this);
}

QString Form25::textoGrupo() const
{
    return ELGRUPO->currentText();
}

// --- Load

void Form25::onLoad()
{
    core::manejoerrores(core::Trampa::simple(), [this] {
        const QDate hoy = QDate::currentDate();
        Desdes->setDate(hoy.addDays(-1));
        Hastas->setDate(hoy);
        core::renuevaconexion();
        cargaGrupos();
        if (ses().rsloterias.state() != db::RecordSet::StateOpen || ses().rsloterias.recordCount() < 1) {
            core::cajacompartida(s("Debe existir por lo menos una Loteria para poder ver Reportes"),
                                 s("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
            return;
        }
        cargaLoterias();
        core::fechaservidor();
        const QDate servidor = platform::regional::parseDate(ses().fechaactual).value_or(QDate());
        Desdes->setDate(servidor);
        Hastas->setDate(servidor);
        cargaTipos();
    });
}

void Form25::cargaGrupos()
{
    db::RecordSet grupos = ses().conexion.execute(db::callText(s("dspven2"), {s("2")}));
    ELGRUPO->clear();
    VEND_DESDE->clear();
    VEND_HASTA->clear();
    for (; !grupos.eof(); grupos.moveNext())
        ELGRUPO->addItem(platform::regional::toText(grupos.value(s("perteneceal"))) + s(" - ") +
                         vb::trim(core::textocampo(grupos.value(s("nombre_vend")))));
    sinSeleccion(ELGRUPO);
    llenaRango(QString());
    sinSeleccion(VEND_DESDE);
    sinSeleccion(VEND_HASTA);
}

void Form25::cargaLoterias()
{
    // The shared list's own cursor is left where other windows put it.
    db::RecordSet loterias = ses().rsloterias.clone();
    LALOTERIA->clear();
    for (; !loterias.eof(); loterias.moveNext())
        LALOTERIA->addItem(platform::regional::toText(loterias.value(s("COD_LOT"))) + s(" - ") +
                           vb::trim(core::textocampo(loterias.value(s("desc_lot")))));
    sinSeleccion(LALOTERIA);
}

void Form25::cargaTipos()
{
    TIPORPT->clear();
    TIPORPT->addItems({s("0.- Por Loteria"), s("1.- Por Grupos"), s("2.- Detallado"), s("5.- Resumido"),
                       s("6.- Tipo de Jugada")});
    Combo1->clear();
    Combo1->addItems({s("1.- Triples"), s("2.- Terminales"), s("3.- Digito"), s("4.- Trip. Especial"),
                      s("5.- Term. Especial")});
    sinSeleccion(TIPORPT);
    sinSeleccion(Combo1);
}

// --- Group validation

void Form25::llenaRango(const QString& grupo)
{
    const auto delGrupo = [&grupo](const db::RecordSet& v) {
        return vb::trim(core::textocampo(v.value(s("perteneceal")))) == grupo;
    };
    llenaVendedores(VEND_DESDE, delGrupo);
    llenaVendedores(VEND_HASTA, delGrupo);
}

void Form25::ELGRUPO_Validate()
{
    grupoValidado_ = ELGRUPO->currentText();
    const db::RecordSet& vendedores = ses().rsvendedores;
    if (vendedores.state() != db::RecordSet::StateOpen || vendedores.recordCount() < 1)
        return;
    llenaRango(core::primerapalabra(grupoValidado_));
    VEND_DESDE->setCurrentIndex(VEND_DESDE->count() > 0 ? 0 : -1);
    VEND_HASTA->setCurrentIndex(VEND_HASTA->count() - 1);
    VEND_DESDE->setEditText(VEND_DESDE->count() > 0 ? VEND_DESDE->itemText(0) : QString());
    VEND_HASTA->setEditText(VEND_HASTA->count() > 0 ? VEND_HASTA->itemText(VEND_HASTA->count() - 1)
                                                    : QString());
}

bool Form25::eventFilter(QObject* objeto, QEvent* evento)
{
    // The focus going to another control; not the box's own list opening
    // nor another window becoming active.
    if (objeto == ELGRUPO && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::PopupFocusReason && razon != Qt::ActiveWindowFocusReason)
            ELGRUPO_Validate();
    }
    return VentanaReporte::eventFilter(objeto, evento);
}

// --- "Generar"

Form25::Operacion Form25::eligeOperacion(const QString& grupo, const QString& vendDesde,
                                         const QString& vendHasta, const QString& tipo)
{
    const bool sinTipo = vb::trim(tipo).isEmpty();
    if (!vb::trim(grupo).isEmpty() && sinTipo)
        return &Form25::RPTPORGRUPOS;
    if (vb::trim(grupo).isEmpty() && !vb::trim(vendDesde).isEmpty() && !vb::trim(vendHasta).isEmpty() &&
        sinTipo)
        return &Form25::rpttotales;
    const std::pair<const char*, Operacion> porTipo[] = {
        {"0.- Por Loteria", &Form25::rptresumidovendeLOTERIA},     {"1.- Por Grupos", &Form25::RPTPORGRUPOS},
        {"2.- Detallado", &Form25::rptresumidovendeFecha},         {"5.- Resumido", &Form25::rpttotales},
        {"6.- Tipo de Jugada", &Form25::rptresumidovende_Loteria}, {"", &Form25::rpttotalgral}};
    for (const auto& [texto, operacion] : porTipo) {
        if (tipo == s(texto))
            return operacion;
    }
    return nullptr;
}

void Form25::despacha()
{
    // A group typed or picked and "Generar" clicked at once: the focus
    // leaving the group box refills the seller range before the click.
    if (ELGRUPO->currentText() != grupoValidado_)
        ELGRUPO_Validate();
    if (const Operacion operacion = eligeOperacion(ELGRUPO->currentText(), VEND_DESDE->currentText(),
                                                   VEND_HASTA->currentText(), TIPORPT->currentText()))
        (this->*operacion)();
}

void Form25::RPTPORGRUPOS()
{
    ejecuta(PorGrupos);
}

void Form25::rpttotales()
{
    ejecuta(Totales);
}

void Form25::rpttotalgral()
{
    ejecuta(TotalGral);
}

void Form25::rptresumidovendeLOTERIA()
{
    ejecuta(PorLoteria);
}

void Form25::rptresumidovendeFecha()
{
    ejecuta(PorFecha);
}

void Form25::rptresumidovende_Loteria()
{
    ejecuta(PorTipoJugada);
}

void Form25::ejecuta(const Informe& informe)
{
    informe_ = &informe;
    const auto fin = qScopeGuard([this] { informe_ = nullptr; });
    informa();
}

bool Form25::validaParametros()
{
    return !informe_->valida || informe_->valida(*this);
}

db::RecordSet Form25::consulta()
{
    db::RecordSet* guardado = informe_->destino == Informe::Destino::General2  ? &ses().rsgeneral2
                              : informe_->destino == Informe::Destino::Reporte ? &ses().rsreporte
                                                                               : nullptr;
    if (guardado)
        *guardado = db::RecordSet();
    db::Command cmd(ses().conexion, informe_->procedimiento);
    cmd.setCommandTimeout(informe_->tiempoEspera);
    cmd.append(s("@RETURN_VALUE"), db::DataType::Integer, db::Direction::ReturnValue);
    const QList<Entrada> entradas = QList<Entrada>{{s("@FECHAREPORT1"), 10, desde(*this)},
                                                   {s("@FECHAREPORT2"), 10, hasta(*this)}} +
                                    informe_->entradas(*this);
    for (const Entrada& e : entradas)
        cmd.append(e.nombre, db::DataType::VarChar, db::Direction::Input, e.tamano, e.valor);
    db::RecordSet rs = cmd.execute();
    if (guardado)
        *guardado = rs;
    return rs;
}

void Form25::fijaEncabezados()
{
    informe_->encabezados(*this);
}

void Form25::escribe(db::RecordSet& rs, const QString& borde)
{
    informe_->escritor(rs, borde);
}

// --- Values cut from the boxes

QString Form25::codigoRecortado(const QString& texto)
{
    const QString codigo = vb::trim(vb::left(texto, 5));
    return codigo.isEmpty() ? s(" ") : codigo;
}

QString Form25::loteriaTres(const QString& texto)
{
    if (vb::trim(vb::left(texto, 1)).isEmpty())
        return s(" ");
    return vb::trim(vb::left(texto, 3));
}

QString Form25::modoJugada(const QString& texto)
{
    if (texto.isEmpty())
        return s("000");
    const char* const modos[] = {"Tp ", "Te ", "D  ", "Tp2 ", "Te2 "};
    const QString primero = vb::trim(vb::left(texto, 1));
    const int n = primero.size() == 1 ? primero.at(0).unicode() - u'1' : -1;
    return n >= 0 && n < 5 ? s(modos[n]) : QString();
}

} // namespace sellerresults
