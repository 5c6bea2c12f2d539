// The number-blocking window on the real server: its lists, the add for the
// marked lotteries or for all of them after asking, the delete of the
// grid's row, and the keys its boxes take.

#include "ventanascontrol.h"

#include "core/acceso.h"
#include "core/grillacatalogo.h"
#include "draws/form14.h"
#include "draws/registro.h"

#include "capturas.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace datossorteos;
using draws::Form14;
using platform::ui::windowRegistry;
namespace msg = platform::msg;

namespace {

class Form14Test : public ventanascontrol::ConVentanas {
protected:
    Form14* abre() { return abreVentana<Form14>(QStringLiteral("Form14")); }

    QStringList bloqueos()
    {
        return db_->rows(QStringLiteral("SELECT cod_lot, numero_bloq, monto_bloq::numeric(18,2), especial, "
                                        "jugada FROM bloqueos ORDER BY 1, 2, 4, 5"));
    }

    QStringList grilla(Form14* v)
    {
        QStringList filas;
        const QAbstractItemModel* m = v->DataGrid1->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList celdas;
            for (int c = 0; c < m->columnCount(); ++c)
                celdas << m->index(r, c).data().toString();
            filas << celdas.join(QLatin1Char('|'));
        }
        return filas;
    }

    static void elige(QComboBox* combo, const QString& inicio)
    {
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).startsWith(inicio)) {
                combo->setCurrentIndex(i);
                return;
            }
        FAIL() << "no item " << inicio.toStdString();
    }
};

} // namespace

TEST_F(Form14Test, OpensWithItsListsAndNothingChosen)
{
    Form14* v = abre();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Bloqueo o Limitación de Números"));
    ASSERT_EQ(v->List1->count(), 4);
    EXPECT_EQ(v->List1->item(0)->text().left(4), QStringLiteral("001 "));
    EXPECT_EQ(v->Combo1->count(), 1);
    EXPECT_EQ(v->Combo1->itemText(0), QStringLiteral("T1 - TRIPLETAZO"));
    EXPECT_EQ(v->Combo2->itemText(v->Combo2->count() - 1), QStringLiteral("* - Todas"));
    EXPECT_EQ(v->Combo2->itemText(0), QStringLiteral("01 - ARIES"));
    EXPECT_EQ(v->Combo1->currentIndex(), -1);
    EXPECT_EQ(v->Combo2->currentIndex(), -1);
    EXPECT_EQ(v->DataGrid1->titulo(5), QStringLiteral("Especial"));
    EXPECT_EQ(rec_->prompts(), QStringList());
    EXPECT_FALSE(testsupport::saveScreenshot(v, QStringLiteral("Form14")).isEmpty());
}

TEST_F(Form14Test, AddsForTheMarkedLotteriesOrForAllAndDeletesTheGridRow)
{
    Form14* v = abre();
    // 014 and 001 marked, in that order: sent in list order.
    v->List1->item(1)->setSelected(true);
    v->List1->item(0)->setSelected(true);
    EXPECT_EQ(v->loteriasMarcadas(), QStringLiteral("001014"));
    v->Text1->setText(QStringLiteral("123"));
    v->Text2->setText(QStringLiteral("50"));
    v->Grabar->click();
    EXPECT_EQ(bloqueos(),
              (QStringList{QStringLiteral("001|123|50.00||"), QStringLiteral("014|123|50.00||")}));
    EXPECT_EQ(v->Text1->text(), QString());
    EXPECT_EQ(v->Text2->text(), QString());
    EXPECT_TRUE(v->List1->item(0)->isSelected()) << "the marks stay";

    // No lottery marked: asked, and Yes blocks every lottery; an empty
    // amount is 0.
    for (int i = 0; i < v->List1->count(); ++i)
        v->List1->item(i)->setSelected(false);
    elige(v->Combo1, QStringLiteral("T1"));
    elige(v->Combo2, QStringLiteral("*"));
    v->Text1->setText(QStringLiteral("45"));
    v->Grabar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Desea bloquear 45 para todas las loterias?")});
    EXPECT_EQ(bloqueos().filter(QStringLiteral("|45|0.00|T1|*")).size(), 4);
    EXPECT_EQ(grilla(v).size(), 6);

    // The first row after the refresh is 001's block of 123: deleted alone.
    rec_->clear();
    v->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("¿Deseas Eliminar la información Seleccionada?")});
    EXPECT_EQ(rec_->boxes().value(0).style, 276);
    EXPECT_EQ(bloqueos().size(), 5);
    EXPECT_FALSE(bloqueos().contains(QStringLiteral("001|123|50.00||")));

    // Next the grid's first row is 001's special block: the other
    // lotteries keep theirs.
    EXPECT_TRUE(grilla(v).value(0).startsWith(QStringLiteral("001|ZULIA 12M|45|")));
    v->Eliminar->click();
    EXPECT_EQ(bloqueos(),
              (QStringList{QStringLiteral("014|123|50.00||"), QStringLiteral("014|45|0.00|T1|*"),
                           QStringLiteral("020|45|0.00|T1|*"), QStringLiteral("030|45|0.00|T1|*")}));

    // No to the delete sends nothing.
    rec_->answerNext(msg::AnswerNo);
    v->Eliminar->click();
    EXPECT_EQ(bloqueos().size(), 4);
}

TEST_F(Form14Test, RefusalsAndTheQuestionsNo)
{
    Form14* v = abre();
    v->Grabar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Debe especificar un Número!")});
    EXPECT_EQ(v->Text2->text(), QString()) << "the amount box is left as it was";

    rec_->clear();
    v->Text1->setText(QStringLiteral("7"));
    rec_->answerNext(msg::AnswerNo);
    v->Grabar->click();
    EXPECT_EQ(rec_->prompts(), QStringList{QStringLiteral("Desea bloquear 7 para todas las loterias?")});
    EXPECT_EQ(v->Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(bloqueos(), QStringList());

    // An empty grid: "&Eliminar" does nothing at all.
    rec_->clear();
    v->Eliminar->click();
    EXPECT_EQ(rec_->prompts(), QStringList());

    // A quote in the amount reaches the server bound, and is refused there.
    v->List1->item(0)->setSelected(true);
    v->Text2->setText(QStringLiteral("1'; DELETE FROM bloqueos; --"));
    v->Grabar->click();
    EXPECT_EQ(rec_->prompts().size(), 1);
    EXPECT_TRUE(rec_->prompts().value(0).startsWith(QStringLiteral("Ha ocurrido un error")));
    EXPECT_EQ(bloqueos(), QStringList());
}

TEST_F(Form14Test, LabelClickInvertsTheMarks)
{
    Form14* v = abre();
    v->List1->item(2)->setSelected(true);
    QTest::mouseClick(v->Label6, Qt::LeftButton);
    EXPECT_EQ(v->loteriasMarcadas(), QStringLiteral("001014030"));
    v->Label6_Click();
    EXPECT_EQ(v->loteriasMarcadas(), QStringLiteral("020"));
}

TEST_F(Form14Test, TheBoxesTakeTheirKeys)
{
    Form14* v = abre();
    v->Text1->setFocus();
    QTest::keyClicks(v->Text1, QStringLiteral("1a.s2sS9"));
    EXPECT_EQ(v->Text1->text(), QStringLiteral("1S2")) << "figures and one S, three at most";
    v->Text2->setFocus();
    QTest::keyClicks(v->Text2, QStringLiteral("12.5.x3"));
    EXPECT_EQ(v->Text2->text(), QStringLiteral("12.53"));
    v->Text2->clear();
    QTest::keyClicks(v->Text2, QStringLiteral("123456789012"));
    EXPECT_EQ(v->Text2->text(), QStringLiteral("1234567890")) << "the amount's parameter holds 10";

    struct Caso {
        const char* texto;
        int tecla;
        bool pasa;
    };
    const Caso casos[] = {{"", '5', true},   {"", 'S', true},   {"", 's', true}, {"1S", 'S', false},
                          {"1", 'x', false}, {"1", '.', false}, {"12", 8, true}};
    for (const Caso& c : casos)
        EXPECT_EQ(Form14::filtroNumero(QLatin1String(c.texto), c.tecla) != 0, c.pasa)
            << c.texto << " " << c.tecla;
}
