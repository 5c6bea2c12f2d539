#pragma once
// The main menu walked as an operator with every permission: every entry
// that opens a built window clicked, and every report the menu's report
// windows produce generated and shown in the viewer, each run with its
// parameters set from the data the database holds. The menu walk of the
// demo data and the head office's day share it.

#include "capturas.h"
#include "core/form1.h"
#include "draws/caducados.h"
#include "messagerecorder.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"
#include "reports/entregareporte.h"
#include "reports/ventanareporte.h"
#include "reportwindows/form23.h"
#include "reportwindows/form40.h"
#include "reportwindows/rpn.h"
#include "sellerresults/form25.h"
#include "testdb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace recorridomenu {

using core::Form1;
using platform::ui::windowRegistry;

// Grants every entry: validapermiso looks for the caption's first two
// characters.
inline QString todosLosPermisos()
{
    QStringList codigos;
    for (const Form1::Entrada& e : Form1::entradas())
        codigos << QString::fromUtf8(e.caption).left(2);
    return codigos.join(QLatin1Char('-')) + QLatin1Char('-');
}

// Clicks every entry of the main menu that opens a built window, checks
// that the window shows without a message, lets `enAbierta` work on it and
// closes it; the names of the windows opened, in the menu's order.
inline QStringList recorreMenu(
    testsupport::MessageRecorder& rec,
    const std::function<void(const QString&, platform::ui::Window*)>& enAbierta = {})
{
    Form1* menu = windowRegistry().get<Form1>(QStringLiteral("Form1"));
    EXPECT_NE(menu, nullptr);
    if (!menu)
        return {};
    menu->showModeless();

    QStringList abiertas;
    for (const Form1::Entrada& e : Form1::entradas()) {
        const QString ventana = QString::fromUtf8(e.destino);
        if (e.accion != Form1::Accion::Ventana || !windowRegistry().isRegistered(ventana))
            continue;
        SCOPED_TRACE(e.control);
        rec.clear();
        QPushButton* boton = menu->boton(QString::fromLatin1(e.control));
        EXPECT_NE(boton, nullptr);
        if (!boton)
            continue;

        boton->click();
        platform::ui::doEvents();

        platform::ui::Window* abierta = windowRegistry().find(ventana);
        EXPECT_NE(abierta, nullptr) << ventana.toStdString() << " was not created";
        if (!abierta)
            continue;
        EXPECT_TRUE(abierta->isVisible()) << ventana.toStdString();
        EXPECT_EQ(rec.prompts(), QStringList()) << ventana.toStdString();
        abiertas << ventana;
        if (enAbierta)
            enAbierta(ventana, abierta);
        abierta->close();
        platform::ui::doEvents();
    }
    return abiertas;
}

// One run of a report window: what it is called in a failure and how its
// parameters are set before "Generar" (the dates are set already).
struct Corrida {
    const char* nombre;
    std::function<void(reports::VentanaReporte*, testsupport::TestDatabase&)> prepara;
};

template <class T> T* como(reports::VentanaReporte* v)
{
    T* w = qobject_cast<T*>(v);
    EXPECT_NE(w, nullptr);
    return w;
}

// Chooses the item of a list whose text starts with `inicio`.
inline void eligeItem(QComboBox* caja, const QString& inicio)
{
    for (int i = 0; i < caja->count(); ++i) {
        if (caja->itemText(i).startsWith(inicio)) {
            caja->setCurrentIndex(i);
            return;
        }
    }
    ADD_FAILURE() << inicio.toStdString() << " is not offered";
}

// An awarded play of the demo data: lottery|number|date.
inline QStringList jugadaPremiada(testsupport::TestDatabase& db)
{
    return db
        .scalar(QStringLiteral("SELECT j.cod_lot || '|' || j.numero || '|' || j.fechaticket"
                               " FROM jugadasticket j JOIN tickets t USING (codvendedor, nroticket)"
                               " WHERE j.premio > 0 AND j.tipo_jugada = '1' AND t.anulado = 'N'"
                               " ORDER BY j.fechaticket, j.cod_lot, j.numero LIMIT 1"))
        .split(QLatin1Char('|'));
}

inline void fijaLoteriaYFecha(reports::VentanaReporte* v, QComboBox* loteria, testsupport::TestDatabase& db)
{
    const QStringList jugada = jugadaPremiada(db);
    ASSERT_EQ(jugada.size(), 3);
    eligeItem(loteria, jugada[0]);
    v->Desdes->setDate(QDate::fromString(jugada[2], Qt::ISODate));
}

inline void fijaResultados(sellerresults::Form25* f, const char* tipo, bool conVendedores,
                           bool conGrupo = false)
{
    f->ELGRUPO->setEditText(conGrupo ? f->ELGRUPO->itemText(0) : QString());
    f->ELGRUPO_Validate();
    f->VEND_DESDE->setEditText(conVendedores ? f->VEND_DESDE->itemText(0) : QString());
    f->VEND_HASTA->setEditText(conVendedores ? f->VEND_HASTA->itemText(f->VEND_HASTA->count() - 1)
                                             : QString());
    f->TIPORPT->setEditText(QString::fromUtf8(tipo));
}

using sellerresults::Form25;

// The point-of-sale window's totals per sale point, ticked or not as the
// operator ticks it (a tick empties the seller box).
inline void totalesPorTaquilla(reports::VentanaReporte* v, bool totales)
{
    auto* f = como<reportwindows::Form23>(v);
    if (f->Check1->isChecked() != totales)
        f->Check1->click();
    if (!totales && f->Combo1->currentText().isEmpty())
        f->Combo1->setCurrentIndex(0);
}

// Every report the menu's report windows produce. The dates run from three
// days before the server's date (the demo's oldest day, with its taxes) to
// the server's date.
inline const QList<std::pair<QString, Corrida>>& corridas()
{
    static const QList<std::pair<QString, Corrida>> tabla = {
        {QStringLiteral("Form23"),
         {"sales per ticket", [](auto* v, auto&) { totalesPorTaquilla(v, false); }}},
        {QStringLiteral("Form23"),
         {"sale totals per sale point", [](auto* v, auto&) { totalesPorTaquilla(v, true); }}},
        {QStringLiteral("Form25"),
         {"results of a seller range", [](auto* v, auto&) { fijaResultados(como<Form25>(v), "", true); }}},
        {QStringLiteral("Form25"),
         {"summed up", [](auto* v, auto&) { fijaResultados(como<Form25>(v), "5.- Resumido", true); }}},
        {QStringLiteral("Form25"),
         {"house totals", [](auto* v, auto&) { fijaResultados(como<Form25>(v), "", false); }}},
        {QStringLiteral("Form25"),
         {"per lottery", [](auto* v, auto&) { fijaResultados(como<Form25>(v), "0.- Por Loteria", true); }}},
        {QStringLiteral("Form25"),
         {"detailed", [](auto* v, auto&) { fijaResultados(como<Form25>(v), "2.- Detallado", true); }}},
        {QStringLiteral("Form25"),
         {"per play type",
          [](auto* v, auto&) { fijaResultados(como<Form25>(v), "6.- Tipo de Jugada", true); }}},
        {QStringLiteral("Form25"),
         {"per group",
          [](auto* v, auto&) { fijaResultados(como<Form25>(v), "1.- Por Grupos", true, true); }}},
        {QStringLiteral("Form40"),
         {"lists",
          [](auto* v, auto& db) { fijaLoteriaYFecha(v, como<reportwindows::Form40>(v)->LALOTERIA, db); }}},
        {QStringLiteral("Form42"), {"line-up", [](auto*, auto&) {}}},
        {QStringLiteral("Form41"), {"administrative movements", [](auto*, auto&) {}}},
        {QStringLiteral("rptgastojugada"), {"plays and expenses", [](auto*, auto&) {}}},
        {QStringLiteral("rptcuenta"), {"bank accounts", [](auto*, auto&) {}}},
        {QStringLiteral("rpn"),
         {"prizes on a number",
          [](auto* v, auto& db) {
              auto* r = como<reportwindows::rpn>(v);
              fijaLoteriaYFecha(v, r->LALOTERIA, db);
              r->Text1->setText(jugadaPremiada(db).value(1));
          }}},
        {QStringLiteral("Form49"), {"active connections", [](auto*, auto&) {}}},
        // The demo's prizes are all younger than their sellers' days to collect
        // them: none makes the uncollected ones of the oldest days expire.
        {QStringLiteral("caducados"),
         {"expired tickets",
          [](auto* v, auto& db) {
              db.exec(QStringLiteral("UPDATE vendedor SET diascaduca = 0"));
              auto* c = como<draws::caducados>(v);
              c->Combo1->setCurrentIndex(c->Combo1->count() - 1); // every seller
          }}},
        {QStringLiteral("reporfiscal"), {"fiscal", [](auto*, auto&) {}}},
    };
    return tabla;
}

// Every report of the report window `v` (named `ventana` in the menu):
// the dates from `dias` days before the last date to it, each run's own
// parameters, "Generar", then the page checked in the viewer and the
// viewer closed. The pages by "window: run".
inline QMap<QString, QString> generaInformes(const QString& ventana, reports::VentanaReporte* v,
                                             testsupport::TestDatabase& db, testsupport::MessageRecorder& rec,
                                             int dias)
{
    QMap<QString, QString> paginas;
    QList<Corrida> lista;
    for (const auto& [nombre, corrida] : corridas()) {
        if (nombre == ventana)
            lista << corrida;
    }
    EXPECT_FALSE(lista.isEmpty()) << ventana.toStdString() << " has no report run";
    // The last date the window opened with; a window of one date gets the
    // first date of the range.
    const QDate ultimo = v->Hastas ? v->Hastas->date() : v->Desdes ? v->Desdes->date() : QDate();
    for (const Corrida& c : lista) {
        SCOPED_TRACE(c.nombre);
        if (v->Desdes)
            v->Desdes->setDate(ultimo.addDays(-dias));
        c.prepara(v, db);
        QFile::remove(reports::archivoReporte());
        rec.clear();
        v->Command1->click();
        platform::ui::doEvents();
        EXPECT_EQ(rec.prompts(), QStringList()) << ventana.toStdString();
        QFile pagina(reports::archivoReporte());
        EXPECT_TRUE(pagina.open(QIODevice::ReadOnly)) << ventana.toStdString() << ": no page";
        const QString clave = ventana + QStringLiteral(": ") + QString::fromUtf8(c.nombre);
        paginas.insert(clave, QString::fromUtf8(pagina.readAll()));
        platform::ui::Window* visor = windowRegistry().find(QStringLiteral("Form15"));
        EXPECT_TRUE(visor && visor->isVisible()) << ventana.toStdString() << ": the viewer is not shown";
        if (visor) {
            EXPECT_FALSE(testsupport::saveScreenshot(visor, QStringLiteral("informe-") + ventana +
                                                                QLatin1Char('-') +
                                                                QString::number(paginas.size()))
                             .isEmpty());
            visor->close();
            platform::ui::doEvents();
        }
    }
    return paginas;
}

// Walks the menu and generates every report; the pages by "window: run".
// Fails for a run of the table that no menu entry reached.
inline QMap<QString, QString> todosLosInformes(testsupport::TestDatabase& db,
                                               testsupport::MessageRecorder& rec, int dias,
                                               QStringList* abiertas = nullptr)
{
    QMap<QString, QString> paginas;
    const QStringList vistas = recorreMenu(rec, [&](const QString& ventana, platform::ui::Window* w) {
        if (auto* v = qobject_cast<reports::VentanaReporte*>(w))
            paginas.insert(generaInformes(ventana, v, db, rec, dias));
    });
    for (const auto& [ventana, corrida] : corridas())
        EXPECT_TRUE(paginas.contains(ventana + QStringLiteral(": ") + QString::fromUtf8(corrida.nombre)))
            << ventana.toStdString() << ": " << corrida.nombre << " was not produced";
    if (abiertas)
        *abiertas = vistas;
    return paginas;
}

} // namespace recorridomenu
