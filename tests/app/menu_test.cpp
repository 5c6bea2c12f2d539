// Every entry of the main menu whose window is built opens it, through the
// registration the program starts with (app::registerAllWindows): a window
// that is built but not registered, or registered under another name, fails
// here.
#include "app/registerallwindows.h"
#include "core/form1.h"
#include "core/sesion.h"
#include "platform/ui/windowregistry.h"
#include "platform/ui/window.h"
#include "sessiontest.h"
#include "ventanasprueba.h"
#include "capturas.h"
#include "reports/entregareporte.h"
#include "reports/ventanareporte.h"
#include "reportwindows/form23.h"
#include "reportwindows/form40.h"
#include "reportwindows/rpn.h"
#include "sellerresults/form25.h"
#include "serverscripts.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMultiHash>
#include <QPushButton>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QDateEdit>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace {

using core::Form1;
using platform::ui::windowRegistry;

// The windows of the subsystems built so far that the menu opens.
const QStringList VentanasConstruidas = {
    QStringLiteral("Form5"),        QStringLiteral("Form6"),          QStringLiteral("Form23"),
    QStringLiteral("Form14"),       QStringLiteral("Form33"),         QStringLiteral("caducados"),
    QStringLiteral("Form25"),       QStringLiteral("Form48"),         QStringLiteral("registroserial"),
    QStringLiteral("Form4"),        QStringLiteral("Form32"),         QStringLiteral("mastercuenta"),
    QStringLiteral("mastergastos"), QStringLiteral("rptgastojugada"), QStringLiteral("rptcuenta")};

// Grants every entry: validapermiso looks for the caption's first two
// characters.
QString todosLosPermisos()
{
    QStringList codigos;
    for (const Form1::Entrada& e : Form1::entradas())
        codigos << QString::fromUtf8(e.caption).left(2);
    return codigos.join(QLatin1Char('-')) + QLatin1Char('-');
}

// Clicks every entry of the main menu that opens a built window, checks
// that the window shows without a message, lets `enAbierta` work on it and
// closes it; the names of the windows opened, in the menu's order.
QStringList recorreMenu(testsupport::MessageRecorder& rec,
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

class MenuTest : public testsupport::SessionTest {
protected:
    // Windows that list the sellers (or the lotteries) refuse to open on a
    // house without any; the serial registry tells an empty registry.
    void siembra(testsupport::TestDatabase& db) override
    {
        db.exec(QStringLiteral(
            "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'AGENCIA UNO')"));
        db.exec(QStringLiteral("INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'LOTERIA UNO')"));
        db.exec(QStringLiteral("INSERT INTO seriales (serial, codvendedor) VALUES ('QV-1', '00001')"));
    }

    void SetUp() override
    {
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        ventanasprueba::limpiaVentanas();
        app::registerAllWindows(windowRegistry());
        core::sesion().permisoactual = todosLosPermisos();
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        SessionTest::TearDown();
    }
};

// The main menu over the demo data (server/load --demo): every entry opens
// its window, and every report window's "Generar" writes its page, one run
// for each report it chooses among, and shows it in the viewer.
class MenuDemoTest : public MenuTest {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        QString salida;
        ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"), {db.name(), QStringLiteral("--demo")},
                                     false, &salida),
                  0)
            << salida.toStdString();
    }

    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        MenuTest::SetUp();
    }

    void TearDown() override
    {
        MenuTest::TearDown();
        qunsetenv("DUROZ_HOME");
    }

    QTemporaryDir carpeta_;
};

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
void eligeItem(QComboBox* caja, const QString& inicio)
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
QStringList jugadaPremiada(testsupport::TestDatabase& db)
{
    return db
        .scalar(QStringLiteral("SELECT j.cod_lot || '|' || j.numero || '|' || j.fechaticket"
                               " FROM jugadasticket j JOIN tickets t USING (codvendedor, nroticket)"
                               " WHERE j.premio > 0 AND j.tipo_jugada = '1' AND t.anulado = 'N'"
                               " ORDER BY j.fechaticket, j.cod_lot, j.numero LIMIT 1"))
        .split(QLatin1Char('|'));
}

void fijaLoteriaYFecha(reports::VentanaReporte* v, QComboBox* loteria, testsupport::TestDatabase& db)
{
    const QStringList jugada = jugadaPremiada(db);
    ASSERT_EQ(jugada.size(), 3);
    eligeItem(loteria, jugada[0]);
    v->Desdes->setDate(QDate::fromString(jugada[2], Qt::ISODate));
}

void fijaResultados(sellerresults::Form25* f, const char* tipo, bool conVendedores, bool conGrupo = false)
{
    f->ELGRUPO->setEditText(conGrupo ? f->ELGRUPO->itemText(0) : QString());
    f->ELGRUPO_Validate();
    f->VEND_DESDE->setEditText(conVendedores ? f->VEND_DESDE->itemText(0) : QString());
    f->VEND_HASTA->setEditText(conVendedores ? f->VEND_HASTA->itemText(f->VEND_HASTA->count() - 1)
                                             : QString());
    f->TIPORPT->setEditText(QString::fromUtf8(tipo));
}

using sellerresults::Form25;

// Every report the menu's report windows produce. The dates run from three
// days before the server's date (the demo's oldest day, with its taxes) to
// the server's date.
const QMultiHash<QString, Corrida>& corridas()
{
    static const QMultiHash<QString, Corrida> tabla = {
        {QStringLiteral("Form23"), {"sales per ticket", [](auto*, auto&) {}}},
        {QStringLiteral("Form23"),
         {"sale totals per sale point",
          [](auto* v, auto&) { como<reportwindows::Form23>(v)->Check1->click(); }}},
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
          [](auto*, auto& db) { db.exec(QStringLiteral("UPDATE vendedor SET diascaduca = 0")); }}},
        {QStringLiteral("reporfiscal"), {"fiscal", [](auto*, auto&) {}}},
    };
    return tabla;
}

} // namespace

TEST_F(MenuDemoTest, EveryEntryOpensItsWindowAndEveryReportShowsItsPage)
{
    QStringList informes;
    const QStringList abiertas = recorreMenu(*rec_, [&](const QString& ventana, platform::ui::Window* w) {
        auto* v = qobject_cast<reports::VentanaReporte*>(w);
        if (!v)
            return;
        const QList<Corrida> lista = corridas().values(ventana);
        EXPECT_FALSE(lista.isEmpty()) << ventana.toStdString() << " has no report run";
        for (const Corrida& c : lista) {
            SCOPED_TRACE(c.nombre);
            if (v->Hastas) {
                v->Desdes->setDate(v->Hastas->date().addDays(-3));
            }
            c.prepara(v, *db_);
            QFile::remove(reports::archivoReporte());
            rec_->clear();
            v->Command1->click();
            platform::ui::doEvents();
            EXPECT_EQ(rec_->prompts(), QStringList()) << ventana.toStdString();
            EXPECT_TRUE(QFileInfo::exists(reports::archivoReporte())) << ventana.toStdString() << ": no page";
            platform::ui::Window* visor = windowRegistry().find(QStringLiteral("Form15"));
            EXPECT_TRUE(visor && visor->isVisible()) << ventana.toStdString() << ": the viewer is not shown";
            if (visor) {
                EXPECT_FALSE(testsupport::saveScreenshot(visor, QStringLiteral("menu-") + ventana +
                                                                    QLatin1Char('-') +
                                                                    QString::number(informes.size()))
                                 .isEmpty());
                visor->close();
                platform::ui::doEvents();
            }
            informes << ventana + QStringLiteral(": ") + QString::fromUtf8(c.nombre);
        }
    });
    for (const QString& ventana : VentanasConstruidas)
        EXPECT_TRUE(abiertas.contains(ventana)) << ventana.toStdString() << " is not reached from the menu";
    for (auto it = corridas().cbegin(); it != corridas().cend(); ++it)
        EXPECT_TRUE(informes.contains(it.key() + QStringLiteral(": ") + QString::fromUtf8(it->nombre)))
            << it.key().toStdString() << ": " << it->nombre << " was not produced";
}

TEST_F(MenuTest, EveryEntryOfABuiltWindowOpensIt)
{
    const QStringList abiertas = recorreMenu(*rec_);
    for (const QString& ventana : VentanasConstruidas)
        EXPECT_TRUE(abiertas.contains(ventana)) << ventana.toStdString() << " is not reached from the menu";
}

TEST(RegistroTest, TheProgramRegistersTheLoginTheMenuAndTheViewer)
{
    platform::ui::WindowRegistry registro;
    app::registerAllWindows(registro);
    for (const char* nombre : {"Form21", "Form1", "Form15", "Form39", "Form24", "Form5", "Form6", "Form23",
                               "Form14", "Form33", "caducados", "MDIForm1", "Form25"})
        EXPECT_TRUE(registro.isRegistered(QString::fromLatin1(nombre))) << nombre;
}
