// The seller results window: its load, the group validation, the values
// cut from its boxes, the dispatch table of "Generar" and each report it
// runs against the server, down to the page written.

#include "capturas.h"
#include "core/acceso.h"
#include "core/sesion.h"
#include "datosresultados.h"
#include "paginas.h"
#include "platform/ui/windowregistry.h"
#include "reports/entregareporte.h"
#include "reports/htmlgrupos.h"
#include "reports/registro.h"
#include "sellerresults/form25.h"
#include "sellerresults/registro.h"
#include "sessiontest.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using platform::ui::windowRegistry;
using sellerresults::Form25;
using testsupport::dinero;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

QString paginaEscrita()
{
    QFile archivo(reports::archivoReporte());
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(archivo.readAll());
}

QStringList elementos(const QComboBox* caja)
{
    QStringList lista;
    for (int i = 0; i < caja->count(); ++i)
        lista << caja->itemText(i);
    return lista;
}

const QString SinDatos = s(
    "No hay datos Para Procesar con los parametros establecidos... Por favor verifique ");

class Form25Test : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        datosresultados::siembra(db);
        db.setServerClock(s("2024-03-02 10:00:00"));
    }

    void SetUp() override
    {
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        core::cargalistascompartidas(conexion());
        windowRegistry().clear();
        reports::registerWindows(windowRegistry());
        sellerresults::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qunsetenv("DUROZ_HOME");
        SessionTest::TearDown();
    }

    static Form25* ventana() { return windowRegistry().get<Form25>(s("Form25")); }

    // The window on the fixture's range 01/03/2024 - 02/03/2024.
    static Form25* enRango()
    {
        Form25* f = ventana();
        f->Desdes->setDate(QDate(2024, 3, 1));
        f->Hastas->setDate(QDate(2024, 3, 2));
        return f;
    }

    QTemporaryDir carpeta_;
};

} // namespace

TEST_F(Form25Test, ItOpensOnTheServersDateWithTheGroupsTheSellersOfNoGroupAndTheLotteries)
{
    Form25* f = ventana();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), s("Resultados de Vendedores"));
    EXPECT_EQ(f->Desdes->date(), QDate(2024, 3, 2));
    EXPECT_EQ(f->Hastas->date(), QDate(2024, 3, 2));
    EXPECT_EQ(elementos(f->ELGRUPO), QStringList({s("00001 - JEFE NORTE"), s("00005 - JEFE SUR")}));
    const QStringList sinGrupo{s("00001 - JEFE NORTE"), s("00004 - PEDRO"), s("00005 - JEFE SUR")};
    EXPECT_EQ(elementos(f->VEND_DESDE), sinGrupo);
    EXPECT_EQ(elementos(f->VEND_HASTA), sinGrupo);
    EXPECT_EQ(elementos(f->LALOTERIA),
              QStringList({s("001 - TRIPLE ZULIA"), s("002 - TRIPLE CARACAS"), s("011 - TRIPLE ORIENTE")}));
    EXPECT_EQ(elementos(f->TIPORPT),
              QStringList({s("0.- Por Loteria"), s("1.- Por Grupos"), s("2.- Detallado"), s("5.- Resumido"),
                           s("6.- Tipo de Jugada")}));
    EXPECT_EQ(elementos(f->Combo1), QStringList({s("1.- Triples"), s("2.- Terminales"), s("3.- Digito"),
                                                 s("4.- Trip. Especial"), s("5.- Term. Especial")}));
    for (QComboBox* caja : {f->ELGRUPO, f->VEND_DESDE, f->VEND_HASTA, f->LALOTERIA, f->TIPORPT, f->Combo1})
        EXPECT_EQ(caja->currentText(), QString()) << caja->objectName().toStdString();
    EXPECT_FALSE(f->Bordes->isChecked());
    EXPECT_TRUE(rec().boxes().isEmpty()) << rec().prompts().join(s("|")).toStdString();
}

// Every value the operator picks shows whole in its box.
TEST_F(Form25Test, TheWindowShowsEveryChoiceWhole)
{
    Form25* f = ventana();
    f->showModeless();
    f->ELGRUPO->setCurrentIndex(0);
    f->VEND_DESDE->setCurrentIndex(0);
    f->VEND_HASTA->setCurrentIndex(2);
    f->LALOTERIA->setCurrentIndex(2);
    f->TIPORPT->setCurrentIndex(4);
    f->Combo1->setCurrentIndex(4);
    EXPECT_FALSE(testsupport::saveScreenshot(f, s("Form25")).isEmpty());
    EXPECT_EQ(testsupport::cutControls(f), QStringList());
}

TEST_F(Form25Test, WithoutLotteriesTheLoadStopsWithItsMessageOnTheWorkstationsDates)
{
    core::sesion().rsloterias = platform::db::RecordSet();
    Form25* f = ventana();
    ASSERT_EQ(rec().boxes().size(), 1);
    EXPECT_EQ(rec().boxes()[0].prompt, s("Debe existir por lo menos una Loteria para poder ver Reportes"));
    EXPECT_EQ(rec().boxes()[0].style, 16);
    EXPECT_EQ(rec().boxes()[0].title, s("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
    EXPECT_EQ(f->Desdes->date(), QDate::currentDate().addDays(-1));
    EXPECT_EQ(f->Hastas->date(), QDate::currentDate());
    EXPECT_EQ(f->TIPORPT->count(), 0);
    EXPECT_EQ(f->Combo1->count(), 0);
    EXPECT_EQ(f->ELGRUPO->count(), 2);

    // Every box empty: the totals per date on the workstation's dates.
    f->Command1->click();
    EXPECT_EQ(core::sesion().reportelinea1,
              s("Desde: ") + QDate::currentDate().addDays(-1).toString(s("dd/MM/yyyy")) + s(" Hasta: ") +
                  QDate::currentDate().toString(s("dd/MM/yyyy")));
}

TEST_F(Form25Test, LeavingTheGroupBoxListsTheGroupsSellersFirstToLast)
{
    Form25* f = ventana();
    struct Caso {
        const char* grupo;
        QStringList vendedores;
        const char* desde;
        const char* hasta;
    };
    const Caso casos[] = {
        {"00001 - JEFE NORTE", {s("00002 - ANA"), s("00003 - LUIS")}, "00002 - ANA", "00003 - LUIS"},
        {"00005", {s("00006 - ZOE")}, "00006 - ZOE", "00006 - ZOE"},
        {"00009 - NADIE", {}, "", ""},
        {"",
         {s("00001 - JEFE NORTE"), s("00004 - PEDRO"), s("00005 - JEFE SUR")},
         "00001 - JEFE NORTE",
         "00005 - JEFE SUR"},
    };
    for (const Caso& c : casos) {
        f->ELGRUPO->setEditText(s(c.grupo));
        f->ELGRUPO_Validate();
        EXPECT_EQ(elementos(f->VEND_DESDE), c.vendedores) << c.grupo;
        EXPECT_EQ(elementos(f->VEND_HASTA), c.vendedores) << c.grupo;
        EXPECT_EQ(f->VEND_DESDE->currentText(), s(c.desde)) << c.grupo;
        EXPECT_EQ(f->VEND_HASTA->currentText(), s(c.hasta)) << c.grupo;
    }
}

TEST_F(Form25Test, TheFocusLeavingTheGroupBoxRunsTheValidation)
{
    Form25* f = ventana();
    f->showModeless();
    QApplication::setActiveWindow(f);
    f->ELGRUPO->setFocus(Qt::OtherFocusReason);
    f->ELGRUPO->setEditText(s("00005 - JEFE SUR"));
    f->TIPORPT->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(f->VEND_DESDE->currentText(), s("00006 - ZOE"));
    EXPECT_EQ(f->VEND_HASTA->currentText(), s("00006 - ZOE"));
}

// A group chosen and "Generar" clicked at once: the seller range is the
// group's before the dispatch, and the group results count each of the
// group's sellers once, the chief's commission off the grand total only.
TEST_F(Form25Test, ChoosingAGroupAndClickingGenerarAtOnceRunsTheGroupResultsOfTheWholeGroup)
{
    Form25* f = enRango();
    f->ELGRUPO->setEditText(s("00001 - JEFE NORTE"));
    f->Command1->click();

    EXPECT_EQ(f->VEND_DESDE->currentText(), s("00002 - ANA"));
    EXPECT_EQ(f->VEND_HASTA->currentText(), s("00003 - LUIS"));
    EXPECT_TRUE(rec().boxes().isEmpty()) << rec().prompts().join(s("|")).toStdString();
    EXPECT_EQ(core::sesion().reportelinea1, s("Fecha Desde : 01/03/2024   HASTA : 02/03/2024"));
    EXPECT_EQ(core::sesion().reportelinea2, s("Grupo: 00001 - JEFE NORTE"));
    EXPECT_EQ(core::sesion().rsreporte.recordCount(), 2);
    const QString pagina = paginaEscrita();
    EXPECT_TRUE(pagina.contains(s("RESULTADOS POR GRUPOS")));
    // Sales 200, commission 20, chief 10, prizes 120, net 60 less the chief's 10.
    for (const char* monto :
         {" <b>200,00</b>", " <b>20,00</b>", " <b>10,00</b>", " <b>120,00</b>", " <b>50,00</b>"})
        EXPECT_TRUE(pagina.contains(s(monto))) << monto;
    EXPECT_FALSE(pagina.contains(s("PEDRO")));
    EXPECT_FALSE(pagina.contains(s("ZOE")));
}

TEST(Form25, TheDispatchTableOfGenerar)
{
    using Op = Form25::Operacion;
    struct Caso {
        const char* grupo;
        const char* desde;
        const char* hasta;
        const char* tipo;
        Op operacion;
    };
    const Caso casos[] = {
        {"00001 - JEFE NORTE", "", "", "", &Form25::RPTPORGRUPOS},
        {"00001", "00002 - ANA", "00003 - LUIS", "  ", &Form25::RPTPORGRUPOS},
        {"", "00002 - ANA", "00003 - LUIS", "", &Form25::rpttotales},
        {"  ", "00002", "00003", " ", &Form25::rpttotales},
        {"", "00002 - ANA", "", "", &Form25::rpttotalgral},
        {"", "", "00003", "", &Form25::rpttotalgral},
        {"00001", "", "", "0.- Por Loteria", &Form25::rptresumidovendeLOTERIA},
        {"", "", "", "1.- Por Grupos", &Form25::RPTPORGRUPOS},
        {"", "", "", "2.- Detallado", &Form25::rptresumidovendeFecha},
        {"", "", "", "5.- Resumido", &Form25::rpttotales},
        {"", "", "", "6.- Tipo de Jugada", &Form25::rptresumidovende_Loteria},
        {"", "", "", "   ", nullptr},
        {"", "", "", "5.- resumido", nullptr},
        {"", "", "", " 5.- Resumido", nullptr},
        {"", "", "", "5.- Resumido ", nullptr},
        {"", "", "", "3.- Otro", nullptr},
    };
    for (const Caso& c : casos)
        EXPECT_TRUE(Form25::eligeOperacion(s(c.grupo), s(c.desde), s(c.hasta), s(c.tipo)) == c.operacion)
            << c.grupo << "/" << c.desde << "/" << c.hasta << "/" << c.tipo;
}

TEST(Form25, TheValuesCutFromTheBoxes)
{
    struct Caso {
        const char* texto;
        const char* recortado;
        const char* loteria;
        const char* modo;
    };
    const Caso casos[] = {
        {"", " ", " ", "000"},
        {"00002 - ANA", "00002", "000", ""},
        {"001 - TRIPLE ZULIA", "001 -", "001", ""},
        {" 12", "12", " ", ""},
        {"1.- Triples", "1.- T", "1.-", "Tp "},
        {"2.- Terminales", "2.- T", "2.-", "Te "},
        {"3.- Digito", "3.- D", "3.-", "D  "},
        {"4.- Trip. Especial", "4.- T", "4.-", "Tp2 "},
        {"5.- Term. Especial", "5.- T", "5.-", "Te2 "},
        {"6", "6", "6", ""},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Form25::codigoRecortado(s(c.texto)), s(c.recortado)) << c.texto;
        EXPECT_EQ(Form25::loteriaTres(s(c.texto)), s(c.loteria)) << c.texto;
        EXPECT_EQ(Form25::modoJugada(s(c.texto)), s(c.modo)) << c.texto;
    }
}

// Each report type through "Generar" on the fixture: its page, its header
// lines, and the net total of every seller, 275.
TEST_F(Form25Test, EachReportTypeWritesItsPageWithTheKnownTotals)
{
    struct Caso {
        const char* tipo;
        const char* desde;
        const char* hasta;
        const char* titulo;
        const char* linea1;
    };
    const char* vendedores = "Vendedor Desde: 00002 - ANA   HASTA : 00006 - ZOE";
    const Caso casos[] = {
        {"", "00002 - ANA", "00006 - ZOE", "RESUMIDO POR VENDEDOR", vendedores},
        {"5.- Resumido", "00002 - ANA", "00006 - ZOE", "RESUMIDO POR VENDEDOR", vendedores},
        {"", "", "00006 - ZOE", "RESULTAODS TOTALES", "Desde: 01/03/2024 Hasta: 02/03/2024"},
        {"0.- Por Loteria", "00002 - ANA", "00006 - ZOE", "REPORTE DE LOTERIAS", vendedores},
        {"2.- Detallado", "00002 - ANA", "00006 - ZOE", "DETALLADO POR VENDEDOR", vendedores},
        {"6.- Tipo de Jugada", "00002 - ANA", "00006 - ZOE", "REPORTE DETALLADO", vendedores},
        {"6.- Tipo de Jugada", "", "", "REPORTE DETALLADO", "Vendedor Desde:    HASTA : "},
    };
    Form25* f = enRango();
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.tipo);
        QFile::remove(reports::archivoReporte());
        core::sesion().reportelinea2 = s("antes");
        f->TIPORPT->setEditText(s(c.tipo));
        f->VEND_DESDE->setEditText(s(c.desde));
        f->VEND_HASTA->setEditText(s(c.hasta));
        f->Command1->click();
        EXPECT_TRUE(rec().boxes().isEmpty()) << rec().prompts().join(s("|")).toStdString();
        const QString pagina = paginaEscrita();
        EXPECT_TRUE(pagina.contains(s(c.titulo)));
        EXPECT_TRUE(pagina.contains(s("<b>275,00</b>")));
        EXPECT_EQ(core::sesion().reportelinea1, s(c.linea1));
        EXPECT_EQ(core::sesion().reportelinea2, s(c.titulo) == s("RESULTAODS TOTALES")
                                                    ? s("antes")
                                                    : s("Fecha Desde : 01/03/2024   HASTA : 02/03/2024"));
    }
}

// The lottery goes as its three-character code in both reports that take
// it; its first character alone ("0") would match 001, 002 and 011 or none.
TEST_F(Form25Test, TheLotteryFilterSendsTheWholeCode)
{
    Form25* f = enRango();
    f->LALOTERIA->setEditText(s("011 - TRIPLE ORIENTE"));
    f->VEND_DESDE->setEditText(s("00001"));
    f->VEND_HASTA->setEditText(s("00009"));
    for (const char* tipo : {"6.- Tipo de Jugada", "0.- Por Loteria"}) {
        f->TIPORPT->setEditText(s(tipo));
        f->Command1->click();
        EXPECT_EQ(core::sesion().rsgeneral2.recordCount(), 1) << tipo;
        EXPECT_TRUE(paginaEscrita().contains(s("<b>27,00</b>"))) << tipo;
    }
    f->ELGRUPO->setEditText(s("00001 - JEFE NORTE"));
    f->TIPORPT->setEditText(s("1.- Por Grupos"));
    f->Command1->click();
    EXPECT_EQ(core::sesion().rsreporte.recordCount(), 1);
    EXPECT_TRUE(rec().boxes().isEmpty()) << rec().prompts().join(s("|")).toStdString();
}

TEST_F(Form25Test, ThePlayTypeChoosesThePlayKind)
{
    Form25* f = enRango();
    f->TIPORPT->setEditText(s("0.- Por Loteria"));
    f->Combo1->setEditText(s("4.- Trip. Especial"));
    f->Command1->click();
    ASSERT_EQ(core::sesion().rsgeneral2.recordCount(), 1);
    EXPECT_TRUE(paginaEscrita().contains(s("<b>18,00</b>")));
}

TEST_F(Form25Test, TheGroupResultsRefuseAMissingGroupOrSeller)
{
    struct Caso {
        const char* grupo;
        const char* desde;
        const char* hasta;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"  ", "00002 - ANA", "00003 - LUIS", "Seleccione el Grupo que deseas  Procesar"},
        {"00001 - JEFE NORTE", " ", "00003 - LUIS", "Seleccione el Vendedor DESDE el que deseas  Procesar"},
        {"00001 - JEFE NORTE", "00002 - ANA", "", "Seleccione el Vendedor HASTA el que deseas  Procesar"},
        // A group without sellers empties both boxes.
        {"00009 - NADIE", "", "", "Seleccione el Vendedor DESDE el que deseas  Procesar"},
    };
    Form25* f = enRango();
    f->TIPORPT->setEditText(s("1.- Por Grupos"));
    for (const Caso& c : casos) {
        rec().clear();
        core::sesion().rsreporte = platform::db::RecordSet();
        f->ELGRUPO->setEditText(s(c.grupo));
        f->ELGRUPO_Validate();
        if (QByteArray(c.grupo) != "00009 - NADIE") {
            f->VEND_DESDE->setEditText(s(c.desde));
            f->VEND_HASTA->setEditText(s(c.hasta));
        }
        f->Command1->click();
        ASSERT_EQ(rec().boxes().size(), 1) << c.grupo;
        EXPECT_EQ(rec().boxes()[0].prompt,
                  s(c.mensaje) + s(" con los parametros establecidos... Por favor verifique "));
        EXPECT_EQ(rec().boxes()[0].style, 16);
        EXPECT_EQ(rec().boxes()[0].title, s("Quorvelin 2007 - BACK OFFICE"));
        EXPECT_EQ(core::sesion().rsreporte.fieldCount(), 0) << "the procedure ran";
    }
}

TEST_F(Form25Test, AReportWithoutRowsShowsTheEmptyResultMessageAndWritesNoPage)
{
    Form25* f = ventana();
    f->Desdes->setDate(QDate(2030, 1, 1));
    f->Hastas->setDate(QDate(2030, 1, 31));
    f->TIPORPT->setEditText(s("2.- Detallado"));
    f->Command1->click();
    EXPECT_EQ(rec().prompts(), QStringList({SinDatos}));
    EXPECT_EQ(rec().boxes()[0].title, s("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_FALSE(QFile::exists(reports::archivoReporte()));
    EXPECT_EQ(core::sesion().reportelinea2, s("Fecha Desde : 01/01/2030   HASTA : 31/01/2030"));
}

TEST_F(Form25Test, TheBorderBoxGivesTheTablesBorder)
{
    Form25* f = enRango();
    f->Bordes->setChecked(true);
    f->Command1->click();
    EXPECT_TRUE(paginaEscrita().contains(s("<table border=1 "))) << paginaEscrita().left(800).toStdString();
}

// The group results page reads its group from the seller results window.
TEST_F(Form25Test, TheGroupResultsCountTheGroupChosenInItsGroupBox)
{
    Form25* form25 = ventana();
    ASSERT_NE(form25, nullptr);
    form25->ELGRUPO->clear();
    form25->ELGRUPO->addItems({s("00001 - Centro"), s("00002 - Norte")});
    form25->ELGRUPO->setCurrentIndex(1);

    const auto fila = [](const char* grupo, const char* venta) {
        return QVariantList{s("00001"),  {},          {},       dinero(venta), dinero("1"),
                            dinero("1"), dinero("1"), s("Ana"), s(grupo),      dinero("0")};
    };
    platform::db::RecordSet rs = testsupport::porPosicion(
        10, {3, 4, 5, 6, 9}, {fila("00001", "100"), fila("00002", "250"), fila("00002", "4")});
    reports::htmlgrupos(rs, s("Fecha Desde : 01/03/2024   HASTA : 31/03/2024"), s("Grupo: 00002 - Norte"),
                        s("1"));
    EXPECT_TRUE(paginaEscrita().contains(s(" <b>254,00</b>"))) << paginaEscrita().toStdString();
}
