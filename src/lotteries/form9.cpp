#include "lotteries/form9.h"

#include "lotteries/actlot.h"
#include "lotteries/form5.h"
#include "lotteries/marcodias.h"

#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace lotteries {

namespace db = platform::db;
using core::campos::Digito;
using core::campos::Pares;
using core::campos::Venta;

namespace {

const QString FormatoHora = QStringLiteral("HH:mm:ss");
// The commissions reach the editor with "." as decimal point.
const QStringList Comisiones = {QStringLiteral("Comi_digito"), QStringLiteral("Comispar"),
                                QStringLiteral("Comi_Tri"), QStringLiteral("Comi_Ter")};

core::BloqueVenta::Opciones opcionesBloque()
{
    core::BloqueVenta::Opciones o;
    o.partes = core::BloqueVenta::Normal | core::BloqueVenta::Comodin | core::BloqueVenta::Digito |
               core::BloqueVenta::Pares;
    return o;
}

QComboBox* listaEditable()
{
    auto* lista = new QComboBox;
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    return lista;
}

// "code - name" items of a lookup.
void llenaLista(QComboBox* lista, const QString& procedimiento, const char* codigo, const char* nombre)
{
    db::RecordSet filas = core::sesion().conexion.execute(procedimiento);
    lista->clear();
    for (; !filas.eof(); filas.moveNext())
        lista->addItem(
            core::itemcodigo(filas.value(QLatin1String(codigo)), filas.value(QLatin1String(nombre))));
    lista->setEditText(QString());
}

} // namespace

Form9::Form9()
    : Editor(QStringLiteral("Loterias"))
    , Check8(new QCheckBox(QStringLiteral("Jugar por Digito")))
    , Check9(new QCheckBox(QStringLiteral("Jugar por Pares")))
    , Check10(new QCheckBox(QStringLiteral("Jugar en Forma Normal")))
    , Check11(new QCheckBox(QStringLiteral("Usar Jugadas Especiales")))
    , Combo5(listaEditable())
    , Combo1(listaEditable())
    , bloque_(std::make_unique<core::BloqueVenta>(opcionesBloque()))
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false});
    setCatalogo(QStringLiteral("Form5"));
    // What the code and name parameters hold.
    core::conectaLimite(Text1, 3, QStringLiteral("Còdigo"));
    core::conectaLimite(Text2, 25, QStringLiteral("Nombre"));
    setCajaCodigo(Text1);
    for (QLineEdit* caja : {Text1, Text2, Text33})
        core::conectaseleccionatodo(caja);
    core::conectafiltrodecimal(Text33);
    // The tax percentage and the comodin amount go as decimal 9,3.
    core::conectaLimiteImporte(Text33, 9, 3);
    bloque_->ponLimites(parametrosventaactlot());
    bloque_->ponLimites({core::campos::MontoComodin}, 9, 3);
    const QStringList seleccionan = Venta + Digito + QStringList{core::campos::MontoComodin};
    bloque_->ponFiltro(seleccionan, core::FiltroCaja::Decimal);
    bloque_->ponSeleccionaTodo(seleccionan);
    bloque_->ponFiltro(Pares.mid(0, 4), core::FiltroCaja::Decimal);
    bloque_->ponFiltro(Pares.mid(4), core::FiltroCaja::Entero);

    auto* campos = new QGridLayout(areaCampos());
    auto* arriba = new QGroupBox;
    auto* fila = new QGridLayout(arriba);
    core::etiquetaControles(fila, 0, 0,
                            {{QStringLiteral("Còdigo"), Text1},
                             {QStringLiteral("Nombre"), Text2},
                             {QStringLiteral("% Imp. Operadora"), Text33}},
                            Qt::Horizontal);
    campos->addWidget(arriba, 0, 0, 1, 2);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(Check10);
    izquierda->addWidget(bloque_->marcoNormal());
    izquierda->addWidget(Check8);
    izquierda->addWidget(bloque_->marcoDigito());
    campos->addLayout(izquierda, 1, 0);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(construyeDias());
    derecha->addWidget(Check11);
    campos->addLayout(derecha, 1, 1);
    campos->addWidget(Check9, 2, 0);
    campos->addWidget(bloque_->marcoPares(), 2, 1);
    Check9->hide();
    bloque_->marcoPares()->hide();
    auto* junta = new QGroupBox(QStringLiteral("Junta de Beneficencia"));
    (new QVBoxLayout(junta))->addWidget(Combo5);
    auto* operadora = new QGroupBox(QStringLiteral("Operadora del Sorteo"));
    (new QVBoxLayout(operadora))->addWidget(Combo1);
    derecha->addWidget(junta);
    derecha->addWidget(operadora);
    ordenDeTabulacion();
}

// Row by row through the boxes and the days, then the buttons, and the two
// lists last (hidden controls are skipped).
void Form9::ordenDeTabulacion()
{
    QList<QWidget*> orden = {Text1, Text2, Text33, Check10};
    const int normal[] = {0, 1, 2, 3, 4, 5, 6, 9, 7, 10, 8, 11};
    for (int i : normal)
        orden << bloque_->caja(Venta[i]);
    orden << Check12() << bloque_->caja(core::campos::MontoComodin) << Check8;
    for (const QString& campo : Digito)
        orden << bloque_->caja(campo);
    for (int d = 0; d < 7; ++d)
        orden << dias[d] << horas[d];
    orden << Check11 << botonGrabar() << botonDeshacer() << Check9;
    for (const QString& campo : Pares)
        orden << bloque_->caja(campo);
    orden << Combo5 << Combo1;
    setCamposEnOrden(orden);
}

Form9::~Form9() = default;

QWidget* Form9::construyeDias()
{
    return marcodias(dias, [this] {
        auto* hora = new QTimeEdit(QTime(0, 0));
        hora->setDisplayFormat(FormatoHora);
        horas.append(hora);
        return hora;
    });
}

bool Form9::cargaListas()
{
    llenaLista(Combo5, QStringLiteral("dspjuntas"), "codigo_junta", "descripcion_junta");
    llenaLista(Combo1, QStringLiteral("dspoperadoras"), "codigo_operadora", "descripcion_operadora");
    return true;
}

void Form9::muestra(const RegistroLoteria& loteria, bool conCodigo)
{
    Text1->setText(conCodigo ? loteria.codigo : QString());
    Text2->setText(conCodigo ? loteria.nombre : QString());
    bloque_->ponTextos(loteria.montos, Comisiones);
    Check12()->setChecked(loteria.pagacomodin == QLatin1String("S"));
    for (int d = 0; d < 7; ++d) {
        const QTime hora = QTime::fromString(loteria.horas.value(d).trimmed(), FormatoHora);
        if (hora.isValid())
            horas[d]->setTime(hora);
        dias[d]->setChecked(loteria.dias.value(d) == QLatin1String("S"));
    }
    Text33->setText(loteria.impuesto);
    Combo5->setEditText(loteria.junta);
    Combo1->setEditText(loteria.operadora);
    Check8->setChecked(loteria.juegadigito == QLatin1String("S"));
    Check9->setChecked(loteria.juegapar == QLatin1String("S"));
    Check10->setChecked(loteria.jueganormal == QLatin1String("S"));
    if (conCodigo)
        Check11->setChecked(loteria.juegaespecial == QLatin1String("S"));
}

void Form9::preparaModificar()
{
    if (const Form5* origen = catalogo<Form5>())
        muestra(origen->registro(), true);
}

void Form9::preparaAgregar()
{
    if (const Form5* origen = catalogo<Form5>())
        muestra(origen->registro(), false);
    else {
        Text1->clear();
        Text2->clear();
    }
}

bool Form9::validaGrabar()
{
    if (Text1->text().size() < 3) {
        platform::msgbox(QStringLiteral("El código de la loteria debe tener 3 caracteres"),
                         platform::msg::Critical, core::TituloAtencion);
        return false;
    }
    return true;
}

RegistroLoteria Form9::registro() const
{
    RegistroLoteria loteria;
    loteria.codigo = Text1->text();
    loteria.nombre = Text2->text();
    loteria.montos = bloque_->textos();
    loteria.impuesto = Text33->text();
    for (int d = 0; d < 7; ++d) {
        loteria.dias << core::bandera(dias[d]);
        loteria.horas << horas[d]->time().toString(FormatoHora);
    }
    loteria.juegaespecial = core::bandera(Check11);
    loteria.juegapar = core::bandera(Check9);
    loteria.juegadigito = core::bandera(Check8);
    loteria.jueganormal = core::bandera(Check10);
    loteria.pagacomodin = core::bandera(Check12());
    loteria.junta = Combo5->currentText();
    loteria.operadora = Combo1->currentText();
    return loteria;
}

QString Form9::llamaGrabar(const QString& modo)
{
    bloque_->rellenaVacios();
    if (Text33->text().isEmpty())
        Text33->setText(QStringLiteral("0"));
    core::renuevaconexion();
    db::Command comando = comandograbaloteria(registro(), modo);
    comando.execute();
    return core::respuesta(comando);
}

void Form9::trasGrabar(bool exito)
{
    if (!exito)
        return;
    if (Form5* destino = catalogo<Form5>())
        destino->reemplazaLista(listaloterias(Text1->text()));
}

void Form9::alCerrar()
{
    if (Form5* destino = catalogo<Form5>())
        destino->grilla()->irAMarcador(core::sesion().marcadormaestro);
}

} // namespace lotteries
