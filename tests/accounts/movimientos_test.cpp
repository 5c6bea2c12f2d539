// The movements window Form50 and its editor Form52 with the line-up window
// Form51 on the real server: a payment added, changed and deleted moves the
// line-up row held in memory as DspLup22 computes it again; a save with the
// line-up closed or on another seller; a document number used already;
// each answer of the server to either editor; the older dialog's
// modification and its amount from the older line-up. And the editors'
// type list rule and amount keys, case by case.

#include "capturas.h"
#include "datoscuentas.h"

#include "accounts/form27.h"
#include "accounts/form50.h"
#include "accounts/tiposmovimiento.h"

#include "core/rslineup.h"
#include "lineup/form26.h"
#include "lineup/form51.h"
#include "lineup/registro.h"
#include "platform/db/calltext.h"
#include "platform/regional.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace accounts;
using platform::ui::windowRegistry;
namespace db = platform::db;

namespace {

const QString Grabado = QStringLiteral("Movimiento Grabado Correctamente");
const QStringList Columnas{QStringLiteral("deposito"), QStringLiteral("total"),
                           QStringLiteral("saldoprestamo"), QStringLiteral("saldogragral")};

// A seller's row: the four balances a movement moves.
QStringList fila(db::RecordSet rs, const QString& vendedor)
{
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        if (platform::regional::toText(rs.value(QStringLiteral("codven"))).trimmed() != vendedor)
            continue;
        QStringList valores;
        for (const QString& c : Columnas)
            valores << platform::regional::toText(rs.value(c));
        return valores;
    }
    return {};
}

class MovimientosTest : public datoscuentas::FixtureVentanas {
protected:
    void SetUp() override
    {
        datoscuentas::FixtureVentanas::SetUp();
        if (HasFatalFailure())
            return;
        lineup::registerWindows(windowRegistry());
    }

    lineup::Form51* abreLineup(int filaVendedor)
    {
        auto* w = abre<lineup::Form51>(QStringLiteral("Form51"));
        if (w)
            w->DataGrid1->setCurrentIndex(w->DataGrid1->model()->index(filaVendedor, 0));
        return w;
    }
    Form50* movimientosDe(lineup::Form51* lineup)
    {
        lineup->movimientos();
        platform::ui::doEvents();
        return qobject_cast<Form50*>(windowRegistry().find(QStringLiteral("Form50")));
    }
    // The line-up held in memory and the one the server computes again.
    QStringList enMemoria(const QString& vendedor) { return fila(core::rslineup().rs.clone(), vendedor); }
    QStringList delServidor(const QString& vendedor)
    {
        return fila(core::sesion().conexion.execute(QStringLiteral("DspLup22 '15/03/2026'")), vendedor);
    }
    QStringList movimientos()
    {
        return db().rows(
            QStringLiteral("SELECT nromov, descri_mov, monto_mov, fecha_mov, codvendedor,"
                           " coalesce(observa_mov, ''), codigo_cuenta FROM movimientos ORDER BY 1"));
    }
};

} // namespace

TEST_F(MovimientosTest, APaymentAddedChangedAndDeletedMovesTheLineUpAsTheServerComputesIt)
{
    lineup::Form51* lineup = abreLineup(0); // 00001
    ASSERT_NE(lineup, nullptr);
    Form50* w = movimientosDe(lineup);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Label7->text(), QStringLiteral("00001 - AGENCIA NORTE"));
    EXPECT_EQ(w->Hastas->date(), QDate(2026, 3, 15));
    EXPECT_EQ(w->DataGrid1->model()->rowCount(), 1);
    const QStringList antes = enMemoria(QStringLiteral("00001"));
    // "Saldo Prestamos" is the line-up's "Saldo Prest.", the daily
    // instalment (type 5) included.
    EXPECT_EQ(w->msaldo->text(), antes.value(2));
    EXPECT_EQ(w->tprestamos->text(), QStringLiteral("1000"));
    EXPECT_EQ(w->sloteria->text(), QStringLiteral("1.200,00"));

    // Add a payment: type 0 takes the seller's balance, the operator types 100.
    testsupport::saveScreenshot(w, QStringLiteral("Form50"));
    enModal<Form52>(QStringLiteral("Form52"), [](Form52* e) {
        testsupport::saveScreenshot(e, QStringLiteral("Form52"));
        EXPECT_EQ(e->Label2->text(), QStringLiteral("00001 - AGENCIA NORTE"));
        EXPECT_EQ(e->desdes->text(), QStringLiteral("15/03/2026"));
        EXPECT_EQ(e->txt_cuenta->currentText(), QStringLiteral("001 - Banco de Venezuela"));
        EXPECT_EQ(e->txt_pago->currentText(), QStringLiteral("0 - Efectivo"));
        EXPECT_EQ(e->txtdescri_mov->count(), 5);
        e->txtnomov->setText(QStringLiteral("P9"));
        e->txtdescri_mov->setCurrentIndex(0);
        emit e->txtdescri_mov->activated(0);
        EXPECT_EQ(e->txtmonto_mov->text(), QStringLiteral("1.200,00"));
        e->txtmonto_mov->setText(QStringLiteral("100"));
        e->txtobserva_mov->setText(QStringLiteral("en taquilla"));
        e->Grabar->click();
    });
    w->Grabar->click();
    platform::ui::doEvents();
    EXPECT_EQ(rec().prompts(), QStringList{Grabado});
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form52")), nullptr);
    EXPECT_EQ(w->DataGrid1->model()->rowCount(), 2);
    EXPECT_EQ(w->sloteria->text(), QStringLiteral("1.100,00"));
    EXPECT_EQ(enMemoria(QStringLiteral("00001")), delServidor(QStringLiteral("00001")));
    EXPECT_NE(enMemoria(QStringLiteral("00001")), antes);

    // Change it: 100 becomes 80, then type 0 becomes 1; the remarks stay.
    w->DataGrid1->setCurrentIndex(w->DataGrid1->model()->index(1, 0));
    ASSERT_EQ(w->DataGrid1->textoColumna(1), QStringLiteral("P9"));
    for (const auto& [tipo, monto] :
         {std::pair{0, QStringLiteral("80")}, std::pair{1, QStringLiteral("80")}}) {
        rec().clear();
        w->DataGrid1->setCurrentIndex(w->DataGrid1->model()->index(1, 0));
        enModal<Form52>(QStringLiteral("Form52"), [tipo, monto](Form52* e) {
            EXPECT_TRUE(e->txtnomov->isReadOnly());
            e->txtdescri_mov->setEditText(tiposmovimiento().at(tipo));
            e->txtmonto_mov->setText(monto);
            e->Grabar->click();
        });
        w->Command1->click();
        platform::ui::doEvents();
        EXPECT_EQ(rec().prompts(), QStringList{Grabado});
        EXPECT_EQ(enMemoria(QStringLiteral("00001")), delServidor(QStringLiteral("00001")))
            << "type " << tipo;
    }
    EXPECT_TRUE(movimientos().contains(
        QStringLiteral("P9|1.- Pago Duroz a Vendedor|80.000|2026-03-15|00001|en taquilla|001")));

    // Delete it: the line-up goes back to where it was.
    rec().clear();
    w->DataGrid1->setCurrentIndex(w->DataGrid1->model()->index(1, 0));
    w->Command2->click();
    EXPECT_EQ(rec().prompts(), (QStringList{QStringLiteral("Desea en realidad eliminar el Documento P9?"),
                                            QStringLiteral("Registro Eliminado con Exito!")}));
    EXPECT_EQ(enMemoria(QStringLiteral("00001")), antes);
    EXPECT_EQ(w->sloteria->text(), QStringLiteral("1.200,00"));
}

TEST_F(MovimientosTest, ASaveWithTheLineUpClosedOrOnAnotherSellerStoresOneRowAndTouchesNoOtherRow)
{
    // The line-up shows seller 00002 selected; the movements are 00001's.
    lineup::Form51* lineup = abreLineup(1);
    ASSERT_NE(lineup, nullptr);
    const QStringList otro = enMemoria(QStringLiteral("00002"));
    auto* w = core::cargaVentana<Form50>(QStringLiteral("Form50"));
    ASSERT_NE(w, nullptr);
    w->Label7->setText(QStringLiteral("00001 - AGENCIA NORTE"));
    w->showModeless();
    platform::ui::doEvents();
    const int antes = movimientos().size();
    for (const char* numero : {"Q1", "Q2"}) {
        rec().clear();
        enModal<Form52>(QStringLiteral("Form52"), [numero](Form52* e) {
            e->txtnomov->setText(QString::fromLatin1(numero));
            e->txtdescri_mov->setEditText(tiposmovimiento().at(0));
            e->txtmonto_mov->setText(QStringLiteral("25,5"));
            // Another window empties the shared mode meanwhile: still an addition.
            core::sesion().modoedicion.clear();
            e->Grabar->click();
        });
        w->Grabar->click();
        platform::ui::doEvents();
        EXPECT_EQ(rec().prompts(), QStringList{Grabado});
        EXPECT_EQ(windowRegistry().find(QStringLiteral("Form52")), nullptr);
        if (core::rslineup().vigente()) {
            EXPECT_EQ(enMemoria(QStringLiteral("00002")), otro);
            EXPECT_EQ(enMemoria(QStringLiteral("00001")), delServidor(QStringLiteral("00001")));
            lineup->close(); // the second save runs with the line-up closed
            platform::ui::doEvents();
        }
    }
    EXPECT_FALSE(core::rslineup().vigente());
    EXPECT_EQ(movimientos().size(), antes + 2);
    EXPECT_TRUE(
        movimientos().contains(QStringLiteral("Q2|0.- Pago Vendedor a Duroz|25.500|2026-03-15|00001||001")));
}

TEST_F(MovimientosTest, ADocumentNumberUsedAlreadyIsRefusedAndTheEditorKeepsWhatWasTyped)
{
    auto* w = core::cargaVentana<Form50>(QStringLiteral("Form50"));
    ASSERT_NE(w, nullptr);
    w->Label7->setText(QStringLiteral("00001 - AGENCIA NORTE"));
    w->showModeless();
    platform::ui::doEvents();
    const QStringList antes = movimientos();
    enModal<Form52>(QStringLiteral("Form52"), [this](Form52* e) {
        e->txtnomov->setText(QStringLiteral("D1"));
        e->txtdescri_mov->setEditText(tiposmovimiento().at(1));
        e->txtmonto_mov->setText(QStringLiteral("1.234,5"));
        e->Grabar->click();
        EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral(
                                       "El Nro. de Documento ya ha sido utilizado, Por favor verifique!")});
        EXPECT_EQ(rec().boxes().value(0).title, QStringLiteral("Atención"));
        EXPECT_EQ(e->txtnomov->text(), QStringLiteral("D1"));
        EXPECT_EQ(e->txtmonto_mov->text(), QStringLiteral("1234,5"));
        e->Cancelarcam->click();
    });
    w->Grabar->click();
    platform::ui::doEvents();
    EXPECT_EQ(movimientos(), antes);
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("H"));
}

// Each answer of ACTMOV to the movement editor: 0 stored, its message, the
// editor closed and the line-up in memory moved as the server computes it;
// 55 its own message with the editor open on the number; any other
// refusal the problem message and the editor closed, with nothing stored
// and the line-up in memory as it was (it must not show a movement the
// server refused).
TEST_F(MovimientosTest, EachAnswerOfTheServerToTheMovementEditor)
{
    lineup::Form51* lineup = abreLineup(0); // 00001
    ASSERT_NE(lineup, nullptr);
    Form50* w = movimientosDe(lineup);
    ASSERT_NE(w, nullptr);
    const QString Usado = QStringLiteral("El Nro. de Documento ya ha sido utilizado, Por favor verifique!");
    const QString Problema = QStringLiteral("Hubo problemas para actualizar registro");
    struct Caso {
        const char* nombre;
        QString numero, cuenta;
        QString mensaje;
        bool abierto;  // the editor stays open
        bool guardado; // a row is stored
    };
    const QList<Caso> casos{
        {"a document number used already (55)", QStringLiteral("D1"), {}, Usado, true, false},
        {"an account that does not exist (6)", QStringLiteral("N1"), QStringLiteral("999 - NINGUNA"),
         Problema, false, false},
        {"stored (0)", QStringLiteral("N2"), {}, Grabado, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        rec().clear();
        const QStringList filas = movimientos();
        const QStringList memoria = enMemoria(QStringLiteral("00001"));
        bool abierto = false;
        enModal<Form52>(QStringLiteral("Form52"), [&c, &abierto](Form52* e) {
            e->txtnomov->setText(c.numero);
            if (!c.cuenta.isEmpty())
                e->txt_cuenta->setEditText(c.cuenta);
            e->txtdescri_mov->setEditText(tiposmovimiento().at(0));
            e->txtmonto_mov->setText(QStringLiteral("10"));
            e->Grabar->click();
            abierto = e->isVisible();
            if (abierto) {
                EXPECT_EQ(e->txtnomov->text(), c.numero);
                e->Cancelarcam->click();
            }
        });
        w->Grabar->click();
        platform::ui::doEvents();
        EXPECT_EQ(rec().prompts(), QStringList{c.mensaje});
        EXPECT_EQ(rec().boxes().value(0).style, c.mensaje == Usado ? 16 : 0);
        EXPECT_EQ(abierto, c.abierto);
        EXPECT_EQ(windowRegistry().find(QStringLiteral("Form52")), nullptr);
        EXPECT_EQ(movimientos().size(), filas.size() + (c.guardado ? 1 : 0));
        if (c.guardado)
            EXPECT_NE(enMemoria(QStringLiteral("00001")), memoria);
        else
            EXPECT_EQ(enMemoria(QStringLiteral("00001")), memoria);
        EXPECT_EQ(enMemoria(QStringLiteral("00001")), delServidor(QStringLiteral("00001")));
        EXPECT_EQ(core::sesion().modoedicion, c.abierto ? QStringLiteral("H") : QString());
    }
}

TEST(TiposMovimiento, TheLoanTypesFollowTheInstallationRule)
{
    const struct {
        const char* base;
        const char* usuario;
        bool ofrece;
    } casos[] = {
        {"quilmara", "VAMO7", true},  {"Quilmara", "vamo7", true},  {"QUILMARA", "Vamo7", true},
        {"quilmara", "ADMIN", false}, {"quilmara", "VaMo7", false}, {"QuilMara", "ADMIN", true},
        {"duroz", "ADMIN", true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ofrecePrestamos(QString::fromLatin1(c.base), QString::fromLatin1(c.usuario)), c.ofrece)
            << c.base << " " << c.usuario;
    qputenv("DUROZ_PRESTAMOS_BASES", "duroz");
    EXPECT_FALSE(ofrecePrestamos(QStringLiteral("duroz"), QStringLiteral("ADMIN")));
    EXPECT_TRUE(ofrecePrestamos(QStringLiteral("quilmara"), QStringLiteral("ADMIN")));
    qputenv("DUROZ_PRESTAMOS_BASES", "");
    EXPECT_TRUE(ofrecePrestamos(QStringLiteral("quilmara"), QStringLiteral("ADMIN")));
    qunsetenv("DUROZ_PRESTAMOS_BASES");
}

TEST(TiposMovimiento, TheAmountBoxesLetTheirKeysThrough)
{
    const struct {
        const char* texto;
        char tecla;
        int coma;  // the movement editor's answer
        int punto; // the older dialog's
    } casos[] = {
        {"12", '5', '5', '5'}, {"12", '.', ',', '.'}, {"12,5", '.', 0, '.'}, {"12.5", '.', ',', 0},
        {"12", ',', 0, 0},     {"12", '-', '-', '-'}, {"-12", '.', 0, 0},    {"12,5", '-', 0, '-'},
        {"12", 'a', 0, 0},     {"12", 8, 8, 8},       {"12", 13, 13, 13},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(filtromontocoma(QString::fromLatin1(c.texto), c.tecla), c.coma)
            << c.texto << " " << c.tecla;
        EXPECT_EQ(filtromontopunto(QString::fromLatin1(c.texto), c.tecla), c.punto)
            << c.texto << " " << c.tecla;
    }
}

// The list the window opens with shows its amounts grouped with two
// decimals; a list read again for another date shows plain numbers. Either
// way the handlers read the amount itself.
TEST_F(MovimientosTest, TheOpeningListShowsItsAmountsFormattedAndTheHandlersReadThemPlain)
{
    lineup::Form51* lineup = abreLineup(0); // 00001
    ASSERT_NE(lineup, nullptr);
    Form50* w = movimientosDe(lineup);
    ASSERT_NE(w, nullptr);
    const auto monto = [w] { return w->DataGrid1->model()->index(0, 4).data().toString(); };
    ASSERT_EQ(w->DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(monto(), QStringLiteral("300,00"));
    EXPECT_EQ(w->DataGrid1->textoColumna(4), QStringLiteral("300"));

    w->Hastas->setDate(QDate(2026, 3, 10));
    platform::ui::doEvents();
    ASSERT_EQ(w->DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(monto(), QStringLiteral("1000"));
}

// The older movements window nothing opens, with its dialog: its opener
// writes the seller line, the dialog's seller comes from the older line-up
// window's row, delete, "Ver Line-Up" and the summary stay hidden, a payment
// added through Form28 is stored once and the older line-up's rows are left
// as they were.
TEST_F(MovimientosTest, TheOlderMovementsWindowAddsThroughItsDialogAndLeavesTheOlderLineUpAlone)
{
    auto* lineup = abre<lineup::Form26>(QStringLiteral("Form26"));
    ASSERT_NE(lineup, nullptr);
    lineup->Desdes->setDate(QDate(2026, 3, 15));
    platform::ui::doEvents();
    ASSERT_GT(lineup->DataGrid1->model()->rowCount(), 0);
    lineup->DataGrid1->setCurrentIndex(lineup->DataGrid1->model()->index(0, 0));
    const auto filaLineup = [lineup] {
        QStringList celdas;
        for (int c = 0; c < lineup->DataGrid1->model()->columnCount(); ++c)
            celdas << lineup->DataGrid1->model()->index(0, c).data().toString();
        return celdas;
    };
    const QStringList antes = filaLineup();

    auto* w = abre<Form27>(QStringLiteral("Form27"));
    ASSERT_NE(w, nullptr);
    w->Label7->setText(QStringLiteral("00001 - AGENCIA NORTE"));
    EXPECT_TRUE(w->Command2->isHidden());
    EXPECT_TRUE(w->Command4->isHidden());
    EXPECT_TRUE(w->Frame1->isHidden());
    testsupport::saveScreenshot(w, QStringLiteral("Form27"));

    enModal<Form28>(QStringLiteral("Form28"), [](Form28* e) {
        testsupport::saveScreenshot(e, QStringLiteral("Form28"));
        EXPECT_EQ(e->Label2->text(), QStringLiteral("00001 - AGENCIA NORTE"));
        e->txtnomov->setText(QStringLiteral("P8"));
        e->txtdescri_mov->setEditText(tiposmovimiento().at(0));
        e->txtmonto_mov->setText(QStringLiteral("100"));
        e->Grabar->click();
    });
    w->Grabar->click();
    platform::ui::doEvents();
    EXPECT_EQ(rec().prompts(), QStringList{Grabado});
    const QStringList guardados = movimientos().filter(QStringLiteral("P8|"));
    ASSERT_EQ(guardados.size(), 1);
    EXPECT_TRUE(guardados.front().startsWith(QStringLiteral("P8|0.- Pago Vendedor a Duroz|100.000|")))
        << guardados.front().toStdString();
    EXPECT_EQ(filaLineup(), antes);
}

// The older dialog's answers: "Movimiento Grabado Correctamente" for 0, the
// problem message for any other answer, a used document number (55)
// included; the dialog closes either way and leaves the mode empty.
TEST_F(MovimientosTest, TheOlderDialogClosesOnEveryAnswerOfTheServer)
{
    auto* viejo = abre<lineup::Form26>(QStringLiteral("Form26"));
    ASSERT_NE(viejo, nullptr);
    viejo->Desdes->setDate(QDate(2026, 3, 15));
    platform::ui::doEvents();
    ASSERT_GT(viejo->DataGrid1->model()->rowCount(), 0);
    viejo->DataGrid1->setCurrentIndex(viejo->DataGrid1->model()->index(0, 0));
    auto* w = abre<Form27>(QStringLiteral("Form27"));
    ASSERT_NE(w, nullptr);
    w->Label7->setText(QStringLiteral("00001 - AGENCIA NORTE"));

    const QString Problema = QStringLiteral("Hubo problemas para actualizar registro");
    struct Caso {
        const char* nombre;
        QString numero, cuenta, mensaje;
        bool guardado;
    };
    const QList<Caso> casos{
        {"a document number used already (55)", QStringLiteral("D1"), {}, Problema, false},
        {"an account that does not exist (6)", QStringLiteral("N1"), QStringLiteral("999 - NINGUNA"),
         Problema, false},
        {"stored (0)", QStringLiteral("N2"), {}, Grabado, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        rec().clear();
        const QStringList filas = movimientos();
        bool abierto = true;
        enModal<Form28>(QStringLiteral("Form28"), [&c, &abierto](Form28* e) {
            e->txtnomov->setText(c.numero);
            if (!c.cuenta.isEmpty())
                e->txt_cuenta->setEditText(c.cuenta);
            e->txtdescri_mov->setEditText(tiposmovimiento().at(1));
            e->txtmonto_mov->setText(QStringLiteral("10"));
            e->Grabar->click();
            abierto = e->isVisible();
            if (abierto)
                e->Cancelarcam->click();
        });
        w->Grabar->click();
        platform::ui::doEvents();
        EXPECT_EQ(rec().prompts(), QStringList{c.mensaje});
        EXPECT_EQ(rec().boxes().value(0).style, 0);
        EXPECT_FALSE(abierto);
        EXPECT_EQ(windowRegistry().find(QStringLiteral("Form28")), nullptr);
        EXPECT_EQ(movimientos().size(), filas.size() + (c.guardado ? 1 : 0));
        EXPECT_EQ(core::sesion().modoedicion, QString());
    }
    EXPECT_TRUE(
        movimientos().contains(QStringLiteral("N2|1.- Pago Duroz a Vendedor|10.000|2026-03-15|00001||001")));
}

// A modification through the older dialog keeps the movement on its own
// date (the one the dialog shows), not the day the dialog was opened on;
// choosing type 0 or 1 writes the older line-up's "Saldo Jugada" as a
// whole number, and a figure of 0 empties the amount.
TEST_F(MovimientosTest, TheOlderDialogKeepsAModifiedMovementOnItsDateAndTakesTheLineUpsFigure)
{
    auto* viejo = abre<lineup::Form26>(QStringLiteral("Form26"));
    ASSERT_NE(viejo, nullptr);
    viejo->Desdes->setDate(QDate(2026, 3, 15));
    platform::ui::doEvents();
    ASSERT_EQ(viejo->DataGrid1->model()->rowCount(), 3);
    auto* w = abre<Form27>(QStringLiteral("Form27"));
    ASSERT_NE(w, nullptr);
    w->Label7->setText(QStringLiteral("00001 - AGENCIA NORTE"));
    w->Hastas->setDate(QDate(2026, 3, 10));
    platform::ui::doEvents();
    ASSERT_EQ(w->DataGrid1->model()->rowCount(), 1);
    ASSERT_EQ(w->DataGrid1->textoColumna(1).trimmed(), QStringLiteral("P1"));

    viejo->DataGrid1->setCurrentIndex(viejo->DataGrid1->model()->index(0, 0));
    enModal<Form28>(QStringLiteral("Form28"), [](Form28* e) {
        EXPECT_TRUE(e->txtnomov->isReadOnly());
        EXPECT_EQ(e->desdes->text(), QStringLiteral("10/03/2026"));
        e->txtmonto_mov->setText(QStringLiteral("900"));
        e->Grabar->click();
    });
    w->Command1->click();
    platform::ui::doEvents();
    EXPECT_EQ(rec().prompts(), QStringList{Grabado});
    EXPECT_TRUE(
        movimientos().contains(QStringLiteral("P1|2.- Prestamo|900.000|2026-03-10|00001|Prestamo|001")))
        << movimientos().join(u'\n').toStdString();

    // The figure of the older line-up's current row: 00001's 1.200,00
    // (as a whole number), then 00003's 0.
    const auto figura = [this, viejo, w](int fila) {
        viejo->DataGrid1->setCurrentIndex(viejo->DataGrid1->model()->index(fila, 0));
        QString monto;
        enModal<Form28>(QStringLiteral("Form28"), [&monto](Form28* e) {
            e->txtmonto_mov->setText(QStringLiteral("55"));
            const int tipo = e->txtdescri_mov->findText(tiposmovimiento().at(0));
            e->txtdescri_mov->setCurrentIndex(tipo);
            emit e->txtdescri_mov->activated(tipo);
            monto = e->txtmonto_mov->text();
            e->Cancelarcam->click();
        });
        w->Grabar->click();
        platform::ui::doEvents();
        return monto;
    };
    EXPECT_EQ(viejo->DataGrid1->model()->index(2, 0).data().toString().trimmed(), QStringLiteral("00003"));
    EXPECT_EQ(figura(0), QStringLiteral("1200"));
    EXPECT_EQ(figura(2), QString());
}
