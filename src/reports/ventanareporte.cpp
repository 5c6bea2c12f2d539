#include "reports/ventanareporte.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/regional.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace reports {

namespace regional = platform::regional;

namespace {

QDateEdit* selectorFecha(QWidget* ventana)
{
    auto* fecha = new QDateEdit(ventana);
    fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    fecha->setCalendarPopup(true);
    return fecha;
}

} // namespace

VentanaReporte::VentanaReporte(const Forma& forma) : forma_(forma)
{
    setWindowTitle(forma.titulo);
    // A small window of parameters that keeps its size.
    setFrame({.fixedBorder = true, .maxButton = false});
    auto* disposicion = new QVBoxLayout(this);
    parametros_ = new QFormLayout;
    disposicion->addLayout(parametros_);
    if (forma.fechas != Fechas::Ninguna) {
        Desdes = selectorFecha(this);
        parametros_->addRow(
            forma.fechas == Fechas::SoloDesde ? QStringLiteral("Fecha:") : QStringLiteral("Desde"), Desdes);
    }
    if (forma.fechas == Fechas::DesdeHasta) {
        Hastas = selectorFecha(this);
        parametros_->addRow(QStringLiteral("Hasta"), Hastas);
    }
    Bordes = new QCheckBox(QStringLiteral("Ver Borde de Separacion del Reporte"), this);
    Bordes->setChecked(forma.bordes);
    disposicion->addWidget(Bordes);
    Command1 = new QPushButton(QStringLiteral("Generar"), this);
    Command2 = new QPushButton(QStringLiteral("Regresar"), this);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    disposicion->addLayout(botones);
    connect(Command1, &QPushButton::clicked, this, [this] { generar(); });
    connect(Command2, &QPushButton::clicked, this, [this] { close(); });
}

QString VentanaReporte::fechatexto(const QDate& fecha)
{
    const auto dosCifras = [](int n) -> QString {
        return (n < 10 ? QStringLiteral("0") : QString()) + QString::number(n);
    };
    return dosCifras(fecha.day()) + QLatin1Char('/') + dosCifras(fecha.month()) + QLatin1Char('/') +
           QString::number(fecha.year());
}

QString VentanaReporte::textoBorde() const
{
    return Bordes->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

QString VentanaReporte::codigoVendedor(const QComboBox* caja)
{
    return core::primerapalabra(caja->currentText());
}

void VentanaReporte::llenaVendedores(QComboBox* caja,
                                     const std::function<bool(const platform::db::RecordSet&)>& admite)
{
    caja->clear();
    // The shared list's own cursor is left where other windows put it.
    platform::db::RecordSet vendedores = core::sesion().rsvendedores.clone();
    if (vendedores.state() != platform::db::RecordSet::StateOpen)
        return;
    for (; !vendedores.eof(); vendedores.moveNext()) {
        if (!admite || admite(vendedores))
            caja->addItem(regional::toText(vendedores.value(QStringLiteral("codvendedor"))) +
                          QStringLiteral(" - ") +
                          regional::toText(vendedores.value(QStringLiteral("nombre_vend"))));
    }
}

void VentanaReporte::onLoad()
{
    core::manejoerrores(core::Trampa::simple(), [this] {
        if (forma_.renuevaAlCargar)
            core::renuevaconexion();
        core::fechaservidor();
        const QDate hoy = regional::parseDate(core::sesion().fechaactual).value_or(QDate());
        for (QDateEdit* fecha : {Desdes, Hastas}) {
            if (fecha)
                fecha->setDate(hoy);
        }
        cargaListas();
    });
}

bool VentanaReporte::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

void VentanaReporte::generar()
{
    core::manejoerrores(forma_.reejecutaTrasReconectar ? core::Trampa::reejecuta() : core::Trampa::simple(),
                        [this] { corre(); });
}

void VentanaReporte::corre()
{
    for (int i = 0; i < renovaciones(); ++i)
        core::renuevaconexion();
    despacha();
}

void VentanaReporte::informa()
{
    if (!validaParametros())
        return;
    platform::db::RecordSet rs = consulta();
    fijaEncabezados();
    if (rs.recordCount() > 0) {
        rs.moveFirst();
        escribe(rs, textoBorde());
        return;
    }
    core::cajacompartida(QStringLiteral("No hay datos Para Procesar con los parametros "
                                        "establecidos... Por favor verifique "),
                         QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
}

} // namespace reports
