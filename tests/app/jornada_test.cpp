// A head office's day on the real server, in the order the operators live
// it: the catalogue set up through the catalogue windows' editors and the
// server procedures the other editors call (the seller-tax window is not
// built: the seller's tax is its raw row), the sales as the sale points
// write them, then the windows of the day
// (blocking, monitor, results, prizes, payment, line-up, expenses, taxes)
// and every report the main menu reaches, whose figures must agree.

#include "../draws/ventanassorteos.h"
#include "llamadatextos.h"
#include "recorridomenu.h"
#include "ventanasprueba.h"

#include "accounts/editagasto.h"
#include "accounts/editormovimiento.h"
#include "accounts/form50.h"
#include "accounts/mastercuenta.h"
#include "sellers/masteralcaldia.h"
#include "sellers/mastergobernacion.h"
#include "accounts/mastergastos.h"
#include "accounts/menugastos.h"
#include "app/registerallwindows.h"
#include "core/form1.h"
#include "core/masteredita.h"
#include "draws/form14.h"
#include "draws/form33.h"
#include "draws/form34.h"
#include "draws/form37.h"
#include "draws/mdiform1.h"
#include "draws/pagaticket.h"
#include "fiscal/form30.h"
#include "lineup/form51.h"
#include "lotteries/actlot.h"
#include "sellers/actven.h"
#include "core/parametrosventa.h"
#include "platform/regional.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <functional>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using datossorteos::ticket;
using platform::ui::windowRegistry;

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

using testsupport::llamaConTextos;

// An amount as the pages show it: "4.200,00".
QString monto(const QString& valor)
{
    return platform::regional::formatAmount(valor.toDouble());
}

class JornadaTest : public datossorteos::ConVentanas {
protected:
    void SetUp() override
    {
        ConVentanas::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        ventanasprueba::limpiaVentanas();
        app::registerAllWindows(windowRegistry());
        core::Sesion& ses = core::sesion();
        ses.permisoactual = recorridomenu::todosLosPermisos();
        ses.usuarioactual = s("ADMIN");
        ses.nombrebanca = s("BANCA LA JORNADA");
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        qunsetenv("DUROZ_HOME");
        ConVentanas::TearDown();
    }

    // The main menu, open: it loads the shared lists the windows read.
    core::Form1* menu()
    {
        auto* m = windowRegistry().get<core::Form1>(s("Form1"));
        m->showModeless();
        platform::ui::doEvents();
        return m;
    }

    template <class T> T* abre(const char* nombre)
    {
        auto* v = qobject_cast<T*>(windowRegistry().show(s(nombre)));
        platform::ui::doEvents();
        return v;
    }

    QString valor(const QString& sql) { return db_->scalar(sql); }

    // "&Nuevo" in the catalogue window `catalogo`, its editor `editor`
    // filled by `llena`, "&Grabar": the transaction is confirmed.
    template <class E>
    void agrega(const char* catalogo, const char* editor, const std::function<void(E*)>& llena)
    {
        auto* lista = abre<core::Catalogo>(catalogo);
        ASSERT_TRUE(lista) << catalogo;
        lista->botonNuevo()->click();
        auto* e = qobject_cast<E*>(windowRegistry().find(s(editor)));
        ASSERT_TRUE(e) << editor;
        llena(e);
        rec_->clear();
        e->botonGrabar()->click();
        EXPECT_TRUE(rec_->prompts().contains(s("La transacción ha sido realizada con éxito!")))
            << editor << ": " << rec_->prompts().join(u'|').toStdString();
        lista->close();
        platform::ui::doEvents();
    }

    QTemporaryDir carpeta_;
};

void elige(QListWidget* lista, const QString& inicio)
{
    for (int i = 0; i < lista->count(); ++i)
        lista->item(i)->setSelected(lista->item(i)->text().startsWith(inicio));
}

} // namespace

TEST_F(JornadaTest, AHeadOfficesDayFromItsCatalogueToItsReports)
{
    // --- The catalogue, through the procedures the editors call.
    EXPECT_EQ(llamaConTextos(s("ACTJUG"), {s("1"), s("Z1"), s("ZODIACAL")}), s("0"));
    db_->scalar(s("SELECT proc.ACTDETJUG('1', '01', 'Z1', 'LEO')"));
    lotteries::RegistroLoteria loteria;
    loteria.codigo = s("050");
    loteria.nombre = s("ORIENTE 1PM");
    for (const QString& campo : core::campos::Venta + core::campos::Digito + core::campos::Pares +
                                    QStringList{core::campos::MontoComodin})
        loteria.montos.insert(campo.toLower(), s("1"));
    loteria.montos.insert(s("p_tri_1"), s("600"));
    loteria.impuesto = s("2");
    loteria.juegaespecial = loteria.jueganormal = s("S");
    loteria.dias = QStringList(7, s("S"));
    loteria.horas = QStringList(7, s("13:00:00"));
    platform::db::Command alta = lotteries::comandograbaloteria(loteria, s("1"));
    alta.execute();
    EXPECT_EQ(core::respuesta(alta), s("0"));
    agrega<sellers::editagobernacion>("mastergobernacion", "editagobernacion", [](auto* e) {
        e->Text1->setText(s("ORI"));
        e->Text2->setText(s("Oriente"));
    });
    agrega<sellers::editaalcaldia>("masteralcaldia", "editaalcaldia", [](auto* e) {
        e->Text1->setText(s("SOT"));
        e->Text2->setText(s("Sotillo"));
        e->Combo1->setCurrentIndex(e->Combo1->findText(s("ORI - Oriente")));
    });
    EXPECT_EQ(valor(s("SELECT codigo_gobernacion || '|' || descri_alcaldia FROM alcaldia"
                      " WHERE codigo_alcaldia = 'SOT'")),
              s("ORI|Sotillo"));

    sellers::RegistroVendedor vendedor;
    vendedor.codigo = s("00020");
    vendedor.nombre = s("AGENCIA JORNADA");
    vendedor.estado = s("1.- Activo");
    vendedor.tipopago = s("0.- Punta y Cola");
    vendedor.diascaduca = s("5");
    vendedor.grupo = s("00000 - AGENCIA 00000");
    vendedor.alcaldia = s("SOT - Sotillo");
    vendedor.gobernacion = s("ORI - Oriente");
    for (const core::ParametroVenta& p : sellers::parametrosventaactven())
        vendedor.montos.insert(p.campo.toLower(), s("1"));
    vendedor.montos.insert(core::campos::MontoComodin.toLower(), s("0"));
    sellers::rellenavacios(vendedor);
    platform::db::Command ven = sellers::comandoactven(vendedor, s("1"));
    ven.execute();
    EXPECT_EQ(core::respuesta(ven), s("0"));
    // Its parameters on 001 and 050 and on 050's special play.
    for (const char* lot : {"001", "050"}) {
        QStringList args{s("00020"), s(lot),   s("1"),  s("1"), s("500"), s("500"), s("10"),
                         s("12"),    s("600"), s("60"), s("6"), s("70"),  s("7"),   s("5")};
        for (int i = 0; i < 10; ++i)
            args << s("1");
        args << s("N") << s("0") << s("0") << s("0") << s("2") << s("0");
        EXPECT_EQ(llamaConTextos(s("ACTVENDLOTE"), args), s("0")) << lot;
    }
    QStringList especial{s("00020"), s("050"), s("Z1"), s("1"),  s("1"), s("500"), s("500"), s("10"), s("12"),
                         s("600"),   s("60"),  s("6"),  s("70"), s("7"), s("5"),   s("0"),   s("0")};
    especial << s("1");
    EXPECT_EQ(llamaConTextos(s("ACTVENDJUGES"), especial), s("0"));
    // Its taxes: the catalogue's procedure, then the seller's row as the
    // seller-tax window writes it.
    EXPECT_EQ(valor(s("SELECT proc.ACTIMP('1', 'MUN', 'IMPUESTO MUNICIPAL', 1.5, '', 'Venta', 'S')")),
              s("0"));
    db_->exec(s("INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto, aplica_impuesto)"
                " VALUES ('00020', 'MUN', 1.5, 'Venta')"));
    // Its cashier: the sale points of the fixtures write as TAQ01.
    EXPECT_EQ(llamaConTextos(s("ACTUSR"), {s("1"), s("00020"), s("TAQ01"), s("CAJERO JORNADA"), s(""), s(""),
                                           s("k20"), s(""), s("1"), s("F2")}),
              s("0"));
    EXPECT_EQ(llamaConTextos(s("ACTOPR"),
                             {s("1"), s("OPE20"), s("OPERADOR JORNADA"), s("clave20"), s("14-17-19-")}),
              s("0"));
    db_->exec(s("INSERT INTO seriales (serial) VALUES ('QV-0020')"));
    EXPECT_EQ(llamaConTextos(s("actseriales"), {s("2"), s("QV-0020"), s("0"), s("00020")}), s("0"));
    EXPECT_EQ(valor(s("SELECT codvendedor FROM seriales WHERE serial = 'QV-0020'")), s("00020"));

    // --- The sales, as the sale points write them.
    ticket(*db_, s("00000"), s("0000000101"), {{s("001"), s("123"), s("7")}, {s("001"), s("45"), s("3")}},
           s("S101"));
    ticket(*db_, s("00000"), s("0000000102"), {{s("014"), s("555"), s("11")}}, s("S102"));
    ticket(*db_, s("00000"), s("0000000103"), {{s("001"), s("123"), s("13")}}, s("S103"), true);
    ticket(*db_, s("00001"), s("0000000201"), {{s("001"), s("123"), s("3")}}, s("S201"));
    ticket(*db_, s("00020"), s("0000000301"),
           {{s("050"), s("321"), s("9")}, {s("050"), s("321"), s("4"), s("Z1"), s("01")}}, s("QV-0020"));

    // Its sale point connected.
    db_->exec(s("INSERT INTO conexionesactivas (codvendedor, usuario, serial, direccionip, inicio)"
                " VALUES ('00020', 'TAQ01', 'QV-0020', '10.0.20.1', '2026-03-05 08:00')"));

    core::Form1* m = menu();
    ASSERT_TRUE(m);

    // --- A number blocked.
    auto* bloqueo = abre<draws::Form14>("Form14");
    ASSERT_TRUE(bloqueo);
    elige(bloqueo->List1, s("001"));
    bloqueo->Text1->setText(s("777"));
    bloqueo->Text2->setText(s("50"));
    bloqueo->Grabar->click();
    EXPECT_EQ(valor(s("SELECT count(*) FROM bloqueos WHERE cod_lot = '001' AND numero_bloq = '777'")),
              s("1"));
    bloqueo->close();

    // --- The monitor polls the day's sales of 001.
    auto* monitor = abre<draws::Form33>("Form33");
    ASSERT_TRUE(monitor);
    elige(monitor->List1, s("001"));
    monitor->Command1->click();
    platform::ui::doEvents();
    auto* mdi = qobject_cast<draws::MDIForm1*>(windowRegistry().find(s("MDIForm1")));
    ASSERT_TRUE(mdi);
    ASSERT_FALSE(mdi->monitores().isEmpty());
    // 123: 7 and 3 sold; the annulled 13 is not for sale.
    EXPECT_EQ(mdi->monitores().value(0)->totalEnVenta(), s("10,00 - Triples"));
    ticket(*db_, s("00001"), s("0000000202"), {{s("001"), s("999"), s("5")}}, s("S202"));
    mdi->monitores().value(0)->Timer1_Timer();
    EXPECT_EQ(mdi->monitores().value(0)->totalEnVenta(), s("15,00 - Triples"));
    mdi->close();
    monitor->close();
    platform::ui::doEvents();

    // --- The draw results: 001 through the results window, 014 as well.
    draws::Form38* catalogo = abreCatalogo();
    ASSERT_TRUE(catalogo);
    rec_->clear();
    ASSERT_TRUE(enLaEntrada(*catalogo, 0, [](draws::Form17& e) {
        e.Text2->setText(s("123"));
        e.Text3->setText(s("456"));
        e.Text4->setText(s("789"));
        QTest::keyClick(e.windowHandle(), Qt::Key_Return);
    }));
    EXPECT_EQ(rec_->prompts(), QStringList{s("Premios registrados sin problemas")});
    EXPECT_EQ(premiar(s("001"), s("pri_triple, seg_triple, ter_triple")), s("123|456|789"));
    catalogo->close();
    for (const char* otra : {"014", "050"}) {
        datossorteos::Resultado r{
            s(otra), {s("100"), s("200"), s("300")}, {s("00"), s("10"), s("99")}, s("0")};
        datossorteos::grabapremios(conexion(), r);
    }

    // --- The prizes of the day.
    auto* premiacion = abre<draws::Form37>("Form37");
    ASSERT_TRUE(premiacion);
    rec_->clear();
    premiacion->Command1->click();
    EXPECT_TRUE(rec_->prompts().contains(s("Premios procesados con exito!")))
        << rec_->prompts().join(u'|').toStdString();
    const QString premio101 = valor(s("SELECT montopremio::int FROM tickets WHERE nroticket = '0000000101'"));
    EXPECT_EQ(premio101, s("4200")) << "7 on the first triple at 600";
    EXPECT_EQ(valor(s("SELECT coalesce(montopremio, 0)::int FROM tickets WHERE nroticket = '0000000103'")),
              s("0"))
        << "an annulled ticket wins nothing";

    // --- The winning ticket verified and paid; a second payment refused.
    auto* pago = abre<draws::pagaticket>("pagaticket");
    ASSERT_TRUE(pago);
    const auto nombra = [pago] {
        pago->VEND->setCurrentIndex(0); // 00000
        pago->Text2->setText(s("0000000101"));
        pago->Text1->setText(s("S101"));
    };
    nombra();
    rec_->clear();
    rec_->answerNext(platform::msg::AnswerYes);
    pago->Eliminar->click();
    EXPECT_EQ(valor(s("SELECT pagado || operadorpago FROM tickets WHERE nroticket = '0000000101'")),
              s("SADMIN"))
        << rec_->prompts().join(u'|').toStdString();
    rec_->clear();
    nombra();
    pago->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{s("El Ticket con el serial S101 ya fue registrado como pagado!")});
    pago->close();

    // --- A bank account; the line-up, a payment into that account from it,
    // an expense.
    agrega<accounts::editacuenta>("mastercuenta", "editacuenta", [](auto* e) {
        e->Text1->setText(s("001"));
        e->Text2->setText(s("BANCO DEL SUR"));
        e->Text3->setText(s("0102-0001"));
    });
    auto* hoja = abre<lineup::Form51>("Form51");
    ASSERT_TRUE(hoja);
    hoja->DataGrid1->setCurrentIndex(hoja->DataGrid1->model()->index(0, 0));
    ASSERT_EQ(hoja->DataGrid1->textoColumna(0), s("00000"));
    hoja->movimientos();
    platform::ui::doEvents();
    auto* movimientos = qobject_cast<accounts::Form50*>(windowRegistry().find(s("Form50")));
    ASSERT_TRUE(movimientos);
    rec_->clear();
    ventanasprueba::enModal<accounts::Form52>(s("Form52"), [](accounts::Form52* e) {
        e->txtnomov->setText(s("P1"));
        e->txtdescri_mov->setCurrentIndex(0);
        emit e->txtdescri_mov->activated(0);
        e->txtmonto_mov->setText(s("300"));
        EXPECT_TRUE(e->txt_cuenta->currentText().startsWith(s("001")));
        e->Grabar->click();
    });
    movimientos->Grabar->click();
    platform::ui::doEvents();
    EXPECT_EQ(valor(s("SELECT descri_mov || '|' || monto_mov::int FROM movimientos WHERE nromov = 'P1'")),
              s("0.- Pago Vendedor a Duroz|300"));
    movimientos->close();
    hoja->close();
    platform::ui::doEvents();

    auto* gastos = abre<accounts::mastergastos>("mastergastos");
    ASSERT_TRUE(gastos);
    gastos->Command1->click();
    platform::ui::doEvents();
    auto* lista = qobject_cast<accounts::menugastos*>(windowRegistry().find(s("menugastos")));
    ASSERT_TRUE(lista);
    ventanasprueba::enModal<accounts::editagasto>(s("editagasto"), [](accounts::editagasto* e) {
        e->txtnomov->setText(s("G1"));
        e->txtdescri_mov->setText(s("Luz"));
        e->txtmonto_mov->setText(s("25"));
        e->Grabar->click();
    });
    lista->Grabar->click();
    platform::ui::doEvents();
    EXPECT_EQ(
        valor(s("SELECT codvendedor || '|' || monto_gasto::int FROM gastosvendedor WHERE nrogasto = 'G1'")),
        s("00000|25"));
    lista->close();
    gastos->close();

    // --- The day's taxes.
    auto* impuestos = abre<fiscal::Form30>("Form30");
    ASSERT_TRUE(impuestos);
    rec_->clear();
    impuestos->XPButton4->click();
    EXPECT_EQ(rec_->prompts(),
              (QStringList{s("Desea procesar impuestos?"), s("Impuestos procesados con exito!")}));
    EXPECT_EQ(valor(s("SELECT count(*) FROM proc.saldosdias_impuestos WHERE fecha = '2026-03-05'"
                      " AND impuestos_procesados <> 'S'")),
              s("0"));

    // --- Every report of the menu, the next morning (prizes left
    // uncollected expire then).
    db_->setServerClock(s("2026-03-06 08:00:00"));
    ventanasprueba::limpiaVentanas();
    app::registerAllWindows(windowRegistry());
    const QMap<QString, QString> paginas = recorridomenu::todosLosInformes(*db_, *rec_, 1);

    // What the day's prize processing stored, once: 00000 sold 7 + 3 + 11
    // (the annulled 13 not) and won 4200; the house 42 and 6000.
    EXPECT_EQ(valor(s("SELECT sum(total_venta) || '|' || sum(premios) || '|' || sum(subtotal) FROM saldosdias"
                      " WHERE vendedor = '00000'")),
              s("21.000|4200.000|-4181.160"));
    EXPECT_EQ(valor(s("SELECT sum(total_venta) || '|' || sum(premios) FROM saldosdias")),
              s("42.000|6000.000"));
    const auto pagina = [&paginas](const char* informe) { return paginas.value(s(informe)); };
    const QString ventas = monto(s("21")), premios = monto(s("4200")), neto = monto(s("-4181.16"));
    // A seller's sales and prizes agree between the point-of-sale, seller
    // results and fiscal pages; its result of the day between the seller
    // results, the line-up (written without an amount format) and the
    // plays-and-expenses pages.
    for (const char* informe :
         {"Form23: sales per ticket", "Form25: results of a seller range", "reporfiscal: fiscal"}) {
        EXPECT_TRUE(pagina(informe).contains(ventas)) << informe << " lacks 00000's sales";
        EXPECT_TRUE(pagina(informe).contains(premios)) << informe << " lacks 00000's prizes";
    }
    EXPECT_TRUE(pagina("Form25: results of a seller range").contains(neto));
    EXPECT_TRUE(pagina("Form42: line-up").contains(s(">-4181,16<")));
    EXPECT_TRUE(pagina("rptgastojugada: plays and expenses").contains(s(">-4181,16<")));
    // The expense lowers 00000's total there by 25.
    EXPECT_TRUE(pagina("rptgastojugada: plays and expenses").contains(monto(s("-4206.16"))));
    // Nothing counted twice: the house's totals are the sum of its sellers'.
    EXPECT_TRUE(
        pagina("Form23: sale totals per sale point").contains(s("TOTAL VENTA   BS: ") + monto(s("42"))));
    EXPECT_TRUE(pagina("Form25: house totals").contains(monto(s("42"))));
    EXPECT_TRUE(pagina("Form25: house totals").contains(monto(s("6000"))));
    EXPECT_FALSE(pagina("Form23: sales per ticket").contains(monto(s("34"))))
        << "the annulled ticket is not a sale";
    // The paid prize: shown paid on its seller's point-of-sale page (the
    // only paid ticket), not expired; 00001's uncollected prize is.
    EXPECT_EQ(pagina("Form23: sales per ticket").count(s("'black'>PAGADO<")), 1);
    EXPECT_TRUE(pagina("caducados: expired tickets").contains(s("0000000201")));
    EXPECT_FALSE(pagina("caducados: expired tickets").contains(s("0000000101")));
    // The new seller, of 00000's group, with its sales and its lottery's tax.
    EXPECT_TRUE(pagina("Form25: per group").contains(s("AGENCIA JORNADA")));
    EXPECT_TRUE(pagina("Form25: per group").contains(monto(s("13"))));
    EXPECT_TRUE(pagina("reporfiscal: fiscal").contains(s("00020 - AGENCIA JORNADA")));
    EXPECT_TRUE(pagina("Form49: active connections").contains(s("00020-AGENCIA JORNADA")));
    // The payment of the line-up and the bank account.
    EXPECT_TRUE(pagina("Form41: administrative movements").contains(monto(s("300"))));
    EXPECT_TRUE(pagina("rptcuenta: bank accounts").contains(s("BANCO DEL SUR")));
    EXPECT_TRUE(pagina("rptcuenta: bank accounts").contains(monto(s("300"))));
}
