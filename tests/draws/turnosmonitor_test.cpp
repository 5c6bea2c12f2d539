// The queue that gives open monitor windows their refresh turns: one at a
// time, in order, apart by the pause, with nothing served twice or for a
// closed window, and no turn inside another.

#include "draws/turnosmonitor.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using draws::TurnosMonitor;

namespace {

constexpr int Pausa = 40;

struct Servido {
    QString quien;
    qint64 ms;
};

class TurnosMonitorTest : public ::testing::Test {
protected:
    TurnosMonitor turnos{Pausa};
    QElapsedTimer reloj;
    QList<Servido> servidos;
    QObject a, b, c;

    void SetUp() override { reloj.start(); }

    std::function<void()> anota(const QString& quien)
    {
        return [this, quien] { servidos.append({quien, reloj.elapsed()}); };
    }

    QStringList orden() const
    {
        QStringList salida;
        for (const Servido& s : servidos)
            salida << s.quien;
        return salida;
    }

    void esperaCola()
    {
        QTRY_VERIFY_WITH_TIMEOUT(turnos.enEspera() == 0, 5000);
        QTest::qWait(Pausa * 2);
    }
};

TEST_F(TurnosMonitorTest, WindowsThatFireTogetherAreServedOneByOneAndApart)
{
    turnos.pide(&a, anota(QStringLiteral("a")));
    turnos.pide(&b, anota(QStringLiteral("b")));
    turnos.pide(&c, anota(QStringLiteral("c")));
    EXPECT_TRUE(servidos.isEmpty()) << "a turn is served from the event loop, not inside the tick";
    esperaCola();
    ASSERT_EQ(orden(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    for (int i = 1; i < servidos.size(); ++i)
        EXPECT_GE(servidos[i].ms - servidos[i - 1].ms, Pausa - 5) << "turn " << i;
}

TEST_F(TurnosMonitorTest, AWindowWaitingKeepsOnePlaceAndAClosedOneIsPassedOver)
{
    auto cerrada = std::make_unique<QObject>();
    turnos.pide(&a, anota(QStringLiteral("a")));
    turnos.pide(cerrada.get(), anota(QStringLiteral("cerrada")));
    turnos.pide(&b, anota(QStringLiteral("b")));
    turnos.pide(&a, anota(QStringLiteral("a otra vez")));
    cerrada.reset();
    esperaCola();
    EXPECT_EQ(orden(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    // Once served, a window may ask again.
    turnos.pide(&a, anota(QStringLiteral("a")));
    esperaCola();
    EXPECT_EQ(orden(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a")}));
}

TEST_F(TurnosMonitorTest, NoTurnRunsInsideAnotherThatWaitsForTheOperator)
{
    // The first turn runs an event loop of its own, as an error box does;
    // the other windows' ticks meanwhile only queue.
    turnos.pide(&a, [this] {
        servidos.append({QStringLiteral("a entra"), reloj.elapsed()});
        QEventLoop caja;
        QTimer::singleShot(Pausa * 4, &caja, &QEventLoop::quit);
        turnos.pide(&b, anota(QStringLiteral("b")));
        turnos.pide(&c, anota(QStringLiteral("c")));
        caja.exec();
        servidos.append({QStringLiteral("a sale"), reloj.elapsed()});
    });
    esperaCola();
    EXPECT_EQ(orden(), (QStringList{QStringLiteral("a entra"), QStringLiteral("a sale"), QStringLiteral("b"),
                                    QStringLiteral("c")}));
}

} // namespace
