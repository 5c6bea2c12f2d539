#include "fiscal/form36.h"

#include "fiscal/monitorfiscal.h"

#include "core/conexion.h"
#include "core/sesion.h"
#include "reports/form24.h"

#include "platform/db/calltext.h"
#include "platform/regional.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscal {

namespace db = platform::db;
using platform::regional::toText;

namespace {

QDateEdit* selector()
{
    auto* fecha = new QDateEdit;
    fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    fecha->setCalendarPopup(true);
    return fecha;
}

QComboBox* caja()
{
    auto* lista = new QComboBox;
    lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lista->setMinimumContentsLength(30);
    return lista;
}

platform::Decimal importe(const db::RecordSet& rs, const char* campo)
{
    return platform::regional::toDecimal(rs.value(QLatin1String(campo))).value_or(platform::Decimal());
}

// The seller's own taxes, by seller: one read for every group.
monitor::ImpuestosPorVendedor impuestosPorVendedor(db::RecordSet rs)
{
    monitor::ImpuestosPorVendedor porVendedor;
    for (; !rs.eof(); rs.moveNext())
        porVendedor[core::textocampo(rs.value(QStringLiteral("codvendedor"))).trimmed()].append(
            {core::textocampo(rs.value(QStringLiteral("descri_impuesto"))),
             core::textocampo(rs.value(QStringLiteral("aplica_impuesto"))),
             importe(rs, "porcentaje_impuesto")});
    return porVendedor;
}

} // namespace

Form36::Form36()
    : List1(new reports::ListaTabulada)
    , Frame1(new QGroupBox(QStringLiteral("Opciones de Monitor Fiscal")))
    , Combo1(caja())
    , Combo2(caja())
    , Combo3(caja())
    , Combo4(caja())
    , Combo7(caja())
    , Combo6(caja())
    , DTPicker1(selector())
    , Desdes(selector())
    , Combo5(new QComboBox)
    , Command1(new QPushButton(QStringLiteral("Ver Monitor")))
    , Command3(new QPushButton(QStringLiteral("Imprimir Monitor")))
    , Command4(new QPushButton(QStringLiteral("Exportar Monitor")))
    , Command2(new QPushButton(QStringLiteral("Salir")))
{
    setWindowTitle(QStringLiteral("Monitor Fiscal - SENIAT"));
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    List1->setMinimumSize(760, 320);
    QFont fijo(QStringLiteral("Monospace"));
    fijo.setStyleHint(QFont::TypeWriter);
    List1->setFont(fijo);

    auto* opciones = new QGridLayout(Frame1);
    core::etiquetaControles(opciones, 0, 0,
                            {{QStringLiteral("Desde Gobernación"), Combo1},
                             {QStringLiteral("Hasta Gobernación"), Combo2},
                             {QStringLiteral("Desde Alcaldia"), Combo3},
                             {QStringLiteral("Hasta Alcaldia"), Combo4},
                             {QStringLiteral("Desde Vendedor"), Combo7},
                             {QStringLiteral("Hasta Vendedor"), Combo6}},
                            Qt::Vertical);
    core::etiquetaControles(opciones, 0, 2,
                            {{QStringLiteral("Desde "), DTPicker1},
                             {QStringLiteral("Hasta "), Desdes},
                             {QStringLiteral("Tipo de Monitor"), Combo5}},
                            Qt::Vertical);
    auto* botones = new QVBoxLayout;
    for (QPushButton* b : {Command1, Command3, Command4, Command2})
        botones->addWidget(b);
    botones->addStretch(1);
    opciones->addLayout(botones, 0, 4, 6, 1);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(List1, 1);
    todo->addWidget(Frame1);

    connect(Command1, &QPushButton::clicked, this, &Form36::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void Form36::onLoad()
{
    atrapa([this] {
        const int parada = -40;
        List1->setTabStops(1, &parada);
        llenaUbicaciones();
        core::fechaservidor();
        const auto hoy = platform::regional::parseDate(core::sesion().fechaactual);
        DTPicker1->setDate(hoy.value_or(QDate()));
        Desdes->setDate(hoy.value_or(QDate()));
        lista(QString(), QString());
    });
}

void Form36::llenaUbicaciones()
{
    db::Connection& c = core::sesion().conexion;
    db::RecordSet regiones = c.execute(db::callText(QStringLiteral("monitor_fiscal_regiones")));
    db::RecordSet municipios = c.execute(db::callText(QStringLiteral("monitor_fiscal_municipios")));
    for (; !regiones.eof(); regiones.moveNext()) {
        const QString item = core::itemcodigo(regiones.value(0), regiones.value(1));
        Combo1->addItem(item);
        Combo2->addItem(item);
    }
    for (; !municipios.eof(); municipios.moveNext()) {
        const QString item = core::itemcodigo(municipios.value(0), municipios.value(1));
        Combo3->addItem(item);
        Combo4->addItem(item);
    }
}

void Form36::Command1_Click()
{
    atrapa([this] {
        lista(platform::regional::dateText(DTPicker1->date()), platform::regional::dateText(Desdes->date()));
    });
}

void Form36::lista(const QString& desde, const QString& hasta)
{
    const bool periodo = !desde.isEmpty();
    db::Connection& c = core::sesion().conexion;
    db::RecordSet rs = c.execute(db::callText(QStringLiteral("monitor_fiscal_dias"), {desde, hasta}));
    const monitor::ImpuestosPorVendedor impuestos = impuestosPorVendedor(
        c.execute(db::callText(QStringLiteral("monitor_fiscal_impuestos"))));
    QList<monitor::Grupo> filas;
    for (; !rs.eof(); rs.moveNext()) {
        monitor::Grupo g{core::textocampo(rs.value(QStringLiteral("vendedor"))).trimmed(),
                         core::textocampo(rs.value(QStringLiteral("nombre_vend"))),
                         importe(rs, "total_venta"), importe(rs, "premios"),
                         toText(rs.value(QStringLiteral("fecha")))};
        const QString item = core::itemcodigo(g.vendedor, g.nombre);
        Combo6->addItem(item);
        Combo7->addItem(item);
        filas << g;
    }
    List1->clear();
    List1->addItems(monitor::lineas(filas, impuestos, periodo));
}

} // namespace fiscal
