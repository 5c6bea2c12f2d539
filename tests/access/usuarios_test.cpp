// The sale-point users (Form4, Form13) and their permissions (Form31) on
// the real server: add, modify and delete; the same user code under two
// sellers, where every button changes only its own (seller, user) row; a
// modify that keeps the stored state and permissions; a permission store
// that keeps everything else.

#include "datosacceso.h"

#include "access/form13.h"
#include "access/form31.h"
#include "access/form4.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

using acceso::Form13;
using acceso::Form31;
using acceso::Form4;
using platform::ui::windowRegistry;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");
const QString Requeridos = QStringLiteral(
    "Los Campos: Vendedor, Ususario, Estado, Clave y Tipo de Usuario son Requeridos");

class UsuariosTest : public datosacceso::FixtureVentanas {
protected:
    void SetUp() override
    {
        datosacceso::FixtureVentanas::SetUp();
        if (HasFatalFailure())
            return;
        core::sesion().rsvendedores = core::sesion().conexion.execute(QStringLiteral("dspven2 '5'"));
    }

    Form4* abre()
    {
        auto* lista = qobject_cast<Form4*>(windowRegistry().show(QStringLiteral("Form4")));
        platform::ui::doEvents();
        return lista;
    }
    static void fila(core::GrillaCatalogo* grilla, int n)
    {
        grilla->setCurrentIndex(grilla->model()->index(n, 0));
        platform::ui::doEvents();
    }
    // Runs `accion` on the modal editor as soon as it shows.
    static void enEditor(std::function<void(Form13*)> accion)
    {
        QTimer::singleShot(0, [accion] {
            auto* editor = qobject_cast<Form13*>(windowRegistry().find(QStringLiteral("Form13")));
            if (!editor) {
                ADD_FAILURE() << "no editor";
                return;
            }
            accion(editor);
        });
    }
    QStringList usuarios()
    {
        return db().rows(
            QStringLiteral("SELECT codvendedor, usuario, nombre_usua, clave_usua, estado_usua, permisos"
                           " FROM usuarios ORDER BY 1, 2"));
    }
    const QString norte_ = QStringLiteral("00001|CAJ1|Ana Norte|k1|2|F2-CF4-P");
    const QString fortuna_ = QStringLiteral("00002|CAJ1|Luis Fortuna|k2|3|R.-R");
};

} // namespace

TEST_F(UsuariosTest, AUserIsAddedAndTheAddStaysAnAdd)
{
    Form4* lista = abre();
    ASSERT_NE(lista, nullptr);
    core::GrillaCatalogo* grilla = lista->grilla();
    ASSERT_EQ(grilla->model()->rowCount(), 2);
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Nomb. Vendedor"));
    EXPECT_EQ(grilla->titulo(3), QStringLiteral("Nomb usuario"));
    EXPECT_EQ(lista->botonNuevo()->text(), QStringLiteral("F2 - &Nuevo"));

    QTest::keyClick(lista->windowHandle(), Qt::Key_F2);
    auto* editor = qobject_cast<Form13*>(windowRegistry().find(QStringLiteral("Form13")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Agregando Usuarios"));
    ASSERT_EQ(editor->Combo1->count(), 3);
    EXPECT_EQ(editor->Combo1->itemText(2), QStringLiteral("00003 - TAQUILLA SUR"));
    EXPECT_EQ(editor->Combo2->currentText(), QStringLiteral("1.- Activo"));
    editor->Combo1->setCurrentIndex(2);
    editor->Text1->setText(QStringLiteral("CAJ1"));
    editor->Text2->setText(QStringLiteral("Pedro Sur"));
    editor->Text6->setText(QStringLiteral("k3"));
    editor->Combo3->setEditText(QString());
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Requeridos});
    editor->Combo3->setEditText(QStringLiteral("1.- Normal"));
    editor->Text2->setText(QString(51, QLatin1Char('n')));
    rec().clear();
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(),
              QStringList{QStringLiteral("El campo Nombre no puede tener más de 50 caracteres")});
    editor->Text2->setText(QStringLiteral("Pedro Sur"));
    // Another catalogue writes the shared mode meanwhile.
    core::sesion().modoedicion = QStringLiteral("M");
    rec().clear();
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(usuarios(), (QStringList{norte_, fortuna_, QStringLiteral("00003|CAJ1|Pedro Sur|k3|1|")}));
    lista->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(grilla->model()->rowCount(), 3) << "the editor replaced the kept list";
}

TEST_F(UsuariosTest, ModifyDeleteAndPermissionsChangeOnlyTheirOwnSellersUser)
{
    Form4* lista = abre();
    ASSERT_NE(lista, nullptr);
    core::GrillaCatalogo* grilla = lista->grilla();
    fila(grilla, 1); // CAJ1 of 00002, state 3
    EXPECT_EQ(lista->Text2->text(), QStringLiteral("Luis Fortuna"));
    EXPECT_EQ(lista->Text3->text(), QString()) << "a NULL leaves no other row's value";

    enEditor([](Form13* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Usuarios"));
        EXPECT_FALSE(e->Text1->isEnabled());
        EXPECT_FALSE(e->Combo1->isEnabled());
        EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("00002 - AGENCIA LA FORTUNA"));
        EXPECT_EQ(e->Combo2->currentText(), QStringLiteral("3.- Suspendido")) << "the stored state";
        e->Text2->setText(QStringLiteral("Luis F."));
        e->botonGrabar()->click();
    });
    lista->botonModificar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(usuarios(), (QStringList{norte_, QStringLiteral("00002|CAJ1|Luis F.|k2|3|R.-R")}))
        << "state and permissions kept, the other seller's CAJ1 untouched";

    // Permissions of 00001's CAJ1; the users window moves meanwhile.
    lista->activateWindow();
    platform::ui::doEvents();
    fila(grilla, 0);
    QTest::keyClick(lista->windowHandle(), Qt::Key_F5);
    auto* permisos = qobject_cast<Form31*>(windowRegistry().find(QStringLiteral("Form31")));
    ASSERT_NE(permisos, nullptr);
    platform::ui::doEvents();
    EXPECT_EQ(permisos->Label2->text(), QStringLiteral("CAJ1"));
    ASSERT_EQ(permisos->List1->count(), 15);
    EXPECT_EQ(permisos->marcas(), (QList<bool>{true, false, true, false, false, false, false, false, false,
                                               false, false, false, false, false, false}));
    permisos->marca(0, false);
    permisos->marca(7, true);
    permisos->marca(14, true);
    fila(grilla, 1);
    rec().clear();
    permisos->Command1->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(usuarios(), (QStringList{QStringLiteral("00001|CAJ1|Ana Norte|k1|2|F4-PF10-R.-R"),
                                       QStringLiteral("00002|CAJ1|Luis F.|k2|3|R.-R")}));

    // Delete 00002's CAJ1: the row on the grid.
    lista->activateWindow();
    platform::ui::doEvents();
    fila(grilla, 1);
    lista->Text1->setText(QStringLiteral("OTRO"));
    rec().clear();
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_EQ(rec().boxes().first().title, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(usuarios(), QStringList{QStringLiteral("00001|CAJ1|Ana Norte|k1|2|F4-PF10-R.-R")});
    EXPECT_EQ(grilla->model()->rowCount(), 1);
}

TEST_F(UsuariosTest, TheUserPermissionWindowClosesOnEscWithoutStoring)
{
    Form4* lista = abre();
    ASSERT_NE(lista, nullptr);
    lista->Command1->click();
    auto* permisos = qobject_cast<Form31*>(windowRegistry().find(QStringLiteral("Form31")));
    ASSERT_NE(permisos, nullptr);
    platform::ui::doEvents();
    permisos->marca(3, true);
    const QPointer<Form31> vigilado(permisos);
    QTest::keyClick(permisos->windowHandle(), Qt::Key_Escape);
    platform::ui::doEvents();
    EXPECT_TRUE(vigilado.isNull() || vigilado->isUnloaded());
    EXPECT_EQ(usuarios(), (QStringList{norte_, fortuna_}));
}
