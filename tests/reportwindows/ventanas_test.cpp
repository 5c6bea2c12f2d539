// The report windows on the real server, from "Generar" to the page in the
// viewer: their lists, checks, header lines and rows, the empty-result
// message, and typed texts reaching the server as values.

#include "datosreportes.h"

#include "capturas.h"
#include "platform/ui/window.h"
#include "reportwindows/form23.h"
#include "reportwindows/form40.h"
#include "reportwindows/form41.h"
#include "reportwindows/form49.h"
#include "reportwindows/rpn.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace datosreportes;

namespace {

const QString Vacio = s("No hay datos Para Procesar con los parametros establecidos... Por favor verifique ");

class VentanasTest : public ConReportes {
protected:
    // Runs "Generar" from a fresh page: the page written, or empty.
    QString genera(reports::VentanaReporte* v)
    {
        borraPagina();
        rec_->clear();
        v->Command1->click();
        return pagina();
    }

    QStringList items(const QComboBox* caja)
    {
        QStringList l;
        for (int i = 0; i < caja->count(); ++i)
            l << caja->itemText(i);
        return l;
    }

    void vistaUna(QWidget* v, const char* nombre)
    {
        EXPECT_FALSE(testsupport::saveScreenshot(v, s(nombre)).isEmpty());
    }
};

} // namespace

TEST_F(VentanasTest, Form41ReportsTheMovementsOfAChiefsGroupAndOfOneType)
{
    auto* v = abre<reportwindows::Form41>("Form41");
    ASSERT_TRUE(v);
    vistaUna(v, "Form41");
    EXPECT_EQ(v->Desdes->date(), QDate(2026, 3, 5));
    EXPECT_TRUE(v->Bordes->isChecked());
    // 00001 belongs to 00000's group: not offered.
    EXPECT_EQ(items(v->VEND), (QStringList{s("00000 - AGENCIA 00000"), s("00002 - AGENCIA 00002"),
                                           s("00003 - AGENCIA 00003"), s("00009 - AGENCIA 00009")}));
    EXPECT_EQ(items(v->txtdescri_mov), reportwindows::Form41::TiposMovimiento);
    EXPECT_TRUE(v->VEND->currentText().isEmpty());

    v->Hastas->setDate(QDate(2026, 3, 6));
    v->VEND->setCurrentIndex(0);
    QString p = genera(v);
    EXPECT_TRUE(p.contains(s("Fecha Desde : 05/03/2026 Hasta: 06/03/2026")));
    EXPECT_TRUE(p.contains(s("Vendedor: 00000 - AGENCIA 00000")));
    EXPECT_TRUE(p.contains(s("00000-AGENCIA 00000")));
    EXPECT_TRUE(p.contains(s("00001-AGENCIA 00001")));
    EXPECT_TRUE(p.contains(s("1.500,00")));
    EXPECT_FALSE(p.contains(s("00002-AGENCIA 00002")));

    v->VEND->setEditText(QString());
    v->txtdescri_mov->setCurrentIndex(3);
    p = genera(v);
    EXPECT_TRUE(p.contains(s("3.- Pago Couta Prestamo")));
    EXPECT_FALSE(p.contains(s("0.- Pago Vendedor a Duroz")));
    EXPECT_TRUE(core::sesion().reportelinea2.isEmpty());

    // A quote typed into the seller box is a value like any other.
    v->VEND->setEditText(s("0'; DROP TABLE movimientos; --"));
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{Vacio});
    EXPECT_EQ(db_->scalar(s("SELECT count(*) FROM movimientos")), s("4"));
}

TEST_F(VentanasTest, Form40ListsTheNumbersOfAPlayTypeWithTheirTotal)
{
    auto* v = abre<reportwindows::Form40>("Form40");
    ASSERT_TRUE(v);
    vistaUna(v, "Form40");
    EXPECT_EQ(v->Combo1->currentText(), s("1 - Triples"));
    EXPECT_EQ(v->LALOTERIA->currentText(), s("001 - ZULIA 12M"));
    EXPECT_FALSE(v->Bordes->isChecked());

    QString p = genera(v);
    EXPECT_TRUE(p.contains(s("Para la Loteria: 001 - ZULIA 12M , Tipo de Jugada: 1 - Triples")));
    EXPECT_TRUE(p.contains(s("Fecha: 05/03/2026")));
    EXPECT_TRUE(p.contains(s(">123<")));
    EXPECT_TRUE(p.contains(s(">999<")));
    EXPECT_TRUE(p.contains(s("TOTAL VENTA   BS: 24,00")));
    EXPECT_EQ(core::sesion().reportetipojugada, s("1"));
    EXPECT_EQ(core::sesion().rsgeneral4.recordCount(), 2);

    v->Combo1->setCurrentIndex(3);
    p = genera(v);
    EXPECT_TRUE(p.contains(s(">345<")));
    EXPECT_TRUE(p.contains(s("TOTAL VENTA   BS: 4,00")));

    v->Combo1->setCurrentIndex(0);
    v->VEND->setEditText(s("00001' OR ''='"));
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{Vacio});
}

TEST_F(VentanasTest, RpnChecksItsInputsAndReportsThePrizesOnTheNumber)
{
    auto* v = abre<reportwindows::rpn>("rpn");
    ASSERT_TRUE(v);
    vistaUna(v, "rpn");
    EXPECT_EQ(v->LALOTERIA->currentText(), s("001 - ZULIA 12M"));
    EXPECT_EQ(items(v->Combo1), QStringList{s("T1 - TRIPLETAZO")});

    v->LALOTERIA->setEditText(QString());
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{s("Debe seleccionar una loteria!")});
    EXPECT_EQ(rec_->boxes()[0].title, s("Atención!"));
    v->LALOTERIA->setCurrentIndex(0);
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{s("Debe teclear un número!")});

    // No fourth figure: "1234" cannot report 123's prizes as 1234's.
    QTest::keyClicks(v->Text1, s("1234"));
    EXPECT_EQ(v->Text1->text(), s("123"));
    QString p = genera(v);
    EXPECT_TRUE(p.contains(s("Reporte de Premios por El Número: 123 De la Fecha: 05/03/2026")));
    EXPECT_TRUE(p.contains(s("Loteria: 001 - ZULIA 12M")));
    EXPECT_TRUE(p.contains(s("TOTAL PREMIOS BS: 10.800,00")));

    // The play box lists the plays of the special play shown when it gets
    // the focus.
    v->Combo1->setCurrentIndex(0);
    v->activateWindow();
    v->Combo2->setFocus();
    QCoreApplication::processEvents();
    QEvent foco(QEvent::FocusIn);
    QCoreApplication::sendEvent(v->Combo2, &foco);
    EXPECT_EQ(items(v->Combo2), (QStringList{s("01 - ARIES"), s("02 - TAURO")}));
    EXPECT_EQ(v->Combo2->currentText(), s("01 - ARIES"));
    v->Text1->setText(s("345"));
    p = genera(v);
    EXPECT_TRUE(p.contains(s("Especial: T1 - TRIPLETAZO Jugada: 01 - ARIES")));
    EXPECT_TRUE(p.contains(s("TOTAL PREMIOS BS: 2.000,00")));

    v->Text1->setText(s("9'9"));
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{Vacio});
}

TEST_F(VentanasTest, RpnOpensTheResultsCatalogueOnlyWithItsPermission)
{
    int abiertas = 0;
    platform::ui::windowRegistry().add(s("Form38"), [&abiertas] {
        ++abiertas;
        return new platform::ui::Window;
    });
    auto* v = abre<reportwindows::rpn>("rpn");
    ASSERT_TRUE(v);
    v->XPButton1->click();
    EXPECT_EQ(rec_->prompts(), QStringList{s("Permiso de acceso denegado")});
    EXPECT_EQ(abiertas, 0);
    core::sesion().permisoactual += s("14-");
    rec_->clear();
    v->XPButton1->click();
    EXPECT_TRUE(rec_->prompts().isEmpty());
    EXPECT_EQ(abiertas, 1);
    EXPECT_TRUE(platform::ui::windowRegistry().find(s("rpn")));
}

TEST_F(VentanasTest, Form23ListsOneRowPerTicketAndCountsOnlyActiveSales)
{
    auto* v = abre<reportwindows::Form23>("Form23");
    ASSERT_TRUE(v);
    vistaUna(v, "Form23");
    EXPECT_EQ(v->Combo1->currentText(), s("00000 - AGENCIA 00000"));
    EXPECT_EQ(v->Combo1->itemText(v->Combo1->count() - 1), reportwindows::Form23::TodosLosVendedores);
    EXPECT_TRUE(v->Combo2->currentText().isEmpty());
    EXPECT_FALSE(v->Check1->isChecked());

    QString p = genera(v);
    EXPECT_EQ(core::sesion().reportelinea2, s("Fecha Desde: 05/03/2026            Hasta: 05/03/2026"));
    EXPECT_EQ(p.count(s("ACTIVO")) + p.count(s("ANULADO")), 3);
    EXPECT_TRUE(p.contains(s("TOTAL VENTA   BS: 39,00")));
    EXPECT_TRUE(p.contains(s("TOTAL PREMIOS BS: 11.000,00")));

    struct Caso {
        int estado;
        QStringList tickets;
    };
    for (const Caso& c :
         {Caso{1, {s("0000000002")}}, Caso{2, {s("0000000003")}}, Caso{3, {s("0000000001")}}}) {
        v->Combo2->setCurrentIndex(c.estado);
        p = genera(v);
        for (const char* t : {"0000000001", "0000000002", "0000000003"})
            EXPECT_EQ(p.contains(s(t)), c.tickets.contains(s(t))) << c.estado << t;
    }

    // Every seller: the totals page adds up to the list's active sales.
    v->Combo2->setCurrentIndex(0);
    v->Combo1->setCurrentIndex(v->Combo1->count() - 1);
    p = genera(v);
    EXPECT_TRUE(p.contains(s("TOTAL VENTA   BS: 54,00")));
    v->Check1->click();
    EXPECT_TRUE(v->Combo1->currentText().isEmpty());
    p = genera(v);
    EXPECT_EQ(core::sesion().reportelinea1, s("Vendedor: "));
    EXPECT_TRUE(p.contains(s("00002 - AGENCIA 00002")));
    EXPECT_TRUE(p.contains(s("TOTAL VENTA   BS: 54,00")));

    // Unticked, the seller box stays empty and is asked for.
    v->Check1->click();
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(),
              QStringList{s("Debera Seleccionar un Vendedor o la Opcion TODOS LOS VENDEDORES")});
    EXPECT_EQ(rec_->boxes()[0].title, s("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));

    v->Combo1->setEditText(s("0'0 - X"));
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{Vacio});
}

TEST_F(VentanasTest, Form49CountsTheOpenConnectionsAndRunsOnEnter)
{
    auto* v = abre<reportwindows::Form49>("Form49");
    ASSERT_TRUE(v);
    vistaUna(v, "Form49");
    EXPECT_FALSE(v->Bordes->isChecked());
    borraPagina();
    QTest::keyClick(v->windowHandle(), Qt::Key_Return);
    const QString p = pagina();
    EXPECT_TRUE(p.contains(s("Reporte de Conexiones Fecha: 05/03/2026 Hora: 15:30:00 ")));
    EXPECT_TRUE(p.contains(s("00000-AGENCIA 00000")));
    EXPECT_TRUE(p.contains(s("TOTAL CONEXIONES: 3,00")));

    db_->exec(s("DELETE FROM conexionesactivas"));
    EXPECT_TRUE(genera(v).isEmpty());
    EXPECT_EQ(rec_->prompts(), QStringList{Vacio});
}
