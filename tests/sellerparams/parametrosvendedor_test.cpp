// A seller's parameter windows on the real server, opened from the seller
// catalogue: the per-lottery grid Form44 with its editor Form12, the
// special-play grid paramvendespe with its editor Form16, and the
// whole-column update Form45 from both grids. Rows are modified and deleted
// with the server's rows checked; an unchanged save with decimals leaves
// the row as it was; every write acts on the seller and special play the
// window shows.

#include "capturas.h"
#include "datosparametros.h"
#include "pegado.h"

#include "sellerparams/form12.h"
#include "sellerparams/form16.h"
#include "sellerparams/form44.h"
#include "sellerparams/form45.h"
#include "sellerparams/paramvendespe.h"
#include "sellers/form3.h"

#include "core/grillacatalogo.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace sellerparams;
using namespace Qt::StringLiterals;
using platform::msg::AnswerNo;
using platform::msg::AnswerYes;
using platform::ui::windowRegistry;

namespace {

const QString Trampa = u"Ha ocurrido un error probablemente por la perdida de conexión con el servidor"_s;

class ParametrosVendedorTest : public datosparametros::FixtureVentanas {
protected:
    sellers::Form3* catalogo(int fila)
    {
        auto* form3 = qobject_cast<sellers::Form3*>(windowRegistry().show(u"Form3"_s));
        irAFila(form3->grilla(), fila);
        return form3;
    }
    Form44* abreForm44(int fila)
    {
        catalogo(fila)->parametrosnormales();
        return qobject_cast<Form44*>(windowRegistry().find(u"Form44"_s));
    }
    paramvendespe* abreEspeciales(int fila)
    {
        catalogo(fila)->parametrosespeciales();
        return qobject_cast<paramvendespe*>(windowRegistry().find(u"paramvendespe"_s));
    }
    Form12* abreForm12(Form44* grilla, int fila)
    {
        irAFila(grilla->DataGrid1, fila);
        grilla->XPButton2->click();
        return qobject_cast<Form12*>(windowRegistry().find(u"Form12"_s));
    }
    Form16* abreForm16(paramvendespe* grilla, int fila)
    {
        irAFila(grilla->DataGrid1, fila);
        grilla->XPButton2->click();
        return qobject_cast<Form16*>(windowRegistry().find(u"Form16"_s));
    }
    static void irAFila(core::GrillaCatalogo* grilla, int fila)
    {
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
    }
    static void cierra() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // Clicks the header of column c of a grid; `enDialogo` acts in the modal
    // Form45 while it is shown.
    static void clicEncabezado(GrillaParametros* grilla, int columna,
                               const std::function<void(Form45*)>& enDialogo)
    {
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<Form45*>(windowRegistry().find(u"Form45"_s));
            if (!dialogo)
                return;
            visto = true;
            QPointer<Form45> abierto = dialogo;
            enDialogo(dialogo);
            if (abierto && abierto->isVisible() && !abierto->isUnloaded())
                abierto->close();
        });
        grilla->HeadClick(columna);
        if (!visto)
            QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(ParametrosVendedorTest, TheGridListsTheSellersRowsPerLottery)
{
    Form44* grilla = abreForm44(1);
    ASSERT_NE(grilla, nullptr);
    EXPECT_EQ(grilla->windowTitle(), u"Parametros de Loterias de"_s);
    EXPECT_EQ(grilla->Combo4->currentText(), u"00002 - AGENCIA LA FORTUNA"_s);
    EXPECT_EQ(grilla->vendedor(), u"00002"_s);
    EXPECT_TRUE(grilla->XPButton2->isEnabled());
    EXPECT_EQ(grilla->DataGrid1->model()->rowCount(), 3);
    const QStringList titulos{u"Codigo"_s,     u"Loteria"_s,    u"Lim. Tri."_s,  u"Lim. Ter."_s,
                              u"Lim. Dig."_s,  u"Comi. Tri."_s, u"Comi. Ter."_s, u"Comi. Dig."_s,
                              u"Prem. Tri."_s, u"Prem. 1ero"_s, u"Prem. 2do"_s,  u"Prem. Dig."_s,
                              u"Com. Jefe"_s};
    for (int c = 0; c < titulos.size(); ++c)
        EXPECT_EQ(grilla->DataGrid1->titulo(c), titulos[c]);
    EXPECT_EQ(grilla->DataGrid1->textoColumna(8), u"12,5"_s);

    // The catalogue opens it again on another seller: that seller's rows.
    db_->exec(u"DELETE FROM ven_lot WHERE codvendedor = '00003'"_s);
    abreForm44(2);
    EXPECT_EQ(grilla->vendedor(), u"00003"_s);
    EXPECT_EQ(grilla->DataGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(grilla->XPButton2->isEnabled());
    grilla->close();
    cierra();

    // A seller without rows from the start.
    Form44* vacia = abreForm44(2);
    EXPECT_FALSE(vacia->XPButton2->isEnabled());
    vacia->XPButton2->click();
    EXPECT_EQ(windowRegistry().find(u"Form12"_s), nullptr);
}

TEST_F(ParametrosVendedorTest, ALotteryRowIsModifiedAndDeleted)
{
    Form44* grilla = abreForm44(1);
    Form12* editor = abreForm12(grilla, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(),
              u"Parametros de Loterias para el Vendedor (00002 - AGENCIA LA FORTUNA)"_s);
    ASSERT_EQ(editor->List1->count(), 1);
    EXPECT_EQ(editor->List1->item(0)->text(), u"002 - CARACAS 4PM"_s);
    EXPECT_EQ(editor->caja(u"Lim_Tri"_s)->text(), u"500"_s);
    EXPECT_EQ(editor->caja(u"Comi_Ter"_s)->text(), u"13.5"_s) << "commissions show a point";
    EXPECT_TRUE(editor->bloque()->pagaComodin()->isChecked());
    EXPECT_EQ(editor->Combo1->currentText(), u"2.- Seco"_s);
    EXPECT_EQ(core::sesion().marcadordetalle, grilla->DataGrid1->marcador());

    const QStringList otras = fila(u"ven_lot"_s, u"NOT (codvendedor = '00002' AND cod_lot = '002')"_s);
    editor->caja(u"Lim_Tri"_s)->setText(u"777"_s);
    editor->caja(u"Comi_Tri"_s)->setText(u"9,25"_s);
    editor->bloque()->pagaComodin()->setChecked(false);
    editor->Combo1->setCurrentIndex(3);
    editor->caja(u"P_ter_3"_s)->clear();
    editor->Grabar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), QStringList());
    EXPECT_EQ(windowRegistry().find(u"Form12"_s), nullptr);
    EXPECT_EQ(db_->rows(u"SELECT lim_tri, comi_tri, pagacomodin, tipode_pago, p_ter_3, lim_ter FROM ven_lot"
                        " WHERE codvendedor = '00002' AND cod_lot = '002'"_s),
              QStringList{u"777.000|9.250|N|3|0.000|1000.000"_s});
    EXPECT_EQ(fila(u"ven_lot"_s, u"NOT (codvendedor = '00002' AND cod_lot = '002')"_s), otras);
    EXPECT_EQ(grilla->DataGrid1->textoColumna(0), u"002"_s) << "back on the row it was opened from";
    EXPECT_EQ(grilla->DataGrid1->textoColumna(2), u"777"_s);
    EXPECT_EQ(core::sesion().modoedicion, QString());

    // Delete, answered No then Yes.
    editor = abreForm12(grilla, 1);
    rec_->answerNext(AnswerNo);
    editor->Eliminar->click();
    cierra();
    EXPECT_EQ(db_->rows(u"SELECT count(*) FROM ven_lot WHERE codvendedor = '00002'"_s), QStringList{u"3"_s});
    rec_->clear();
    editor = abreForm12(grilla, 1);
    rec_->answerNext(AnswerYes);
    editor->Eliminar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), (QStringList{u"¿Deseas Eliminar la información Seleccionada?"_s,
                                            u"Se Borro esto perfectamente 00002002"_s}));
    EXPECT_EQ(db_->rows(u"SELECT cod_lot FROM ven_lot WHERE codvendedor = '00002' ORDER BY 1"_s),
              (QStringList{u"001"_s, u"003"_s}));
    EXPECT_EQ(grilla->DataGrid1->model()->rowCount(), 2);
}

TEST_F(ParametrosVendedorTest, AnUnchangedSaveWithDecimalsLeavesTheRowAsItWas)
{
    const QStringList antes = tabla(u"ven_lot"_s);
    Form12* editor = abreForm12(abreForm44(1), 0);
    EXPECT_EQ(editor->caja(u"P_tri_1"_s)->text(), u"12,5"_s);
    EXPECT_EQ(editor->COMISJEFE->text(), u"2,5"_s);
    EXPECT_EQ(editor->impuesto->text(), u"12,5"_s);
    editor->Grabar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), QStringList());
    EXPECT_EQ(tabla(u"ven_lot"_s), antes);

    const QStringList antesEspec = tabla(u"vendespec"_s);
    paramvendespe* grilla = abreEspeciales(1);
    for (int fila : {0, 1}) {
        grilla->Combo1->setCurrentIndex(fila);
        grilla->Combo1_Click();
        Form16* especial = abreForm16(grilla, 0);
        ASSERT_NE(especial, nullptr);
        if (fila == 0) {
            EXPECT_EQ(especial->Text(7)->text(), u"12,5"_s);
            EXPECT_EQ(especial->Text13->text(), u"2,5"_s);
        } else {
            EXPECT_EQ(especial->Text13->text(), u"0"_s) << "the seller's own commission";
        }
        especial->Grabar->click();
        cierra();
    }
    EXPECT_EQ(rec_->prompts(), QStringList());
    EXPECT_EQ(tabla(u"vendespec"_s), antesEspec);
}

TEST_F(ParametrosVendedorTest, ASaveTheServerRefusesKeepsTheEditorOpenWithWhatWasTyped)
{
    const QStringList antes = tabla(u"ven_lot"_s);
    Form12* editor = abreForm12(abreForm44(1), 1);
    editor->caja(u"Lim_Tri"_s)->setText(u"1.2.3"_s);
    editor->Grabar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), QStringList{u"Ha ocurrido un problema tratando de realizar la transacción"_s});
    ASSERT_EQ(windowRegistry().find(u"Form12"_s), editor);
    EXPECT_EQ(editor->caja(u"Lim_Tri"_s)->text(), u"1.2.3"_s);
    EXPECT_EQ(tabla(u"ven_lot"_s), antes);

    rec_->clear();
    Form16* especial = abreForm16(abreEspeciales(1), 0);
    especial->Text13->setText(u"x"_s);
    especial->Grabar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), QStringList{u"Ha ocurrido un problema tratando de realizar la transacción"_s});
    EXPECT_EQ(windowRegistry().find(u"Form16"_s), especial);
}

// Every amount of a row travels as a text of ten characters: a longer one
// pasted into a box (the chief's commission and the tax take 16 whole
// digits, an amount with leading zeros fits its digits) is refused whole and
// told; one the window was given is refused by the save, which sends
// nothing, instead of storing 12345678901.5 as 1234567890.
TEST_F(ParametrosVendedorTest, AmountsBeyondTheirTenCharactersAreRefusedNeverCut)
{
    using testsupport::Pegado;
    const QString largo = u"12345678901.5"_s;
    const auto mensaje = [](const QString& campo) -> QString {
        return u"El campo "_s + campo + u" no puede tener más de 10 caracteres"_s;
    };
    const QStringList antes = tabla(u"ven_lot"_s);
    Form12* editor = abreForm12(abreForm44(1), 1);
    ASSERT_NE(editor, nullptr);
    struct Caso {
        QLineEdit* caja;
        QString pegado;
        QString campo;
    };
    for (const Caso& caso : {Caso{editor->COMISJEFE, largo, u"% de Comision para Jefe Grupo"_s},
                             Caso{editor->impuesto, largo, u"% de Impuesto"_s},
                             Caso{editor->caja(u"Lim_Tri"_s), u"0000000001.5"_s, u"Limites Triples"_s}}) {
        rec_->clear();
        const QString texto = caso.caja->text();
        caso.caja->setFocus();
        caso.caja->selectAll();
        testsupport::pega(caso.caja, caso.pegado, Pegado::Menu);
        EXPECT_EQ(caso.caja->text(), texto) << caso.campo.toStdString();
        EXPECT_EQ(rec_->prompts(), QStringList{mensaje(caso.campo)});
    }
    rec_->clear();
    editor->COMISJEFE->setText(largo);
    editor->Grabar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), QStringList{mensaje(u"% de Comision para Jefe Grupo"_s)});
    EXPECT_EQ(tabla(u"ven_lot"_s), antes) << "nothing reached the server";
    ASSERT_EQ(windowRegistry().find(u"Form12"_s), editor) << "the editor stays open";
    editor->close();
    cierra();

    const QStringList antesEspec = tabla(u"vendespec"_s);
    Form16* especial = abreForm16(abreEspeciales(1), 0);
    ASSERT_NE(especial, nullptr);
    rec_->clear();
    especial->Text13->setFocus();
    especial->Text13->selectAll();
    testsupport::pega(especial->Text13, largo, Pegado::Menu);
    EXPECT_EQ(especial->Text13->text(), u"2,5"_s);
    especial->Text13->setText(largo);
    especial->Grabar->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), (QStringList{mensaje(u"Comi. Jefe"_s), mensaje(u"Comi. Jefe"_s)}));
    EXPECT_EQ(windowRegistry().find(u"Form16"_s), especial);
    EXPECT_EQ(tabla(u"vendespec"_s), antesEspec);
}

TEST_F(ParametrosVendedorTest, ASpecialPlayRowIsModifiedAndDeleted)
{
    paramvendespe* grilla = abreEspeciales(1);
    ASSERT_NE(grilla, nullptr);
    EXPECT_EQ(grilla->windowTitle(), u"Parametros Especiales de Loterias de"_s);
    EXPECT_EQ(grilla->Combo1->count(), 2);
    EXPECT_EQ(grilla->Combo1->currentText(), u"T1 - TRIPLETAZO"_s);
    EXPECT_EQ(grilla->DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(grilla->DataGrid1->titulo(9), u"Com. Jefe"_s);
    EXPECT_NEAR(grilla->DataGrid1->anchoTwips(1), 2500, 15);

    grilla->Combo1->setCurrentIndex(1);
    grilla->Combo1_Click();
    EXPECT_EQ(grilla->especial(), u"Z"_s);
    Form16* editor = abreForm16(grilla, 0);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->List1->item(0)->text(), u"001 - ZULIA 12M"_s);
    EXPECT_EQ(editor->List2->item(0)->text(), u"Z - ZODIACAL"_s);
    EXPECT_EQ(editor->Text(3)->text(), u"500"_s);
    EXPECT_EQ(editor->Combo1->currentText(), u"2.- Seco"_s);

    const QStringList otras = fila(u"vendespec"_s, u"NOT (codvendedor = '00002' AND especial = 'Z')"_s);
    editor->Text(3)->setText(u"650"_s);
    editor->Text13->setText(u"3.75"_s);
    editor->Combo1->setCurrentIndex(1);
    editor->Grabar->click();
    cierra();
    EXPECT_EQ(db_->rows(u"SELECT lim_tri, comision_jefe, tipode_pago FROM vendespec"
                        " WHERE codvendedor = '00002' AND especial = 'Z'"_s),
              QStringList{u"650.000|3.75|1"_s});
    EXPECT_EQ(fila(u"vendespec"_s, u"NOT (codvendedor = '00002' AND especial = 'Z')"_s), otras);
    EXPECT_EQ(grilla->DataGrid1->textoColumna(2), u"650"_s);

    editor = abreForm16(grilla, 0);
    EXPECT_EQ(editor->Text(3)->text(), u"650"_s);
    rec_->answerNext(AnswerYes);
    editor->Eliminar->click();
    cierra();
    EXPECT_EQ(rec_->prompts().value(1), u"Se Borro esto perfectamente 001Z"_s);
    EXPECT_EQ(db_->rows(u"SELECT especial FROM vendespec WHERE codvendedor = '00002'"_s),
              QStringList{u"T1"_s});
    EXPECT_EQ(grilla->DataGrid1->model()->rowCount(), 0);
}

TEST_F(ParametrosVendedorTest, TheEditorReadsAgainWhenTheGridOpensItForAnotherRow)
{
    paramvendespe* grilla = abreEspeciales(1);
    Form16* editor = abreForm16(grilla, 0);
    EXPECT_EQ(editor->Text(7)->text(), u"12,5"_s);
    editor->Text(7)->setText(u"99"_s);
    // Another special play while the editor is open: it shows that row.
    grilla->Combo1->setCurrentIndex(1);
    grilla->Combo1_Click();
    abreForm16(grilla, 0);
    EXPECT_EQ(editor->List2->item(0)->text(), u"Z - ZODIACAL"_s);
    EXPECT_EQ(editor->Text(7)->text(), u"600"_s);
    editor->Grabar->click();
    cierra();
    EXPECT_EQ(db_->rows(u"SELECT especial, p_tri_1 FROM vendespec WHERE codvendedor = '00002' ORDER BY 1"_s),
              (QStringList{u"T1|12.500"_s, u"Z|600.000"_s}));
}

TEST_F(ParametrosVendedorTest, TheColumnUpdateSetsTheColumnOnEveryRowOfTheShownSellerOnly)
{
    Form44* grilla = abreForm44(1);
    irAFila(grilla->DataGrid1, 2);
    // The catalogue moves to another seller meanwhile: the update is still
    // the grid's seller's.
    catalogo(0);
    const QStringList otros = fila(u"ven_lot"_s, u"codvendedor <> '00002'"_s);
    clicEncabezado(grilla, 12, [](Form45* d) {
        EXPECT_EQ(d->windowTitle(), u"Actualizar Columna de datos"_s);
        EXPECT_EQ(d->Label1->text(), u"12"_s);
        EXPECT_EQ(d->Label30->text(), u"Com. Jefe"_s);
        EXPECT_EQ(d->Label4->text(), u"ven_lot"_s);
        d->Text4->setText(u"3.5"_s);
        d->XPButton1->click();
    });
    cierra();
    EXPECT_EQ(db_->rows(u"SELECT DISTINCT comision_jefe FROM ven_lot WHERE codvendedor = '00002'"_s),
              QStringList{u"3.50"_s});
    EXPECT_EQ(fila(u"ven_lot"_s, u"codvendedor <> '00002'"_s), otros);
    EXPECT_EQ(grilla->DataGrid1->textoColumna(12), u"3,5"_s);
    EXPECT_EQ(grilla->DataGrid1->textoColumna(0), u"001"_s) << "on the first row";

    // Cancelar, an empty value, the key columns: nothing changes.
    const QStringList antes = tabla(u"ven_lot"_s);
    clicEncabezado(grilla, 3, [](Form45* d) {
        d->Text4->setText(u"5"_s);
        d->XPButton2->click();
    });
    clicEncabezado(grilla, 3, [](Form45* d) {
        d->XPButton1->click();
        EXPECT_FALSE(d->isUnloaded()) << "an empty value sends nothing";
    });
    bool abierto = false;
    QTimer::singleShot(0, [&] { abierto = windowRegistry().find(u"Form45"_s) != nullptr; });
    grilla->HeadClick(1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(abierto);
    cierra();
    EXPECT_EQ(tabla(u"ven_lot"_s), antes);
    EXPECT_EQ(rec_->prompts(), QStringList());

    // A column outside the list, a value with quotes: refused by the
    // server through the trap, nothing changes.
    for (const auto& [columna, valor] :
         QList<std::pair<QString, QString>>{{u"13"_s, u"1"_s}, {u"5"_s, u"1'2"_s}}) {
        rec_->clear();
        clicEncabezado(grilla, 5, [&](Form45* d) {
            d->Label1->setText(columna);
            d->Text4->setText(valor);
            d->XPButton1->click();
            EXPECT_FALSE(d->isUnloaded());
        });
        cierra();
        ASSERT_EQ(rec_->prompts().size(), 1);
        EXPECT_TRUE(rec_->prompts()[0].startsWith(Trampa)) << rec_->prompts()[0].toStdString();
        EXPECT_EQ(tabla(u"ven_lot"_s), antes);
    }
}

TEST_F(ParametrosVendedorTest, TheColumnUpdateOfTheSpecialGridTouchesOnlyItsSpecialPlay)
{
    paramvendespe* grilla = abreEspeciales(1);
    // Typed into the box without choosing: the grid's special play stays T1.
    grilla->Combo1->setEditText(u"Z - ZODIACAL"_s);
    const QStringList otros = fila(u"vendespec"_s, u"NOT (codvendedor = '00002' AND especial = 'T1')"_s);
    clicEncabezado(grilla, 9, [](Form45* d) {
        EXPECT_EQ(d->Label4->text(), u"vendespec"_s);
        EXPECT_EQ(d->Label30->text(), u"Com. Jefe"_s);
        d->Text4->setText(u"4"_s);
        QTest::keyClick(d->windowHandle(), Qt::Key_Return);
    });
    cierra();
    EXPECT_EQ(
        db_->rows(u"SELECT comision_jefe FROM vendespec WHERE codvendedor = '00002' AND especial = 'T1'"_s),
        QStringList{u"4.00"_s});
    EXPECT_EQ(fila(u"vendespec"_s, u"NOT (codvendedor = '00002' AND especial = 'T1')"_s), otros);
    EXPECT_EQ(grilla->DataGrid1->textoColumna(9), u"4"_s);
}

TEST_F(ParametrosVendedorTest, EveryWindowOpensWithEveryValueShown)
{
    Form44* grilla = abreForm44(1);
    Form12* editor = abreForm12(grilla, 0);
    paramvendespe* especiales = abreEspeciales(1);
    Form16* especial = abreForm16(especiales, 0);
    for (const auto& [ventana, nombre] : QList<std::pair<QWidget*, QString>>{{grilla, u"Form44"_s},
                                                                             {editor, u"Form12"_s},
                                                                             {especiales, u"paramvendespe"_s},
                                                                             {especial, u"Form16"_s}}) {
        SCOPED_TRACE(nombre.toStdString());
        QStringList cortados = testsupport::cutControls(ventana);
        // The grids' columns, each as wide as its whole caption (and the
        // name 2500 twips), do not fit the test screen's 800 pixels: the
        // grids scroll sideways.
        if (ventana == grilla || ventana == especiales)
            cortados.removeIf([](const QString& c) { return c.startsWith(u"DataGrid1: columns"_s); });
        EXPECT_EQ(cortados, QStringList());
        EXPECT_FALSE(testsupport::saveScreenshot(ventana, nombre).isEmpty());
    }
    QFont negrita = grilla->DataGrid1->horizontalHeader()->font();
    negrita.setBold(true);
    for (GrillaParametros* g : std::initializer_list<GrillaParametros*>{grilla, especiales})
        for (int c = 0; c < g->DataGrid1->model()->columnCount(); ++c)
            EXPECT_GT(g->DataGrid1->columnWidth(c),
                      QFontMetrics(negrita).horizontalAdvance(g->DataGrid1->titulo(c)))
                << c;
    clicEncabezado(grilla, 12, [](Form45* d) {
        d->Text4->setText(u"12.5"_s);
        EXPECT_EQ(testsupport::cutControls(d), QStringList());
        EXPECT_FALSE(testsupport::saveScreenshot(d, u"Form45"_s).isEmpty());
    });
}
