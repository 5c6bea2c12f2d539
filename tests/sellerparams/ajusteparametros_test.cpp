// The bulk adjustment Form48 on the real server, and the parameter lists of
// the two row stores: the lists it shows per tab, the texts it builds (the
// example of the adjustment and every box filled), the adjustment of
// several sellers and lotteries on both tabs with the rows checked on the
// server, its checks and messages, and Cancelar-like answers that change
// nothing.

#include "capturas.h"
#include "datosparametros.h"

#include "sellerparams/comun.h"
#include "sellerparams/form48.h"

#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using namespace sellerparams;
using namespace Qt::StringLiterals;
using platform::msg::AnswerNo;
using platform::msg::AnswerYes;
using platform::ui::windowRegistry;

namespace {

class AjusteTest : public datosparametros::FixtureVentanas {
protected:
    Form48* abre() { return qobject_cast<Form48*>(windowRegistry().show(u"Form48"_s)); }
    static QStringList items(const QListWidget* lista)
    {
        QStringList textos;
        for (int i = 0; i < lista->count(); ++i)
            textos << lista->item(i)->text();
        return textos;
    }
    static void selecciona(QListWidget* lista, const QList<int>& filas)
    {
        for (int f : filas)
            lista->item(f)->setSelected(true);
    }
    static void cierra() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// The parameters of a command as "name size value".
QStringList parametros(platform::db::Command& c)
{
    QStringList lista;
    for (int i = 0; i < c.parameterCount(); ++i) {
        const platform::db::Parameter& p = c.parameter(i);
        lista << u"%1 %2 %3"_s.arg(p.name()).arg(p.size()).arg(p.value().toString());
    }
    return lista;
}

} // namespace

TEST_F(AjusteTest, TheStoresParameterListsAreInTheirOrderWithTheirSizesAndConversions)
{
    FilaParametros fila;
    fila.vendedor = u"00002"_s;
    fila.loteria = u"001"_s;
    fila.especial = u"T1"_s;
    int n = 1;
    for (const QStringList* grupo : {&core::campos::Venta, &core::campos::Digito, &core::campos::Pares})
        for (const QString& campo : *grupo)
            fila.montos.insert(campo.toLower(), u"%1,5"_s.arg(n++));
    fila.pagacomodin = u"S"_s;
    fila.montocomodin = u"3,25"_s;
    fila.comisionjefe = u"2,5"_s;
    fila.tipopago = u"2"_s;
    fila.impuesto = u"12,5"_s;
    fila.modo = u"1"_s;

    platform::db::Command lote = comandoactvendlote(fila);
    EXPECT_EQ(lote.commandText(), u"ACTVENDLOTE"_s);
    EXPECT_EQ(lote.commandTimeout(), 900);
    const QStringList esperado{
        u"@RETURN_VALUE 0 "_s,         u"@T_CODVENDEDOR 5 00002"_s, u"@T_COD_LOT 3 001"_s,
        u"@T_Minimo_tri 10 1.5"_s,     u"@T_Minimo_ter 10 2.5"_s,   u"@T_Lim_Tri 10 3.5"_s,
        u"@T_Lim_ter 10 4.5"_s,        u"@T_Comi_Tri 10 5.5"_s,     u"@T_Comi_Ter 10 6.5"_s,
        u"@T_P_tri_1 10 7.5"_s,        u"@T_P_tri_2 10 8.5"_s,      u"@T_P_tri_3 10 9.5"_s,
        u"@T_P_ter_1 10 10.5"_s,       u"@T_P_ter_2 10 11.5"_s,     u"@T_P_ter_3 10 12.5"_s,
        u"@T_Montom_digito 10 13.5"_s, u"@T_Lim_digito 10 14.5"_s,  u"@T_Comi_digito 10 15.5"_s,
        u"@T_Premio_digito 10 16.5"_s, u"@T_Lim_NumA 10 17.5"_s,    u"@T_Lim_numB 10 18.5"_s,
        u"@T_Montom_par 10 19.5"_s,    u"@T_Comispar 10 20.5"_s,    u"@T_PremioPar 10 21.5"_s,
        u"@T_Sencillo_Par 10 22.5"_s,  u"@T_Pagacomodin 1 S"_s,     u"@T_Montocomodin 10 3.25"_s,
        u"@T_Comision_Jefe 10 2,5"_s,  u"@T_tipode_pago 1 2"_s,     u"@T_MODOUSOS 1 1"_s,
        u"@T_IMPUESTO 10 12,5"_s};
    EXPECT_EQ(parametros(lote), esperado);

    fila.modo = u"2"_s;
    platform::db::Command juges = comandoactvendjuges(fila);
    EXPECT_EQ(juges.commandText(), u"ACTVENDJUGES"_s);
    EXPECT_EQ(parametros(juges),
              (QStringList{u"@RETURN_VALUE 0 "_s, u"@T_CODVENDEDOR 5 00002"_s, u"@T_COD_LOT 3 001"_s,
                           u"@T_ESPECIAL 3 T1"_s} +
               esperado.mid(3, 12) +
               QStringList{u"@T_tipode_pago 1 2"_s, u"@comis_jefe 10 2.5"_s, u"@T_MODOUSOS 1 2"_s}));
}

TEST_F(AjusteTest, TheTextsCarryTheTypedBoxesInTableOrder)
{
    Form48* ventana = abre();
    ASSERT_NE(ventana, nullptr);
    // The example: 10 in Text13, 12.5 in Text17, "2.- Seco".
    ventana->normal()->caja(u"Minimo_tri"_s)->setText(u"10"_s);
    ventana->normal()->caja(u"Comi_Tri"_s)->setText(u"12.5"_s);
    ventana->normal()->caja(u"Lim_Tri"_s)->setText(u"   "_s);
    ventana->Combo1->setCurrentIndex(2);
    TextosAjuste t = ventana->textosAjuste();
    EXPECT_EQ(t.cadenaajuste, u"minimo_tri = '10', comi_tri =  '12.5', tipode_pago =  '2'"_s);
    EXPECT_EQ(t.campos, u"minimo_tri, comi_tri, tipode_pago"_s);
    EXPECT_EQ(t.valores, u"'10', '12.5', '2'"_s);

    // Every box of both tabs filled, each with its own number.
    int n = 1;
    for (const QString& campo : ventana->normal()->campos())
        ventana->normal()->caja(campo)->setText(QString::number(n++));
    ventana->COMISJEFE->setText(u"18"_s);
    ventana->impuesto->setText(u"19"_s);
    ventana->Combo1->setCurrentIndex(3);
    const QStringList normal{u"minimo_tri"_s,    u"minimo_ter"_s,    u"lim_tri"_s,    u"lim_ter"_s,
                             u"comi_tri"_s,      u"comi_ter"_s,      u"P_tri_1"_s,    u"p_ter_1"_s,
                             u"p_tri_2"_s,       u"p_ter_2"_s,       u"p_tri_3"_s,    u"p_ter_3"_s,
                             u"montocomodin"_s,  u"montom_digito"_s, u"Lim_digito"_s, u"comi_digito"_s,
                             u"premio_digito"_s, u"comision_jefe"_s, u"impuesto"_s,   u"tipode_pago"_s};
    // The block numbers its boxes in its own order: normal (12), comodin,
    // digit (4); the request visits them in the table's.
    const QStringList valores{u"1"_s,  u"2"_s,  u"3"_s,  u"4"_s,  u"5"_s,  u"6"_s,  u"7"_s,
                              u"10"_s, u"8"_s,  u"11"_s, u"9"_s,  u"12"_s, u"13"_s, u"14"_s,
                              u"15"_s, u"16"_s, u"17"_s, u"18"_s, u"19"_s, u"3"_s};
    t = ventana->textosAjuste();
    QStringList asignaciones, comillas;
    for (int i = 0; i < normal.size(); ++i) {
        asignaciones << normal[i] + (i < 2 ? u" = '"_s : u" =  '"_s) + valores[i] + u"'"_s;
        comillas << u"'"_s + valores[i] + u"'"_s;
    }
    EXPECT_EQ(t.cadenaajuste, asignaciones.join(u", "_s));
    EXPECT_EQ(t.campos, normal.join(u", "_s));
    EXPECT_EQ(t.valores, comillas.join(u", "_s));

    ventana->TabStrip1->setCurrentIndex(1);
    EXPECT_EQ(ventana->tipoajuste(), 2);
    EXPECT_EQ(ventana->textosAjuste().campos, QString()) << "the other tab's boxes are not sent";
    n = 1;
    for (const QString& campo : ventana->especial()->campos())
        ventana->especial()->caja(campo)->setText(QString::number(n++));
    ventana->Text29->setText(u"13"_s);
    ventana->Combo2->setCurrentIndex(0);
    t = ventana->textosAjuste();
    EXPECT_EQ(t.campos,
              u"minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter, p_tri_1, p_ter_1, p_tri_2,"
              " p_ter_2, p_tri_3, p_ter_3, comision_jefe, tipode_pago"_s);
    EXPECT_EQ(t.valores, u"'1', '2', '3', '4', '5', '6', '7', '10', '8', '11', '9', '12', '13', '0'"_s);
    EXPECT_TRUE(t.cadenaajuste.startsWith(u"minimo_tri = '1', minimo_ter = '2', lim_tri =  '3', "_s));
}

TEST_F(AjusteTest, TheListsFollowTheTabAndTheHeadingsInvertTheSelection)
{
    Form48* ventana = abre();
    EXPECT_EQ(ventana->windowTitle(), u"Parámetros de Vendedores"_s);
    EXPECT_EQ(items(ventana->List1), (QStringList{u"00001 - GRUPO NORTE"_s, u"00002 - AGENCIA LA FORTUNA"_s,
                                                  u"00003 - TAQUILLA SUR"_s}));
    EXPECT_EQ(items(ventana->List2), (QStringList{u"002 - CARACAS 4PM"_s, u"003 - ORIENTE 7PM"_s}));
    EXPECT_EQ(ventana->Combo3->count(), 2);
    EXPECT_EQ(ventana->Combo1->currentText(), QString());

    selecciona(ventana->List1, {1});
    QTest::mouseClick(ventana->Label26, Qt::LeftButton);
    EXPECT_EQ(ventana->vendedores(), u"0000100003"_s);
    selecciona(ventana->List2, {0});
    ventana->TabStrip1->setCurrentIndex(1);
    EXPECT_EQ(items(ventana->List2), QStringList{u"001 - ZULIA 12M"_s});
    EXPECT_EQ(ventana->loterias(), QString()) << "a tab switch clears the lottery selection";
    EXPECT_TRUE(ventana->Frame4->isVisibleTo(ventana));
    EXPECT_FALSE(ventana->Frame1->isVisibleTo(ventana));
    QTest::mouseClick(ventana->Label27, Qt::LeftButton);
    EXPECT_EQ(ventana->loterias(), u"001"_s);
    EXPECT_EQ(ventana->vendedores(), u"0000100003"_s);
}

TEST_F(AjusteTest, TheNormalAdjustmentChangesOnlyTheTypedColumnsOfTheSelectedRows)
{
    Form48* ventana = abre();
    selecciona(ventana->List1, {0, 1});
    selecciona(ventana->List2, {0});
    ventana->normal()->caja(u"Minimo_tri"_s)->setText(u"10"_s);
    // Typed with the three decimals the column keeps: all three are stored.
    QTest::keyClicks(ventana->normal()->caja(u"Comi_Tri"_s), u"12.125"_s);
    ventana->impuesto->setText(u"7.25"_s);
    ventana->Combo1->setCurrentIndex(2);
    ventana->normal()->pagaComodin()->setChecked(true);

    const QString fuera = u"NOT (codvendedor IN ('00001', '00002') AND cod_lot = '002')"_s;
    const QStringList otras = fila(u"ven_lot"_s, fuera);
    const QStringList antes = db_->rows(u"SELECT codvendedor, lim_tri, pagacomodin, p_tri_1 FROM ven_lot"
                                        " WHERE cod_lot = '002' ORDER BY 1"_s);
    // No: nothing is sent.
    const QStringList todo = tabla(u"ven_lot"_s);
    rec_->answerNext(AnswerNo);
    ventana->XPButton1->click();
    EXPECT_EQ(tabla(u"ven_lot"_s), todo);
    EXPECT_EQ(windowRegistry().find(u"Form48"_s), ventana);

    rec_->clear();
    ventana->XPButton1->click();
    cierra();
    EXPECT_EQ(rec_->prompts(), (QStringList{u"Desea en realidar aplicar los ajustes?"_s,
                                            u"Ajuste de parámetros realizada sin problemas"_s}));
    EXPECT_EQ(rec_->boxes()[0].style, 36);
    EXPECT_EQ(windowRegistry().find(u"Form48"_s), nullptr) << "a success closes the window";
    EXPECT_EQ(db_->rows(u"SELECT codvendedor, minimo_tri, comi_tri, impuesto, tipode_pago FROM ven_lot"
                        " WHERE cod_lot = '002' ORDER BY 1"_s),
              (QStringList{u"00001|10.000|12.125|7.25|2"_s, u"00002|10.000|12.125|7.25|2"_s,
                           u"00003|0.000|0.000|0.00|0"_s}));
    EXPECT_EQ(db_->rows(u"SELECT codvendedor, lim_tri, pagacomodin, p_tri_1 FROM ven_lot"
                        " WHERE cod_lot = '002' ORDER BY 1"_s),
              antes)
        << "Pagacomodin and the columns left empty stay";
    EXPECT_EQ(fila(u"ven_lot"_s, fuera), otras);
}

TEST_F(AjusteTest, TheSpecialAdjustmentChangesTheRowsOfItsSpecialPlay)
{
    Form48* ventana = abre();
    ventana->TabStrip1->setCurrentIndex(1);
    selecciona(ventana->List1, {1, 2});
    selecciona(ventana->List2, {0});
    QTest::keyClicks(ventana->especial()->caja(u"P_ter_2"_s), u"45.505"_s);
    ventana->Text29->setText(u"1.5"_s);

    // No special play chosen.
    ventana->XPButton1->click();
    EXPECT_EQ(rec_->prompts().value(1), u"Debe seleccionar al menos una jugada especial!"_s);
    EXPECT_EQ(windowRegistry().find(u"Form48"_s), ventana);

    const QString fuera = u"NOT (codvendedor IN ('00002', '00003') AND especial = 'Z')"_s;
    const QStringList otras = fila(u"vendespec"_s, fuera);
    rec_->clear();
    ventana->Combo3->setCurrentIndex(1);
    ventana->XPButton1->click();
    cierra();
    EXPECT_EQ(rec_->prompts().value(1), u"Ajuste de parámetros realizada sin problemas"_s);
    EXPECT_EQ(
        db_->rows(
            u"SELECT codvendedor, p_ter_2, comision_jefe FROM vendespec WHERE especial = 'Z' ORDER BY 1"_s),
        (QStringList{u"00001|0.000|NULL"_s, u"00002|45.505|1.50"_s, u"00003|45.505|1.50"_s}));
    EXPECT_EQ(fila(u"vendespec"_s, fuera), otras);
}

TEST_F(AjusteTest, WithoutValuesOrSelectionNothingIsSent)
{
    Form48* ventana = abre();
    const QStringList antes = tabla(u"ven_lot"_s);
    selecciona(ventana->List1, {0});
    selecciona(ventana->List2, {0});
    ventana->normal()->caja(u"Lim_Tri"_s)->setText(u" "_s);
    ventana->XPButton1->click();
    EXPECT_EQ(rec_->prompts(), QStringList{u"Desea en realidar aplicar los ajustes?"_s}) << "silent";

    rec_->clear();
    ventana->List2->item(0)->setSelected(false);
    ventana->normal()->caja(u"Lim_Tri"_s)->setText(u"5"_s);
    ventana->XPButton1->click();
    EXPECT_EQ(rec_->prompts().value(1), u"Debe seleccionar al menos un Vendedor y una Lotería!"_s);
    EXPECT_EQ(tabla(u"ven_lot"_s), antes);
    EXPECT_EQ(windowRegistry().find(u"Form48"_s), ventana);
}

TEST_F(AjusteTest, TheWindowOpensWithEveryValueShownOnBothTabs)
{
    Form48* ventana = abre();
    for (const QString& campo : ventana->normal()->campos())
        ventana->normal()->caja(campo)->setText(u"123456.125"_s);
    ventana->Combo1->setCurrentIndex(1);
    EXPECT_EQ(testsupport::cutControls(ventana), QStringList());
    EXPECT_FALSE(testsupport::saveScreenshot(ventana, u"Form48"_s).isEmpty());
    ventana->TabStrip1->setCurrentIndex(1);
    ventana->Combo3->setCurrentIndex(0);
    EXPECT_EQ(testsupport::cutControls(ventana), QStringList());
    EXPECT_FALSE(testsupport::saveScreenshot(ventana, u"Form48-especial"_s).isEmpty());
}

TEST_F(AjusteTest, ASelectionOfMoreThanAThousandSellersReachesTheServerWhole)
{
    db_->exec(u"INSERT INTO vendedor (codvendedor, nombre_vend, codigo_alcaldia, codigo_gobernacion)"
              "  SELECT lpad(n::text, 5, '0'), 'V' || n, 'LIB', 'DCA' FROM generate_series(10, 1109) n;"
              "SELECT proc.parametrosvendedor_ven_lot(NULL, '003')"_s);
    core::cargalistascompartidas(conexion());
    Form48* ventana = abre();
    QTest::mouseClick(ventana->Label26, Qt::LeftButton);
    ASSERT_EQ(ventana->vendedores().size(), 1103 * 5);
    ventana->List2->item(1)->setSelected(true);
    ventana->normal()->caja(u"Lim_ter"_s)->setText(u"321"_s);
    ventana->XPButton1->click();
    EXPECT_EQ(rec_->prompts().value(1), u"Ajuste de parámetros realizada sin problemas"_s);
    EXPECT_EQ(db_->rows(u"SELECT count(*) FROM ven_lot WHERE cod_lot = '003' AND lim_ter = 321"_s),
              QStringList{u"1103"_s});
}
