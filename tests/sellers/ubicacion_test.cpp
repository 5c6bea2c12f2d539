// The regions (mastergobernacion, editagobernacion) and the municipalities
// (masteralcaldia, editaalcaldia) on the real server: add, modify, delete
// with their messages, and the codes wider than their parameters refused.

#include "datosvendedores.h"
#include "pegado.h"
#include "tabulacion.h"

#include "sellers/masteralcaldia.h"
#include "sellers/mastergobernacion.h"

#include "platform/ui/datagrid.h"
#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace sellers;
using platform::msg::AnswerYes;
using platform::ui::windowRegistry;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");

class UbicacionTest : public datosvendedores::FixtureVentanas {
protected:
    template <class T> T* abre(const QString& nombre)
    {
        auto* ventana = qobject_cast<T*>(windowRegistry().show(nombre));
        platform::ui::doEvents();
        return ventana;
    }

    // Runs `accion` on the modal editor `nombre` as soon as it shows.
    template <class T> static void enEditor(const QString& nombre, std::function<void(T*)> accion)
    {
        QTimer::singleShot(0, [nombre, accion] {
            T* editor = qobject_cast<T*>(windowRegistry().find(nombre));
            if (!editor) {
                ADD_FAILURE() << "no editor " << nombre.toStdString();
                return;
            }
            accion(editor);
        });
    }

    static void clic(core::GrillaCatalogo* grilla, int fila)
    {
        const QModelIndex celda = grilla->model()->index(fila, 0);
        grilla->setCurrentIndex(celda);
        emit grilla->clicked(celda);
    }

    QStringList regiones() { return db().rows(QStringLiteral("SELECT * FROM gobernacion ORDER BY 1")); }
    QStringList alcaldias()
    {
        return db().rows(QStringLiteral("SELECT codigo_alcaldia, codigo_gobernacion, descri_alcaldia,"
                                        " coalesce(observa_alcaldia, 'NULL') FROM alcaldia ORDER BY 2, 1"));
    }
};

} // namespace

TEST_F(UbicacionTest, RegionsAreAddedModifiedAndDeleted)
{
    auto* lista = abre<mastergobernacion>(QStringLiteral("mastergobernacion"));
    ASSERT_NE(lista, nullptr);
    core::GrillaCatalogo* grilla = lista->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Código"));
    EXPECT_EQ(grilla->titulo(2), QStringLiteral("Observaciones"));
    EXPECT_TRUE(lista->Text1->text().isEmpty()) << "the boxes follow a click only";

    // Add, modeless.
    lista->botonNuevo()->click();
    auto* editor = qobject_cast<editagobernacion*>(windowRegistry().find(QStringLiteral("editagobernacion")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Agregando Región"));
    QTest::keyClicks(editor->Text1, QStringLiteral("ANZOAX"));
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("ANZOA")) << "five characters at most";
    editor->Text2->setText(QStringLiteral("Anzoategui  "));
    editor->Text3->setText(QStringLiteral("Oriente"));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_TRUE(regiones().contains(QStringLiteral("ANZOA|Anzoategui|Oriente")));
    lista->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(grilla->model()->rowCount(), 4) << "read again on the return";

    // Modify the clicked row, modal.
    clic(grilla, 2); // LAR
    EXPECT_EQ(lista->Text1->text(), QStringLiteral("LAR"));
    EXPECT_EQ(lista->Text3->text(), QStringLiteral("Centro occidente"));
    rec().clear();
    enEditor<editagobernacion>(QStringLiteral("editagobernacion"), [](editagobernacion* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Región"));
        EXPECT_FALSE(e->Text1->isEnabled());
        EXPECT_EQ(e->Text2->text(), QStringLiteral("Lara"));
        e->Text2->setText(QStringLiteral("Estado Lara"));
        e->botonGrabar()->click();
    });
    lista->botonModificar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_TRUE(regiones().contains(QStringLiteral("LAR|Estado Lara|Centro occidente")));

    // Delete: a region in use is refused, a free one goes.
    rec().clear();
    clic(grilla, 3); // ZUL
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, Problema}));
    EXPECT_EQ(rec().boxes().first().title, QStringLiteral("DOVEV UZ ARAR"));
    rec().clear();
    clic(grilla, 2); // LAR
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_EQ(regiones().size(), 3);
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(lista->Text1->text(), QStringLiteral("LAR")) << "the boxes keep the deleted region";
}

TEST_F(UbicacionTest, ARegionCodeWiderThanItsParameterIsRefusedNotCut)
{
    db().exec(QStringLiteral("INSERT INTO gobernacion VALUES ('ABCDE', 'Cinco', '')"));
    auto* lista = abre<mastergobernacion>(QStringLiteral("mastergobernacion"));
    ASSERT_NE(lista, nullptr);
    lista->Text1->setText(QStringLiteral("ABCDEF"));
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts().value(1),
              QStringLiteral("El código de la región no puede tener más de 5 caracteres"));
    EXPECT_TRUE(regiones().contains(QStringLiteral("ABCDE|Cinco|")));
    rec().clear();
    lista->botonModificar()->click();
    EXPECT_EQ(rec().prompts(),
              QStringList{QStringLiteral("El código de la región no puede tener más de 5 caracteres")});
    EXPECT_EQ(windowRegistry().find(QStringLiteral("editagobernacion")), nullptr);
}

// Both editors hold each box to its ACTGBR / ACTALD parameter: a code or a
// name pasted beyond it is refused whole and told; a longer name the list
// window hands the editor to modify is refused by the save, which sends
// nothing, instead of being stored cut to its first 50 characters.
TEST_F(UbicacionTest, TextsBeyondTheirParametersAreRefusedNeverCut)
{
    using testsupport::Pegado;
    const QString largo = QStringLiteral("Municipio Autonomo de los Libertadores del Estado Zulia 58");
    ASSERT_EQ(largo.size(), 58);
    const QString codigoLargo = QStringLiteral("El campo Código no puede tener más de 5 caracteres");
    const QString nombreLargo = QStringLiteral("El campo Descripción no puede tener más de 50 caracteres");
    struct Caso {
        const char* lista;
        const char* editor;
        int fila; // a row of the fixture, modified below
    };
    for (const Caso& caso :
         {Caso{"mastergobernacion", "editagobernacion", 2}, Caso{"masteralcaldia", "editaalcaldia", 1}}) {
        const QString nombreLista = QString::fromLatin1(caso.lista);
        const QString nombreEditor = QString::fromLatin1(caso.editor);
        const QStringList antes = regiones() + alcaldias();
        auto* lista = qobject_cast<CatalogoUbicacion*>(windowRegistry().show(nombreLista));
        platform::ui::doEvents();
        ASSERT_NE(lista, nullptr);

        // Pasted into the editor opened to add.
        lista->botonNuevo()->click();
        auto* editor = qobject_cast<EditorUbicacion*>(windowRegistry().find(nombreEditor));
        ASSERT_NE(editor, nullptr);
        rec().clear();
        editor->Text1->setFocus();
        testsupport::pega(editor->Text1, QStringLiteral("ABCDEF"), Pegado::Teclado);
        testsupport::pega(editor->Text2, largo, Pegado::Menu);
        EXPECT_EQ(editor->Text1->text(), QString()) << caso.editor;
        EXPECT_EQ(editor->Text2->text(), QString()) << caso.editor;
        EXPECT_EQ(rec().prompts(), (QStringList{codigoLargo, nombreLargo})) << caso.editor;
        editor->botonDeshacer()->click();
        platform::ui::doEvents();

        // Handed over by the list window to modify.
        clic(lista->grilla(), caso.fila);
        lista->Text2->setText(largo);
        rec().clear();
        enEditor<EditorUbicacion>(nombreEditor, [&largo](EditorUbicacion* e) {
            EXPECT_EQ(e->Text2->text(), largo) << "the window's own text is not cut";
            e->botonGrabar()->click();
            EXPECT_TRUE(e->isVisible()) << "the editor stays open";
            e->botonDeshacer()->click();
        });
        lista->botonModificar()->click();
        EXPECT_EQ(rec().prompts(), QStringList{nombreLargo}) << caso.editor;
        EXPECT_EQ(regiones() + alcaldias(), antes) << caso.editor << ": nothing reached the server";
        lista->close();
        platform::ui::doEvents();
    }
}

// Both editors: code, name, observations (and the municipality's region),
// then the buttons; the code has the focus to add, the name to modify.
TEST_F(UbicacionTest, TheEditorsTabFromTheCodeToTheButtons)
{
    auto* regiones = abre<mastergobernacion>(QStringLiteral("mastergobernacion"));
    ASSERT_NE(regiones, nullptr);
    regiones->botonNuevo()->click();
    platform::ui::doEvents();
    auto* region = qobject_cast<editagobernacion*>(windowRegistry().find(QStringLiteral("editagobernacion")));
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(testsupport::enfocado(), region->Text1);
    EXPECT_EQ(testsupport::cadenaTabulacion(region->Text1),
              (QList<QWidget*>{region->Text1, region->Text2, region->Text3, region->botonGrabar(),
                               region->botonDeshacer()}));
    region->close();

    auto* alcaldias = abre<masteralcaldia>(QStringLiteral("masteralcaldia"));
    ASSERT_NE(alcaldias, nullptr);
    clic(alcaldias->grilla(), 0);
    bool visto = false;
    enEditor<editaalcaldia>(QStringLiteral("editaalcaldia"), [&visto](editaalcaldia* e) {
        visto = true;
        // A modal window may not be active yet: its own focus widget.
        ASSERT_NE(e->focusWidget(), nullptr);
        EXPECT_EQ(testsupport::controlDeFoco(e->focusWidget()), e->Text2)
            << "the code box is disabled to modify";
        EXPECT_EQ(
            testsupport::cadenaTabulacion(e->Text1),
            (QList<QWidget*>{e->Text1, e->Text2, e->Text3, e->Combo1, e->botonGrabar(), e->botonDeshacer()}));
        e->close();
    });
    alcaldias->botonModificar()->click();
    EXPECT_TRUE(visto);
}

TEST_F(UbicacionTest, MunicipalitiesAreAddedModifiedAndDeleted)
{
    auto* lista = abre<masteralcaldia>(QStringLiteral("masteralcaldia"));
    ASSERT_NE(lista, nullptr);
    core::GrillaCatalogo* grilla = lista->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(3), QStringLiteral("Código Gob."));
    EXPECT_EQ(grilla->titulo(4), QStringLiteral("Gobernación"));

    lista->botonNuevo()->click();
    auto* editor = qobject_cast<editaalcaldia*>(windowRegistry().find(QStringLiteral("editaalcaldia")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Agregando Alcaldia"));
    ASSERT_EQ(editor->Combo1->count(), 3);
    EXPECT_EQ(editor->Combo1->itemText(1), QStringLiteral("LAR - Lara"));
    EXPECT_EQ(editor->Combo1->currentText(), QString());
    QTest::keyClicks(editor->Text1, QStringLiteral("IRI"));
    editor->Text2->setText(QStringLiteral(" Iribarren"));
    editor->Combo1->setCurrentIndex(1);
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{QStringLiteral("0"), Exito}));
    EXPECT_TRUE(alcaldias().contains(QStringLiteral("IRI|LAR| Iribarren|")));

    lista->activateWindow();
    platform::ui::doEvents();
    ASSERT_EQ(grilla->model()->rowCount(), 4);
    clic(grilla, 1); // IRI of LAR
    EXPECT_EQ(lista->Text4->text(), QStringLiteral("LAR - Lara"));
    rec().clear();
    enEditor<editaalcaldia>(QStringLiteral("editaalcaldia"), [](editaalcaldia* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Alcaldia"));
        EXPECT_FALSE(e->Text1->isEnabled());
        EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("LAR - Lara"));
        e->Text3->setText(QStringLiteral("Barquisimeto"));
        e->botonGrabar()->click();
    });
    lista->botonModificar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{QStringLiteral("0"), Exito}));
    EXPECT_TRUE(alcaldias().contains(QStringLiteral("IRI|LAR| Iribarren|Barquisimeto")));

    // A seller lives in MCB: refused; IRI goes.
    rec().clear();
    clic(grilla, 2); // MCB
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, Problema}));
    rec().clear();
    clic(grilla, 1);
    lista->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_FALSE(alcaldias().contains(QStringLiteral("IRI|LAR| Iribarren|Barquisimeto")));
    EXPECT_EQ(grilla->model()->rowCount(), 3);
}

TEST_F(UbicacionTest, AMunicipalityRefusedByTheServerShowsItsAnswer)
{
    auto* lista = abre<masteralcaldia>(QStringLiteral("masteralcaldia"));
    ASSERT_NE(lista, nullptr);
    lista->botonNuevo()->click();
    auto* editor = qobject_cast<editaalcaldia*>(windowRegistry().find(QStringLiteral("editaalcaldia")));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor->Text1, QStringLiteral("MCB"));
    editor->Text2->setText(QStringLiteral("Otra"));
    editor->Combo1->setEditText(QStringLiteral("ZUL"));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{QStringLiteral("1"), Problema}));
    EXPECT_EQ(alcaldias().size(), 3);
}
