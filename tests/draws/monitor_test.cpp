// The live monitor on the real server: the settings window and its checks,
// the pool of monitor windows inside the container, a monitor window's
// refresh on its timer, its keys and countdown, and one error box at a time.

#include "ventanascontrol.h"

#include "core/acceso.h"
#include "draws/form33.h"
#include "draws/form34.h"
#include "draws/mdiform1.h"
#include "draws/monitores.h"
#include "draws/registro.h"

#include "capturas.h"

#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace datossorteos;
using draws::Form33;
using draws::Form34;
using draws::MDIForm1;
using platform::ui::windowRegistry;

namespace {

const QString SinDatos = QStringLiteral("No hay Datos para la Consulta");

class MonitorTest : public ventanascontrol::ConVentanas {
protected:
    void prepara() override
    {
        const auto j = [](const char* num, const char* monto) {
            return Jugada{QStringLiteral("001"), QLatin1String(num), QLatin1String(monto)};
        };
        ticket(*db_, QStringLiteral("00000"), QStringLiteral("1"),
               {j("123", "10"), j("456", "1500.5"), j("789", "3"), j("23", "7")});
        ticket(*db_, QStringLiteral("00001"), QStringLiteral("1"), {j("123", "5")});
        db_->setServerClock(QStringLiteral("2026-03-05 11:00:00"));
    }

    Form33* abre() { return abreVentana<Form33>(QStringLiteral("Form33")); }

    static MDIForm1* contenedor()
    {
        return qobject_cast<MDIForm1*>(windowRegistry().find(QStringLiteral("MDIForm1")));
    }

    // A monitor window of 001 opened through the settings window.
    Form34* monitor(Form33* v, const QString& tipo = QStringLiteral("1"),
                    const QString& segundos = QStringLiteral("0"))
    {
        v->List1->item(0)->setSelected(true);
        v->Combo3->setEditText(tipo);
        v->Text2->setText(segundos);
        v->Command1_Click();
        return draws::ventanasmonitor().last();
    }
};

} // namespace

TEST_F(MonitorTest, SettingsOpenWithTheirListsAndTheServerDate)
{
    Form33* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Monitor On Line"));
    EXPECT_EQ(v->DTPicker1->date(), QDate(2026, 3, 5));
    EXPECT_EQ(v->Combo3->count(), 5);
    EXPECT_EQ(v->Combo3->currentText(), QStringLiteral("1 - Triples"));
    ASSERT_EQ(v->List1->count(), 4);
    EXPECT_EQ(v->List1->item(0)->text(), QStringLiteral("001 - ZULIA 12M"));
    EXPECT_EQ(v->Combo2->currentText(), QString());
    EXPECT_EQ(v->Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(v->Text2->text(), QStringLiteral("10"));
    EXPECT_EQ(rec_->prompts(), QStringList());
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("Form33")).isEmpty());
}

TEST_F(MonitorTest, OneWindowPerMarkedLotteryInTheContainerWithSlotsFromTwo)
{
    Form33* v = abre();
    for (int i : {0, 1, 3})
        v->List1->item(i)->setSelected(true);
    v->Command1->click();
    MDIForm1* mdi = contenedor();
    ASSERT_TRUE(mdi);
    EXPECT_TRUE(mdi->isVisible());
    EXPECT_EQ(mdi->windowTitle(), QStringLiteral("Visor de Consultas On Line"));
    QStringList abiertas;
    for (Form34* m : mdi->monitores())
        abiertas << m->Tag + QLatin1Char(' ') + m->windowTitle();
    EXPECT_EQ(abiertas,
              (QStringList{QStringLiteral("2 001 - ZULIA 12M"), QStringLiteral("3 014 - CARACAS 4PM"),
                           QStringLiteral("4 030 - MARGARITA")}));
    Form34* zulia = mdi->monitores().value(0);
    ASSERT_TRUE(zulia);
    EXPECT_EQ(zulia->lfecha, QStringLiteral("05/03/2026"));
    EXPECT_EQ(zulia->lloteria, QStringLiteral("001"));
    EXPECT_EQ(zulia->Lcol, QStringLiteral("2"));
    EXPECT_GE(zulia->refrescos(), 1) << "opening refreshes";
    EXPECT_EQ(zulia->totalEnVenta(), QStringLiteral("1.518,50 - Triples"));
    EXPECT_EQ(mdi->monitores().value(1)->lineas(), QStringList{SinDatos});
    EXPECT_EQ(mdi->monitores().value(1)->totalEnVenta(), QStringLiteral("0 - "));

    // Bringing one forward refreshes it; the menu arranges them.
    const int antes = zulia->refrescos();
    mdi->area->setActiveSubWindow(mdi->area->subWindowList().value(2));
    mdi->area->setActiveSubWindow(mdi->area->subWindowList().value(0));
    EXPECT_GT(zulia->refrescos(), antes);
    mdi->Mosaico->trigger();
    mdi->Cascada->trigger();
    EXPECT_FALSE(testsupport::saveScreenshot(mdi, QStringLiteral("MDIForm1")).isEmpty());

    // A second press opens a second window each; a new load of the
    // settings starts the pool again.
    v->Command1->click();
    EXPECT_EQ(mdi->monitores().size(), 6);
    EXPECT_EQ(draws::ventanasmonitor().size(), 8);
    v->close();
    platform::ui::doEvents();
    v = abre();
    EXPECT_EQ(draws::ventanasmonitor().size(), 2);
    v->List1->item(0)->setSelected(true);
    v->Command1->click();
    EXPECT_EQ(draws::ventanasmonitor().last()->Tag, QStringLiteral("2"));
    EXPECT_EQ(mdi->monitores().size(), 7) << "older monitors stay open";
}

TEST_F(MonitorTest, ATimerTickReadsAndLaysTheListAgain)
{
    Form33* v = abre();
    Form34* m = monitor(v);
    ASSERT_TRUE(m);
    EXPECT_FALSE(m->Timer1->isActive()) << "0 seconds: no refresh timer";
    const QString t = QStringLiteral("\t");
    EXPECT_EQ(m->lineas(), (QStringList{QStringLiteral("123 -> \t\t15,00   ") + t + QLatin1Char(' ') +
                                            QStringLiteral("456 -> \t\t1.500,50   ") + t + QLatin1Char(' '),
                                        QStringLiteral("789 -> \t\t3,00   ") + t}));

    ticket(*db_, QStringLiteral("00002"), QStringLiteral("1"),
           {{QStringLiteral("001"), QStringLiteral("999")}});
    QTest::keyClick(m->List1, '+');
    EXPECT_EQ(m->Lcol, QStringLiteral("3"));
    m->Timer1_Timer();
    ASSERT_EQ(m->lineas().size(), 2);
    EXPECT_TRUE(m->lineas().value(1).startsWith(QStringLiteral("999 -> ")))
        << "three cells a line, then the new one";
    EXPECT_EQ(m->totalEnVenta(), QStringLiteral("1.528,50 - Triples"));
    EXPECT_TRUE(m->Timer2->isActive()) << "a refresh with rows starts the countdown";

    // "+" stops at 4, "-" at 1.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(m->List1, '+');
    EXPECT_EQ(m->Lcol, QStringLiteral("4"));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(m->List1, '-');
    EXPECT_EQ(m->Lcol, QStringLiteral("1"));
}

TEST_F(MonitorTest, WindowsOpenedTogetherAreRefreshedByTheirTimersInTurn)
{
    Form33* v = abre();
    for (int i : {0, 1, 3})
        v->List1->item(i)->setSelected(true);
    v->Text2->setText(QStringLiteral("1"));
    v->Command1->click();
    MDIForm1* mdi = contenedor();
    ASSERT_TRUE(mdi);
    const QList<Form34*> ventanas = mdi->monitores();
    ASSERT_EQ(ventanas.size(), 3);
    QList<int> alAbrir;
    for (Form34* m : ventanas)
        alAbrir << m->refrescos();
    // Only the windows' own timers run here: each tick waits for its turn
    // and then refreshes its window.
    for (int i = 0; i < ventanas.size(); ++i)
        QTRY_VERIFY_WITH_TIMEOUT(ventanas[i]->refrescos() > alAbrir[i], 4000);
    EXPECT_EQ(ventanas[0]->totalEnVenta(), QStringLiteral("1.518,50 - Triples"));
    EXPECT_EQ(rec_->prompts(), QStringList());
}

TEST_F(MonitorTest, TheCountdownRunsFromTheRefreshSeconds)
{
    Form33* v = abre();
    Form34* m = monitor(v, QStringLiteral("1"), QStringLiteral("3"));
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->Timer1->isActive());
    EXPECT_EQ(m->Timer1->interval(), 3000);
    QStringList cuenta;
    for (int i = 0; i < 4; ++i) {
        m->Timer2_Timer();
        cuenta << m->cuentaRegresiva();
    }
    EXPECT_EQ(cuenta, (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3"),
                                   QStringLiteral("2")}));
    EXPECT_EQ(m->sorteo(), QStringLiteral("001 - ZULIA 12M"));
    m->Timer1_Timer();
    EXPECT_TRUE(m->Timer2->isActive());
}

TEST_F(MonitorTest, AFailingRefreshShowsOneBoxWhileTheTimersWait)
{
    Form33* v = abre();
    int ticsDuranteCaja = 0;
    Form34* m = nullptr;
    rec_->onShow([&](const testsupport::RecordedBox&) {
        if (!m)
            return;
        // The timers fire while the box is up: nothing more is shown.
        for (int i = 0; i < 3; ++i) {
            m->Timer1_Timer();
            m->Timer2_Timer();
            ++ticsDuranteCaja;
        }
    });
    m = monitor(v, QStringLiteral("6"), QStringLiteral("5"));
    ASSERT_TRUE(m);
    m->actualizamonitor();
    EXPECT_GT(ticsDuranteCaja, 0);
    ASSERT_EQ(rec_->prompts().size(), 2) << "one box for each refresh, none for the ticks";
    EXPECT_TRUE(rec_->prompts().value(0).startsWith(QStringLiteral("Ha ocurrido un error")));
    EXPECT_TRUE(rec_->prompts().value(0).contains(QStringLiteral("ERROR NRO: ")));
}

TEST_F(MonitorTest, ColumnsAndSecondsMustBeWholeNumbersUpToTheirLimits)
{
    Form33* v = abre();
    v->List1->item(0)->setSelected(true);
    struct Caso {
        const char* columnas;
        const char* segundos;
        bool abre;
    };
    const Caso casos[] = {
        {"x", "10", false}, {"2", "-1", false}, {"", "10", false}, {"2", "1.5", false}, {"0", "0", true}};
    for (const Caso& c : casos) {
        rec_->clear();
        const qsizetype antes = draws::ventanasmonitor().size();
        v->Text1->setText(QLatin1String(c.columnas));
        v->Text2->setText(QLatin1String(c.segundos));
        v->Command1_Click();
        EXPECT_EQ(draws::ventanasmonitor().size() > antes, c.abre) << c.columnas << " " << c.segundos;
        EXPECT_EQ(rec_->prompts().size(), c.abre ? 0 : 1) << c.columnas << " " << c.segundos;
    }

    // Leaving the boxes: over the limit becomes the limit and the monitors
    // open again; a refused value goes back to the last good one.
    rec_->clear();
    const qsizetype antes = draws::ventanasmonitor().size();
    v->Text1->setText(QStringLiteral("9"));
    v->Text1_LostFocus();
    EXPECT_EQ(v->Text1->text(), QStringLiteral("5"));
    v->Text2->setText(QStringLiteral("75"));
    v->Text2_LostFocus();
    EXPECT_EQ(v->Text2->text(), QStringLiteral("60"));
    EXPECT_EQ(draws::ventanasmonitor().size(), antes + 2);
    EXPECT_EQ(draws::ventanasmonitor().last()->Timer1->interval(), 60000);
    v->Text2->setText(QStringLiteral("-5"));
    v->Text2_LostFocus();
    EXPECT_EQ(v->Text2->text(), QStringLiteral("60"));
    EXPECT_EQ(draws::ventanasmonitor().size(), antes + 2);
}

TEST_F(MonitorTest, TheNumberBoxDropsASecondPoint)
{
    Form33* v = abre();
    v->Text3->setFocus();
    QTest::keyClicks(v->Text3, QStringLiteral("*.."));
    EXPECT_EQ(v->Text3->text(), QStringLiteral("*."));
    QTest::keyClicks(v->Text3, QStringLiteral("12"));
    EXPECT_EQ(v->Text3->text(), QStringLiteral("*.1"));
}

TEST_F(MonitorTest, NoLotteriesSaysSoAndOpensNothing)
{
    core::sesion().rsloterias = platform::db::RecordSet();
    Form33* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("No hay Loterias Configuradas en el Sistema...")});
    EXPECT_EQ(v->List1->count(), 0);
}
