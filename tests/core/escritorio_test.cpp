// The main menu opens the head-office windows and the desk tools it names:
// the real windows, from their entries and their function keys.

#include "core/calendario.h"
#include "core/fcalculator.h"
#include "core/form1.h"
#include "core/form18.h"
#include "core/form43.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "messagerecorder.h"
#include "sessiontest.h"
#include "testdb.h"
#include "ventanasprueba.h"

#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using platform::ui::windowRegistry;

namespace {

class EscritorioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        db_ = std::make_unique<testsupport::TestDatabase>();
        db_->exec(QStringLiteral("INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'UNO')"));
        testsupport::conectaSesion(*db_);
        core::sesion().permisoactual = QStringLiteral("12-");
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
        menu_ = windowRegistry().get<core::Form1>(QStringLiteral("Form1"));
        menu_->showModeless();
    }

    void TearDown() override { ventanasprueba::limpiaVentanas(); }

    template <class T> static bool abierta(const char* nombre)
    {
        auto* w = dynamic_cast<T*>(windowRegistry().find(QString::fromLatin1(nombre)));
        return w && w->isVisible();
    }

    std::unique_ptr<testsupport::TestDatabase> db_;
    testsupport::MessageRecorder rec_;
    core::Form1* menu_ = nullptr;
};

} // namespace

TEST_F(EscritorioTest, EntriesAndFunctionKeysOpenTheirWindows)
{
    menu_->boton(QStringLiteral("XPButton17"))->click(); // "12 .- Parametros Globales"
    EXPECT_TRUE(abierta<core::Form43>("Form43"));
    menu_->boton(QStringLiteral("XPButton24"))->click();
    EXPECT_TRUE(abierta<core::fCalculator>("fCalculator"));
    menu_->boton(QStringLiteral("XPButton25"))->click();
    EXPECT_TRUE(abierta<core::calendario>("calendario"));
    menu_->boton(QStringLiteral("Mensajerias"))->click();
    EXPECT_TRUE(abierta<core::Form18>("Form18"));
    EXPECT_TRUE(rec_.boxes().isEmpty());

    ventanasprueba::limpiaVentanas();
    core::registerWindows(windowRegistry());
    menu_ = windowRegistry().get<core::Form1>(QStringLiteral("Form1"));
    menu_->showModeless();
    const std::pair<Qt::Key, const char*> teclas[] = {
        {Qt::Key_F5, "fCalculator"}, {Qt::Key_F8, "calendario"}, {Qt::Key_F10, "Form18"}};
    for (const auto& [tecla, nombre] : teclas) {
        menu_->showModeless();
        QTest::keyClick(menu_->windowHandle(), tecla);
        platform::ui::Window* w = windowRegistry().find(QString::fromLatin1(nombre));
        ASSERT_NE(w, nullptr) << nombre;
        EXPECT_TRUE(w->isVisible()) << nombre;
    }
    EXPECT_TRUE(rec_.boxes().isEmpty());
}
