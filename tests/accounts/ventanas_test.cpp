// The bank accounts (mastercuenta, editacuenta), the daily expenses
// (mastergastos, menugastos, editagasto) and the two reports (rptcuenta,
// rptgastojugada) on the real server.

#include "capturas.h"
#include "datoscuentas.h"

#include "accounts/editagasto.h"
#include "accounts/mastercuenta.h"
#include "accounts/mastergastos.h"
#include "accounts/menugastos.h"
#include "accounts/reportescuentas.h"

#include "platform/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace accounts;
using platform::ui::windowRegistry;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString Grabado = QStringLiteral("Movimiento Grabado Correctamente");

class VentanasTest : public datoscuentas::FixtureVentanas {
protected:
    QStringList cuentas() { return db().rows(QStringLiteral("SELECT * FROM cuentas ORDER BY 1")); }
    QStringList gastos()
    {
        return db().rows(
            QStringLiteral("SELECT codvendedor, nrogasto, fecha_gasto, descri_gasto, monto_gasto,"
                           " coalesce(observa_gasto, '') FROM gastosvendedor ORDER BY 1, 2"));
    }
    // Enter typed in the list's code box, through the window.
    static void enterEnCodigo(mastercuenta* lista, const QString& codigo)
    {
        lista->Text1->setText(codigo);
        lista->activateWindow();
        lista->Text1->setFocus();
        QTest::keyClick(lista->windowHandle(), Qt::Key_Return);
    }
    QString pagina()
    {
        QFile f(carpeta_.filePath(QStringLiteral("0001.html")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

} // namespace

TEST_F(VentanasTest, AnAccountIsAddedModifiedAndDeleted)
{
    auto* lista = abre<mastercuenta>(QStringLiteral("mastercuenta"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->grilla()->model()->rowCount(), 4);
    EXPECT_EQ(lista->grilla()->titulo(1), QStringLiteral("Banco"));
    EXPECT_EQ(lista->Text1->text(), QStringLiteral("001"));

    // Add, modeless; a blank box is refused and keeps what was typed.
    lista->botonNuevo()->click();
    auto* editor = qobject_cast<editacuenta*>(windowRegistry().find(QStringLiteral("editacuenta")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Agregando Cuenta"));
    testsupport::saveScreenshot(lista, QStringLiteral("mastercuenta"));
    testsupport::saveScreenshot(editor, QStringLiteral("editacuenta"));
    QTest::keyClicks(editor->Text1, QStringLiteral("BANC01"));
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("BANC0")) << "five characters at most";
    editor->Text2->setText(QStringLiteral("Provincial  "));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(),
              QStringList{QStringLiteral("Debe rellenar todos los campor, por favor verifique!")});
    EXPECT_EQ(editor->Text2->text(), QStringLiteral("Provincial  "));
    // Another window turning the shared mode to "modify" meanwhile does not
    // make this addition a change.
    core::sesion().modoedicion = QStringLiteral("M");
    editor->Text3->setText(QStringLiteral("0108-5"));
    rec().clear();
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_TRUE(cuentas().contains(QStringLiteral("BANC0|Provincial|0108-5")));
    lista->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(lista->grilla()->model()->rowCount(), 5) << "read again on the return";

    // Modify the third row, modal: the list comes back to it.
    lista->grilla()->setCurrentIndex(lista->grilla()->model()->index(2, 0));
    rec().clear();
    enModal<editacuenta>(QStringLiteral("editacuenta"), [](editacuenta* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Cuentas"));
        EXPECT_FALSE(e->Text1->isEnabled());
        EXPECT_EQ(e->Text1->text(), QStringLiteral("BANC0"));
        e->Text2->setText(QStringLiteral("BBVA Provincial"));
        e->botonGrabar()->click();
    });
    lista->botonModificar()->click();
    platform::ui::doEvents();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_TRUE(cuentas().contains(QStringLiteral("BANC0|BBVA Provincial|0108-5")));
    EXPECT_EQ(lista->grilla()->textoColumna(0), QStringLiteral("BANC0"));

    // Delete: an account movements are booked on is refused, a free one goes.
    rec().clear();
    enterEnCodigo(lista, QStringLiteral("CAJA1"));
    EXPECT_EQ(lista->grilla()->textoColumna(0), QStringLiteral("CAJA1"))
        << "Enter in the code finds the account";
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts().value(1), Problema);
    EXPECT_EQ(rec().boxes().first().title, QStringLiteral("DOVEV UZ ARAR"));
    rec().clear();
    enterEnCodigo(lista, QStringLiteral("BANC0"));
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts().value(1), Exito);
    EXPECT_EQ(cuentas().size(), 4);
    rec().clear();
    enterEnCodigo(lista, QStringLiteral("ZZZ"));
    EXPECT_EQ(rec().prompts(),
              QStringList{QStringLiteral("El Código Ingresado no existe... Verifique por favor...")});
}

TEST_F(VentanasTest, AnExpenseIsAddedModifiedAndDeletedUnderTheSellerTheWindowLists)
{
    auto* picker = abre<mastergastos>(QStringLiteral("mastergastos"));
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->DataGrid1->model()->rowCount(), 3);
    EXPECT_EQ(picker->DataGrid1->titulo(1), QStringLiteral("Descripción"));
    picker->Command1->click(); // 00001, the first row
    platform::ui::doEvents();
    auto* lista = qobject_cast<menugastos*>(windowRegistry().find(QStringLiteral("menugastos")));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->Label7->text(), QStringLiteral("00001 - AGENCIA NORTE"));
    testsupport::saveScreenshot(picker, QStringLiteral("mastergastos"));
    testsupport::saveScreenshot(lista, QStringLiteral("menugastos"));
    EXPECT_EQ(lista->Hastas->date(), QDate(2026, 3, 15));
    EXPECT_EQ(lista->DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(lista->DataGrid1->textoColumna(3), QStringLiteral("Papel"));

    // The picker moves to another seller meanwhile: the expense still goes
    // to the seller the list shows, with its decimals.
    picker->DataGrid1->setCurrentIndex(picker->DataGrid1->model()->index(1, 0));
    enModal<editagasto>(QStringLiteral("editagasto"), [](editagasto* e) {
        testsupport::saveScreenshot(e, QStringLiteral("editagasto"));
        EXPECT_EQ(e->Label2->text(), QStringLiteral("00001 - AGENCIA NORTE"));
        EXPECT_EQ(e->desdes->text(), QStringLiteral("15/03/2026"));
        e->txtnomov->setText(QStringLiteral("G7"));
        e->txtdescri_mov->setText(QStringLiteral("Agua"));
        QTest::keyClicks(e->txtmonto_mov, QStringLiteral("12.5.0"));
        EXPECT_EQ(e->txtmonto_mov->text(), QStringLiteral("12.50"));
        e->Grabar->click();
    });
    lista->Grabar->click();
    platform::ui::doEvents();
    EXPECT_EQ(rec().prompts(), QStringList{Grabado});
    EXPECT_TRUE(gastos().contains(QStringLiteral("00001|G7|2026-03-15|Agua|12.500|")));
    EXPECT_EQ(lista->DataGrid1->model()->rowCount(), 2) << "listed again when the editor closed";

    // A number the seller has already: refused, the editor keeps what was typed.
    rec().clear();
    enModal<editagasto>(QStringLiteral("editagasto"), [this](editagasto* e) {
        e->txtnomov->setText(QStringLiteral("G1"));
        e->Grabar->click();
        EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Hubo problemas para actualizar registro")});
        EXPECT_EQ(e->txtnomov->text(), QStringLiteral("G1"));
        e->Cancelarcam->click();
    });
    lista->Grabar->click();
    platform::ui::doEvents();

    // Modifying an expense of an earlier day keeps its date.
    lista->Hastas->setDate(QDate(2026, 3, 14));
    EXPECT_EQ(lista->DataGrid1->textoColumna(1), QStringLiteral("G2"));
    rec().clear();
    enModal<editagasto>(QStringLiteral("editagasto"), [](editagasto* e) {
        EXPECT_FALSE(e->txtnomov->isEnabled());
        EXPECT_EQ(e->desdes->text(), QStringLiteral("14/03/2026"));
        e->txtmonto_mov->setText(QStringLiteral("41.25"));
        e->Grabar->click();
    });
    lista->Command1->click();
    platform::ui::doEvents();
    EXPECT_EQ(rec().prompts(), QStringList{Grabado});
    EXPECT_TRUE(gastos().contains(QStringLiteral("00001|G2|2026-03-14|Internet|41.250|")));

    // Delete: success only when the server deleted it.
    EXPECT_EQ(lista->Hastas->date(), QDate(2026, 3, 15)) << "back on the server date";
    rec().clear();
    lista->DataGrid1->setCurrentIndex(lista->DataGrid1->model()->index(1, 0)); // G7
    lista->Command2->click();
    EXPECT_EQ(rec().prompts(), (QStringList{QStringLiteral("Desea en realidad eliminar el Documento G7?"),
                                            QStringLiteral("Registro Eliminado con Exito!")}));
    EXPECT_FALSE(gastos().contains(QStringLiteral("00001|G7|2026-03-15|Agua|12.500|")));
    EXPECT_EQ(lista->DataGrid1->model()->rowCount(), 1);
    db().exec(QStringLiteral("DELETE FROM gastosvendedor WHERE nrogasto = 'G1' AND codvendedor = '00001'"));
    rec().clear();
    lista->Command2->click();
    EXPECT_EQ(rec().prompts().value(1), Problema);
    EXPECT_FALSE(lista->Command2->isEnabled());
}

TEST_F(VentanasTest, TheAccountReportWritesItsPageAndQuotesWhatWasTyped)
{
    auto* w = abre<rptcuenta>(QStringLiteral("rptcuenta"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Bordes->isChecked());
    testsupport::saveScreenshot(w, QStringLiteral("rptcuenta"));
    EXPECT_EQ(w->VEND->count(), 4);
    EXPECT_EQ(w->VEND->currentText(), QStringLiteral("001 - Banco de Venezuela"));
    w->Desdes->setDate(QDate(2026, 3, 1));
    w->vendh->setEditText(QStringLiteral("CAJA1 - Caja Chica  "));
    w->Command1->click();
    EXPECT_EQ(core::sesion().reportelinea1, QStringLiteral("Fecha Desde : 01/03/2026 Hasta: 15/03/2026"));
    EXPECT_EQ(core::sesion().reportelinea2,
              QStringLiteral("Desde Cuenta: 001 - Banco de Venezuela Hasta Cuenta: CAJA1 - Caja Chica"));
    EXPECT_TRUE(pagina().contains(QStringLiteral("0134-2")));
    EXPECT_TRUE(rec().prompts().isEmpty());
    // A quote in a typed account cannot end the call text early: the range
    // simply holds no account.
    w->VEND->setEditText(QStringLiteral("Z'Z"));
    w->vendh->setEditText(QStringLiteral("Z'Z"));
    w->Command1->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("No hay datos Para Procesar con los parametros "
                                                          "establecidos... Por favor verifique ")});
}

TEST_F(VentanasTest, ThePlayAndExpenseReportWritesOneLinePerSellerOrPerDate)
{
    auto* w = abre<rptgastojugada>(QStringLiteral("rptgastojugada"));
    ASSERT_NE(w, nullptr);
    testsupport::saveScreenshot(w, QStringLiteral("rptgastojugada"));
    EXPECT_EQ(w->VEND->count(), 3);
    EXPECT_TRUE(w->VEND->currentText().isEmpty());
    w->Desdes->setDate(QDate(2026, 3, 14));
    w->Command1->click();
    EXPECT_TRUE(core::sesion().reportelinea2.isEmpty());
    EXPECT_TRUE(pagina().contains(QStringLiteral("TAQUILLA SUR")));
    w->VEND->setCurrentIndex(1);
    w->Check1->setChecked(true);
    w->Command1->click();
    EXPECT_EQ(core::sesion().reportelinea2,
              QStringLiteral("Desde Vendedor: 00002 - TAQUILLA SUR Hasta Vendedor: "));
    EXPECT_FALSE(pagina().contains(QStringLiteral("AGENCIA NORTE")));
    EXPECT_TRUE(pagina().contains(QStringLiteral("15/03/2026")));
}
