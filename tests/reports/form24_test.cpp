#include "reports/form24.h"
#include "reports/registro.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStyleOptionViewItem>

#include <gtest/gtest.h>

using platform::ui::windowRegistry;

namespace {

class Form24Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        windowRegistry().clear();
        reports::registerWindows(windowRegistry());
    }
    void TearDown() override { windowRegistry().clear(); }
};

} // namespace

TEST_F(Form24Test, TheFirstUseLoadsTheHiddenListOnceAndWritersShareIt)
{
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form24")), nullptr);
    reports::Form24* primera = reports::form24();
    ASSERT_TRUE(primera);
    EXPECT_EQ(primera->List1->tabStops(), QList<int>({-40}));
    EXPECT_EQ(primera->List1->count(), 0);

    // A writer sets two tab stops for the whole list and appends lines.
    const int paradas[] = {40, 50};
    primera->List1->setTabStops(2, paradas);
    primera->List1->addItem(QStringLiteral("00001\tCENTRO UNO\t1.500,50"));
    primera->List1->addItem(QString());
    primera->List1->addItem(QStringLiteral("00001\tCENTRO UNO\t1.500,50"));

    // The next writer finds the same window: no second load, lines kept.
    reports::Form24* segunda = reports::form24();
    EXPECT_EQ(segunda, primera);
    EXPECT_EQ(segunda->List1->tabStops(), QList<int>({40, 50}));
    EXPECT_EQ(segunda->List1->count(), 3);
    segunda->List1->clear();
    EXPECT_EQ(segunda->List1->count(), 0);

    QCoreApplication::processEvents();
    EXPECT_FALSE(segunda->isVisible());
    EXPECT_FALSE(segunda->List1->isVisible());
}

// A line's fields start at the list's stops: with one stop of 40 dialog
// units, "a\tb" is as wide as that stop plus "b", and a second stop twice as
// far moves the field accordingly; the default spacing of an item view does
// not decide the columns.
TEST(ListaTabuladaTest, LinesAreLaidOnTheListsOwnTabStops)
{
    reports::ListaTabulada lista;
    lista.addItem(QStringLiteral("a\tb"));
    const QFontMetricsF medida(lista.font());
    const qreal unidad = medida.averageCharWidth() / 4;
    const auto ancho = [&lista] {
        return lista.itemDelegate()->sizeHint(QStyleOptionViewItem(), lista.model()->index(0, 0)).width();
    };

    lista.setTabStops({-40});
    ASSERT_EQ(lista.tabStopsPixels(), QList<qreal>({40 * unidad}));
    const int conUna = ancho();
    EXPECT_NEAR(conUna, 40 * unidad + medida.horizontalAdvance(QLatin1Char('b')) + 8, 2);

    lista.setTabStops({80});
    EXPECT_NEAR(ancho() - conUna, 40 * unidad, 2);
}
