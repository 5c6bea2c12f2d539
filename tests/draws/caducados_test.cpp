// The expired-tickets report window on the real server: its lists and
// dates, the seller check, the call for one seller or for all of them, the
// header lines, the page in the viewer and the empty-result message.

#include "ventanascontrol.h"

#include "core/acceso.h"
#include "draws/caducados.h"
#include "draws/registro.h"
#include "reports/registro.h"

#include "capturas.h"

#include "platform/programfolder.h"
#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace datossorteos;
using draws::caducados;
using platform::ui::windowRegistry;

namespace {

const QString SinDatos = QStringLiteral(
    "No hay datos Para Procesar con los parametros establecidos... Por favor verifique ");

class CaducadosTest : public ventanascontrol::ConVentanas {
protected:
    void prepara() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        resultados();
        ticket(*db_, QStringLiteral("00001"), QStringLiteral("0000000007"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("K7"));
        ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
        db_->setServerClock(QStringLiteral("2026-03-05 18:00:00"));
    }

    void TearDown() override
    {
        ConVentanas::TearDown();
        qunsetenv("DUROZ_HOME");
    }

    caducados* abre() { return abreVentana<caducados>(QStringLiteral("caducados")); }

    QString pagina()
    {
        QFile f(platform::programFile(QStringLiteral("0001.html")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir carpeta_;
};

} // namespace

TEST_F(CaducadosTest, OpensOnTheServerDateWithTheFirstSeller)
{
    caducados* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Historico de Tickets Caducados"));
    EXPECT_EQ(v->Desdes->date(), QDate(2026, 3, 5));
    EXPECT_EQ(v->Hastas->date(), QDate(2026, 3, 5));
    EXPECT_EQ(v->Combo1->currentText(), QStringLiteral("00000 - AGENCIA 00000"));
    EXPECT_EQ(v->Combo1->itemText(v->Combo1->count() - 1), caducados::TodosLosVendedores);
    EXPECT_EQ(v->Combo2->count(), 4);
    EXPECT_EQ(v->Combo2->currentIndex(), -1);
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("caducados")).isEmpty());
}

TEST_F(CaducadosTest, ReportsTheExpiredTicketsOfTheChosenSellers)
{
    db_->setServerClock(QStringLiteral("2026-03-20 09:00:00"));
    caducados* v = abre();
    v->Desdes->setDate(QDate(2026, 3, 5));
    v->Hastas->setDate(QDate(2026, 3, 9));
    v->Combo1->setCurrentIndex(v->Combo1->findText(QStringLiteral("00001 - AGENCIA 00001")));
    v->Bordes->setChecked(true);
    v->Command1->click();
    EXPECT_EQ(rec_->prompts(), QStringList());
    const core::Sesion& s = core::sesion();
    EXPECT_EQ(s.reportelinea1, QStringLiteral("Vendedor: 00001 - AGENCIA 00001"));
    EXPECT_EQ(s.reportelinea2, QStringLiteral("Fecha Desde: 05/03/2026            Hasta: 09/03/2026"));
    EXPECT_TRUE(pagina().contains(QStringLiteral("0000000007")));
    EXPECT_TRUE(pagina().contains(QStringLiteral("<table border=1")) ||
                pagina().contains(QStringLiteral("<table border= 1")))
        << "the border box is ticked";
    platform::ui::Window* visor = windowRegistry().find(QStringLiteral("Form15"));
    ASSERT_TRUE(visor);
    EXPECT_TRUE(visor->isVisible());

    // Every seller, typed: the header shows what the box holds.
    QFile::remove(platform::programFile(QStringLiteral("0001.html")));
    v->Combo1->setEditText(QStringLiteral("*****"));
    v->Command1->click();
    EXPECT_EQ(s.reportelinea1, QStringLiteral("Vendedor: *****"));
    EXPECT_TRUE(pagina().contains(QStringLiteral("0000000007")));

    // A seller without expired tickets: the message and no page.
    QFile::remove(platform::programFile(QStringLiteral("0001.html")));
    v->Combo1->setCurrentIndex(0);
    v->Command1->click();
    EXPECT_EQ(rec_->prompts(), QStringList{SinDatos});
    EXPECT_EQ(pagina(), QString());
}

TEST_F(CaducadosTest, TheSellerCheck)
{
    caducados* v = abre();
    core::sesion().reportelinea1 = QStringLiteral("antes");
    v->Combo1->setEditText(QStringLiteral("     x"));
    v->Command1->click();
    EXPECT_EQ(rec_->prompts(),
              QStringList{QStringLiteral("Debera Seleccionar un Vendedor o la Opcion TODOS LOS VENDEDORES")});
    EXPECT_EQ(core::sesion().reportelinea1, QStringLiteral("antes")) << "nothing was sent";

    // A blank before the code passes the check and names no seller.
    rec_->clear();
    v->Combo1->setEditText(QStringLiteral(" 00001"));
    v->Command1->click();
    EXPECT_EQ(rec_->prompts(), QStringList{SinDatos});
    EXPECT_EQ(core::sesion().reportelinea1, QStringLiteral("Vendedor:  00001"));
}
