// Every built window as it opens: the frame its design declares (fixed
// border, no minimise or maximise button, centred), every value shown
// whole, and a screenshot of each to look at (DUROZ_SCREENSHOTS, or
// duroz-screenshots in the temporary folder).

#include "capturas.h"
#include "datosloterias.h"

#include "app/registerallwindows.h"
#include "core/sesion.h"
#include "lotteries/form10.h"
#include "lotteries/form46.h"
#include "lotteries/form5.h"

#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using platform::ui::Window;
using platform::ui::windowRegistry;

namespace {

struct Marco {
    const char* ventana;
    bool fija;
    bool centrada;
};

// The windows whose design gives a fixed border without minimise and
// maximise buttons, and which of them open centred; the others keep the
// desktop's frame.
const Marco Marcos[] = {
    {"Form5", true, true},   {"Form9", true, false},  {"Form6", true, false},  {"Form8", true, false},
    {"Form10", true, false}, {"form2", false, false}, {"Form7", false, false}, {"Form46", false, false},
};

class MarcosTest : public datosloterias::FixtureVentanas {
protected:
    void SetUp() override
    {
        FixtureVentanas::SetUp();
        if (IsSkipped())
            return;
        db().exec(QStringLiteral(
            "INSERT INTO jugadas (especial, desc_espec) VALUES ('T1', 'TRIPLETAZO DEL MES 2026'), ('Z', "
            "'ZODIACAL');"
            "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES ('T1', '01', 'ARIES DE LA SEMANA'),"
            "  ('Z', '01', 'LEO');"
            "INSERT INTO lotespec (cod_lot, especial, minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri,"
            "  comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3) VALUES"
            "  ('001', 'T1', 1, 2, 300000, 400000, 12.5, 10, 600, 60, 6, 70, 7, 0),"
            "  ('001', 'Z', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12)"));
    }

    // Opens `nombre` as the operator would (an editor in modify mode, over
    // its open catalogue) and checks it.
    Window* abre(const QString& nombre)
    {
        Window* ventana = nullptr;
        if (nombre == QStringLiteral("Form46")) {
            auto* loterias = windowRegistry().get<lotteries::Form5>(QStringLiteral("Form5"));
            QTest::keyClick(loterias->windowHandle(), Qt::Key_F5);
            ventana = windowRegistry().find(nombre);
        } else if (nombre == QStringLiteral("Form10")) {
            auto* lista = windowRegistry().get<lotteries::Form46>(QStringLiteral("Form46"));
            lista->XPButton2->click();
            ventana = windowRegistry().find(nombre);
        } else {
            core::sesion().modoedicion = QStringLiteral("M");
            ventana = windowRegistry().show(nombre);
        }
        platform::ui::doEvents();
        return ventana;
    }

    static void revisa(Window* ventana, const Marco& m)
    {
        SCOPED_TRACE(m.ventana);
        ASSERT_NE(ventana, nullptr);
        ASSERT_TRUE(ventana->isVisible());
        const Qt::WindowFlags flags = ventana->windowFlags();
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), !m.fija);
        EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), !m.fija);
        EXPECT_EQ(ventana->frame().fixedBorder, m.fija);
        if (m.fija) {
            EXPECT_EQ(ventana->minimumSize(), ventana->maximumSize());
            EXPECT_EQ(ventana->size(), ventana->minimumSize());
        }
        if (m.centrada) {
            // Centred on each axis where it fits the screen, at its start
            // where it does not.
            const QRect area = ventana->screen()->availableGeometry();
            const QRect suyo = ventana->geometry();
            if (suyo.width() < area.width())
                EXPECT_LE(qAbs(suyo.center().x() - area.center().x()), 2) << suyo.x();
            else
                EXPECT_LE(suyo.x() - area.x(), 2) << suyo.x();
            if (suyo.height() < area.height())
                EXPECT_LE(qAbs(suyo.center().y() - area.center().y()), 2) << suyo.y();
            else
                EXPECT_LE(suyo.y() - area.y(), 2) << suyo.y();
        }
        EXPECT_EQ(testsupport::cutControls(ventana), QStringList());
        EXPECT_FALSE(testsupport::saveScreenshot(ventana, QString::fromLatin1(m.ventana)).isEmpty());
    }
};

} // namespace

TEST_F(MarcosTest, EachWindowOpensWithTheFrameOfItsDesignAndShowsItsValuesWhole)
{
    // The catalogues stand on the lottery with the longest board and
    // operator names; the editors open over them.
    for (const Marco& m : Marcos) {
        Window* ventana = abre(QString::fromLatin1(m.ventana));
        revisa(ventana, m);
    }
}

TEST_F(MarcosTest, ScreenshotsOfTheProgramsOtherWindows)
{
    QTemporaryDir home;
    qputenv("DUROZ_HOME", home.path().toUtf8());
    app::registerAllWindows(windowRegistry());
    core::sesion().permisoactual = QStringLiteral("19-");
    for (const char* nombre : {"Form21", "Form1", "Form15", "Form23", "Form39"}) {
        SCOPED_TRACE(nombre);
        Window* ventana = windowRegistry().show(QString::fromLatin1(nombre));
        ASSERT_NE(ventana, nullptr);
        platform::ui::doEvents();
        EXPECT_FALSE(testsupport::saveScreenshot(ventana, QString::fromLatin1(nombre)).isEmpty());
        ventana->hide();
    }
}
