// Every window of the program, on the smallest screen it is used on
// (1280×800, the offscreen platform set by this test's configuration): each
// opens inside the screen and centred over the window it was opened from,
// moved in only as far as the screen's edge asks.
#include "app/registerallwindows.h"
#include "core/form1.h"
#include "core/sesion.h"
#include "lineup/form51.h"
#include "capturas.h"
#include "platform/ui/placement.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"
#include "recorridomenu.h"
#include "serverscripts.h"
#include "sessiontest.h"
#include "ventanasprueba.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using platform::ui::Window;
using platform::ui::windowRegistry;

std::string texto(const QRect& r)
{
    return QStringLiteral("%1×%2 at %3,%4")
        .arg(r.width())
        .arg(r.height())
        .arg(r.x())
        .arg(r.y())
        .toStdString();
}

class UbicacionTest : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        QString salida;
        ASSERT_EQ(serverscripts::run(QStringLiteral("server/load"), {db.name(), QStringLiteral("--demo")},
                                     false, &salida),
                  0)
            << salida.toStdString();
    }

    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        SessionTest::SetUp();
        if (HasFatalFailure())
            return;
        ventanasprueba::limpiaVentanas();
        app::registerAllWindows(windowRegistry());
        core::sesion().permisoactual = recorridomenu::todosLosPermisos();
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        SessionTest::TearDown();
        qunsetenv("DUROZ_HOME");
    }

    // The window inside the screen's available area, and where the opener
    // would have it: centred over the opener, moved in.
    static void compruebaUbicacion(const QString& nombre, const QWidget* ventana, const QWidget* abridor)
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect marco = ventana->frameGeometry();
        EXPECT_TRUE(area.contains(marco))
            << nombre.toStdString() << ": " << texto(marco) << " on " << texto(area);
        const QRect sobre = abridor ? abridor->frameGeometry() : area;
        const QPoint esperada = platform::ui::openingPosition(marco.size(), sobre, area);
        // A pixel of rounding (a window that grows once shown keeps its
        // centre by halves); opened from no window, it is placed before the
        // desktop has framed any: off by the frame's margins at most.
        const int holgura = abridor ? 1 : 4;
        EXPECT_LE((marco.topLeft() - esperada).manhattanLength(), holgura)
            << nombre.toStdString() << ": " << texto(marco) << " over " << texto(sobre);
        // Centred whenever it fits where the opener is.
        QRect centrada(QPoint(), marco.size());
        centrada.moveCenter(sobre.center());
        if (area.contains(centrada)) {
            EXPECT_LE((marco.center() - sobre.center()).manhattanLength(), 2 + holgura)
                << nombre.toStdString();
        }
    }

    // Whatever the window left open besides the menu (a window it opened).
    static void cierraOtras(QWidget* menu)
    {
        QList<QPointer<QWidget>> abiertas;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != menu && w->isVisible())
                abiertas.append(w);
        }
        for (const QPointer<QWidget>& w : std::as_const(abiertas)) {
            if (w)
                w->close();
            if (w)
                w->hide();
        }
        platform::ui::doEvents();
    }

    QTemporaryDir carpeta_;
};

} // namespace

TEST_F(UbicacionTest, TheScreenIsTheSmallestOneTheProgramIsUsedOn)
{
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 800));
}

TEST_F(UbicacionTest, EveryRegisteredWindowOpensInsideTheScreenCentredOverItsOpener)
{
    auto* menu = windowRegistry().get<core::Form1>(QStringLiteral("Form1"));
    ASSERT_NE(menu, nullptr);
    menu->showModeless();
    platform::ui::doEvents();
    compruebaUbicacion(QStringLiteral("Form1"), menu, nullptr);

    int abiertas = 0;
    for (const QString& nombre : windowRegistry().names()) {
        if (nombre.compare(QStringLiteral("Form1"), Qt::CaseInsensitive) == 0)
            continue;
        SCOPED_TRACE(nombre.toStdString());
        menu->showModeless(); // the menu in front opens each
        Window* ventana = windowRegistry().get(nombre);
        if (!ventana)
            continue; // closed itself at its load: nothing to place
        ventana->showModeless();
        platform::ui::doEvents();
        if (ventana->isVisible()) {
            compruebaUbicacion(nombre, ventana, menu);
            ++abiertas;
        }
        if (Window* sigue = windowRegistry().find(nombre))
            sigue->close();
        platform::ui::doEvents();
        cierraOtras(menu);
    }
    EXPECT_GE(abiertas, windowRegistry().names().size() * 3 / 4) << "most windows must open";
}

TEST_F(UbicacionTest, AWindowOpenedFromOneNearTheEdgeIsMovedInWhole)
{
    auto* menu = windowRegistry().get<core::Form1>(QStringLiteral("Form1"));
    ASSERT_NE(menu, nullptr);
    menu->showModeless();
    platform::ui::doEvents();
    menu->move(1280 - menu->frameGeometry().width(), 800 - menu->frameGeometry().height());
    platform::ui::doEvents();
    Window* grafico = windowRegistry().show(QStringLiteral("Form29"));
    ASSERT_NE(grafico, nullptr);
    platform::ui::doEvents();
    compruebaUbicacion(QStringLiteral("Form29"), grafico, menu);
    EXPECT_EQ(grafico->frameGeometry().bottomRight(), QPoint(1279, 799));
}

// The line-up of the demo data's thirty sellers: every column whole, and as
// many rows as the screen has room for.
TEST_F(UbicacionTest, TheLineUpShowsItsColumnsWholeAndTheRowsTheScreenHasRoomFor)
{
    auto* menu = windowRegistry().get<core::Form1>(QStringLiteral("Form1"));
    ASSERT_NE(menu, nullptr);
    menu->showModeless();
    platform::ui::doEvents();
    auto* lineup = qobject_cast<lineup::Form51*>(windowRegistry().show(QStringLiteral("Form51")));
    ASSERT_NE(lineup, nullptr);
    platform::ui::doEvents();
    lineup::GrillaLineup* grilla = lineup->DataGrid1;
    const int filas = grilla->model()->rowCount();
    ASSERT_GE(filas, 30);

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(lineup->frameGeometry())) << texto(lineup->frameGeometry());
    // Every column inside the grid's view, none cut by its right edge.
    EXPECT_LE(grilla->horizontalHeader()->length(), grilla->viewport()->width());
    // The rows it shows: all of them, or as many as fill the screen's height.
    const int alto = grilla->verticalHeader()->defaultSectionSize();
    const int visibles = grilla->viewport()->height() / alto;
    if (visibles < filas) {
        EXPECT_GE(lineup->frameGeometry().height(), area.height() - alto) << visibles << " rows of " << filas;
    }
    EXPECT_GE(visibles, qMin(filas, 20));
    testsupport::saveScreenshot(lineup, QStringLiteral("Form51-1280x800"));
}
