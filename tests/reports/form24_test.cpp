#include "reports/form24.h"
#include "reports/registro.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>

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
