// The head-office parameters: dsppb and ACTPARAM on the real server, and
// the window that reads and stores them.

#include "core/form1.h"
#include "core/form43.h"
#include "core/registerwindows.h"
#include "reports/registro.h"
#include "reports/reportespuntoventa.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "platform/vbtext.h"
#include "../reports/registros.h"
#include "messagerecorder.h"
#include "sessiontest.h"
#include "testdb.h"
#include "ventanasprueba.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using core::Form43;
using platform::db::DbError;
using platform::ui::windowRegistry;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;

namespace {

const QString Grabado = QStringLiteral("Registro grabado sin Problemas!");
const QString Fila = QStringLiteral(
    "SELECT concat_ws('|', coalesce(msgticket, 'NULL'), coalesce(tiempo_anula::text, 'NULL'), "
    "coalesce(name_duroz, 'NULL'), tasa_venta, tasa_premio, montom) FROM parametrosbanca");

QStringList lista(std::initializer_list<const char*> textos)
{
    QStringList l;
    for (const char* t : textos)
        l << QString::fromUtf8(t);
    return l;
}

class Form43Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        ASSERT_TRUE(home_.isValid());
        qputenv("DUROZ_HOME", home_.path().toUtf8());
        db_ = std::make_unique<TestDatabase>();
        testsupport::conectaSesion(*db_);
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
        reports::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        qunsetenv("DUROZ_HOME");
    }

    void guardaFila(const QString& valores)
    {
        db_->exec(QStringLiteral("INSERT INTO parametrosbanca (id, msgticket, tiempo_anula, name_duroz, "
                                 "tasa_venta, tasa_premio, montom) VALUES (1, %1)")
                      .arg(valores));
    }

    QString fila() { return db_->scalar(Fila); }

    static void actparam(const QStringList& valores)
    {
        core::sesion().conexion.execute(platform::db::callText(QStringLiteral("ACTPARAM"), valores));
    }

    static Form43* abre()
    {
        auto* w = windowRegistry().get<Form43>(QStringLiteral("Form43"));
        if (w)
            w->showModeless();
        return w;
    }

    static QStringList cajas(const Form43* w)
    {
        QStringList t;
        for (const QLineEdit* c : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6})
            t << c->text();
        return t;
    }

    static void despacha() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<TestDatabase> db_;
    QTemporaryDir home_;
    MessageRecorder rec_;
};

} // namespace

TEST_F(Form43Test, DsppbAndActparamKeepTheOneRow)
{
    EXPECT_EQ(core::sesion().conexion.execute(QStringLiteral("dsppb")).recordCount(), 0);
    // An empty house: the first save inserts the row; empty texts are none.
    actparam({QString(), QString(), QString(), QString(), QString(), QString()});
    EXPECT_EQ(fila(), QStringLiteral("NULL|NULL|NULL|0.000|0.000|0.000"));

    actparam({QStringLiteral("Gracias, 'amigo'"), QStringLiteral("15"), QStringLiteral("D'ORO; DROP TABLE x"),
              QStringLiteral("12,5"), QStringLiteral("3.25"), QStringLiteral("1.5")});
    EXPECT_EQ(fila(), QStringLiteral("Gracias, 'amigo'|15|D'ORO; DROP TABLE x|12.500|3.250|1.500"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM parametrosbanca")), QStringLiteral("1"));

    platform::db::RecordSet rs = core::sesion().conexion.execute(QStringLiteral("dsppb"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("Name_duroz")).toString(), QStringLiteral("D'ORO; DROP TABLE x"));
    EXPECT_EQ(rs.value(QStringLiteral("tiempo_anula")).toInt(), 15);
}

TEST_F(Form43Test, ActparamRefusesWhatTheRowCannotHoldAndStoresNothing)
{
    guardaFila(QStringLiteral("'M', 5, 'BANCA', 2, 3, 5"));
    const QString antes = fila();
    struct Caso {
        int posicion;
        QString valor;
        const char* porque;
    };
    const Caso casos[] = {
        {1, QStringLiteral("x").repeated(201), "a ticket message longer than 200"},
        {2, QStringLiteral("cinco"), "minutes are a whole number"},
        {2, QStringLiteral("-5"), "no negative minutes"},
        {2, QStringLiteral("99999999999"), "minutes beyond an integer"},
        {3, QStringLiteral("B").repeated(101), "a house name longer than 100"},
        {4, QStringLiteral("1.234,5"), "no thousands separator"},
        {4, QStringLiteral("12,3456"), "more decimals than the column holds"},
        {5, QStringLiteral("-1"), "no negative percentage"},
        {5, QStringLiteral("1,2,3"), "two decimal marks"},
        {6, QStringLiteral("1234567"), "more whole figures than the column holds"},
        {6, QStringLiteral("abc"), "not a number"},
    };
    for (const Caso& c : casos) {
        QStringList valores = {QStringLiteral("M"), QStringLiteral("5"), QStringLiteral("BANCA"),
                               QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5")};
        valores[c.posicion - 1] = c.valor;
        EXPECT_THROW(actparam(valores), DbError) << c.porque;
        EXPECT_EQ(fila(), antes) << c.porque;
    }
    // Either decimal mark, blanks around a number.
    actparam({QStringLiteral("M"), QStringLiteral(" 7 "), QStringLiteral("BANCA"), QStringLiteral(",5"),
              QStringLiteral("10."), QStringLiteral(" 2,25 ")});
    EXPECT_EQ(fila(), QStringLiteral("M|7|BANCA|0.500|10.000|2.250"));
}

TEST_F(Form43Test, LoadShowsTheStoredTextsWithoutTrailingBlanks)
{
    struct Caso {
        const char* fila; // null: an empty store
        std::initializer_list<const char*> cajas;
        const char* banca;
    };
    const Caso casos[] = {
        {nullptr, {"", "", "", "", "", ""}, "ANTERIOR"},
        {"NULL, NULL, 'BANCA', 2, 3, 5", {"", "", "BANCA", "2", "3", "5"}, "BANCA"},
        {"'  Gracias  ', 5, '  LA GUAJIRA   ', 12.5, 0, 1.5",
         {"  Gracias", "5", "  LA GUAJIRA", "12,5", "0", "1,5"},
         "  LA GUAJIRA"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fila ? c.fila : "empty");
        db_->exec(QStringLiteral("DELETE FROM parametrosbanca"));
        if (c.fila)
            guardaFila(QString::fromUtf8(c.fila));
        core::sesion().nombrebanca = QStringLiteral("ANTERIOR");
        Form43* w = abre();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(cajas(w), lista(c.cajas));
        EXPECT_EQ(core::sesion().nombrebanca, QString::fromUtf8(c.banca));
        EXPECT_TRUE(w->Grabar->isEnabled());
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Parametros Duroz"));
        w->close();
        despacha();
    }
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(Form43Test, SavingUnchangedStoresWhatWasLoaded)
{
    guardaFila(QStringLiteral("'Suerte', 5, 'BANCA', 12.5, 3, 1.5"));
    const QString antes = fila();
    Form43* w = abre();
    EXPECT_EQ(w->Text4->text(), QStringLiteral("12,5"));
    EXPECT_EQ(w->Text6->text(), QStringLiteral("1,5"));
    w->Grabar->click();
    despacha();
    EXPECT_EQ(rec_.prompts(), QStringList{Grabado});
    EXPECT_EQ(rec_.boxes().first().style, platform::msg::Information);
    EXPECT_EQ(rec_.boxes().first().title, QStringLiteral("Atención!"));
    EXPECT_EQ(fila(), antes);
    EXPECT_EQ(fila(), QStringLiteral("Suerte|5|BANCA|12.500|3.000|1.500"));
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form43")), nullptr); // closed

    // A typed point is a decimal mark too, in the percentages as in the minimum.
    w = abre();
    w->Text5->clear();
    QTest::keyClicks(w->Text5, QStringLiteral("12.5"));
    w->Text6->setText(QStringLiteral("2.5"));
    w->Grabar->click();
    EXPECT_EQ(fila(), QStringLiteral("Suerte|5|BANCA|12.500|12.500|2.500"));
}

TEST_F(Form43Test, ANewHouseNameRenamesTheMenuAndTheNextReport)
{
    guardaFila(QStringLiteral("'M', 5, 'VIEJA', 2, 3, 5"));
    ventanasprueba::registraSondas(windowRegistry(), {}); // keep the real menu
    core::sesion().permisoactual = QString();
    auto* menu = windowRegistry().get<core::Form1>(QStringLiteral("Form1"));
    ASSERT_NE(menu, nullptr);
    Form43* w = abre();
    w->Text3->setText(QStringLiteral("BANCA NUEVA  "));
    w->Grabar->click();
    EXPECT_EQ(core::sesion().nombrebanca, QStringLiteral("BANCA NUEVA  "));
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Quorvelin 2007 Back Office - BANCA NUEVA"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT name_duroz FROM parametrosbanca")),
              QStringLiteral("BANCA NUEVA  "));

    platform::db::RecordSet ventas = testsupport::registros(
        {{QStringLiteral("nroticket")}, {QStringLiteral("monto"), platform::db::DataType::Numeric}}, {});
    reports::reportepuntoventa(ventas, QStringLiteral("Linea"), QString(), QStringLiteral("0"));
    QFile pagina(home_.filePath(QStringLiteral("0001.html")));
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(pagina.readAll()).contains(QStringLiteral("BANCA NUEVA")));
}

TEST_F(Form43Test, EscAndDeshacerStoreNothing)
{
    guardaFila(QStringLiteral("'M', 5, 'BANCA', 2, 3, 5"));
    const QString antes = fila();
    for (const bool esc : {true, false}) {
        Form43* w = abre();
        w->Text3->setText(QStringLiteral("OTRA"));
        w->Text2->setFocus();
        if (esc)
            QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
        else
            w->Cancelarcam->click();
        despacha();
        EXPECT_EQ(windowRegistry().find(QStringLiteral("Form43")), nullptr) << esc;
    }
    EXPECT_EQ(fila(), antes);
    EXPECT_EQ(core::sesion().nombrebanca, QStringLiteral("BANCA"));
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(Form43Test, TheAmountBoxesTakeDigitsAndOnePointTheOthersAnything)
{
    Form43* w = abre();
    struct Caso {
        QLineEdit* caja;
        const char* teclas;
        const char* texto;
    };
    const Caso casos[] = {
        {w->Text1, "a,b.c", "a,b.c"}, {w->Text2, "1,5x", "1,5x"},  {w->Text3, "D'Or,o", "D'Or,o"},
        {w->Text4, "12,5", "125"},    {w->Text5, "1.2.3", "1.23"}, {w->Text6, "-7a.5", "7.5"},
    };
    for (const Caso& c : casos) {
        c.caja->setFocus();
        QTest::keyClicks(c.caja, QString::fromUtf8(c.teclas));
        EXPECT_EQ(c.caja->text(), QString::fromUtf8(c.texto)) << c.teclas;
    }
    // Enter in an amount box saves nothing.
    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(rec_.boxes().isEmpty());
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM parametrosbanca")), QStringLiteral("0"));
}

TEST_F(Form43Test, AnUnfinishedLoadCannotBlankTheStoredSettings)
{
    guardaFila(QStringLiteral("'M', 5, 'BANCA', 2, 3, 5"));
    const QString antes = fila();
    // A lost connection that cannot be made again.
    core::sesion().conexion.close();
    core::sesion().puerto = QStringLiteral("1");
    Form43* w = abre();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(rec_.prompts().contains(
        QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema")));
    EXPECT_EQ(cajas(w), lista({"", "", "", "", "", ""}));
    EXPECT_FALSE(w->Grabar->isEnabled());
    rec_.clear();
    core::sesion().puerto = TestDatabase::port();
    w->grabar();
    EXPECT_TRUE(rec_.boxes().isEmpty());
    EXPECT_EQ(fila(), antes);
    w->close();
    despacha();

    // Reconnected, the load does not run again: still nothing to save.
    core::sesion().conexion.close();
    w = abre();
    EXPECT_TRUE(rec_.boxes().isEmpty());
    EXPECT_FALSE(w->Grabar->isEnabled());
    EXPECT_TRUE(core::sesion().conexion.isOpen());
}

TEST_F(Form43Test, ARefusedSaveShowsTheTrapsMessageAndKeepsEverything)
{
    guardaFila(QStringLiteral("'M', 5, 'BANCA', 2, 3, 5"));
    const QString antes = fila();
    core::sesion().nombrebanca = QStringLiteral("BANCA");
    Form43* w = abre();
    w->Text2->setText(QStringLiteral("cinco"));
    w->Text3->setText(QStringLiteral("OTRA"));
    w->Grabar->click();
    despacha();
    ASSERT_EQ(rec_.boxes().size(), 1);
    EXPECT_TRUE(rec_.prompts().first().startsWith(QStringLiteral("Ha ocurrido un error")));
    EXPECT_TRUE(rec_.prompts().first().contains(QStringLiteral("ERROR NRO: ")));
    EXPECT_FALSE(rec_.prompts().contains(Grabado));
    EXPECT_EQ(fila(), antes);
    EXPECT_EQ(core::sesion().nombrebanca, QStringLiteral("BANCA"));
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form43")), w); // still open, as typed
    EXPECT_EQ(w->Text3->text(), QStringLiteral("OTRA"));
}

TEST_F(Form43Test, ASaveOnAClosedConnectionReconnectsAndSaves)
{
    guardaFila(QStringLiteral("'M', 5, 'BANCA', 2, 3, 5"));
    Form43* w = abre();
    w->Text2->setText(QStringLiteral("9"));
    core::sesion().conexion.close();
    w->Grabar->click();
    EXPECT_EQ(rec_.prompts(), QStringList{Grabado});
    EXPECT_EQ(fila(), QStringLiteral("M|9|BANCA|2.000|3.000|5.000"));
}
