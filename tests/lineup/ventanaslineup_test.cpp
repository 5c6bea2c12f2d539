// The line-up windows against the real server: the line-up window on a date,
// a date change with the future-date question, a seller's history, the
// movements window it opens, the report page, the main menu's wait label,
// and closing the line-up while its history and movements windows stay open.

#include "core/actmem.h"
#include "core/form1.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "capturas.h"
#include "datoslineup.h"
#include "lineup/form26.h"
#include "lineup/form42.h"
#include "lineup/form47.h"
#include "lineup/form51.h"
#include "lineup/form53.h"
#include "lineup/registro.h"
#include "platform/messages.h"
#include "reports/form24.h"
#include "reports/registro.h"
#include "ventanasprueba.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

using namespace datoslineup;
using lineup::Form26;
using lineup::Form42;
using lineup::Form47;
using lineup::Form51;
using lineup::Form53;
using platform::ui::windowRegistry;

namespace {

const QString Pregunta = QStringLiteral(
    "Esta acción registrará el pago de la cuota automaticamente en la fecha seleccionada para los vendedores "
    "que tenga asignados prestamos y sus respectivas cuotas diarias.\rDesea en realidad procesar esta "
    "fecha?");

// The movements window of the accounts library, as far as the line-up
// windows reach it: its caption and its seller label.
class Form50Prueba : public platform::ui::Window {
public:
    Form50Prueba() : Label7(new QLabel)
    {
        Label7->setObjectName(QStringLiteral("Label7"));
        (new QVBoxLayout(this))->addWidget(Label7);
    }
    QLabel* Label7;
};

class VentanasLineupTest : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datoslineup::siembra(db); }

    void SetUp() override
    {
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(home_.isValid());
        qputenv("DUROZ_HOME", home_.path().toUtf8());
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
        reports::registerWindows(windowRegistry());
        lineup::registerWindows(windowRegistry());
        windowRegistry().add<Form50Prueba>(QStringLiteral("Form50"));
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        core::liberaLineup();
        SessionTest::TearDown();
    }

    Form51* abreLineup()
    {
        windowRegistry().show(QStringLiteral("Form51"));
        return qobject_cast<Form51*>(windowRegistry().find(QStringLiteral("Form51")));
    }

    static void selecciona(lineup::GrillaLineup* grilla, int fila)
    {
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
    }

    static QStringList filasGrilla(const lineup::GrillaLineup* grilla)
    {
        QStringList todas;
        for (int f = 0; f < grilla->model()->rowCount(); ++f) {
            QStringList celdas;
            for (int c = 0; c < grilla->model()->columnCount(); ++c)
                celdas << grilla->textoMostrado(f, c).trimmed();
            todas << celdas.join(u'|');
        }
        return todas;
    }

    QString cuotas(const QString& fechaSql)
    {
        return db().scalar(
            QStringLiteral(
                "SELECT count(*) FROM movimientos WHERE descri_mov LIKE '5%%' AND fecha_mov = '%1'")
                .arg(fechaSql));
    }

    QTemporaryDir home_;
};

} // namespace

TEST_F(VentanasLineupTest, OpensOnTheServerDateAndChangesDate)
{
    Form51* w = abreLineup();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Line Up - Vendedores"));
    EXPECT_EQ(w->Desdes->date(), HoyFecha);
    EXPECT_TRUE(w->Command1->isEnabled());
    EXPECT_EQ(core::rslineup().fecha, HoyFecha);
    ASSERT_EQ(w->DataGrid1->model()->rowCount(), 3);
    EXPECT_EQ(w->DataGrid1->textoColumna(0), QStringLiteral("00001"));
    const QStringList titulos = {QStringLiteral("Còdigo"),         QStringLiteral("Nombre "),
                                 QStringLiteral("Ultima Fec."),    QStringLiteral("Saldo Anterior"),
                                 QStringLiteral("Cuenta de Fec."), QStringLiteral("Cobro Cuota"),
                                 QStringLiteral("Saldo Pagos"),    QStringLiteral("Saldo Jugada"),
                                 QStringLiteral("Saldo Prest."),   QStringLiteral("Saldo Gral.")};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(w->DataGrid1->titulo(c), titulos[c]);
        EXPECT_EQ(w->DataGrid1->alineadaDerecha(c), c >= 3) << c;
    }
    // The layout's width at least, and wide enough for the 50-character name.
    EXPECT_GE(w->DataGrid1->anchoTwips(1), 1800 - 30);
    for (int c = 0; c < 10; ++c) {
        QFont negrita = w->DataGrid1->horizontalHeader()->font();
        negrita.setBold(true);
        EXPECT_GT(w->DataGrid1->columnWidth(c), QFontMetrics(negrita).horizontalAdvance(titulos[c])) << c;
        for (int fila = 0; fila < w->DataGrid1->model()->rowCount(); ++fila)
            EXPECT_GT(w->DataGrid1->columnWidth(c),
                      w->DataGrid1->fontMetrics().horizontalAdvance(w->DataGrid1->textoMostrado(fila, c)))
                << c << " " << fila;
    }
    EXPECT_EQ(filasGrilla(w->DataGrid1).value(1),
              QStringLiteral("00002|AGENCIA DOS CON NOMBRE DE CINCUENTA CARACTERES: 50|05/03/2026|"
                             "90,25|0,00|0,00|0,00|90,25|0,00|90,25"));
    EXPECT_EQ(
        filasGrilla(w->DataGrid1).value(0),
        QStringLiteral("00001|AGENCIA UNO|09/03/2026|650,00|450,00|100,00|600,00|450,00|800,00|1.250,00"));
    testsupport::saveScreenshot(w, QStringLiteral("Form51"));

    // An earlier date: no question; the amounts keep their decimals.
    w->Desdes->setDate(QDate(2026, 3, 9));
    EXPECT_TRUE(rec().boxes().isEmpty());
    EXPECT_EQ(core::rslineup().fecha, QDate(2026, 3, 9));
    EXPECT_EQ(
        filasGrilla(w->DataGrid1).value(0),
        QStringLiteral("00001|AGENCIA UNO|08/03/2026|300,00|350,00|0,00|-50,00|650,00|950,00|1.600,00"));
    EXPECT_EQ(filasGrilla(w->DataGrid1).value(1).section(u'|', 3, 3), QStringLiteral("90,25"));

    // A later date, No: the server date back in the picker, the grid as it
    // was, nothing registered.
    const QStringList antes = filasGrilla(w->DataGrid1);
    rec().answerNext(platform::msg::AnswerNo);
    w->Desdes->setDate(QDate(2026, 3, 11));
    ASSERT_EQ(rec().boxes().size(), 1);
    EXPECT_EQ(rec().boxes()[0].prompt, Pregunta);
    EXPECT_EQ(rec().boxes()[0].style, 36);
    EXPECT_EQ(rec().boxes()[0].title, QStringLiteral("Responda!"));
    EXPECT_EQ(w->Desdes->date(), HoyFecha);
    EXPECT_EQ(filasGrilla(w->DataGrid1), antes);
    EXPECT_EQ(cuotas(QStringLiteral("2026-03-11")), QStringLiteral("0"));

    // Yes: the instalment registered once, also when the date comes again.
    for (int vez = 0; vez < 2; ++vez) {
        rec().clear();
        rec().answerNext(platform::msg::AnswerYes);
        w->Desdes->setDate(QDate(2026, 3, 11));
        EXPECT_EQ(w->Desdes->date(), QDate(2026, 3, 11));
        EXPECT_EQ(cuotas(QStringLiteral("2026-03-11")), QStringLiteral("1"));
        EXPECT_EQ(filasGrilla(w->DataGrid1).value(0).section(u'|', 4, 4), QStringLiteral("50,00"));
        // Back to the server date itself: no question, its line-up shown.
        w->Desdes->setDate(HoyFecha);
        EXPECT_EQ(rec().boxes().size(), 1) << rec().prompts().join(u'|').toStdString();
        EXPECT_EQ(core::rslineup().fecha, HoyFecha);
        EXPECT_EQ(filasGrilla(w->DataGrid1).value(0).section(u'|', 2, 2), QStringLiteral("09/03/2026"));
    }
}

TEST_F(VentanasLineupTest, HistoryMovementsAndTheMovementInMemory)
{
    Form51* w = abreLineup();
    ASSERT_TRUE(w);
    selecciona(w->DataGrid1, 0);
    w->XPButton1->click();
    auto* historia = qobject_cast<Form47*>(windowRegistry().find(QStringLiteral("Form47")));
    ASSERT_TRUE(historia);
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("H"));
    EXPECT_EQ(historia->windowTitle(), QStringLiteral("Historico Line Up"));
    EXPECT_EQ(historia->Desdes->date(), QDate(2026, 2, 8));
    EXPECT_EQ(historia->Hastas->date(), HoyFecha);
    ASSERT_EQ(historia->DataGrid1->model()->rowCount(), 3);
    // Each row names its own date under "Ultima Fec."; today's row is the
    // line-up's row but for that date.
    const QStringList historicas = filasGrilla(historia->DataGrid1);
    QStringList fechas;
    for (const QString& f : historicas)
        fechas << f.section(u'|', 2, 2);
    EXPECT_EQ(fechas, (QStringList{QStringLiteral("08/03/2026"), QStringLiteral("09/03/2026"), Hoy}));
    EXPECT_EQ(historia->DataGrid1->titulo(2), QStringLiteral("Ultima Fec."));
    QStringList hoy = filasGrilla(w->DataGrid1).value(0).split(u'|');
    hoy[2] = Hoy;
    EXPECT_EQ(historicas.value(2), hoy.join(u'|'));
    testsupport::saveScreenshot(historia, QStringLiteral("Form47"));

    // Another row selected in the line-up: the next query follows it; a
    // period without rows leaves the grid as it was.
    selecciona(w->DataGrid1, 1);
    historia->Desdes->setDate(QDate(2026, 3, 1));
    ASSERT_EQ(historia->DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(historia->DataGrid1->textoColumna(0), QStringLiteral("00002"));
    historia->Hastas->setDate(QDate(2026, 3, 2));
    EXPECT_EQ(historia->DataGrid1->model()->rowCount(), 1);

    // "Movimientos" on the second row.
    w->showModeless();
    selecciona(w->DataGrid1, 1);
    w->Command1->click();
    auto* form50 = dynamic_cast<Form50Prueba*>(windowRegistry().find(QStringLiteral("Form50")));
    ASSERT_TRUE(form50);
    const QString vendedor = QStringLiteral("00002 - AGENCIA DOS CON NOMBRE DE CINCUENTA CARACTERES: 50");
    EXPECT_EQ(form50->windowTitle(), QStringLiteral("Movimientos en la cuenta de ") + vendedor);
    EXPECT_EQ(form50->Label7->text(), vendedor);
    EXPECT_EQ(core::sesion().marcador.row, 1);

    // A movement saved for that seller: back in the line-up, the row shows it
    // and the grid is on the saved row.
    EXPECT_EQ(core::actmem({}, core::MovimientoLineup{QStringLiteral("00002"), HoyFecha,
                                                      QStringLiteral("0.- Pago Vendedor a Duroz"),
                                                      platform::Decimal(40)}),
              1);
    selecciona(w->DataGrid1, 0);
    w->showModeless();
    form50->showModeless();
    w->showModeless();
    EXPECT_EQ(w->DataGrid1->textoColumna(0), QStringLiteral("00002"));
    EXPECT_EQ(filasGrilla(w->DataGrid1).value(1).section(u'|', 6, 9),
              QStringLiteral("40,00|50,25|0,00|50,25"));
    EXPECT_EQ(core::saldojugada(QStringLiteral("00002"))->toString(2), QStringLiteral("50.25"));
}

TEST_F(VentanasLineupTest, ClosingTheLineUpLeavesItsHistoryAndMovementsUsable)
{
    Form51* w = abreLineup();
    ASSERT_TRUE(w);
    w->XPButton1->click();
    QPointer<Form47> historia = qobject_cast<Form47*>(windowRegistry().find(QStringLiteral("Form47")));
    w->showModeless();
    w->Command1->click();
    QPointer<platform::ui::Window> form50 = windowRegistry().find(QStringLiteral("Form50"));
    ASSERT_TRUE(historia && form50);

    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(windowRegistry().find(QStringLiteral("Form51")));
    EXPECT_FALSE(core::rslineup().vigente());

    // The history has no seller now: its queries change nothing.
    const int filas = historia->DataGrid1->model()->rowCount();
    historia->Desdes->setDate(QDate(2026, 3, 1));
    historia->showModeless();
    EXPECT_EQ(historia->DataGrid1->model()->rowCount(), filas);
    // A movement saved now changes nothing in memory and does not fail.
    form50->showModeless();
    EXPECT_EQ(core::actmem({}, core::MovimientoLineup{QStringLiteral("00001"), HoyFecha,
                                                      QStringLiteral("0.- Pago Vendedor a Duroz"),
                                                      platform::Decimal(1)}),
              0);
    EXPECT_TRUE(rec().boxes().isEmpty());

    // Opening it again builds a fresh line-up.
    Form51* otra = abreLineup();
    ASSERT_TRUE(otra);
    EXPECT_EQ(otra->DataGrid1->model()->rowCount(), 3);
}

TEST_F(VentanasLineupTest, TheMainMenuWaitLabel)
{
    core::sesion().permisoactual = QStringLiteral("16-23-");
    windowRegistry().show(QStringLiteral("Form1"));
    auto* menu = qobject_cast<core::Form1*>(windowRegistry().find(QStringLiteral("Form1")));
    ASSERT_TRUE(menu);
    menu->boton(QStringLiteral("Command2"))->click();
    ASSERT_TRUE(windowRegistry().find(QStringLiteral("Form51")));
    EXPECT_FALSE(menu->Label1->isVisibleTo(menu));
    menu->boton(QStringLiteral("XPButton3"))->click();
    EXPECT_TRUE(windowRegistry().find(QStringLiteral("Form42")));

    // Refused: the label stays.
    windowRegistry().find(QStringLiteral("Form51"))->close();
    core::sesion().permisoactual = QStringLiteral("23-");
    menu->boton(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(menu->Label1->isVisibleTo(menu));
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Permiso de acceso denegado")});
}

TEST_F(VentanasLineupTest, TheReportPageHasTheLineUpsRowsAndTheirTotals)
{
    core::sesion().nombreoperador = QStringLiteral("OPERADOR <UNO>");
    Form51* w = abreLineup();
    ASSERT_TRUE(w);
    const QStringList lineup = filasGrilla(w->DataGrid1);

    windowRegistry().show(QStringLiteral("Form42"));
    auto* r = qobject_cast<Form42*>(windowRegistry().find(QStringLiteral("Form42")));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->windowTitle(), QStringLiteral("Reporte de Line - Up de Vendedores"));
    EXPECT_EQ(r->Desdes->date(), HoyFecha);
    testsupport::saveScreenshot(r, QStringLiteral("Form42"));
    r->Bordes->setChecked(true);
    r->Command1->click();
    EXPECT_TRUE(rec().boxes().isEmpty());
    EXPECT_EQ(core::sesion().reportelinea1, QStringLiteral("OPERADOR <UNO>"));
    EXPECT_EQ(core::sesion().reportelinea2, QStringLiteral("Fecha Desde : 10/03/2026"));

    QFile archivo(home_.filePath(QStringLiteral("0001.html")));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QString pagina = QString::fromLatin1(archivo.readAll());
    EXPECT_TRUE(pagina.contains(QStringLiteral("<table border=1")));
    // Each row's cells, as numbers.
    QList<QList<double>> filas;
    const QRegularExpression fila(QStringLiteral("<tr>(.*?)</tr>"),
                                  QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression celda(QStringLiteral("<font[^>]*>(.*?)</font>"));
    QStringList nombres;
    for (auto m = fila.globalMatch(pagina); m.hasNext();) {
        QStringList celdas;
        for (auto c = celda.globalMatch(m.next().captured(1)); c.hasNext();)
            celdas << c.next().captured(1).trimmed();
        if (celdas.size() < 9)
            continue;
        nombres << celdas[0];
        QList<double> importes;
        for (int i = 2; i < 9; ++i)
            importes << celdas[i].replace(u',', u'.').toDouble();
        filas << importes;
    }
    ASSERT_EQ(filas.size(), 4) << pagina.toStdString();
    for (int f = 0; f < 3; ++f) {
        EXPECT_EQ(nombres[f], lineup[f].section(u'|', 1, 1));
        for (int i = 0; i < 7; ++i) {
            const QString texto = lineup[f].section(u'|', 3 + i, 3 + i).remove(u'.').replace(u',', u'.');
            EXPECT_DOUBLE_EQ(filas[f][i], texto.toDouble()) << f << " " << i;
        }
    }
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(filas[3][i], filas[0][i] + filas[1][i] + filas[2][i]) << "total of column " << i;

    // A date without sellers' rows... every seller has a row, so an empty
    // line-up needs no sellers at all.
    db().exec(QStringLiteral("DELETE FROM cuotasdiarias; DELETE FROM prestamos; DELETE FROM movimientos;"
                             "DELETE FROM saldosdias; DELETE FROM vendedor;"));
    r->Command1->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("No hay datos Para Procesar con los parametros "
                                                          "establecidos... Por favor verifique ")});
}

TEST_F(VentanasLineupTest, TheOlderWindowsHeldHiddenAndShown)
{
    core::sesion().modoedicion = QStringLiteral("H");
    core::sesion().marcador = platform::db::Bookmark{2};
    auto* viejo = windowRegistry().get<Form26>(QStringLiteral("Form26"));
    ASSERT_TRUE(viejo);
    EXPECT_FALSE(viejo->isVisible());
    EXPECT_EQ(viejo->Desdes->date(), HoyFecha);
    EXPECT_TRUE(core::sesion().modoedicion.isEmpty());
    EXPECT_FALSE(core::sesion().marcador.isValid());
    EXPECT_FALSE(viejo->DataGrid1->tieneFila());

    // The second history reads the (empty) older grid: no seller, no rows.
    windowRegistry().show(QStringLiteral("Form53"));
    auto* copia = qobject_cast<Form53*>(windowRegistry().find(QStringLiteral("Form53")));
    ASSERT_TRUE(copia);
    EXPECT_EQ(copia->windowTitle(), QStringLiteral("53"));
    EXPECT_EQ(copia->DataGrid1->model()->rowCount(), 0);
    copia->close();

    // Shown (its only opener is the text-report viewer's menu), it asks the
    // server at each activation, except right after "Ver Historico".
    viejo->showModeless();
    ASSERT_EQ(viejo->DataGrid1->model()->rowCount(), 3);
    EXPECT_TRUE(viejo->Command1->isEnabled());
    EXPECT_EQ(viejo->windowTitle(), QStringLiteral("LINE UP - ACTUALIZACIONES"));
    viejo->respaldo_cambios12122005();
    EXPECT_EQ(viejo->DataGrid1->titulo(0), QStringLiteral("Vendedor"));
    EXPECT_EQ(viejo->DataGrid1->textoColumna(0), QStringLiteral("00001 - AGENCIA UNO"));
    viejo->respaldo_lineup();
    EXPECT_EQ(viejo->DataGrid1->titulo(0), QStringLiteral("Còdigo"));
    EXPECT_EQ(Form26::crealineup().fieldCount(), 10);

    selecciona(viejo->DataGrid1, 2);
    windowRegistry().show(QStringLiteral("Form53"));
    copia = qobject_cast<Form53*>(windowRegistry().find(QStringLiteral("Form53")));
    ASSERT_TRUE(copia);
    // 00003 has no activity: nothing to show.
    EXPECT_EQ(copia->DataGrid1->model()->rowCount(), 0);
    selecciona(viejo->DataGrid1, 0);
    copia->Hastas->setDate(QDate(2026, 3, 9));
    ASSERT_EQ(copia->DataGrid1->model()->rowCount(), 2);
    EXPECT_EQ(filasGrilla(copia->DataGrid1).value(0).section(u'|', 2, 2), QStringLiteral("08/03/2026"));
    EXPECT_EQ(filasGrilla(copia->DataGrid1).value(1).section(u'|', 2, 2), QStringLiteral("09/03/2026"));
    EXPECT_TRUE(rec().boxes().isEmpty());
}

TEST_F(VentanasLineupTest, TheTextReportViewersLineUpEntry)
{
    auto* visor = windowRegistry().get<reports::Form24>(QStringLiteral("Form24"));
    ASSERT_TRUE(visor);
    EXPECT_EQ(visor->lineUp->text(), QStringLiteral("15.- Line Up"));
    core::sesion().permisoactual = QStringLiteral("16-23-");
    visor->lineUp->trigger();
    EXPECT_FALSE(windowRegistry().find(QStringLiteral("Form26")));
    core::sesion().permisoactual = QStringLiteral("15-");
    visor->lineUp->trigger();
    auto* viejo = qobject_cast<Form26*>(windowRegistry().find(QStringLiteral("Form26")));
    ASSERT_TRUE(viejo);
    EXPECT_TRUE(viejo->isVisible());
    EXPECT_EQ(viejo->DataGrid1->model()->rowCount(), 3);
    testsupport::saveScreenshot(viejo, QStringLiteral("Form26"));
}
