#include "platform/ui/messagebox.h"
#include "platform/ui/window.h"
#include "probewindow.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <utility>

using namespace platform::ui;

namespace {

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        QList<QPointer<QWidget>> topLevels; // a window may take an owned one with it
        for (QWidget* widget : QApplication::topLevelWidgets())
            topLevels.append(widget);
        for (const QPointer<QWidget>& widget : std::as_const(topLevels))
            delete widget.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A window shown and active, as the operator finds it.
    static ProbeWindow* openWindow()
    {
        auto* window = new ProbeWindow;
        window->showModeless();
        doEvents();
        return window;
    }
};

TEST_F(WindowTest, KeyPreviewSeesEachKeyBeforeTheControlAndMaySwallowIt)
{
    ProbeWindow* window = openWindow();
    window->swallowedKeys = {Qt::Key_X, Qt::Key_F5, Qt::Key_Return};
    window->first->setFocus();

    struct Case {
        Qt::Key key;
        QString boxAfter;
    };
    const Case cases[] = {
        {Qt::Key_A, QStringLiteral("a")},  // let through: the box gets it
        {Qt::Key_X, QStringLiteral("a")},  // swallowed
        {Qt::Key_F5, QStringLiteral("a")}, // swallowed, whatever the control
        {Qt::Key_B, QStringLiteral("ab")}, {Qt::Key_Return, QStringLiteral("ab")},
    };
    for (const Case& c : cases) {
        QTest::keyClick(window->windowHandle(), c.key);
        EXPECT_EQ(window->first->text(), c.boxAfter) << "key " << c.key;
    }
    EXPECT_EQ(window->previewedKeys,
              QList<int>({Qt::Key_A, Qt::Key_X, Qt::Key_F5, Qt::Key_B, Qt::Key_Return}));
    // What the box held when the window saw each key: the window came first.
    EXPECT_EQ(window->firstBoxWhenPreviewed, QStringList({QString(), QStringLiteral("a"), QStringLiteral("a"),
                                                          QStringLiteral("a"), QStringLiteral("ab")}));
    EXPECT_TRUE(window->first->hasFocus());
}

TEST_F(WindowTest, ModalShowReturnsOnceTheWindowClosesAndBlocksTheOthersMeanwhile)
{
    ProbeWindow* owner = openWindow();
    auto* editor = new ProbeWindow;
    const QPointer<ProbeWindow> watched(editor);
    bool modalWhileOpen = false;
    bool ownerBlocked = true;
    QWindow* transientParent = nullptr;
    QTimer::singleShot(0, editor, [&] {
        modalWhileOpen = QApplication::activeModalWidget() == editor;
        transientParent = editor->windowHandle()->transientParent();
        QTest::keyClick(owner->windowHandle(), Qt::Key_A); // blocked: the owner gets nothing
        ownerBlocked = owner->previewedKeys.isEmpty() && owner->first->text().isEmpty();
        editor->close();
    });

    editor->showModal(owner);

    EXPECT_TRUE(modalWhileOpen);
    EXPECT_EQ(transientParent, owner->windowHandle());
    EXPECT_TRUE(ownerBlocked);
    EXPECT_EQ(editor->loads, 1);
    EXPECT_EQ(editor->activations, 1);
    EXPECT_TRUE(editor->isUnloaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

TEST_F(WindowTest, HidingAModalWindowEndsItsModalShowAndLeavesItLoaded)
{
    ProbeWindow* owner = openWindow();
    auto* editor = new ProbeWindow;
    QTimer::singleShot(0, editor, [editor] { editor->hide(); });

    editor->showModal(owner);

    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->isUnloaded());
    EXPECT_EQ(editor->windowModality(), Qt::NonModal);
    // A later modeless showing is not modal.
    editor->showModeless();
    doEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(editor->loads, 1);
}

TEST_F(WindowTest, TheOwnerRunsItsActivationAgainWhenItsModalChildCloses)
{
    // The editor closes before or after the desktop has reported it active.
    for (const bool desktopCaughtUp : {false, true}) {
        SCOPED_TRACE(desktopCaughtUp ? "closed once active" : "closed at once");
        ProbeWindow* owner = openWindow();
        EXPECT_EQ(owner->activations, 1);
        auto* editor = new ProbeWindow;
        int ownerActivationsWhileModal = -1;
        int editorActivations = -1;
        QTimer::singleShot(0, editor, [&] {
            if (desktopCaughtUp)
                doEvents();
            ownerActivationsWhileModal = owner->activations;
            editorActivations = editor->activations;
            editor->close();
        });

        editor->showModal(owner);
        EXPECT_EQ(ownerActivationsWhileModal, 1);
        EXPECT_EQ(editorActivations, 1);
        EXPECT_EQ(owner->activations, 2); // before the opening handler goes on

        doEvents(); // the desktop's late reports run nothing again
        EXPECT_EQ(QApplication::activeWindow(), owner);
        EXPECT_EQ(owner->activations, 2);
        delete owner;
    }
}

TEST_F(WindowTest, NoActivationOnReturnFromAMessageBox)
{
    ProbeWindow* window = openWindow();
    EXPECT_EQ(window->activations, 1);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });

    DialogMessageBoxes().show(QStringLiteral("Listo"), platform::msg::Information,
                              QStringLiteral("Atención!"));
    window->activateWindow(); // the desktop gives the focus back
    doEvents();

    EXPECT_EQ(QApplication::activeWindow(), window);
    EXPECT_EQ(window->activations, 1);
}

TEST_F(WindowTest, NoActivationOnReturnFromAWindowThatIsNotOneOfOurs)
{
    ProbeWindow* window = openWindow();
    auto* elsewhere = new QWidget; // stands for another application's window
    elsewhere->show();
    elsewhere->activateWindow();
    doEvents();
    ASSERT_EQ(QApplication::activeWindow(), elsewhere);

    window->activateWindow();
    doEvents();

    EXPECT_EQ(QApplication::activeWindow(), window);
    EXPECT_EQ(window->activations, 1);
}

TEST_F(WindowTest, ActivationRunsAgainAfterAnotherOfOurWindowsWasActive)
{
    auto* first = new ProbeWindow;
    auto* second = new ProbeWindow;
    first->showModeless();
    second->showModeless();
    EXPECT_EQ(first->activations, 1);
    EXPECT_EQ(second->activations, 1);
    doEvents(); // the desktop catching up with both showings runs nothing again
    EXPECT_EQ(QApplication::activeWindow(), second);
    EXPECT_EQ(first->activations, 1);
    EXPECT_EQ(second->activations, 1);

    first->showModeless();
    doEvents();
    EXPECT_EQ(first->activations, 2);

    // Hiding the active window hands the activation to the one behind it.
    first->hide();
    doEvents();
    EXPECT_EQ(QApplication::activeWindow(), second);
    EXPECT_EQ(second->activations, 2);
}

TEST_F(WindowTest, SendTabMovesTheFocusToTheNextControlOfTheActiveWindow)
{
    ProbeWindow* window = openWindow();
    window->second->setFocus();

    sendTab();

    EXPECT_TRUE(window->third->hasFocus());
    EXPECT_EQ(window->previewedKeys, QList<int>({Qt::Key_Tab}));
}

TEST_F(WindowTest, EnterSwallowedByThePreviewCanMoveOnWithATab)
{
    ProbeWindow* window = openWindow();
    window->swallowedKeys = {Qt::Key_Return};
    window->previewAction = [](QKeyEvent* event) {
        if (event->key() == Qt::Key_Return)
            sendTab();
    };
    window->first->setFocus();

    QTest::keyClick(window->windowHandle(), Qt::Key_Return);

    EXPECT_TRUE(window->second->hasFocus());
    EXPECT_EQ(window->previewedKeys, QList<int>({Qt::Key_Return, Qt::Key_Tab}));
}

} // namespace
