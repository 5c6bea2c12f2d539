// The terminal serial registry (registroserial) and the assignment of a
// serial to a seller (editaserial) on the real server, and the sellers'
// query-program permissions (permisoespejo) opened from the sellers
// window's "&Permisos".

#include "datosacceso.h"

#include "access/editaserial.h"
#include "access/permisoespejo.h"
#include "access/registroserial.h"

#include "app/registerallwindows.h"
#include "capturas.h"
#include "sellers/fichavendedor.h"
#include "sellers/form3.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

using acceso::editaserial;
using acceso::registroserial;
using platform::ui::windowRegistry;

namespace {

class SerialesTest : public datosacceso::FixtureVentanas {
protected:
    registroserial* abre()
    {
        auto* registro = qobject_cast<registroserial*>(
            windowRegistry().show(QStringLiteral("registroserial")));
        platform::ui::doEvents();
        return registro;
    }
    static void fila(core::GrillaCatalogo* grilla, int n)
    {
        grilla->setCurrentIndex(grilla->model()->index(n, 0));
        platform::ui::doEvents();
    }
    QStringList seriales()
    {
        return db().rows(
            QStringLiteral("SELECT serial, coalesce(codvendedor, 'NULL') FROM seriales ORDER BY 1"));
    }
};

} // namespace

TEST_F(SerialesTest, ASeededSerialIsAssignedToTheSellerChosen)
{
    registroserial* registro = abre();
    ASSERT_NE(registro, nullptr);
    core::GrillaCatalogo* grilla = registro->grilla();
    ASSERT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Serial"));
    EXPECT_EQ(grilla->titulo(2), QStringLiteral("Nombre"));
    EXPECT_FALSE(registro->botonNuevo()->isVisible());
    fila(grilla, 1); // QV-0002, nobody's

    registro->botonModificar()->click();
    auto* asigna = qobject_cast<editaserial*>(windowRegistry().find(QStringLiteral("editaserial")));
    ASSERT_NE(asigna, nullptr);
    EXPECT_EQ(asigna->windowTitle(), QStringLiteral("Asignación de Serial de Taquilla"));
    EXPECT_EQ(asigna->Label1->text(), QStringLiteral("QV-0002"));
    EXPECT_EQ(asigna->DataGrid1->model()->rowCount(), 3);

    // Enter in the search box searches; it assigns nothing.
    asigna->Option2->setChecked(true);
    asigna->Text1->setText(QStringLiteral("sur  "));
    asigna->Text1->setFocus();
    QTest::keyClick(asigna->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(rec().boxes().isEmpty());
    ASSERT_EQ(asigna->DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(asigna->DataGrid1->textoColumna(0), QStringLiteral("00003"));
    EXPECT_EQ(seriales().value(1), QStringLiteral("QV-0002|NULL"));

    asigna->Grabar->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Serial asignado con exito")});
    EXPECT_EQ(rec().boxes().first().style, 48);
    EXPECT_EQ(seriales().value(1), QStringLiteral("QV-0002|00003"));

    registro->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(grilla->textoColumna(2), QStringLiteral("TAQUILLA SUR")) << "read again, back on the saved row";
}

TEST_F(SerialesTest, ASaveWithNoSellerRowIsRefused)
{
    registroserial* registro = abre();
    ASSERT_NE(registro, nullptr);
    registro->botonModificar()->click();
    auto* asigna = qobject_cast<editaserial*>(windowRegistry().find(QStringLiteral("editaserial")));
    ASSERT_NE(asigna, nullptr);
    asigna->Text1->setText(QStringLiteral("99"));
    asigna->Command1->click();
    EXPECT_EQ(asigna->DataGrid1->model()->rowCount(), 0);
    asigna->Grabar->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Debe seleccionar un vendedor")});
    EXPECT_EQ(seriales(), (QStringList{QStringLiteral("QV-0001|00001"), QStringLiteral("QV-0002|NULL"),
                                       QStringLiteral("ZX-9|00002")}));
}

TEST_F(SerialesTest, TheRegistrySearchesAndDeletesTheGridsRow)
{
    registroserial* registro = abre();
    ASSERT_NE(registro, nullptr);
    core::GrillaCatalogo* grilla = registro->grilla();
    registro->Option2->setChecked(true);
    registro->Text1->setText(QStringLiteral("00002"));
    registro->Command1->click();
    ASSERT_EQ(grilla->model()->rowCount(), 1);
    EXPECT_EQ(grilla->textoColumna(0), QStringLiteral("ZX-9"));
    registro->Text1->setText(QStringLiteral("00009"));
    registro->Command1->click();
    EXPECT_EQ(grilla->model()->rowCount(), 1) << "no match leaves the list";

    rec().answerNext(platform::msg::AnswerNo);
    registro->botonEliminar()->click();
    EXPECT_EQ(seriales().size(), 3);
    rec().clear();
    registro->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{QStringLiteral("Desea eliminar el serial?"),
                                            QStringLiteral("El serial se ha eliminado sin problemas")}));
    EXPECT_EQ(seriales(), (QStringList{QStringLiteral("QV-0001|00001"), QStringLiteral("QV-0002|NULL")}));
    EXPECT_EQ(grilla->model()->rowCount(), 2);
}

TEST_F(SerialesTest, AnEmptyRegistryIsSaidAndItsButtonsDisabled)
{
    db().exec(QStringLiteral("DELETE FROM seriales"));
    registroserial* registro = abre();
    ASSERT_NE(registro, nullptr);
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("No hay seriales registrados")});
    EXPECT_FALSE(registro->botonModificar()->isEnabled());
    EXPECT_FALSE(registro->botonEliminar()->isEnabled());
    QTest::keyClick(registro->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(windowRegistry().find(QStringLiteral("editaserial")), nullptr);
}

TEST_F(SerialesTest, TheSellersPermisosStoresTheSellersQueryPermissionsOnly)
{
    platform::ui::windowRegistry().clear();
    app::registerAllWindows(windowRegistry());
    auto* vendedores = qobject_cast<sellers::Form3*>(windowRegistry().show(QStringLiteral("Form3")));
    ASSERT_NE(vendedores, nullptr);
    platform::ui::doEvents();
    ASSERT_EQ(vendedores->ficha()->Text1->text(), QStringLiteral("00001"));
    vendedores->permisos();
    auto* permisos = qobject_cast<acceso::permisoespejo*>(
        windowRegistry().find(QStringLiteral("permisoespejo")));
    ASSERT_NE(permisos, nullptr);
    platform::ui::doEvents();
    EXPECT_EQ(permisos->windowTitle(), QStringLiteral("Permisos Consulta"));
    EXPECT_EQ(permisos->Label2->text(), QStringLiteral("00001 - GRUPO NORTE"));
    ASSERT_EQ(permisos->List1->count(), 18);
    QList<bool> esperado(18, false);
    esperado[1] = true; // "02-"
    EXPECT_EQ(permisos->marcas(), esperado);
    permisos->marca(0, true);
    permisos->marca(17, true);
    permisos->Command1->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("La transacción ha sido realizada con éxito!")});
    EXPECT_EQ(
        db().rows(QStringLiteral("SELECT codvendedor, nombre_vend, clave_vend, permisovendedor FROM vendedor"
                                 " ORDER BY 1")),
        (QStringList{QStringLiteral("00001|GRUPO NORTE|c1|01-02-F1-"),
                     QStringLiteral("00002|AGENCIA LA FORTUNA|c2|"),
                     QStringLiteral("00003|TAQUILLA SUR|NULL|")}));
}

TEST_F(SerialesTest, EveryWindowOpensWithEveryValueVisible)
{
    platform::ui::windowRegistry().clear();
    app::registerAllWindows(windowRegistry());
    core::sesion().rsvendedores = core::sesion().conexion.execute(QStringLiteral("dspven2 '5'"));
    const QStringList nombres = {QStringLiteral("Form4"),          QStringLiteral("Form32"),
                                 QStringLiteral("registroserial"), QStringLiteral("permisobanca"),
                                 QStringLiteral("Form31"),         QStringLiteral("permisoespejo")};
    for (const QString& nombre : nombres) {
        platform::ui::Window* ventana = windowRegistry().show(nombre);
        ASSERT_NE(ventana, nullptr) << nombre.toStdString();
        platform::ui::doEvents();
        EXPECT_FALSE(testsupport::saveScreenshot(ventana, nombre).isEmpty());
        EXPECT_EQ(testsupport::cutControls(ventana), QStringList()) << nombre.toStdString();
    }
    core::sesion().modoedicion = QStringLiteral("A");
    for (const QString& nombre :
         {QStringLiteral("Form13"), QStringLiteral("Form35"), QStringLiteral("editaserial")}) {
        platform::ui::Window* ventana = windowRegistry().show(nombre);
        ASSERT_NE(ventana, nullptr) << nombre.toStdString();
        platform::ui::doEvents();
        EXPECT_FALSE(testsupport::saveScreenshot(ventana, nombre).isEmpty());
        EXPECT_EQ(testsupport::cutControls(ventana), QStringList()) << nombre.toStdString();
    }
}
