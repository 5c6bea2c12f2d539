// The server calendar: the server's date and time, whatever the
// workstation's clock says, read once per opening.

#include "core/calendario.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "platform/ui/messagebox.h"
#include "messagerecorder.h"
#include "sessiontest.h"
#include "testdb.h"
#include "ventanasprueba.h"

#include <QAction>
#include <QCalendarWidget>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using core::calendario;
using platform::ui::windowRegistry;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;

namespace {

class CalendarioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        db_ = std::make_unique<TestDatabase>();
        // Far from the workstation's own date.
        db_->setServerClock(QStringLiteral("2031-07-15 13:45:09"));
        testsupport::conectaSesion(*db_);
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
    }

    void TearDown() override { ventanasprueba::limpiaVentanas(); }

    static calendario* abre()
    {
        auto* w = windowRegistry().get<calendario>(QStringLiteral("calendario"));
        if (w)
            w->showModeless();
        return w;
    }

    std::unique_ptr<TestDatabase> db_;
    MessageRecorder rec_;
};

} // namespace

TEST_F(CalendarioTest, ShowsTheServersDateAndTime)
{
    calendario* w = abre();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Calendario - Servidor"));
    EXPECT_EQ(w->MonthView1->selectedDate(), QDate(2031, 7, 15));
    EXPECT_EQ(w->MonthView1->yearShown(), 2031);
    EXPECT_EQ(w->MonthView1->monthShown(), 7);
    EXPECT_EQ(w->Label1->text(), QStringLiteral("HORA: 13:45:09 "));
    EXPECT_EQ(w->XPButton1->text(), QStringLiteral("Regresar"));
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(CalendarioTest, MonthAndDayNamesReadInSpanish)
{
    platform::ui::installSpanishLocale(); // as the program does at its start
    calendario* w = abre();
    ASSERT_NE(w, nullptr);
    auto* mes = w->MonthView1->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    ASSERT_NE(mes, nullptr);
    EXPECT_EQ(mes->text().toLower(), QStringLiteral("julio"));
    auto* vista = w->MonthView1->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(vista, nullptr);
    const QStringList espanol = {QStringLiteral("lun"), QStringLiteral("mar"), QStringLiteral("mié"),
                                 QStringLiteral("jue"), QStringLiteral("vie"), QStringLiteral("sáb"),
                                 QStringLiteral("dom")};
    QStringList dias;
    for (int columna = 0; columna < vista->model()->columnCount(); ++columna) {
        QString dia = vista->model()->index(0, columna).data().toString().toLower();
        dia.remove(QLatin1Char('.'));
        if (!dia.isEmpty()) // the week numbers' column
            dias << dia;
    }
    dias.sort();
    QStringList esperados = espanol;
    esperados.sort();
    EXPECT_EQ(dias, esperados);
    // The month list of the month button, too.
    ASSERT_NE(mes->menu(), nullptr);
    ASSERT_FALSE(mes->menu()->actions().isEmpty());
    EXPECT_EQ(mes->menu()->actions().first()->text().toLower(), QStringLiteral("enero"));
}

TEST_F(CalendarioTest, TheTimeStaysUntilTheNextOpening)
{
    calendario* w = abre();
    db_->setServerClock(QStringLiteral("2031-08-01 00:00:01"));
    testsupport::conectaSesion(*db_);
    w->showModeless();
    EXPECT_EQ(w->Label1->text(), QStringLiteral("HORA: 13:45:09 "));
    w->XPButton1->click();
    EXPECT_TRUE(w->isUnloaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    w = abre();
    EXPECT_EQ(w->MonthView1->selectedDate(), QDate(2031, 8, 1));
    EXPECT_EQ(w->Label1->text(), QStringLiteral("HORA: 00:00:01 "));
    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(w->isUnloaded());
}

TEST_F(CalendarioTest, AClosedConnectionIsOpenedAgain)
{
    core::sesion().conexion.close();
    calendario* w = abre();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->MonthView1->selectedDate(), QDate(2031, 7, 15));
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(CalendarioTest, AServerThatCannotBeReachedIsToldAndNothingIsShown)
{
    core::sesion().conexion.close();
    core::sesion().puerto = QStringLiteral("1");
    EXPECT_EQ(abre(), nullptr);
    EXPECT_TRUE(rec_.prompts().contains(
        QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema")));
    EXPECT_EQ(rec_.programEnds(), 0);
    EXPECT_EQ(windowRegistry().find(QStringLiteral("calendario")), nullptr);
}
