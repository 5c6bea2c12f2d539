// The fiscal report window on the real server: its lists, the group
// refill, which report types "Generar" runs, and the page it writes.

#include "datosfiscales.h"

#include "fiscal/registro.h"
#include "fiscal/reporfiscal.h"
#include "reports/entregareporte.h"
#include "reports/form15.h"
#include "reports/registro.h"

#include "capturas.h"

#include "platform/db/calltext.h"
#include "platform/ui/navegador/navegador.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using platform::ui::windowRegistry;

namespace {

class ReporfiscalTest : public datosfiscales::Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        if (HasFatalFailure())
            return;
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        // The seller groups ("dspven2 '2'") belong to the seller results;
        // a database loaded before they land gets their shape here.
        db_->exec(QStringLiteral(
            "DO $$ BEGIN IF to_regprocedure('proc.dspven2_modo2()') IS NULL THEN"
            " CREATE FUNCTION proc.dspven2_modo2() RETURNS TABLE (perteneceal varchar, nombre_vend varchar)"
            " LANGUAGE sql STABLE AS 'SELECT j.codvendedor, j.nombre_vend FROM public.vendedor j"
            " WHERE EXISTS (SELECT 1 FROM public.vendedor m WHERE m.perteneceal = j.codvendedor)"
            " ORDER BY 1'; END IF; END $$"));
        db_->setServerClock(QStringLiteral("2026-03-05 20:00:00"));
        core::Sesion& s = core::sesion();
        using platform::db::callText;
        s.rsloterias = s.conexion.execute(
            callText(QStringLiteral("xDSPLOT"), {QStringLiteral("4"), QStringLiteral("A")}));
        s.rsvendedores = s.conexion.execute(callText(QStringLiteral("dspven2"), {QStringLiteral("5")}));
        s.nombrebanca = QStringLiteral("BANCA");
        reports::registerWindows(windowRegistry());
        fiscal::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Base::TearDown();
    }

    fiscal::reporfiscal* abre()
    {
        auto* v = qobject_cast<fiscal::reporfiscal*>(windowRegistry().show(QStringLiteral("reporfiscal")));
        platform::ui::doEvents();
        return v;
    }

    static QStringList items(const QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }

    static QString pagina()
    {
        QFile archivo(reports::archivoReporte());
        if (!archivo.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(archivo.readAll());
    }

    QTemporaryDir carpeta_;
};

} // namespace

TEST_F(ReporfiscalTest, OpensWithTheServerDateTheGroupsAndTheSellersOfNoGroup)
{
    fiscal::reporfiscal* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Desdes->date(), QDate(2026, 3, 5));
    EXPECT_EQ(v->Hastas->date(), QDate(2026, 3, 5));
    EXPECT_EQ(items(v->ELGRUPO), QStringList{QStringLiteral("00012 - AGENCIA CENTRO")});
    EXPECT_EQ(items(v->VEND_DESDE), (QStringList{QStringLiteral("00012 - AGENCIA CENTRO"),
                                                 QStringLiteral("00013 - AGENCIA ORIENTE")}));
    EXPECT_EQ(items(v->VEND_HASTA), items(v->VEND_DESDE));
    EXPECT_EQ(items(v->LALOTERIA),
              (QStringList{QStringLiteral("001 - ZULIA 12M"), QStringLiteral("003 - TACHIRA 7PM")}));
    EXPECT_EQ(items(v->TIPORPT).size(), 4);
    EXPECT_EQ(items(v->Combo1).size(), 5);
    EXPECT_EQ(v->Combo2->count(), 0);
    for (const QComboBox* c : {v->ELGRUPO, v->VEND_DESDE, v->VEND_HASTA, v->TIPORPT})
        EXPECT_TRUE(c->currentText().isEmpty());
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("reporfiscal")).isEmpty());

    v->ELGRUPO->setCurrentIndex(0);
    v->ELGRUPO_Validate();
    EXPECT_EQ(items(v->VEND_DESDE), QStringList{QStringLiteral("00014 - TAQUILLA SUELTA")});
    EXPECT_EQ(v->VEND_HASTA->currentText(), QStringLiteral("00014 - TAQUILLA SUELTA"));
    v->ELGRUPO->setEditText(QStringLiteral("99999 - NADIE"));
    v->ELGRUPO_Validate();
    EXPECT_EQ(v->VEND_DESDE->count(), 0);
    EXPECT_TRUE(v->VEND_DESDE->currentText().isEmpty());
    v->ELGRUPO->setEditText(QString());
    v->ELGRUPO_Validate();
    EXPECT_EQ(v->VEND_DESDE->currentText(), QStringLiteral("00012 - AGENCIA CENTRO"));
    EXPECT_EQ(v->VEND_HASTA->currentText(), QStringLiteral("00013 - AGENCIA ORIENTE"));
}

TEST_F(ReporfiscalTest, OnlyNoTypeOrResumidoRunTheReport)
{
    fiscal::reporfiscal* v = abre();
    ASSERT_TRUE(v);
    struct Caso {
        const char* tipo;
        bool corre;
    };
    for (const Caso& c : {Caso{"1.- Por Junta", false}, Caso{"2.- Por Alcaldia", false},
                          Caso{"5.- Global", false}, Caso{"0.- resumido", false},
                          Caso{"0.- Resumido ", false}, Caso{"0.- Resumido", true}, Caso{"", true}}) {
        QFile::remove(reports::archivoReporte());
        rec_->clear();
        v->TIPORPT->setEditText(QLatin1String(c.tipo));
        v->Command1->click();
        EXPECT_EQ(QFile::exists(reports::archivoReporte()), c.corre) << c.tipo;
        EXPECT_TRUE(rec_->prompts().isEmpty()) << c.tipo;
    }
    // Blanks only: the report runs with no group and both sellers set.
    QFile::remove(reports::archivoReporte());
    v->TIPORPT->setEditText(QStringLiteral("  "));
    v->VEND_DESDE->setCurrentIndex(0);
    v->VEND_HASTA->setCurrentIndex(1);
    v->Command1->click();
    EXPECT_TRUE(QFile::exists(reports::archivoReporte()));
    QFile::remove(reports::archivoReporte());
    v->VEND_HASTA->setEditText(QString());
    v->Command1->click();
    EXPECT_FALSE(QFile::exists(reports::archivoReporte()));
}

TEST_F(ReporfiscalTest, GenerarWritesEachSellerOnceWithTotalsAndTheSummary)
{
    ASSERT_EQ(datosfiscales::procesa(conexion(), datosfiscales::Fecha), QStringLiteral("0"));
    fiscal::reporfiscal* v = abre();
    ASSERT_TRUE(v);
    v->Command1->click();
    const QString p = pagina();
    ASSERT_FALSE(p.isEmpty()) << rec_->prompts().join(u'\n').toStdString();
    const core::Sesion& s = core::sesion();
    EXPECT_EQ(s.reportelinea1, QStringLiteral("Vendedor Desde:    HASTA : "));
    EXPECT_EQ(s.reportelinea2, QStringLiteral("Fecha Desde : 05/03/2026   HASTA : 05/03/2026"));
    for (const char* vendedor :
         {"00012 - AGENCIA CENTRO", "00013 - AGENCIA ORIENTE", "00014 - TAQUILLA SUELTA"})
        EXPECT_EQ(p.count(QLatin1String(vendedor)), 1) << vendedor;
    EXPECT_TRUE(p.contains(QStringLiteral("TOTAL GENERAL")));
    // Sales 1660, prizes 100; taxes 00012 133.00, 00013 42.80, 00014 0.95.
    for (const char* cifra : {"1.660,00", "176,75"})
        EXPECT_TRUE(p.contains(QLatin1String(cifra))) << cifra;
    EXPECT_TRUE(p.contains(QStringLiteral("ZUL-MBO - MARACAIBO")));
    EXPECT_TRUE(p.contains(QStringLiteral("ANZ-MBO - MANEIRO BOLIVAR")));
    EXPECT_TRUE(p.contains(QStringLiteral("TABLA RESUMEN")));

    // The page in the viewer, its tax labels and summary title centred in
    // their cells.
    auto* visor = qobject_cast<reports::Form15*>(windowRegistry().find(QStringLiteral("Form15")));
    ASSERT_TRUE(visor);
    EXPECT_TRUE(visor->WebBrowser1->textoPlano().contains(QStringLiteral("TABLA RESUMEN")));
    visor->resize(1100, 800);
    platform::ui::doEvents();
    EXPECT_FALSE(testsupport::saveScreenshot(visor, QStringLiteral("Form15-fiscal")).isEmpty());
}

TEST_F(ReporfiscalTest, AnEmptyRangeShowsTheMessageAndWritesNoPage)
{
    fiscal::reporfiscal* v = abre();
    ASSERT_TRUE(v);
    v->Desdes->setDate(QDate(2026, 3, 6));
    v->Hastas->setDate(QDate(2026, 3, 7));
    v->Command1->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("No hay datos Para Procesar con los parametros "
                                                          "establecidos... Por favor verifique ")});
    EXPECT_FALSE(QFile::exists(reports::archivoReporte()));
    EXPECT_EQ(core::sesion().reportelinea2, QStringLiteral("Fecha Desde : 06/03/2026   HASTA : 07/03/2026"));
}
