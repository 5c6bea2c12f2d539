// The payment window on the real server: the main road (verify, confirm,
// pay), its answers for the other codes, and what it checks before calling.

#include "datossorteos.h"

#include "draws/pagaticket.h"
#include "draws/registro.h"

#include "capturas.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace datossorteos;
using platform::ui::windowRegistry;

namespace {

class PagaticketTest : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        resultados();
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000001"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("AB12"));
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000002"),
               {{QStringLiteral("001"), QStringLiteral("999")}}, QStringLiteral("EF56"));
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("0000000003"),
               {{QStringLiteral("001"), QStringLiteral("123")}}, QStringLiteral("GH78"), true);
        ASSERT_EQ(procesa(conexion(), Fecha), QStringLiteral("0"));
        db_->setServerClock(QStringLiteral("2026-03-06 10:00:00"));
        core::Sesion& s = core::sesion();
        s.usuarioactual = QStringLiteral("ADMIN");
        s.rsvendedores = s.conexion.execute(
            platform::db::callText(QStringLiteral("dspven2"), {QStringLiteral("5")}));
        draws::registerWindows(windowRegistry());
        ventana_ = qobject_cast<draws::pagaticket*>(windowRegistry().show(QStringLiteral("pagaticket")));
        platform::ui::doEvents();
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ConBase::TearDown();
    }

    void nombra(const QString& numero, const QString& serial)
    {
        ventana_->VEND->setCurrentIndex(0);
        ventana_->Text2->setText(numero);
        ventana_->Text1->setText(serial);
    }

    static QString mensaje(const QString& serial, const QString& sufijo)
    {
        return QStringLiteral("El Ticket con el serial ") + serial + sufijo;
    }

    draws::pagaticket* ventana_ = nullptr;
};

} // namespace

TEST_F(PagaticketTest, VerifiesConfirmsAndPaysAWinningTicketByTheKeys)
{
    ASSERT_TRUE(ventana_);
    EXPECT_EQ(ventana_->VEND->count(), 5);
    EXPECT_TRUE(ventana_->VEND->itemText(0).startsWith(QStringLiteral("00000 - AGENCIA 00000")));
    EXPECT_FALSE(testsupport::saveScreenshot(ventana_, QStringLiteral("pagaticket")).isEmpty());

    ventana_->VEND->setCurrentIndex(0);
    ventana_->Text2->setFocus();
    QTest::keyClicks(ventana_->Text2, QStringLiteral("0000000001"));
    QTest::keyClick(ventana_->windowHandle(), Qt::Key_Return);
    ASSERT_EQ(ventana_->focusWidget(), ventana_->Text1);
    QTest::keyClicks(ventana_->Text1, QStringLiteral("AB12"));
    rec_->answerNext(platform::msg::AnswerYes);
    QTest::keyClick(ventana_->windowHandle(), Qt::Key_Return);

    EXPECT_EQ(rec_->prompts(),
              (QStringList{QStringLiteral("Desea cancelar el ticket?"),
                           mensaje(QStringLiteral("AB12"),
                                   QStringLiteral(" se ha registrado como cancelado con exito!"))}));
    EXPECT_EQ(ventana_->Fecha_venta->text(), QStringLiteral("05/03/2026"));
    EXPECT_EQ(ventana_->Hora_venta->text(), QStringLiteral("10:00:00"));
    EXPECT_EQ(ventana_->Estado_ticket->text(), QStringLiteral("Activo"));
    EXPECT_EQ(platform::vb::val(ventana_->TOTal_TICKET1->text()), 6000.0);
    EXPECT_TRUE(ventana_->Text1->text().isEmpty());
    EXPECT_TRUE(ventana_->Text2->text().isEmpty());
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT pagado || operadorpago FROM tickets WHERE nroticket = '0000000001'")),
              QStringLiteral("SADMIN"));

    // Shown as paid afterwards, and never paid twice.
    rec_->clear();
    nombra(QStringLiteral("0000000001"), QStringLiteral("AB12"));
    ventana_->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{mensaje(QStringLiteral("AB12"),
                                                    QStringLiteral(" ya fue registrado como pagado!"))}));
}

TEST_F(PagaticketTest, EachAnswerShowsItsMessageAndPaysNothing)
{
    struct Caso {
        const char* numero;
        const char* serial;
        const char* sufijo;
    };
    const Caso casos[] = {
        {"0000000002", "EF56", " no esta premiado!"},
        {"0000000003", "GH78", " ha sido anulado!"},
        {"0000000001", "ZZ99", " no existe!"},
    };
    for (const Caso& c : casos) {
        rec_->clear();
        nombra(QLatin1String(c.numero), QLatin1String(c.serial));
        ventana_->Eliminar->click();
        EXPECT_EQ(rec_->prompts(), (QStringList{mensaje(QLatin1String(c.serial), QLatin1String(c.sufijo))}));
        EXPECT_TRUE(ventana_->Text1->text().isEmpty());
    }
    db_->setServerClock(QStringLiteral("2026-03-11 00:00:00"));
    rec_->clear();
    nombra(QStringLiteral("0000000001"), QStringLiteral("AB12"));
    ventana_->Eliminar->click();
    EXPECT_EQ(rec_->prompts(),
              (QStringList{mensaje(QStringLiteral("AB12"), QStringLiteral(" esta caducado!"))}));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM tickets WHERE pagado = 'S'")),
              QStringLiteral("0"));
}

TEST_F(PagaticketTest, AnsweringNoPaysNothingAndKeepsTheBoxes)
{
    nombra(QStringLiteral("0000000001"), QStringLiteral("AB12"));
    rec_->answerNext(platform::msg::AnswerNo);
    ventana_->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Desea cancelar el ticket?")}));
    EXPECT_EQ(ventana_->Text1->text(), QStringLiteral("AB12"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM tickets WHERE pagado = 'S'")),
              QStringLiteral("0"));
}

TEST_F(PagaticketTest, TheButtonNamesWhatIsMissing)
{
    ventana_->Eliminar->click();
    ventana_->VEND->setCurrentIndex(0);
    ventana_->Eliminar->click();
    ventana_->Text1->setText(QStringLiteral("AB12"));
    ventana_->Eliminar->click();
    EXPECT_EQ(rec_->prompts(),
              (QStringList{QStringLiteral("Debe seleccionar el vendedor del ticket"),
                           QStringLiteral("Debe escribir el serial que aparece en el ticket"),
                           QStringLiteral("Debe escribir el Nro. del ticket")}));
}

// Another operator pays the ticket while this one is asked to confirm: the
// payment answers 6, the window says the ticket was already cancelled and
// empties the boxes, the labels keep the ticket shown, and the first
// payment stands.
TEST_F(PagaticketTest, APaymentAnsweredSixSaysTheTicketWasAlreadyCancelled)
{
    ASSERT_TRUE(ventana_);
    rec_->onShow([this](const testsupport::RecordedBox& caja) {
        if (caja.prompt != QStringLiteral("Desea cancelar el ticket?"))
            return;
        EXPECT_EQ(db_->scalar(QStringLiteral("SELECT return_value FROM proc.PAGATICKETnew('AB12', '00000',"
                                             " 'CAJA1', '1', '0000000001')")),
                  QStringLiteral("0"));
    });
    nombra(QStringLiteral("0000000001"), QStringLiteral("AB12"));
    rec_->answerNext(platform::msg::AnswerYes);
    ventana_->Eliminar->click();
    rec_->onShow({});

    EXPECT_EQ(rec_->prompts(),
              (QStringList{QStringLiteral("Desea cancelar el ticket?"),
                           mensaje(QStringLiteral("AB12"), QStringLiteral(" ya ha sido cancelado!"))}));
    ASSERT_EQ(rec_->boxes().size(), 2);
    EXPECT_EQ(rec_->boxes()[1].title, QStringLiteral("Atención!"));
    EXPECT_EQ(rec_->boxes()[1].style, platform::msg::Information);
    EXPECT_TRUE(ventana_->Text1->text().isEmpty());
    EXPECT_TRUE(ventana_->Text2->text().isEmpty());
    EXPECT_EQ(ventana_->focusWidget(), ventana_->Text2);
    EXPECT_EQ(ventana_->Fecha_venta->text(), QStringLiteral("05/03/2026"));
    EXPECT_EQ(platform::vb::val(ventana_->TOTal_TICKET1->text()), 6000.0);
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT pagado || operadorpago FROM tickets WHERE nroticket = '0000000001'")),
              QStringLiteral("SCAJA1"));
}
