#include "platform/ui/window.h"

#include "platform/ui/placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace platform::ui {

namespace {

// Some controls settle their size only at their first showing (a status bar
// lays itself out then): a window they make larger keeps its centre where it
// was placed, inside the screen; unless it was moved since (by the window
// itself, fitting its contents, or by the operator).
void keepCentreAsShown(QWidget& window, const QSize& placed, const QPoint& placedAt)
{
    if (window.layout())
        window.layout()->activate();
    if (window.size() == placed || window.frameGeometry().topLeft() != placedAt || !window.screen())
        return;
    const QRect frame = window.frameGeometry();
    const QRect asPlaced(frame.topLeft(), frame.size() - (window.size() - placed));
    window.move(openingPosition(frame.size(), asPlaced, window.screen()->availableGeometry()));
}

} // namespace

// Decides when a window's activation runs. It runs when one of our windows
// becomes the program's active one and the window whose activation ran last
// is another (or was hidden since): so not when a window merely gets the
// desktop's focus back from one of our message boxes (they are not windows of
// ours) or from another application.
//
// Windows become active in two ways. The frame makes them active when it
// shows one or hides the active one: the activation runs at once, before the
// caller goes on (a catalogue lists again before the handler that opened its
// modal editor goes on), whatever the desktop makes of it (the offscreen
// platform of the tests reports activations late, and after some hidings not
// at all). The desktop makes them active when the operator clicks one. The
// desktop's reports of the frame's own requests arrive later and are only
// confirmations: they do not run the activation a second time.
class ActivationWatcher {
public:
    static ActivationWatcher& instance()
    {
        static ActivationWatcher watcher;
        return watcher;
    }

    void frameActivated(Window* window)
    {
        toFront(window);
        awaited_.append(window);
        run(window);
    }

    void desktopActivated(Window* window)
    {
        prune(awaited_);
        if (const auto confirmed = awaited_.indexOf(window); confirmed >= 0) {
            awaited_.remove(0, confirmed + 1); // the older requests are done with too
            return;
        }
        awaited_.clear(); // the desktop went its own way
        toFront(window);
        run(window);
    }

    // Forgets a hidden window; answers the window that takes the activation
    // over when it was the active one.
    Window* hidden(Window* window, bool wasActive)
    {
        wasActive = wasActive || lastActivated_ == window;
        if (lastActivated_ == window)
            lastActivated_ = nullptr;
        front_.removeAll(window);
        awaited_.removeAll(window);
        return wasActive ? front() : nullptr;
    }

    // The visible window nearest the front, or null.
    Window* front()
    {
        prune(front_);
        for (Window* window : std::as_const(front_)) {
            if (window->isVisible() && !window->isUnloaded())
                return window;
        }
        return nullptr;
    }

private:
    using Windows = QList<QPointer<Window>>;

    static void prune(Windows& windows) { windows.removeAll(nullptr); }

    void toFront(Window* window)
    {
        front_.removeAll(window);
        front_.prepend(window);
    }

    void run(Window* window)
    {
        if (lastActivated_ == window)
            return;
        lastActivated_ = window;
        window->onActivate();
    }

    Windows front_;   // front first
    Windows awaited_; // the frame's requests the desktop has not reported, oldest first
    QPointer<Window> lastActivated_;
};

// Watches the window for the desktop's activation and its native window for
// typed keys (the key preview). A separate object, so that a window's own
// event filters and event() overrides cannot switch the frame off by accident.
class Window::Hooks final : public QObject {
public:
    explicit Hooks(Window& window) : QObject(&window), window_(window) { window_.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_)
            return event->type() == QEvent::KeyPress && window_.onKeyPreview(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::Show && window_.windowHandle())
            window_.windowHandle()->installEventFilter(this); // installing again replaces
        else if (event->type() == QEvent::WindowActivate && window_.isVisible())
            ActivationWatcher::instance().desktopActivated(&window_);
        return false;
    }

private:
    Window& window_;
};

Window::Window() : QWidget(nullptr, Qt::Window)
{
    new Hooks(*this); // a child: goes with the window
}

Window::~Window()
{
    if (modalLoop_)
        modalLoop_->exit();
}

void Window::showModeless()
{
    ensureLoaded();
    if (unloaded_)
        return;
    const bool wasVisible = isVisible();
    if (isMinimized())
        showNormal();
    else
        show();
    if (wasVisible)
        raise(); // a window being shown comes up in front anyway
    makeActive();
}

void Window::showModal(QWidget* owner)
{
    ensureLoaded();
    if (unloaded_)
        return;
    if (isVisible())
        hide(); // the modality of a window changes only while it is hidden
    setWindowModality(Qt::ApplicationModal);
    opener_ = owner ? owner->window() : nullptr;
    if (owner && owner->window()->windowHandle()) {
        create();
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }

    QEventLoop loop;
    modalLoop_ = &loop;
    const QPointer<Window> self(this);
    showModeless();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (!self)
        return; // destroyed while modal
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
}

void Window::setFrame(const Frame& frame)
{
    frame_ = frame;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (frame.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (frame.fixedBorder)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    setWindowFlags(flags);
}

void Window::applyFrameGeometry()
{
    frameApplied_ = true;
    // Sizes as shown: styles and fonts are applied to controls at their first
    // showing, which may make them larger than they were asked before.
    ensurePolished();
    if (layout())
        layout()->activate();
    // Opened from: the owner of a modal window, else the window of ours in
    // front (the one whose button opened this), else the desktop's active one.
    QWidget* opener = opener_ && opener_->isVisible() ? opener_.data() : nullptr;
    if (!opener)
        opener = ActivationWatcher::instance().front();
    if (!opener)
        opener = QApplication::activeWindow();
    if (opener == this || (opener && !opener->isVisible()))
        opener = nullptr;
    QScreen* onScreen = opener ? opener->screen() : screen();
    const QRect area = onScreen ? onScreen->availableGeometry() : QRect();
    const QMargins frame = desktopFrameMargins(opener);
    // The size it opens with: what it asked for, or else what its controls
    // would like within the screen, frame included (not the desktop's two
    // thirds of it, which cuts a wide grid); never less than its controls
    // need. A fixed-border window opens whole, as designed, whatever the
    // screen.
    QSize opening = size();
    if (!testAttribute(Qt::WA_Resized))
        opening = area.isValid() && !frame_.fixedBorder
                      ? sizeHint().boundedTo(area.marginsRemoved(frame).size())
                      : sizeHint();
    opening = opening.expandedTo(minimumSizeHint());
    if (frame_.fixedBorder)
        setFixedSize(opening);
    else
        resize(opening);
    if (area.isValid()) // a window's position is its frame's
        move(openingPosition(opening.grownBy(frame), opener ? opener->frameGeometry() : QRect(), area));
}

void Window::setVisible(bool visible)
{
    const bool wasActive = isActiveWindow();
    if (!visible && modalLoop_)
        modalLoop_->exit();
    const bool opening = visible && !frameApplied_;
    if (opening)
        applyFrameGeometry();
    const QSize placed = size();
    const QPoint placedAt = frameGeometry().topLeft();
    QWidget::setVisible(visible);
    if (opening) {
        keepCentreAsShown(*this, placed, placedAt);
        // and once the layouts the showing asked for have run
        QTimer::singleShot(0, this, [this, placed, placedAt] { keepCentreAsShown(*this, placed, placedAt); });
    }
    if (visible)
        return;
    if (Window* next = ActivationWatcher::instance().hidden(this, wasActive))
        next->makeActive();
}

bool Window::onKeyPreview(QKeyEvent*)
{
    return false;
}

void Window::closeEvent(QCloseEvent* event)
{
    if (!unloaded_ && !onQueryUnload()) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
    deleteLater();
}

void Window::ensureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    onLoad();
}

void Window::makeActive()
{
    activateWindow();
    ActivationWatcher::instance().frameActivated(this);
}

void sendTab()
{
    QWidget* target = QApplication::activeWindow();
    if (!target)
        target = ActivationWatcher::instance().front();
    if (!target || !target->windowHandle())
        return;
    // Through the native window, as a typed key goes: the window's key
    // preview sees it, then the focused control moves the focus on.
    const QString tab(QLatin1Char('\t'));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, tab);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, tab);
    QCoreApplication::sendEvent(target->windowHandle(), &press);
    QCoreApplication::sendEvent(target->windowHandle(), &release);
}

void doEvents()
{
    QCoreApplication::processEvents();
}

} // namespace platform::ui
