// The prize-processing window on the real server: the chosen lotteries of
// the date are awarded on a connection of its own, and it closes after
// telling the answer.

#include "datossorteos.h"

#include "core/conexionproceso.h"
#include "draws/form37.h"
#include "draws/registro.h"

#include "capturas.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>

using namespace datossorteos;
using platform::ui::windowRegistry;

namespace {

class Form37Test : public ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        resultados();
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("1"),
               {{QStringLiteral("001"), QStringLiteral("123")}});
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("2"),
               {{QStringLiteral("014"), QStringLiteral("100")}});
        db_->setServerClock(QStringLiteral("2026-03-05 20:00:00"));
        core::Sesion& s = core::sesion();
        s.rsloterias = s.conexion.execute(
            platform::db::callText(QStringLiteral("xDSPLOT"), {QStringLiteral("4"), QStringLiteral("A")}));
        draws::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ConBase::TearDown();
    }

    draws::Form37* abre()
    {
        auto* v = qobject_cast<draws::Form37*>(windowRegistry().show(QStringLiteral("Form37")));
        platform::ui::doEvents();
        return v;
    }

    QString premio(const QString& numero)
    {
        return db_->scalar(
            QStringLiteral("SELECT coalesce(montopremio, 0)::int FROM tickets WHERE nroticket = '%1'")
                .arg(numero));
    }
};

} // namespace

TEST_F(Form37Test, ProcessesTheChosenLotteriesOfTheServerDateAndCloses)
{
    draws::Form37* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->DTPicker1->date(), QDate(2026, 3, 5));
    ASSERT_GE(v->LALOTERIA->count(), 2);
    EXPECT_EQ(v->LALOTERIA->item(0)->text(), QStringLiteral("001 - ZULIA 12M"));
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("Form37")).isEmpty());
    v->LALOTERIA->item(1)->setSelected(true);
    EXPECT_EQ(v->listaLoterias(), QStringLiteral("014"));

    v->Command1->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Desea procesar resultados?"),
                                            QStringLiteral("Premios procesados con exito!")}));
    EXPECT_EQ(premio(QStringLiteral("1")), QStringLiteral("0")) << "001 was not chosen";
    EXPECT_EQ(premio(QStringLiteral("2")), QStringLiteral("6000"));
    EXPECT_FALSE(core::conexionproceso().isOpen());
    EXPECT_TRUE(v->isUnloaded());
}

TEST_F(Form37Test, NothingChosenAsksForAllAndADateWithoutResultsAnswers55)
{
    draws::Form37* v = abre();
    v->DTPicker1->setDate(QDate(2026, 3, 6));
    v->Command1->click();
    EXPECT_EQ(rec_->prompts(),
              (QStringList{QStringLiteral("Desea procesar resultados?"),
                           QStringLiteral("Desea procesar todas las loterias de la fecha seleccionada?"),
                           QStringLiteral("No hay jugadas que procesar!")}));
    EXPECT_TRUE(v->isUnloaded());

    rec_->clear();
    v = abre();
    rec_->answerNext(platform::msg::AnswerYes);
    rec_->answerNext(platform::msg::AnswerNo);
    v->Command1->click();
    EXPECT_EQ(rec_->prompts().size(), 2);
    EXPECT_FALSE(v->isUnloaded()) << "answering No leaves the window open";
    EXPECT_EQ(premio(QStringLiteral("1")), QStringLiteral("0"));
}
