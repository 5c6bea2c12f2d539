// The tab chain of every editor of the lotteries: its fields in order, then
// its buttons, and the first field with the focus when it opens, so that
// typing a code and a name never lands on "&Grabar" or "&Deshacer".

#include "tabulacion.h"
#include "ventanasjugadas.h"

#include "lotteries/form10.h"
#include "lotteries/form46.h"
#include "lotteries/form5.h"
#include "lotteries/form6.h"
#include "lotteries/form7.h"
#include "lotteries/form8.h"
#include "lotteries/form9.h"

#include "core/sesion.h"
#include "platform/ui/windowregistry.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QWindow>

using namespace lotteries;
using platform::ui::windowRegistry;

namespace {

using testsupport::enfocado;

QList<QWidget*> cadena(QWidget* desde)
{
    return testsupport::cadenaTabulacion(desde);
}

class TabulacionTest : public datosjugadas::ConVentanas {
protected:
    template <class T> T* editor(const QString& nombre, const QString& modo)
    {
        core::sesion().modoedicion = modo;
        T* ventana = core::cargaVentana<T>(nombre);
        if (ventana) {
            ventana->showModeless();
            platform::ui::doEvents();
        }
        return ventana;
    }
    static void irAFila(core::GrillaCatalogo* grilla, int fila)
    {
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
    }
};

} // namespace

TEST_F(TabulacionTest, SpecialPlayEditorCodeNameThenButtons)
{
    windowRegistry().show(QStringLiteral("form2"));
    for (const QString& modo : {QStringLiteral("A"), QStringLiteral("M")}) {
        auto* e = editor<Form7>(QStringLiteral("Form7"), modo);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(enfocado(), e->Text1) << modo.toStdString();
        EXPECT_EQ(cadena(e->Text1),
                  (QList<QWidget*>{e->Text1, e->Text2, e->botonGrabar(), e->botonDeshacer()}));
        e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TabulacionTest, DetailEditorPlayCodeNameThenButtons)
{
    windowRegistry().show(QStringLiteral("Form6"));
    for (const QString& modo : {QStringLiteral("A"), QStringLiteral("M")}) {
        auto* e = editor<Form8>(QStringLiteral("Form8"), modo);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(enfocado(), e->Combo1) << modo.toStdString();
        EXPECT_EQ(cadena(e->Combo1),
                  (QList<QWidget*>{e->Combo1, e->Text3, e->Text4, e->botonGrabar(), e->botonDeshacer()}));
        // Typing a code and a name with a blank stays in the boxes.
        if (modo == QLatin1String("A")) {
            QTest::keyClick(e->windowHandle(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("07"));
            QTest::keyClick(e->windowHandle(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("DOS PALABRAS"));
            EXPECT_EQ(e->Text3->text(), QStringLiteral("07"));
            EXPECT_EQ(e->Text4->text(), QStringLiteral("DOS PALABRAS"));
            EXPECT_TRUE(e->isVisible());
        }
        e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TabulacionTest, LotteryEditorRowByRowThenButtonsThenLists)
{
    windowRegistry().show(QStringLiteral("Form5"));
    for (const QString& modo : {QStringLiteral("A"), QStringLiteral("M")}) {
        auto* e = editor<Form9>(QStringLiteral("Form9"), modo);
        ASSERT_NE(e, nullptr);
        // The code box is disabled to modify: the name takes the focus.
        EXPECT_EQ(enfocado(), modo == QLatin1String("A") ? static_cast<QWidget*>(e->Text1) : e->Text2);
        QList<QWidget*> esperada{e->Text1, e->Text2, e->Text33, e->Check10};
        for (int i : {0, 1, 2, 3, 4, 5, 6, 9, 7, 10, 8, 11})
            esperada << e->bloque().caja(core::campos::Venta[i]);
        esperada << e->Check12() << e->bloque().caja(core::campos::MontoComodin) << e->Check8;
        for (const QString& campo : core::campos::Digito)
            esperada << e->bloque().caja(campo);
        for (int d = 0; d < 7; ++d)
            esperada << e->dias[d] << e->horas[d];
        esperada << e->Check11 << e->botonGrabar() << e->botonDeshacer() << e->Combo5 << e->Combo1;
        EXPECT_EQ(cadena(e->Text1), esperada) << modo.toStdString();
        // Tab from "&Deshacer" reaches the board's list, then the operator's,
        // past the hidden pair controls.
        e->botonDeshacer()->setFocus();
        QTest::keyClick(e->windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(enfocado(), e->Combo5) << modo.toStdString();
        QTest::keyClick(e->windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(enfocado(), e->Combo1) << modo.toStdString();
        e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TabulacionTest, SpecialParametersEditorBoxesButtonsThenTheList)
{
    auto* loterias = qobject_cast<Form5*>(windowRegistry().show(QStringLiteral("Form5")));
    ASSERT_NE(loterias, nullptr);
    irAFila(loterias->grilla(), 0);
    QTest::keyClick(loterias->windowHandle(), Qt::Key_F5);
    auto* lista = core::ventanaAbierta<Form46>(QStringLiteral("Form46"));
    ASSERT_NE(lista, nullptr);
    irAFila(lista->DataGrid1, 0);
    lista->XPButton2->click();
    auto* e = core::ventanaAbierta<Form10>(QStringLiteral("Form10"));
    ASSERT_NE(e, nullptr);
    platform::ui::doEvents();
    EXPECT_EQ(enfocado(), e->Text(1));
    QList<QWidget*> esperada;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 10, 8, 11, 9, 12})
        esperada << e->Text(n);
    esperada << e->Grabar << e->Eliminar << e->Salir << e->List1;
    EXPECT_EQ(cadena(e->Text(1)), esperada);
}
