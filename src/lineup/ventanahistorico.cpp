#include "lineup/ventanahistorico.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/sesion.h"
#include "lineup/ventanalineup.h"
#include "platform/db/calltext.h"
#include "platform/regional.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lineup {

namespace db = platform::db;

namespace {

constexpr int DiasAtras = 30;

} // namespace

VentanaHistorico::VentanaHistorico(const QString& titulo)
    : Label1(new QLabel(QStringLiteral("Fecha")))
    , Desdes(new QDateEdit)
    , Label2(new QLabel(QStringLiteral("Hasta")))
    , Hastas(new QDateEdit)
    , DataGrid1(new GrillaLineup)
    , XPButton1(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(titulo);
    setFrame({.fixedBorder = true, .minButton = true, .maxButton = false, .centred = true});
    for (QDateEdit* fecha : {Desdes, Hastas}) {
        fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        fecha->setCalendarPopup(true);
        connect(fecha, &QDateEdit::dateChanged, this, [this] {
            if (!escribiendoFechas_)
                historico();
        });
    }
    Desdes->setObjectName(QStringLiteral("Desdes"));
    Hastas->setObjectName(QStringLiteral("Hastas"));
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    XPButton1->setObjectName(QStringLiteral("XPButton1"));

    auto* fechas = new QHBoxLayout;
    fechas->addWidget(Label1);
    fechas->addWidget(Desdes);
    fechas->addWidget(Label2);
    fechas->addWidget(Hastas);
    fechas->addStretch();
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(XPButton1);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(fechas);
    disposicion->addWidget(DataGrid1);
    disposicion->addLayout(botones);
    connect(XPButton1, &QPushButton::clicked, this, [this] { close(); });
}

void VentanaHistorico::onLoad()
{
    core::fechaservidor();
    const QDate hoy = platform::regional::parseDate(core::sesion().fechaactual).value_or(QDate());
    escribiendoFechas_ = true;
    Desdes->setDate(hoy.addDays(-DiasAtras));
    Hastas->setDate(hoy);
    escribiendoFechas_ = false;
}

void VentanaHistorico::onActivate()
{
    core::manejoerrores(core::Trampa::simple().numerada(), [this] {
        core::renuevaconexion();
        consulta();
    });
}

void VentanaHistorico::historico()
{
    core::manejoerrores(core::Trampa::simple().numerada(), [this] { consulta(); });
}

void VentanaHistorico::consulta()
{
    const QString desde = VentanaLineup::fechatexto(Desdes->date());
    const QString hasta = VentanaLineup::fechatexto(Hastas->date());
    db::RecordSet rs = core::sesion().conexion.execute(
        db::callText(QStringLiteral("historicolup"), {vendedor(), desde, hasta}));
    if (rs.recordCount() < 1)
        return;
    DataGrid1->muestra(rs);
}

bool VentanaHistorico::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace lineup
