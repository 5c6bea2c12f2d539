#include "platform/ui/windowregistry.h"
#include "probewindow.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace platform::ui;

namespace {

class OtherWindow : public Window {};

class WindowRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry().add<ProbeWindow>(QStringLiteral("Form5"));
        registry().add<ProbeWindow>(QStringLiteral("form2"));
        registry().add<OtherWindow>(QStringLiteral("masteralcaldia"));
    }
    void TearDown() override
    {
        registry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static WindowRegistry& registry() { return windowRegistry(); }
    static ProbeWindow* probe(const char* name)
    {
        return registry().get<ProbeWindow>(QString::fromLatin1(name));
    }
};

TEST_F(WindowRegistryTest, FirstUseCreatesTheWindowHiddenAndLoadsItOnce)
{
    EXPECT_EQ(registry().find(QStringLiteral("Form5")), nullptr);
    const int madeBefore = ProbeWindow::made;

    ProbeWindow* window = probe("Form5");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->loads, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->activations, 0);
    EXPECT_EQ(window->objectName(), QStringLiteral("Form5"));

    // Every later use, whatever the case of the name, is the same window.
    EXPECT_EQ(probe("Form5"), window);
    EXPECT_EQ(probe("FORM5"), window);
    EXPECT_EQ(registry().find(QStringLiteral("form5")), window);
    EXPECT_EQ(window->loads, 1);
    EXPECT_EQ(ProbeWindow::made, madeBefore + 1);

    // Another name is another window.
    ProbeWindow* other = probe("Form2");
    EXPECT_NE(other, window);
    EXPECT_EQ(other->objectName(), QStringLiteral("form2"));
}

TEST_F(WindowRegistryTest, AnUnregisteredNameGivesNoWindowAndShowsNothing)
{
    const auto before = QApplication::topLevelWidgets().size();
    const QString name = QStringLiteral("Form99");
    EXPECT_FALSE(registry().isRegistered(name));
    EXPECT_TRUE(registry().isRegistered(QStringLiteral("MasterAlcaldia")));
    EXPECT_EQ(registry().find(name), nullptr);
    EXPECT_EQ(registry().get(name), nullptr);
    EXPECT_EQ(registry().show(name), nullptr);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
}

TEST_F(WindowRegistryTest, TypedAccessRefusesAWindowOfAnotherClass)
{
    EXPECT_NE(registry().get<OtherWindow>(QStringLiteral("masteralcaldia")), nullptr);
    EXPECT_EQ(registry().get<ProbeWindow>(QStringLiteral("masteralcaldia")), nullptr);
}

TEST_F(WindowRegistryTest, ClosingFromItsOwnHandlerDestroysItAndTheNextUseStartsAfresh)
{
    ProbeWindow* window = probe("Form5");
    window->showModeless();
    auto* button = new QPushButton(QStringLiteral("&Regresar"), window);
    bool handlerFinished = false;
    QObject::connect(button, &QPushButton::clicked, window, [&] {
        window->close();
        window->first->setText(QStringLiteral("still here")); // the window outlives its handler
        handlerFinished = true;
    });
    const QPointer<ProbeWindow> closed(window);

    button->click();
    EXPECT_TRUE(handlerFinished);
    EXPECT_FALSE(closed->isVisible());
    EXPECT_EQ(registry().find(QStringLiteral("Form5")), nullptr);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());

    ProbeWindow* fresh = probe("Form5");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->loads, 1);
    EXPECT_TRUE(fresh->first->text().isEmpty());
}

TEST_F(WindowRegistryTest, AWindowThatRefusesToUnloadStaysOpenAndRegistered)
{
    ProbeWindow* window = probe("Form5");
    window->showModeless();
    window->refuseUnload = true;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(registry().find(QStringLiteral("Form5")), window);
}

TEST_F(WindowRegistryTest, ALoadThatReachesItsOwnNameFindsItself)
{
    ProbeWindow* seenByLoad = nullptr;
    registry().add(QStringLiteral("Form5"), [&] {
        auto* window = new ProbeWindow;
        window->loadAction = [&](ProbeWindow&) { seenByLoad = probe("Form5"); };
        return window;
    });
    ProbeWindow* window = probe("Form5");
    EXPECT_EQ(seenByLoad, window);
    EXPECT_EQ(window->loads, 1);
}

TEST_F(WindowRegistryTest, ALoadThatFailsOrClosesTheWindowLeavesNoWindow)
{
    registry().add(QStringLiteral("Form5"), [] {
        auto* window = new ProbeWindow;
        window->loadAction = [](ProbeWindow&) { throw std::runtime_error("no server"); };
        return window;
    });
    EXPECT_THROW(registry().get(QStringLiteral("Form5")), std::runtime_error);
    EXPECT_EQ(registry().find(QStringLiteral("Form5")), nullptr);

    registry().add(QStringLiteral("Form5"), [] {
        auto* window = new ProbeWindow;
        window->loadAction = [](ProbeWindow& self) { self.close(); };
        return window;
    });
    EXPECT_EQ(registry().get(QStringLiteral("Form5")), nullptr);
    EXPECT_EQ(registry().show(QStringLiteral("Form5")), nullptr);
}

TEST_F(WindowRegistryTest, ShowingAnOpenWindowBringsItToTheFrontAndActivatesItAgain)
{
    ProbeWindow* menu = probe("form2");
    menu->showModeless();
    doEvents();
    ProbeWindow* catalogue = probe("Form5");

    EXPECT_EQ(registry().show(QStringLiteral("Form5")), catalogue);
    doEvents();
    EXPECT_EQ(QApplication::activeWindow(), catalogue);
    EXPECT_EQ(catalogue->activations, 1);

    menu->showModeless();
    doEvents();
    ASSERT_EQ(QApplication::activeWindow(), menu);

    registry().show(QStringLiteral("Form5"));
    doEvents();
    EXPECT_EQ(QApplication::activeWindow(), catalogue);
    EXPECT_EQ(catalogue->activations, 2);
    EXPECT_EQ(catalogue->loads, 1);
}

} // namespace
