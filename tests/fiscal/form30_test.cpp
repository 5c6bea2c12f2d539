// The tax processing window on the real server: the day's taxes are
// processed on a connection of its own, and it closes after the answer.

#include "datosfiscales.h"

#include "core/conexionproceso.h"
#include "fiscal/form30.h"
#include "fiscal/registro.h"

#include "capturas.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QPushButton>

using platform::ui::windowRegistry;

namespace {

class Form30Test : public datosfiscales::Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        if (HasFatalFailure())
            return;
        db_->setServerClock(QStringLiteral("2026-03-05 20:00:00"));
        fiscal::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Base::TearDown();
    }

    fiscal::Form30* abre()
    {
        auto* v = qobject_cast<fiscal::Form30*>(windowRegistry().show(QStringLiteral("Form30")));
        platform::ui::doEvents();
        return v;
    }

    QString procesadas()
    {
        return db_->scalar(QStringLiteral(
            "SELECT count(*) FROM proc.saldosdias_impuestos WHERE impuestos_procesados = 'S'"));
    }
};

} // namespace

TEST_F(Form30Test, ProcessesTheTaxesOfTheServerDateAndCloses)
{
    fiscal::Form30* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Procesar Impuestos "));
    EXPECT_EQ(v->Desdes->date(), QDate(2026, 3, 5));
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("Form30")).isEmpty());
    v->XPButton4->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Desea procesar impuestos?"),
                                            QStringLiteral("Impuestos procesados con exito!")}));
    EXPECT_EQ(procesadas(), QStringLiteral("4"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT sum(impuesto_junta) FROM proc.saldosdias_impuestos")),
              QStringLiteral("84.300"));
    EXPECT_FALSE(core::conexionproceso().isOpen());
    EXPECT_TRUE(v->isUnloaded());
}

TEST_F(Form30Test, ADayWithoutResultsAnswers55AndNoLeavesTheWindowOpen)
{
    fiscal::Form30* v = abre();
    v->Desdes->setDate(QDate(2026, 3, 6));
    v->XPButton4->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Desea procesar impuestos?"),
                                            QStringLiteral("No hay jugadas que procesar!")}));
    EXPECT_TRUE(v->isUnloaded());

    rec_->clear();
    v = abre();
    EXPECT_EQ(v->Desdes->date(), QDate(2026, 3, 5)) << "showing it again sets the server date";
    rec_->answerNext(platform::msg::AnswerNo);
    v->XPButton4->click();
    EXPECT_EQ(rec_->prompts().size(), 1);
    EXPECT_FALSE(v->isUnloaded());
    EXPECT_EQ(procesadas(), QStringLiteral("0"));

    v->XPButton1->click();
    EXPECT_TRUE(v->isUnloaded()) << "Salir";
    EXPECT_EQ(procesadas(), QStringLiteral("0"));
}
