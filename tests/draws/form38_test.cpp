// The results catalogue on the real server, and the main road of a draw:
// enter the result of a lottery and date, process it, verify and pay a
// winning ticket.

#include "ventanassorteos.h"

#include "capturas.h"

#include "core/grillacatalogo.h"
#include "draws/form37.h"
#include "draws/pagaticket.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace datossorteos;
using platform::ui::windowRegistry;

namespace {

class Form38Test : public ConVentanas {};

void teclea(QLineEdit* caja, const QString& texto)
{
    caja->clear();
    QTest::keyClicks(caja, texto);
}

} // namespace

TEST_F(Form38Test, ListsTheLotteriesOfTheServerDateWithTheirCaptions)
{
    resultados();
    draws::Form38* v = abreCatalogo();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Catalogo de Premios"));
    EXPECT_EQ(v->fechaTexto(), Fecha);
    core::GrillaCatalogo* g = v->DataGrid1;
    ASSERT_EQ(g->model()->rowCount(), 2) << "001 and 014 draw on Thursdays";
    const char* const titulos[] = {"Codigo",     "Descripción", "1er Triple", "2do Triple",
                                   "3er Triple", "1er Term.",   "2do Term.",  "3er Term.",
                                   "Trip. Esp.", "Jugada",      "Especial",   "Digito"};
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(g->titulo(c), QString::fromUtf8(titulos[c])) << c;
        EXPECT_FALSE(g->isColumnHidden(c)) << c;
    }
    for (int c : {12, 13, 14})
        EXPECT_TRUE(g->isColumnHidden(c)) << c;
    EXPECT_EQ(g->titulo(15), QStringLiteral("Procesado"));
    EXPECT_NEAR(g->anchoTwips(1), 2000, 15);
    EXPECT_EQ(g->textoColumna(0), QStringLiteral("001")) << "stands on the first row";
    EXPECT_EQ(g->textoColumna(2), QStringLiteral("123"));
    EXPECT_EQ(g->textoColumna(10), QStringLiteral("T1"));
    EXPECT_EQ(g->textoColumna(15), QStringLiteral("N"));
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("Form38")).isEmpty());

    // Another date lists its own lotteries from the first row.
    v->eslafeCha->setDate(QDate(2026, 3, 6));
    EXPECT_EQ(g->model()->rowCount(), 0);
}

TEST_F(Form38Test, EntersProcessesAndPaysADraw)
{
    ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000001"),
           {{QStringLiteral("014"), QStringLiteral("100")}, {QStringLiteral("014"), QStringLiteral("99")}},
           QStringLiteral("AB12"));
    draws::Form38* v = abreCatalogo();
    ASSERT_TRUE(v);

    // The result of 014, typed into the entry window.
    const bool visto = enLaEntrada(*v, 1, [](draws::Form17& e) {
        EXPECT_EQ(e.Combo1->currentText(), QStringLiteral("014 - CARACAS 4PM"));
        EXPECT_FALSE(e.eslafeCha->isEnabled());
        EXPECT_EQ(e.eslafeCha->date(), QDate(2026, 3, 5));
        EXPECT_FALSE(testsupport::saveScreenshot(&e, QStringLiteral("Form17")).isEmpty());
        teclea(e.Text2, QStringLiteral("100"));
        teclea(e.Text3, QStringLiteral("200"));
        teclea(e.Text4, QStringLiteral("300"));
        teclea(e.Text7, QStringLiteral("99"));
        EXPECT_EQ(e.Text5->text(), QStringLiteral("00"));
        EXPECT_EQ(e.Text6->text(), QStringLiteral("10"));
        EXPECT_EQ(e.Text1->text(), QStringLiteral("0"));
        e.Premiar->click();
        EXPECT_TRUE(e.isUnloaded());
    });
    ASSERT_TRUE(visto);
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Premios registrados sin problemas")}));
    EXPECT_EQ(
        premiar(QStringLiteral("014"), QStringLiteral("pri_triple, seg_triple, ter_triple, pri_terminal,"
                                                      " seg_terminal, ter_terminal, prem_digito, procesado")),
        QStringLiteral("100|200|300|00|10|99|0|N"));
    // Listed again on the row that was opened.
    EXPECT_EQ(v->DataGrid1->textoColumna(0), QStringLiteral("014"));
    EXPECT_EQ(v->DataGrid1->textoColumna(2), QStringLiteral("100"));

    // Processing, through the catalogue's own button (code "16").
    rec_->clear();
    core::Sesion& s = core::sesion();
    s.permisoactual = QStringLiteral("0116");
    s.rsloterias = s.conexion.execute(
        platform::db::callText(QStringLiteral("xDSPLOT"), {QStringLiteral("4"), QStringLiteral("A")}));
    v->XPButton11->click();
    platform::ui::doEvents();
    auto* proceso = qobject_cast<draws::Form37*>(windowRegistry().find(QStringLiteral("Form37")));
    ASSERT_TRUE(proceso);
    EXPECT_TRUE(proceso->isVisible());
    proceso->LALOTERIA->item(1)->setSelected(true);
    ASSERT_EQ(proceso->listaLoterias(), QStringLiteral("014"));
    proceso->Command1->click();
    EXPECT_EQ(rec_->prompts().value(1), QStringLiteral("Premios procesados con exito!"));
    // 100 pays 600 per unit, 99 the third terminal's 5.
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT montopremio::int || premiado FROM tickets")),
              QStringLiteral("6050S"));

    // Verified and paid.
    rec_->clear();
    s.usuarioactual = QStringLiteral("ADMIN");
    s.rsvendedores = s.conexion.execute(
        platform::db::callText(QStringLiteral("dspven2"), {QStringLiteral("5")}));
    auto* pago = qobject_cast<draws::pagaticket*>(windowRegistry().show(QStringLiteral("pagaticket")));
    ASSERT_TRUE(pago);
    platform::ui::doEvents();
    pago->VEND->setCurrentIndex(0);
    pago->Text2->setText(QStringLiteral("0000000001"));
    pago->Text1->setText(QStringLiteral("AB12"));
    rec_->answerNext(platform::msg::AnswerYes);
    pago->Eliminar->click();
    EXPECT_EQ(rec_->prompts().value(1),
              QStringLiteral("El Ticket con el serial AB12 se ha registrado como cancelado con exito!"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT pagado FROM tickets")), QStringLiteral("S"));
}

TEST_F(Form38Test, ProcessingNeedsCode16AndEnterInTheGridOpensTheEntry)
{
    core::sesion().permisoactual = QStringLiteral("0117");
    draws::Form38* v = abreCatalogo();
    ASSERT_TRUE(v);
    v->XPButton11->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Permiso de acceso denegado")}));
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form37")), nullptr);

    // Enter in the grid opens the selected lottery; Esc leaves without saving.
    vaAFila(*v, 1);
    bool visto = false;
    QTimer::singleShot(0, [&] {
        auto* e = qobject_cast<draws::Form17*>(windowRegistry().find(QStringLiteral("Form17")));
        visto = e && e->isVisible() && e->Combo1->currentText().startsWith(QStringLiteral("014"));
        if (e)
            QTest::keyClick(e->windowHandle(), Qt::Key_Escape);
    });
    v->DataGrid1->setFocus();
    QTest::keyClick(v->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(visto);
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM premiar")), QStringLiteral("0"));
    EXPECT_EQ(v->DataGrid1->textoColumna(0), QStringLiteral("014")) << "back on the row opened";
}
