// The special plays of a lottery (Form46) and one play's parameters on that
// lottery (Form10), on the real server: add, modify and delete the row once
// each with the server's rows checked, the list refilled at its line, the
// refused save, and codes with quotes. The lottery catalogue opens the
// list with F5.

#include "ventanasjugadas.h"

#include "lotteries/form10.h"
#include "lotteries/form46.h"
#include "lotteries/form5.h"

#include "core/grillacatalogo.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace lotteries;
using datosjugadas::filas;
using platform::msg::AnswerNo;
using platform::msg::AnswerYes;
using platform::ui::windowRegistry;

using namespace Qt::StringLiterals;

namespace {

const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");

class ParametrosEspecialesTest : public datosjugadas::ConVentanas {
protected:
    // The lottery catalogue, opened at its first use.
    Form5* catalogo() { return qobject_cast<Form5*>(windowRegistry().show(QStringLiteral("Form5"))); }

    // The catalogue's F5 on its row `fila`.
    Form46* abreLista(int fila)
    {
        Form5* loterias = catalogo();
        irAFila(loterias->grilla(), fila);
        QTest::keyClick(loterias->windowHandle(), Qt::Key_F5);
        return qobject_cast<Form46*>(windowRegistry().find(QStringLiteral("Form46")));
    }
    // Form46's "Seleccionar" on its line `fila`.
    Form10* abreEditor(Form46* lista, int fila)
    {
        irAFila(lista->DataGrid1, fila);
        lista->XPButton2->click();
        return qobject_cast<Form10*>(windowRegistry().find(QStringLiteral("Form10")));
    }
    static void irAFila(core::GrillaCatalogo* grilla, int fila)
    {
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
    }
    static QStringList cajas(Form10* editor)
    {
        QStringList textos;
        for (int n = 1; n <= 12; ++n)
            textos << editor->Text(n)->text();
        return textos;
    }
    static void cierra() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QStringList fila(const QString& loteria, const QString& especial)
    {
        return db_->rows(QStringLiteral("SELECT minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter,"
                                        " p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3 FROM lotespec"
                                        " WHERE cod_lot = '%1' AND especial = '%2'")
                             .arg(loteria, especial));
    }
};

} // namespace

TEST_F(ParametrosEspecialesTest, TheListShowsEverySpecialPlayOfTheCataloguesLottery)
{
    Form46* lista = abreLista(0);
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->windowTitle(), QStringLiteral("Parametros Especiales"));
    EXPECT_EQ(lista->Combo4->currentText(), QStringLiteral("001 - ZULIA 12M"));
    EXPECT_TRUE(lista->isVisible());
    EXPECT_TRUE(lista->XPButton2->isEnabled());
    EXPECT_EQ(filas(lista->DataGrid1->dataSource(), {0, 1, 4}),
              (QStringList{QStringLiteral("T1|TRIPLETAZO|12.500"), QStringLiteral("Z|ZODIACAL|NULL")}));
    const QStringList titulos{u"Codigo"_s,     u"Jugada"_s,     u"Lim. Tri."_s,
                              u"Lim. Ter."_s,  u"Comi. Tri."_s, u"Comi. Ter."_s,
                              u"Prem. Tri."_s, u"Prem. 1ero"_s, u"Prem. 2do"_s};
    for (int c = 0; c < titulos.size(); ++c)
        EXPECT_EQ(lista->DataGrid1->titulo(c), titulos[c]);
    EXPECT_NEAR(lista->DataGrid1->anchoTwips(1), 2500, 15);
    EXPECT_FALSE(core::sesion().marcadordetalle.isValid());

    // F5 again on another lottery: the window comes forward with its list.
    abreLista(1);
    EXPECT_EQ(lista->Combo4->currentText(), QStringLiteral("002 - CARACAS 4PM"));
    EXPECT_EQ(lista->DataGrid1->textoColumna(4), QStringLiteral("12,5"));
}

TEST_F(ParametrosEspecialesTest, WithoutSpecialPlaysNothingCanBeSelected)
{
    db_->exec(QStringLiteral("DELETE FROM jugadas"));
    Form46* lista = abreLista(0);
    EXPECT_FALSE(lista->XPButton2->isEnabled());
    EXPECT_EQ(lista->DataGrid1->model()->rowCount(), 0);
    lista->DataGrid1->setFocus();
    QTest::keyClick(lista->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form10")), nullptr);
}

TEST_F(ParametrosEspecialesTest, AParameterRowIsAddedModifiedAndDeleted)
{
    Form46* lista = abreLista(0);

    // Add: no row for Z yet.
    Form10* editor = abreEditor(lista, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Jugadas Especiales para (001 - ZULIA 12M)"));
    ASSERT_EQ(editor->List1->count(), 1);
    EXPECT_EQ(editor->List1->item(0)->text(), QStringLiteral("Z - ZODIACAL"));
    EXPECT_EQ(cajas(editor), QStringList(12, QStringLiteral("0")));
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("A"));
    EXPECT_EQ(core::sesion().marcadordetalle, lista->DataGrid1->marcador());
    const QStringList valores{u"1"_s,   u"2"_s,  u"300"_s, u"400"_s, u"12.5"_s, u"10"_s,
                              u"600"_s, u"60"_s, u"6"_s,   u"70"_s,  u"7"_s,    u""_s};
    for (int n = 1; n <= 12; ++n)
        editor->Text(n)->setText(valores[n - 1]);
    editor->Grabar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Se Agrego perfectamente 001Z")});
    EXPECT_EQ(fila(QStringLiteral("001"), QStringLiteral("Z")),
              QStringList{QStringLiteral(
                  "1.000|2.000|300.000|400.000|12.500|10.000|600.000|60.000|6.000|70.000|7.000|0.000")});
    EXPECT_EQ(editor->Text(12)->text(), QStringLiteral("0")) << "an empty box is written back as 0";
    EXPECT_EQ(core::sesion().modoedicion, QString());
    EXPECT_EQ(lista->DataGrid1->textoColumna(0), QStringLiteral("Z"))
        << "the refilled list is back at its line";
    EXPECT_EQ(lista->DataGrid1->textoColumna(4), QStringLiteral("12,5"));
    cierra();
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form10")), nullptr) << "the save closes the window";

    // Modify: the row is read back, commissions with a point; Enter saves.
    rec_->clear();
    editor = abreEditor(lista, 1);
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("M"));
    EXPECT_EQ(cajas(editor), (QStringList{u"1"_s, u"2"_s, u"300"_s, u"400"_s, u"12.5"_s, u"10"_s, u"600"_s,
                                          u"60"_s, u"6"_s, u"70"_s, u"7"_s, u"0"_s}));
    editor->Text(3)->setText(QStringLiteral("999"));
    editor->Text(3)->setFocus();
    QTest::keyClick(editor->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Se Actualizo perfectamente 001Z")});
    EXPECT_EQ(fila(QStringLiteral("001"), QStringLiteral("Z")).value(0).section(QLatin1Char('|'), 2, 2),
              QStringLiteral("999.000"));
    cierra();

    // Delete: No closes and keeps the row; Yes deletes it.
    rec_->clear();
    editor = abreEditor(lista, 1);
    rec_->answerNext(AnswerNo);
    editor->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Pregunta});
    EXPECT_EQ(rec_->boxes()[0].style, 276);
    EXPECT_EQ(fila(QStringLiteral("001"), QStringLiteral("Z")).size(), 1);
    cierra();
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form10")), nullptr);

    rec_->clear();
    editor = abreEditor(lista, 1);
    rec_->answerNext(AnswerYes);
    editor->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{Pregunta, QStringLiteral("Se Borro esto perfectamente 001Z")}));
    EXPECT_TRUE(fila(QStringLiteral("001"), QStringLiteral("Z")).isEmpty());
    EXPECT_EQ(fila(QStringLiteral("001"), QStringLiteral("T1")).size(), 1) << "only that row";
    EXPECT_EQ(lista->DataGrid1->textoColumna(4), QString()) << "the list shows it has none";
    EXPECT_EQ(core::sesion().modoedicion, QString());
}

TEST_F(ParametrosEspecialesTest, ARefusedSaveKeepsTheWindowOpenAndWritesNothing)
{
    Form46* lista = abreLista(0);
    Form10* editor = abreEditor(lista, 0);
    editor->Text(5)->setText(QStringLiteral("."));
    editor->Grabar->click();
    ASSERT_EQ(rec_->boxes().size(), 1);
    EXPECT_TRUE(rec_->prompts()[0].contains(QStringLiteral("ERROR NRO: ")));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("M"));
    EXPECT_EQ(fila(QStringLiteral("001"), QStringLiteral("T1")).value(0).section(QLatin1Char('|'), 4, 4),
              QStringLiteral("12.500"));
    EXPECT_FALSE(conexion().inTransaction());
}

TEST_F(ParametrosEspecialesTest, TheKeysOfTheBoxes)
{
    Form10* editor = abreEditor(abreLista(0), 0);
    struct Caso {
        int caja;
        const char* tecleado;
        const char* queda;
    };
    const Caso casos[] = {
        {1, "1a.5-", "15"},   // whole numbers: digits only
        {5, "1.5.2", "1.52"}, // a commission takes one point
        {6, "2,5", "25"},
    };
    for (const Caso& c : casos) {
        QLineEdit* caja = editor->Text(c.caja);
        caja->clear();
        QTest::keyClicks(caja, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(caja->text(), QString::fromLatin1(c.queda)) << c.caja;
    }
    QTest::keyClick(editor->windowHandle(), Qt::Key_Escape);
    cierra();
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form10")), nullptr);
    EXPECT_TRUE(rec_->boxes().isEmpty()) << "Esc saves nothing";
}

TEST_F(ParametrosEspecialesTest, EachOperationTakesTheLotterySelectedAtThatMoment)
{
    Form46* lista = abreLista(0);
    Form10* editor = abreEditor(lista, 1);
    irAFila(catalogo()->grilla(), 1); // the operator moves the catalogue to 002
    editor->Grabar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Se Agrego perfectamente 002Z")});
    EXPECT_EQ(fila(QStringLiteral("002"), QStringLiteral("Z")).size(), 1);
    EXPECT_TRUE(fila(QStringLiteral("001"), QStringLiteral("Z")).isEmpty());
}

TEST_F(ParametrosEspecialesTest, QuotesInCodesAreDataNotSql)
{
    db_->exec(QStringLiteral("INSERT INTO loterias (cod_lot, desc_lot) VALUES ('O''K', 'COMILLA');"
                             "INSERT INTO jugadas VALUES ('Q''', 'CON COMILLA')"));
    Form46* lista = abreLista(2);
    ASSERT_EQ(lista->DataGrid1->model()->rowCount(), 3);
    Form10* editor = abreEditor(lista, 0);
    ASSERT_EQ(lista->DataGrid1->textoColumna(0), QStringLiteral("Q'"));
    editor->Text(1)->setText(QStringLiteral("7"));
    editor->Grabar->click();
    EXPECT_EQ(fila(QStringLiteral("O''K"), QStringLiteral("Q''")).value(0).section(QLatin1Char('|'), 0, 0),
              QStringLiteral("7.000"));
    cierra();

    editor = abreEditor(lista, 0);
    EXPECT_EQ(editor->Text(1)->text(), QStringLiteral("7")) << "read back";
    rec_->answerNext(AnswerYes);
    editor->Eliminar->click();
    EXPECT_TRUE(fila(QStringLiteral("O''K"), QStringLiteral("Q''")).isEmpty());
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM lotespec")), QStringLiteral("1"));
}

TEST_F(ParametrosEspecialesTest, TheLotteryCataloguesF5OpensTheListAndItsEditorForItsLottery)
{
    Form46* lista = abreLista(1);
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->Combo4->currentText(), QStringLiteral("002 - CARACAS 4PM"));
    EXPECT_EQ(filas(lista->DataGrid1->dataSource(), {0, 2}),
              (QStringList{QStringLiteral("T1|NULL"), QStringLiteral("Z|NULL")}));
    Form10* editor = abreEditor(lista, 0);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Jugadas Especiales para (002 - CARACAS 4PM)"));
    editor->Grabar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Se Agrego perfectamente 002T1")});
}

TEST_F(ParametrosEspecialesTest, AnOpenEditorReadsAnotherPlayOnlyWhenItsItemIsClicked)
{
    Form46* lista = abreLista(0);
    Form10* editor = abreEditor(lista, 1);
    EXPECT_EQ(abreEditor(lista, 0), editor) << "not loaded again";
    EXPECT_EQ(editor->List1->item(0)->text(), QStringLiteral("T1 - TRIPLETAZO"));
    EXPECT_EQ(editor->Text(5)->text(), QStringLiteral("0")) << "still the first play's boxes";
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("A"));

    const QRect item = editor->List1->visualItemRect(editor->List1->item(0));
    QTest::mouseClick(editor->List1->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(editor->Text(5)->text(), QStringLiteral("12.5"));
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("M"));
}
