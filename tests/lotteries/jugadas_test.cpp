// The special plays (form2 / Form7) and their details (Form6 / Form8) on the
// real server: add, modify and delete each once with the server's rows
// checked, the refusals the operator is told about, and values that would
// have broken a pasted SQL text.

#include "ventanasjugadas.h"

#include "lotteries/form2.h"
#include "lotteries/form6.h"
#include "lotteries/form7.h"
#include "lotteries/form8.h"

#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace lotteries;
using platform::msg::AnswerNo;
using platform::msg::AnswerYes;
using platform::ui::windowRegistry;

using namespace Qt::StringLiterals;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");

class JugadasTest : public datosjugadas::ConVentanas {
protected:
    template <class T> T* abre(const QString& nombre)
    {
        auto* ventana = qobject_cast<T*>(windowRegistry().show(nombre));
        platform::ui::doEvents();
        return ventana;
    }

    // Runs `accion` on the modal editor `nombre` as soon as it shows; the
    // action must close it.
    template <class T> static void enEditor(const QString& nombre, std::function<void(T*)> accion)
    {
        QTimer::singleShot(0, [nombre, accion] {
            T* editor = qobject_cast<T*>(windowRegistry().find(nombre));
            if (!editor) {
                ADD_FAILURE() << "no editor " << nombre.toStdString();
                return;
            }
            EXPECT_TRUE(editor->isVisible());
            accion(editor);
        });
    }

    static void irAFila(core::GrillaCatalogo* grilla, int fila)
    {
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
    }

    static void teclea(QWidget* ventana, Qt::Key tecla) { QTest::keyClick(ventana->windowHandle(), tecla); }

    QStringList jugadas()
    {
        return db_->rows(QStringLiteral("SELECT especial, desc_espec FROM jugadas ORDER BY 1"));
    }
    QStringList detalles()
    {
        return db_->rows(QStringLiteral("SELECT especial, jugada, desc_jugada FROM jugadeta ORDER BY 1, 2"));
    }
};

} // namespace

TEST_F(JugadasTest, SpecialPlaysAreAddedModifiedAndDeletedFromTheCatalogue)
{
    auto* catalogo = abre<form2>(QStringLiteral("form2"));
    ASSERT_NE(catalogo, nullptr);
    core::GrillaCatalogo* grilla = catalogo->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 2);
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Còdigo"));
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Nombre "));
    EXPECT_NEAR(grilla->anchoTwips(1), 4200, 15);
    EXPECT_EQ(catalogo->Text1->text(), QStringLiteral("T1"));
    EXPECT_EQ(catalogo->Text2->text(), QStringLiteral("TRIPLETAZO"));

    // Add: the code box takes two typed characters.
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Agregando Jugadas Especiales"));
        EXPECT_EQ(e->Text1->text(), QString());
        QTest::keyClicks(e->Text1, QStringLiteral("N12"));
        QTest::keyClicks(e->Text2, QStringLiteral("NUEVA"));
        e->botonGrabar()->click();
    });
    catalogo->botonNuevo()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Exito});
    EXPECT_EQ(jugadas(), (QStringList{QStringLiteral("N1|NUEVA"), QStringLiteral("T1|TRIPLETAZO"),
                                      QStringLiteral("Z|ZODIACAL")}));
    EXPECT_EQ(grilla->model()->rowCount(), 3) << "read again on the return";
    EXPECT_EQ(grilla->textoColumna(0), QStringLiteral("N1")) << "on the first row";
    EXPECT_NEAR(grilla->anchoTwips(1), 4200, 15);
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("A")) << "a save keeps the mode";

    // Modify the third row with Enter in the catalogue and in the editor.
    rec_->clear();
    irAFila(grilla, 2);
    EXPECT_EQ(catalogo->Text1->text(), QStringLiteral("Z"));
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Jugadas Especiales"));
        EXPECT_EQ(e->Text1->text(), QStringLiteral("Z"));
        EXPECT_TRUE(e->Text1->isEnabled());
        e->Text2->setText(QStringLiteral("ZODIACO"));
        teclea(e, Qt::Key_Return);
    });
    teclea(catalogo, Qt::Key_Return);
    EXPECT_EQ(rec_->prompts(), QStringList{Exito});
    EXPECT_EQ(jugadas().last(), QStringLiteral("Z|ZODIACO"));
    EXPECT_EQ(grilla->textoColumna(0), QStringLiteral("N1"));

    // Delete: No sends nothing; Yes deletes the play with its details.
    rec_->clear();
    irAFila(grilla, 1);
    rec_->answerNext(AnswerNo);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{Pregunta, QStringLiteral("No Quieres BorrarT1")}));
    EXPECT_EQ(rec_->boxes()[0].style, 276);
    EXPECT_EQ(rec_->boxes()[0].title, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(jugadas().size(), 3);

    rec_->clear();
    rec_->answerNext(AnswerYes);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_EQ(jugadas(), (QStringList{QStringLiteral("N1|NUEVA"), QStringLiteral("Z|ZODIACO")}));
    EXPECT_EQ(detalles(), QStringList{QStringLiteral("Z|01|LEO")});
    EXPECT_EQ(grilla->model()->rowCount(), 2);
}

TEST_F(JugadasTest, TheServersRefusalIsToldAsAProblemAndKeepsTheEditorOpen)
{
    auto* catalogo = abre<form2>(QStringLiteral("form2"));
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) {
        e->Text1->setText(QStringLiteral("Z"));
        e->Text2->setText(QStringLiteral("REPETIDA"));
        e->botonGrabar()->click();
        EXPECT_TRUE(e->isVisible()) << "what was typed stays";
        EXPECT_EQ(e->Text2->text(), QStringLiteral("REPETIDA"));
        e->close();
    });
    catalogo->botonNuevo()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Problema});
    EXPECT_EQ(jugadas(), (QStringList{QStringLiteral("T1|TRIPLETAZO"), QStringLiteral("Z|ZODIACAL")}));
}

TEST_F(JugadasTest, ACodeLongerThanTheTypedLimitIsKeptWhole)
{
    db_->exec(QStringLiteral("INSERT INTO jugadas VALUES ('ABC', 'TRES LETRAS')"));
    auto* catalogo = abre<form2>(QStringLiteral("form2"));
    irAFila(catalogo->grilla(), 0);
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) {
        EXPECT_EQ(e->Text1->text(), QStringLiteral("ABC"));
        QTest::keyClicks(e->Text1, QStringLiteral("D"));
        EXPECT_EQ(e->Text1->text(), QStringLiteral("ABC"));
        e->Text2->setText(QStringLiteral("CAMBIADA"));
        e->botonGrabar()->click();
    });
    catalogo->botonModificar()->click();
    EXPECT_EQ(jugadas().first(), QStringLiteral("ABC|CAMBIADA"));
}

TEST_F(JugadasTest, UndoEmptiesTheModeEscKeepsItAndNeitherSaves)
{
    auto* catalogo = abre<form2>(QStringLiteral("form2"));
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) {
        e->Text2->setText(QStringLiteral("NO SE GUARDA"));
        teclea(e, Qt::Key_Escape);
    });
    catalogo->botonModificar()->click();
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("M"));
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) { e->botonDeshacer()->click(); });
    catalogo->botonModificar()->click();
    EXPECT_EQ(core::sesion().modoedicion, QString());
    EXPECT_TRUE(rec_->boxes().isEmpty());
    EXPECT_EQ(jugadas().first(), QStringLiteral("T1|TRIPLETAZO"));
}

TEST_F(JugadasTest, DetailsAreAddedModifiedAndDeletedFromTheirCatalogue)
{
    auto* catalogo = abre<Form6>(QStringLiteral("Form6"));
    ASSERT_NE(catalogo, nullptr);
    core::GrillaCatalogo* grilla = catalogo->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(2), QStringLiteral("Nombre "));
    EXPECT_TRUE(grilla->isColumnHidden(3));
    EXPECT_EQ(QStringList({catalogo->Text1->text(), catalogo->Text2->text(), catalogo->Text3->text(),
                           catalogo->Text4->text()}),
              (QStringList{u"T1"_s, u"TRIPLETAZO"_s, u"01"_s, u"ARIES"_s}));

    // Add a detail to Z, chosen from the list.
    enEditor<Form8>(QStringLiteral("Form8"), [](Form8* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Agregando Jugadas Especiales"));
        EXPECT_EQ(e->Combo1->count(), 2);
        EXPECT_EQ(e->Combo1->itemText(1), QStringLiteral("Z   ZODIACAL"));
        EXPECT_TRUE(e->Text3->isEnabled());
        e->Combo1->setCurrentIndex(1);
        QTest::keyClicks(e->Text3, QStringLiteral("02"));
        QTest::keyClicks(e->Text4, QStringLiteral("VIRGO"));
        e->botonGrabar()->click();
    });
    catalogo->botonNuevo()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Se Agrego perfectamente Z  ")});
    EXPECT_EQ(detalles().last(), QStringLiteral("Z|02|VIRGO"));
    EXPECT_EQ(grilla->model()->rowCount(), 4);
    EXPECT_EQ(core::sesion().modoedicion, QString());

    // Modify the second row: the detail code is fixed.
    rec_->clear();
    irAFila(grilla, 1);
    enEditor<Form8>(QStringLiteral("Form8"), [](Form8* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Jugadas Especiales"));
        EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("T1"));
        EXPECT_EQ(e->Text3->text(), QStringLiteral("02"));
        EXPECT_FALSE(e->Text3->isEnabled());
        e->Text4->setText(QStringLiteral("TORO"));
        teclea(e, Qt::Key_Return);
    });
    teclea(catalogo, Qt::Key_Return);
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Se Actualizo perfectamente T102")});
    EXPECT_EQ(detalles()[1], QStringLiteral("T1|02|TORO"));
    EXPECT_EQ(grilla->textoColumna(1), QStringLiteral("01")) << "back on the first row";

    // Delete the last row.
    rec_->clear();
    irAFila(grilla, 3);
    rec_->answerNext(AnswerYes);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{Pregunta, QStringLiteral("Se Borro esto perfectamente Z")}));
    EXPECT_EQ(detalles(), (QStringList{QStringLiteral("T1|01|ARIES"), QStringLiteral("T1|02|TORO"),
                                       QStringLiteral("Z|01|LEO")}));
    EXPECT_EQ(grilla->model()->rowCount(), 3) << "read again on the shared connection";
    EXPECT_EQ(catalogo->Text3->text(), QStringLiteral("01"));
}

TEST_F(JugadasTest, ARefusedDetailSaveKeepsTheEditorOpenAndWritesNothing)
{
    auto* catalogo = abre<Form6>(QStringLiteral("Form6"));
    enEditor<Form8>(QStringLiteral("Form8"), [this](Form8* e) {
        e->Combo1->setCurrentIndex(0);
        e->Text3->setText(QStringLiteral("01")); // T1 has detail 01
        e->Text4->setText(QStringLiteral("OTRO"));
        e->botonGrabar()->click();
        ASSERT_EQ(rec_->boxes().size(), 1);
        EXPECT_TRUE(rec_->prompts()[0].contains(QStringLiteral("ERROR NRO: ")));
        EXPECT_TRUE(e->isVisible()) << "what the operator typed stays";
        EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("A"));
        e->close();
    });
    catalogo->botonNuevo()->click();
    EXPECT_EQ(detalles().first(), QStringLiteral("T1|01|ARIES"));
}

TEST_F(JugadasTest, QuotesInCodesAreDataNotSql)
{
    db_->exec(QStringLiteral("INSERT INTO jugadas VALUES ('O''', 'COMILLA');"
                             "INSERT INTO jugadeta VALUES ('O''', '1''', 'UNO')"));
    auto* catalogo = abre<Form6>(QStringLiteral("Form6"));
    irAFila(catalogo->grilla(), 0);
    ASSERT_EQ(catalogo->Text1->text(), QStringLiteral("O'"));
    enEditor<Form8>(QStringLiteral("Form8"), [](Form8* e) {
        e->Text4->setText(QStringLiteral("D'UNO"));
        e->botonGrabar()->click();
    });
    catalogo->botonModificar()->click();
    EXPECT_EQ(detalles().first(), QStringLiteral("O'|1'|D'UNO"));

    irAFila(catalogo->grilla(), 0);
    rec_->clear();
    rec_->answerNext(AnswerYes);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(detalles().size(), 3);
    EXPECT_FALSE(detalles().first().startsWith(QStringLiteral("O'")));
}

TEST_F(JugadasTest, ADetailThatADrawNamesIsNotDeletedAndTheOperatorIsTold)
{
    db_->exec(QStringLiteral("INSERT INTO premiar (cod_lot, fechapremio, especial, jugada) "
                             "VALUES ('001', '2026-01-05', 'T1', '01')"));
    auto* catalogo = abre<Form6>(QStringLiteral("Form6"));
    rec_->answerNext(AnswerYes);
    catalogo->botonEliminar()->click();
    ASSERT_EQ(rec_->boxes().size(), 2);
    EXPECT_TRUE(rec_->prompts()[1].contains(QStringLiteral("ERROR NRO: ")));
    EXPECT_EQ(detalles().size(), 3);
    EXPECT_FALSE(conexion().inTransaction());
}

TEST_F(JugadasTest, TheDetailsCatalogueEndsTheProgramWhenItCannotConnect)
{
    core::sesion().basedatos = QStringLiteral("no_existe");
    EXPECT_THROW(windowRegistry().get(QStringLiteral("Form6")), platform::ProgramEnded);
    EXPECT_EQ(rec_->programEnds(), 1);
    EXPECT_TRUE(rec_->prompts().contains(
        QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema")));
}

// The delete of a detail replaces an open shared connection by a fresh one
// before it sends, as the other deletes do.
TEST_F(JugadasTest, TheDetailDeleteRunsTheFreshConnectionCheck)
{
    auto* catalogo = abre<Form6>(QStringLiteral("Form6"));
    ASSERT_NE(catalogo, nullptr);
    const auto sesionServidor = [this] {
        return conexion().execute(QStringLiteral("SELECT pg_backend_pid()")).value(0).toString();
    };
    const QString antes = sesionServidor();
    rec_->answerNext(AnswerYes);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(detalles().size(), 2);
    EXPECT_NE(sesionServidor(), antes);
}

// With no special play on the server the detail editor keeps its initial
// caption, an empty list and its boxes untouched.
TEST_F(JugadasTest, WithoutSpecialPlaysTheDetailEditorKeepsItsInitialState)
{
    auto* catalogo = abre<Form6>(QStringLiteral("Form6"));
    ASSERT_NE(catalogo, nullptr);
    db_->exec(QStringLiteral("TRUNCATE jugadas CASCADE"));
    bool visto = false;
    enEditor<Form8>(QStringLiteral("Form8"), [&visto](Form8* e) {
        visto = true;
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Jugadas Especiales"));
        EXPECT_EQ(e->Combo1->count(), 0);
        EXPECT_EQ(e->Combo1->currentText(), QString());
        EXPECT_EQ(e->Text3->text(), QString());
        EXPECT_EQ(e->Text4->text(), QString());
        EXPECT_TRUE(e->Text3->isEnabled());
        e->botonDeshacer()->click();
    });
    irAFila(catalogo->grilla(), 1);
    catalogo->botonModificar()->click();
    EXPECT_TRUE(visto);
}

// "&Nuevo" of the special plays leaves the saved grid position as it was.
TEST_F(JugadasTest, NuevoLeavesTheSavedPositionOfTheSpecialPlays)
{
    auto* catalogo = abre<form2>(QStringLiteral("form2"));
    ASSERT_NE(catalogo, nullptr);
    irAFila(catalogo->grilla(), 1);
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) { e->botonDeshacer()->click(); });
    catalogo->botonModificar()->click();
    const platform::db::Bookmark guardado = core::sesion().marcadormaestro;
    ASSERT_TRUE(guardado.isValid());
    enEditor<Form7>(QStringLiteral("Form7"), [](Form7* e) { e->botonDeshacer()->click(); });
    catalogo->botonNuevo()->click();
    EXPECT_EQ(core::sesion().marcadormaestro, guardado);
}

// After deleting a special play the boxes show the row now current.
TEST_F(JugadasTest, AfterADeleteTheSpecialPlayBoxesShowTheRowNowCurrent)
{
    db_->exec(QStringLiteral("INSERT INTO jugadas VALUES ('AA', 'PRIMERA')"));
    auto* catalogo = abre<form2>(QStringLiteral("form2"));
    ASSERT_NE(catalogo, nullptr);
    ASSERT_EQ(catalogo->Text1->text(), QStringLiteral("AA"));
    rec_->answerNext(AnswerYes);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(jugadas().size(), 2);
    EXPECT_EQ(catalogo->Text1->text(), catalogo->grilla()->textoColumna(0).trimmed());
    EXPECT_NE(catalogo->Text1->text(), QStringLiteral("AA"));
}
