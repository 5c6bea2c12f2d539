// The lottery catalogue and its editor on the real server: the main road
// (add, modify, delete), the refused save, the short code, what the
// catalogue shows and what the editor takes from it.

#include "datosloterias.h"
#include "pegado.h"

#include "lotteries/form5.h"
#include "lotteries/form9.h"
#include "lotteries/registro.h"

#include "core/sesion.h"

#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <functional>

using namespace lotteries;
using platform::msg::AnswerYes;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString CodigoCorto = QStringLiteral("El código de la loteria debe tener 3 caracteres");

// Stands in for the special plays of a lottery: what the catalogue hands it.
class Form46Prueba : public platform::ui::Window {
public:
    Form46Prueba()
    {
        Combo4->setObjectName(QStringLiteral("Combo4"));
        Combo4->setEditable(true);
        (new QVBoxLayout(this))->addWidget(Combo4);
    }
    QComboBox* Combo4 = new QComboBox;
};

class LoteriasTest : public datosloterias::FixtureVentanas {
protected:
    void SetUp() override
    {
        FixtureVentanas::SetUp();
        if (!IsSkipped())
            platform::ui::windowRegistry().add<Form46Prueba>(QStringLiteral("Form46"));
    }

    // The menu's click: the catalogue, loaded and shown.
    Form5* abreCatalogo()
    {
        return dynamic_cast<Form5*>(platform::ui::windowRegistry().show(QStringLiteral("Form5")));
    }
    static void vaAFila(Form5& catalogo, int fila)
    {
        catalogo.grilla()->setCurrentIndex(catalogo.grilla()->model()->index(fila, 0));
    }
    // Runs `accion` in the editor once the catalogue has opened it (modal).
    static void enElEditor(const std::function<void(Form9&)>& accion)
    {
        QTimer::singleShot(0, [accion] {
            auto* editor = dynamic_cast<Form9*>(platform::ui::windowRegistry().find(QStringLiteral("Form9")));
            ASSERT_NE(editor, nullptr);
            ASSERT_TRUE(editor->isVisible());
            const QPointer<Form9> vigilado(editor);
            accion(*editor);
            if (vigilado && !vigilado->isUnloaded())
                vigilado->close();
        });
    }
    QString fila(const QString& codigo, const QString& columnas)
    {
        return db().scalar(QStringLiteral("SELECT concat_ws('|', %1) FROM loterias WHERE cod_lot = '%2'")
                               .arg(columnas, codigo));
    }
};

void teclea(QLineEdit* caja, const QString& texto)
{
    caja->setFocus();
    caja->selectAll();
    QTest::keyClick(caja, Qt::Key_Backspace);
    QTest::keyClicks(caja, texto);
}

} // namespace

TEST_F(LoteriasTest, TheCatalogueShowsTheListAndTheSelectedLottery)
{
    Form5* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    EXPECT_EQ(catalogo->windowTitle(), QStringLiteral("Actualizaciòn de Loterias"));
    core::GrillaCatalogo* grilla = catalogo->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Còdigo"));
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Nombre "));
    EXPECT_NEAR(grilla->anchoTwips(1), 3000, 15);
    for (int c = 2; c < grilla->model()->columnCount(); ++c)
        EXPECT_TRUE(grilla->isColumnHidden(c)) << c;

    // Lottery 001, as stored.
    EXPECT_EQ(catalogo->Text1->text(), QStringLiteral("001"));
    EXPECT_EQ(catalogo->Text2->text(), QStringLiteral("ZULIA 12M"));
    EXPECT_EQ(catalogo->bloque().texto(QStringLiteral("Comi_Ter")), QStringLiteral("12,5"));
    EXPECT_EQ(catalogo->bloque().texto(QStringLiteral("Lim_NumB")), QStringLiteral("12"))
        << "the hidden pair boxes are filled too";
    EXPECT_EQ(catalogo->Text33->text(), QStringLiteral("12,5"));
    EXPECT_EQ(catalogo->Text34->text(), QStringLiteral("001 - Beneficencia Zulia"));
    EXPECT_EQ(catalogo->Text35->text(), QStringLiteral("002 - Azar Capital"));
    EXPECT_EQ(catalogo->horas[2]->text(), QStringLiteral("21:05:00"));
    EXPECT_EQ(catalogo->horas[1]->text(), QString());
    EXPECT_TRUE(catalogo->dias[2]->isChecked());
    EXPECT_FALSE(catalogo->dias[1]->isChecked());
    EXPECT_TRUE(catalogo->Check11->isChecked());
    EXPECT_TRUE(catalogo->Check12()->isChecked());

    // 002: no board, no operator, no hours.
    vaAFila(*catalogo, 1);
    EXPECT_EQ(catalogo->Text1->text(), QStringLiteral("002"));
    EXPECT_EQ(catalogo->Text34->text(), QString());
    EXPECT_EQ(catalogo->horas[2]->text(), QString());
    EXPECT_FALSE(catalogo->Check11->isChecked());
}

TEST_F(LoteriasTest, MainRoadAddModifyAndDelete)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 0);

    // Add: a copy of lottery 001 with an empty code and name.
    enElEditor([](Form9& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Agregando Loterias"));
        EXPECT_TRUE(editor.Text1->isEnabled());
        EXPECT_EQ(editor.Text1->text(), QString());
        EXPECT_EQ(editor.bloque().texto(QStringLiteral("Comi_Ter")), QStringLiteral("12.5"));
        EXPECT_EQ(editor.bloque().texto(QStringLiteral("Lim_NumB")), QStringLiteral("12"));
        EXPECT_EQ(editor.horas[2]->time(), QTime(21, 5));
        EXPECT_EQ(editor.Combo5->currentText(), QStringLiteral("001 - Beneficencia Zulia"));
        EXPECT_FALSE(editor.Check11->isChecked()) << "special plays are not copied to add";

        teclea(editor.Text1, QStringLiteral("NUE"));
        teclea(editor.Text2, QStringLiteral("NUEVA LOTERIA"));
        int n = 1;
        for (const QString& campo : core::campos::Venta + core::campos::Digito)
            teclea(editor.bloque().caja(campo), QString::number(n++) + QStringLiteral(".5"));
        teclea(editor.bloque().caja(core::campos::MontoComodin), QStringLiteral("4"));
        teclea(editor.Text33, QStringLiteral("7.25"));
        for (int d = 0; d < 7; ++d) {
            editor.dias[d]->setChecked(d < 5);
            editor.horas[d]->setTime(QTime(13 + d, 15));
        }
        editor.Check8->setChecked(false);
        editor.Check10->setChecked(true);
        editor.Check11->setChecked(true);
        editor.Check12()->setChecked(false);
        editor.Combo5->setCurrentIndex(1);
        editor.Combo1->setCurrentIndex(0);
        editor.grabar();
    });
    catalogo->nuevo(); // returns once the editor has closed
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(fila(QStringLiteral("NUE"),
                   QStringLiteral("desc_lot, minimo_tri, minimo_ter, lim_tri, p_tri_3, p_ter_3,"
                                  " montom_digito, premio_digito, lim_numb, montocomodin, impuesto,"
                                  " dia_1, dia_6, hora_1, hora_7, juegaespecial, juegadigito,"
                                  " jueganormal, pagacomodin, codigo_junta, codigo_operadora")),
              QStringLiteral("NUEVA LOTERIA|1.500|2.500|3.500|9.500|12.500|13.500|16.500|12.000|4.000"
                             "|7.250|S|N|13:15:00|19:15:00|S|N|S|N|002|001"));
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 4);
    EXPECT_EQ(catalogo->Text1->text(), QStringLiteral("001")) << "after an add: the first row";

    // Modify the new lottery: the grid comes back to it.
    vaAFila(*catalogo, 3);
    enElEditor([](Form9& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Modificando Loterias"));
        EXPECT_FALSE(editor.Text1->isEnabled());
        EXPECT_EQ(editor.Text1->text(), QStringLiteral("NUE"));
        EXPECT_TRUE(editor.Check11->isChecked());
        teclea(editor.Text2, QStringLiteral("LOTERIA CAMBIADA"));
        teclea(editor.bloque().caja(QStringLiteral("Lim_Tri")), QStringLiteral("750"));
        editor.Combo5->setEditText(QString()); // no board
        editor.grabar();
    });
    rec().clear();
    catalogo->modificar();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(fila(QStringLiteral("NUE"), QStringLiteral("desc_lot, lim_tri, minimo_tri, codigo_junta")),
              QStringLiteral("LOTERIA CAMBIADA|750.000|1.500"));
    EXPECT_EQ(catalogo->grilla()->textoColumna(0), QStringLiteral("NUE"));
    EXPECT_EQ(catalogo->Text2->text(), QStringLiteral("LOTERIA CAMBIADA"));
    EXPECT_EQ(catalogo->bloque().texto(QStringLiteral("Lim_Tri")), QStringLiteral("750"));

    // Delete it after the confirmation.
    rec().clear();
    rec().answerNext(AnswerYes);
    catalogo->eliminar();
    ASSERT_EQ(rec().boxes().size(), 2);
    EXPECT_EQ(rec().boxes()[0].prompt, QStringLiteral("¿Deseas Eliminar la información Seleccionada?"));
    EXPECT_EQ(rec().boxes()[0].style, 276);
    EXPECT_EQ(rec().boxes()[1].prompt, Exito);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM loterias WHERE cod_lot = 'NUE'")),
              QStringLiteral("0"));
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 3);
    EXPECT_NEAR(catalogo->grilla()->anchoTwips(1), 2800, 15);
}

TEST_F(LoteriasTest, ARefusedSaveTellsTheProblemKeepsTheEditorOpenWithWhatWasTypedAndKeepsTheList)
{
    Form5* catalogo = abreCatalogo();
    const platform::db::RecordSet antes = catalogo->lista();
    enElEditor([](Form9& editor) {
        teclea(editor.Text1, QStringLiteral("001")); // exists already
        teclea(editor.Text2, QStringLiteral("DUPLICADA"));
        editor.grabar();
        EXPECT_FALSE(editor.isUnloaded());
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(editor.Text1->text(), QStringLiteral("001"));
        EXPECT_EQ(editor.Text2->text(), QStringLiteral("DUPLICADA"));
    });
    catalogo->nuevo();
    EXPECT_EQ(rec().prompts(), QStringList{Problema});
    EXPECT_EQ(rec().boxes()[0].title, QStringLiteral("Atención!"));
    EXPECT_EQ(fila(QStringLiteral("001"), QStringLiteral("desc_lot")), QStringLiteral("ZULIA 12M"));
    EXPECT_EQ(catalogo->lista().recordCount(), antes.recordCount());
    EXPECT_EQ(catalogo->lista().bookmark(), antes.bookmark());
}

TEST_F(LoteriasTest, ACodeShorterThanThreeCharactersIsRefusedBeforeAnything)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 2); // 003: its boxes are all zero, not empty; empty one box
    enElEditor([](Form9& editor) {
        editor.bloque().ponTexto(QStringLiteral("Lim_Tri"), QString());
        teclea(editor.Text1, QStringLiteral("AB"));
        QTest::keyClick(editor.windowHandle(), Qt::Key_Return); // Enter saves
        EXPECT_EQ(editor.bloque().texto(QStringLiteral("Lim_Tri")), QString()) << "nothing set to 0";
        EXPECT_FALSE(editor.isUnloaded()) << "the editor stays open";
    });
    catalogo->nuevo();
    ASSERT_EQ(rec().boxes().size(), 1);
    EXPECT_EQ(rec().boxes()[0].prompt, CodigoCorto);
    EXPECT_EQ(rec().boxes()[0].style, 16);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM loterias")), QStringLiteral("3"));
}

TEST_F(LoteriasTest, ClosingTheEditorSendsNothingAndReturnsToTheSavedRow)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 1);
    enElEditor([](Form9& editor) {
        teclea(editor.Text2, QStringLiteral("NO SE GUARDA"));
        QTest::keyClick(editor.windowHandle(), Qt::Key_Escape);
    });
    catalogo->grilla()->setFocus();
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_Return); // Enter in the grid modifies
    EXPECT_TRUE(rec().boxes().isEmpty());
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("M"));
    EXPECT_EQ(catalogo->grilla()->textoColumna(0), QStringLiteral("002"));
    EXPECT_EQ(fila(QStringLiteral("002"), QStringLiteral("desc_lot")), QStringLiteral("CARACAS 4PM"));
}

TEST_F(LoteriasTest, F5HandsTheSelectedLotteryToItsSpecialPlays)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 1);
    catalogo->Text33->setFocus(); // whichever control has the focus
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_F5, Qt::ShiftModifier);
    auto* especiales = dynamic_cast<Form46Prueba*>(
        platform::ui::windowRegistry().find(QStringLiteral("Form46")));
    ASSERT_NE(especiales, nullptr);
    EXPECT_TRUE(especiales->isVisible());
    EXPECT_EQ(especiales->Combo4->currentText(), QStringLiteral("002 - CARACAS 4PM"));

    // Back in the catalogue, the grid returns to that row wherever it was left.
    vaAFila(*catalogo, 0);
    catalogo->showModeless();
    EXPECT_EQ(catalogo->grilla()->textoColumna(0), QStringLiteral("002"));
}

TEST_F(LoteriasTest, ThePopUpDeleteOnALostConnectionReconnectsAndAsksAgain)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 2);
    core::sesion().conexion.close();
    rec().answerNext(AnswerYes);
    rec().answerNext(AnswerYes);
    catalogo->menuContextual()->actions().at(1)->trigger();
    EXPECT_EQ(rec().prompts(),
              (QStringList{QStringLiteral("¿Deseas Eliminar la información Seleccionada?"),
                           QStringLiteral("¿Deseas Eliminar la información Seleccionada?"), Exito}));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM loterias WHERE cod_lot = '003'")),
              QStringLiteral("0"));
}

// No amount box takes more digits than its ACTLOT parameter holds: typing
// 99999999999 stops at the whole digits of a decimal 9,3 (18,3 for the
// first terminales prize), and the save goes through.
TEST_F(LoteriasTest, AmountBoxesTakeNoMoreThanTheirParametersHold)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 1);
    enElEditor([](Form9& editor) {
        struct Caso {
            QLineEdit* caja;
            const char* queda;
        };
        const Caso casos[] = {{editor.bloque().caja(QStringLiteral("Lim_Tri")), "999999"},
                              {editor.bloque().caja(QStringLiteral("P_ter_1")), "99999999999"},
                              {editor.bloque().caja(core::campos::MontoComodin), "999999"},
                              {editor.bloque().caja(QStringLiteral("Lim_NumA")), "999999"},
                              {editor.Text33, "999999"}};
        for (const Caso& caso : casos) {
            teclea(caso.caja, QStringLiteral("99999999999"));
            EXPECT_EQ(caso.caja->text(), QString::fromUtf8(caso.queda))
                << caso.caja->objectName().toStdString();
        }
        editor.grabar();
        EXPECT_TRUE(editor.isUnloaded());
    });
    catalogo->modificar();
    EXPECT_EQ(rec().prompts(), QStringList{Exito});
    EXPECT_EQ(fila(QStringLiteral("002"), QStringLiteral("lim_tri, p_ter_1, montocomodin, impuesto")),
              QStringLiteral("999999.000|99999999999.000|999999.000|999999.000"));
}

// A code or a name pasted into the editor is held to what ACTLOT takes:
// "0042" pasted into the code box is refused whole, so that no lottery 004
// is made (with a row for every seller); the operator is told, by Ctrl+V
// and by the box's menu alike, and a paste that fits goes in.
TEST_F(LoteriasTest, APastedCodeOrNameThatWouldNotFitIsRefusedNeverCut)
{
    using testsupport::Pegado;
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 1);
    enElEditor([](Form9& editor) {
        for (Pegado como : {Pegado::Teclado, Pegado::Menu}) {
            editor.Text1->setFocus();
            testsupport::pega(editor.Text1, QStringLiteral("0042"), como);
            EXPECT_EQ(editor.Text1->text(), QString()) << nombre(como);
            testsupport::pega(editor.Text2, QStringLiteral("LOTERIA DEL ZULIA DE LAS 4PM"), como);
            EXPECT_EQ(editor.Text2->text(), QString()) << nombre(como);
        }
        editor.grabar();
        ASSERT_FALSE(editor.isUnloaded());
        testsupport::pega(editor.Text1, QStringLiteral("042"), Pegado::Menu);
        testsupport::pega(editor.Text2, QStringLiteral("ZULIA 4PM"), Pegado::Teclado);
        editor.grabar();
        EXPECT_TRUE(editor.isUnloaded());
    });
    catalogo->nuevo();
    const QString codigo = QStringLiteral("El campo Còdigo no puede tener más de 3 caracteres");
    const QString nombre = QStringLiteral("El campo Nombre no puede tener más de 25 caracteres");
    EXPECT_EQ(rec().prompts(), (QStringList{codigo, nombre, codigo, nombre, CodigoCorto, Exito}));
    EXPECT_EQ(rec().boxes().value(0).style, 16);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT string_agg(cod_lot, ',' ORDER BY cod_lot) FROM loterias")),
              QStringLiteral("001,002,003,042"));
    EXPECT_EQ(fila(QStringLiteral("042"), QStringLiteral("desc_lot")), QStringLiteral("ZULIA 4PM"));
}

// After a delete the detail shows the row now current, so that "&Nuevo"
// starts from a lottery that exists.
TEST_F(LoteriasTest, AfterADeleteNuevoCopiesTheRowNowCurrent)
{
    Form5* catalogo = abreCatalogo();
    vaAFila(*catalogo, 2);
    rec().answerNext(AnswerYes);
    catalogo->eliminar();
    ASSERT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM loterias WHERE cod_lot = '003'")),
              QStringLiteral("0"));
    const QString actual = catalogo->grilla()->textoColumna(0);
    EXPECT_EQ(catalogo->Text1->text(), actual);
    EXPECT_EQ(catalogo->registro().codigo, actual);
    QString impuesto;
    enElEditor([&impuesto](Form9& editor) { impuesto = editor.Text33->text(); });
    catalogo->nuevo();
    EXPECT_EQ(impuesto, catalogo->Text33->text());
}
