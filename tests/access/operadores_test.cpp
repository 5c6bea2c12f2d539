// The operators (Form32, Form35) and their menu permissions (permisobanca)
// on the real server, and what the login makes of them: the entries an
// operator may open, a changed password, a deleted operator.

#include "datosacceso.h"

#include "access/form32.h"
#include "access/form35.h"
#include "access/permisobanca.h"

#include "core/form1.h"
#include "core/form21.h"
#include "core/registerwindows.h"
#include "ventanasprueba.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using acceso::Form32;
using acceso::Form35;
using acceso::permisobanca;
using platform::ui::windowRegistry;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString Pregunta = QStringLiteral("Desea realmente eliminar el registro?");
const QString Denegado = QStringLiteral("Permiso de acceso denegado");

class OperadoresTest : public datosacceso::FixtureVentanas {
protected:
    void SetUp() override
    {
        datosacceso::FixtureVentanas::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(home_.isValid());
        qputenv("DUROZ_HOME", home_.path().toUtf8());
    }
    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        datosacceso::FixtureVentanas::TearDown();
    }

    Form32* abreOperadores()
    {
        auto* lista = qobject_cast<Form32*>(windowRegistry().show(QStringLiteral("Form32")));
        platform::ui::doEvents();
        return lista;
    }
    static void vuelve(QWidget* ventana)
    {
        ventana->activateWindow();
        platform::ui::doEvents();
    }
    static void fila(core::GrillaCatalogo* grilla, int n)
    {
        grilla->setCurrentIndex(grilla->model()->index(n, 0));
        platform::ui::doEvents();
    }
    QStringList operadores() { return db().rows(QStringLiteral("SELECT * FROM operador ORDER BY 1")); }

    // Logs in through the login window, every window of the menu a
    // stand-in; the main menu when the login let the operator in.
    core::Form1* entra(const QString& usuario, const QString& clave)
    {
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
        QStringList destinos;
        for (const core::Form1::Entrada& e : core::Form1::entradas())
            if (e.accion == core::Form1::Accion::Ventana)
                destinos << QString::fromLatin1(e.destino);
        ventanasprueba::registraSondas(windowRegistry(), destinos);
        rec().clear();
        auto* login = qobject_cast<core::Form21*>(windowRegistry().show(QStringLiteral("Form21")));
        if (!login)
            return nullptr;
        login->Text1->setText(usuario);
        login->Text2->setText(clave);
        login->Text3->setEditText(QStringLiteral("127.0.0.1"));
        login->Text4->setText(db().name());
        login->conectar();
        return qobject_cast<core::Form1*>(windowRegistry().find(QStringLiteral("Form1")));
    }

    // The checked entries of the menu the operator may open.
    QStringList permitidas(core::Form1* menu)
    {
        QStringList lista;
        for (const core::Form1::Entrada& e : core::Form1::entradas()) {
            if (!e.verifica)
                continue;
            rec().clear();
            menu->ejecuta(e);
            if (!rec().prompts().contains(Denegado))
                lista << QString::fromUtf8(e.caption);
        }
        return lista;
    }

    QTemporaryDir home_;
};

} // namespace

TEST_F(OperadoresTest, AnOperatorIsAddedModifiedAndDeleted)
{
    Form32* lista = abreOperadores();
    ASSERT_NE(lista, nullptr);
    core::GrillaCatalogo* grilla = lista->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 2);
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Código"));
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Descripción"));
    EXPECT_EQ(lista->Text1->text(), QStringLiteral("ADMIN"));

    lista->botonNuevo()->click();
    auto* editor = qobject_cast<Form35*>(windowRegistry().find(QStringLiteral("Form35")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Operadores de Duroz"));
    EXPECT_EQ(editor->botonDeshacer()->text(), QStringLiteral("&Regresar"));
    QTest::keyClicks(editor->Text1, QStringLiteral("OPE123"));
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("OPE12"));
    editor->Text2->setText(QStringLiteral(" Nuevo Operador  "));
    editor->Text3->setText(QStringLiteral("clave9"));
    // The catalogue's activation empties the shared mode: the add stays an add.
    vuelve(lista);
    EXPECT_TRUE(core::sesion().modoedicion.isEmpty());
    vuelve(editor);
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_TRUE(operadores().contains(QStringLiteral("OPE12| Nuevo Operador|clave9|")));

    vuelve(lista);
    ASSERT_EQ(grilla->model()->rowCount(), 3);
    fila(grilla, 1); // CAJA1
    EXPECT_EQ(lista->Text3->text(), QStringLiteral("caja2007"));
    rec().clear();
    lista->botonModificar()->click();
    editor = qobject_cast<Form35*>(windowRegistry().find(QStringLiteral("Form35")));
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->Text1->isEnabled());
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("CAJA1"));
    EXPECT_EQ(editor->Text2->text(), QStringLiteral("Cajero Uno"));
    editor->Text3->setText(QStringLiteral("otra"));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_TRUE(operadores().contains(QStringLiteral("CAJA1|Cajero Uno|otra|14-"))) << "the permissions stay";

    vuelve(lista);
    fila(grilla, 2);                                // OPE12
    lista->Text1->setText(QStringLiteral("ADMIN")); // read-only: a program change still never decides
    rec().clear();
    rec().answerNext(platform::msg::AnswerNo);
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Pregunta});
    EXPECT_EQ(rec().boxes().first().style, 20);
    EXPECT_EQ(operadores().size(), 3);
    rec().clear();
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_EQ(operadores().size(), 2);
    EXPECT_TRUE(operadores().first().startsWith(QStringLiteral("ADMIN|")))
        << "the grid's row went, not the box's";
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Codigo"));
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Nombre"));
}

TEST_F(OperadoresTest, ANameOrPasswordLongerThanTheServerTakesIsRefusedWithAMessage)
{
    Form32* lista = abreOperadores();
    ASSERT_NE(lista, nullptr);
    lista->botonNuevo()->click();
    auto* editor = qobject_cast<Form35*>(windowRegistry().find(QStringLiteral("Form35")));
    ASSERT_NE(editor, nullptr);
    editor->Text1->setText(QStringLiteral("OPE9"));
    editor->Text2->setText(QString(31, QLatin1Char('n')));
    editor->Text3->setText(QStringLiteral("clave"));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(),
              QStringList{QStringLiteral("El campo Nombre no puede tener más de 30 caracteres")});
    editor->Text2->setText(QStringLiteral("Nombre"));
    editor->Text3->setText(QStringLiteral("12345678901"));
    rec().clear();
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(),
              QStringList{QStringLiteral("El campo Clave no puede tener más de 10 caracteres")});
    EXPECT_EQ(operadores().size(), 2);
    // An empty password is refused by the server; the editor keeps what was typed.
    editor->Text3->clear();
    rec().clear();
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Problema});
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form35")), editor);
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("OPE9"));
    EXPECT_EQ(operadores().size(), 2);
}

TEST_F(OperadoresTest, GrantedMenuCodesAreExactlyTheEntriesTheOperatorSeesAtHisNextLogin)
{
    Form32* lista = abreOperadores();
    ASSERT_NE(lista, nullptr);
    fila(lista->grilla(), 1); // CAJA1
    lista->Command1->click();
    auto* permisos = qobject_cast<permisobanca*>(windowRegistry().find(QStringLiteral("permisobanca")));
    ASSERT_NE(permisos, nullptr);
    platform::ui::doEvents();
    EXPECT_EQ(permisos->windowTitle(), QStringLiteral("Permisos Operador"));
    EXPECT_EQ(permisos->Label2->text(), QStringLiteral("CAJA1"));
    ASSERT_EQ(permisos->List1->count(), 29);
    QList<bool> esperado(29, false);
    esperado[13] = true; // "14-"
    EXPECT_EQ(permisos->marcas(), esperado);
    permisos->marca(13, false);
    for (int i : {4, 5, 8, 28}) // 05, 06, 09, F1
        permisos->marca(i, true);
    // The operators window moves meanwhile: the subject stays CAJA1.
    fila(lista->grilla(), 0);
    permisos->Command1->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(operadores().last(), QStringLiteral("CAJA1|Cajero Uno|caja2007|05-06-09-F1-"))
        << "name and password untouched";
    EXPECT_TRUE(operadores().first().endsWith(QStringLiteral("|01-02-03-04-05-06-07-08-09-10-11-12-")));

    core::Form1* menu = entra(QStringLiteral("CAJA1"), QStringLiteral("caja2007"));
    ASSERT_NE(menu, nullptr) << rec().prompts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(core::sesion().permisoactual, QStringLiteral("05-06-09-F1-"));
    EXPECT_EQ(permitidas(menu),
              (QStringList{QStringLiteral("05 .- Seriales Taquilla"), QStringLiteral("06 .- Usuarios"),
                           QStringLiteral("09 .- Operadores Duroz")}));
}

TEST_F(OperadoresTest, AChangedPasswordLogsInTheOldOneNoLongerAndADeletedOperatorNever)
{
    Form32* lista = abreOperadores();
    ASSERT_NE(lista, nullptr);
    fila(lista->grilla(), 1); // CAJA1
    lista->botonModificar()->click();
    auto* editor = qobject_cast<Form35*>(windowRegistry().find(QStringLiteral("Form35")));
    ASSERT_NE(editor, nullptr);
    editor->Text3->setText(QStringLiteral("nueva7"));
    editor->botonGrabar()->click();
    ASSERT_EQ(rec().prompts(), QStringList{Exito});

    EXPECT_EQ(entra(QStringLiteral("CAJA1"), QStringLiteral("caja2007")), nullptr);
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Acceso Denegado.. Intente de Nuevo...")});
    EXPECT_NE(entra(QStringLiteral("CAJA1"), QStringLiteral("nueva7")), nullptr);

    // Delete CAJA1 from the operators window, then try again.
    ventanasprueba::limpiaVentanas();
    acceso::registerWindows(windowRegistry());
    lista = abreOperadores();
    ASSERT_NE(lista, nullptr);
    fila(lista->grilla(), 1);
    ASSERT_EQ(lista->Text1->text(), QStringLiteral("CAJA1"));
    rec().clear();
    lista->botonEliminar()->click();
    ASSERT_EQ(rec().prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_EQ(entra(QStringLiteral("CAJA1"), QStringLiteral("nueva7")), nullptr);
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Acceso Denegado.. Intente de Nuevo...")});
}
