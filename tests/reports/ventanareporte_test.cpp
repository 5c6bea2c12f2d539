// The report parameter window, through a probe member whose report is the
// server's date: its dates, the border text, the empty-result message, the
// error trap after a closed connection, and the keys that close it.

#include "core/sesion.h"
#include "messagerecorder.h"
#include "platform/ui/windowregistry.h"
#include "reports/ventanareporte.h"
#include "sessiontest.h"
#include "testdb.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

using platform::db::RecordSet;
using platform::ui::windowRegistry;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

// A member with a range of dates; its report is the server's date, or no
// rows when asked.
class Sonda : public reports::VentanaReporte {
public:
    explicit Sonda(bool reejecuta = false)
        : VentanaReporte({.titulo = s("Sonda"), .bordes = true, .reejecutaTrasReconectar = reejecuta})
    {
    }

    bool vacio = false;
    int llamadas = 0;
    QStringList escritos; // border text and row position of each writer call

protected:
    RecordSet consulta() override
    {
        ++llamadas;
        RecordSet rs = core::sesion().conexion.execute(s("Retornafecha"));
        if (!vacio)
            return rs;
        return {};
    }

    void fijaEncabezados() override
    {
        core::sesion().reportelinea1 = s("Fecha Desde : ") + fechatexto(Desdes->date());
        core::sesion().reportelinea2 = QString();
    }

    void escribe(RecordSet& rs, const QString& borde) override
    {
        escritos << borde + s(" ") + QString::number(rs.absolutePosition());
    }
};

class VentanaReporteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::haveTestCluster()) << "needs the test cluster: run scripts/test";
        db_ = std::make_unique<testsupport::TestDatabase>();
        db_->setServerClock(s("2031-05-05 23:59:00"));
        testsupport::conectaSesion(*db_);
        windowRegistry().clear();
        windowRegistry().add(s("Sonda"), [] { return new Sonda; });
        windowRegistry().add(s("SondaReejecuta"), [] { return new Sonda(true); });
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        core::sesion() = core::Sesion();
    }

    static Sonda* sonda(const char* nombre = "Sonda") { return windowRegistry().get<Sonda>(s(nombre)); }

    std::unique_ptr<testsupport::TestDatabase> db_;
    testsupport::MessageRecorder rec_;
};

} // namespace

TEST(VentanaReporteFechas, TheDateTextHasTwoDigitDaysAndMonths)
{
    EXPECT_EQ(reports::VentanaReporte::fechatexto(QDate(2008, 3, 5)), s("05/03/2008"));
    EXPECT_EQ(reports::VentanaReporte::fechatexto(QDate(2008, 12, 15)), s("15/12/2008"));
}

TEST_F(VentanaReporteTest, ItOpensOnTheServersDate)
{
    Sonda* v = sonda();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Desdes->date(), QDate(2031, 5, 5));
    EXPECT_EQ(v->Hastas->date(), QDate(2031, 5, 5));
    EXPECT_TRUE(v->Bordes->isChecked());
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(VentanaReporteTest, GenerarHandsTheRowsOnTheirFirstRowAndTheBorderText)
{
    Sonda* v = sonda();
    v->Command1->click();
    v->Bordes->setChecked(false);
    v->Command1->click();
    EXPECT_EQ(v->escritos, QStringList({s("1 1"), s("0 1")}));
    EXPECT_EQ(core::sesion().reportelinea1, s("Fecha Desde : 05/05/2031"));
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(VentanaReporteTest, NoRowsShowTheEmptyResultMessageAndCallNoWriter)
{
    Sonda* v = sonda();
    v->vacio = true;
    v->Command1->click();
    EXPECT_TRUE(v->escritos.isEmpty());
    ASSERT_EQ(rec_.boxes().size(), 1);
    EXPECT_EQ(rec_.boxes()[0].prompt,
              s("No hay datos Para Procesar con los parametros establecidos... Por favor "
                "verifique "));
    EXPECT_EQ(rec_.boxes()[0].style, 16);
    EXPECT_EQ(rec_.boxes()[0].title, s("Quorvelin 2007 - BACK OFFICE"));
}

// A closed connection is reopened; the handler then ends, except in a
// member that runs "Generar" again.
TEST_F(VentanaReporteTest, AfterAReconnectionGenerarEndsOrRunsAgainAsTheMemberSays)
{
    struct Caso {
        const char* ventana;
        int llamadas;
        qsizetype escritos;
    };
    for (const Caso& c : {Caso{"Sonda", 1, 0}, Caso{"SondaReejecuta", 2, 1}}) {
        Sonda* v = sonda(c.ventana);
        core::sesion().conexion.close();
        v->Command1->click();
        EXPECT_EQ(v->llamadas, c.llamadas) << c.ventana;
        EXPECT_EQ(v->escritos.size(), c.escritos) << c.ventana;
        EXPECT_EQ(core::sesion().conexion.state(), platform::db::Connection::StateOpen);
        EXPECT_TRUE(rec_.boxes().isEmpty()) << rec_.prompts().join(s("|")).toStdString();
    }
}

TEST_F(VentanaReporteTest, EscAndRegresarCloseTheWindow)
{
    Sonda* v = sonda();
    v->showModeless();
    QTest::keyClick(v->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(v->isUnloaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Sonda* otra = sonda();
    ASSERT_NE(otra, nullptr);
    otra->showModeless();
    otra->Command2->click();
    EXPECT_TRUE(otra->isUnloaded());
}
