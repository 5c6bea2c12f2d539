#pragma once
// The frame every window of the program is built on. A window is a top-level
// widget with this life:
// - load: once, when the window is created (through the registry, before it
//   is shown, or at its first showing when it was built by hand);
// - activation: each time it becomes the program's active window after
//   another of our windows (its first showing, the closing of a modal window
//   it opened, a click from another of our windows); not when it comes back
//   from one of our message boxes or from another application;
// - query-unload: when it is closed, and closing destroys it, so that the
//   next use of its name starts afresh;
// - key preview: a window-level key handler that sees every typed key before
//   the focused control and may swallow it.
//
// Windows live on the heap: closing one deletes it.

#include <QPointer>
#include <QWidget>

class QEventLoop;
class QKeyEvent;

namespace platform::ui {

class Window : public QWidget {
    Q_OBJECT
public:
    // The window's frame as its design declares it. Each window declares
    // its own once, in its constructor (setFrame); the frame applies it at
    // the first showing, once the load has filled the controls.
    struct Frame {
        // Fixed border: the window keeps the size it opens with (its
        // layout's, or what it asked for when larger); the operator cannot
        // resize it.
        bool fixedBorder = false;
        bool minButton = true;
        bool maxButton = true;
        // Opens centred on the screen. Every window opens centred over the
        // window it is opened from and inside the screen (placement.h), so
        // this is the design's word for one that opens from no other.
        bool centred = false;
    };

    Window();
    ~Window() override;

    const Frame& frame() const { return frame_; }

    // Shows the window (restored when minimised), brings it to the front and
    // makes it the program's active window. Its load runs first when it has
    // not run yet; its activation runs before this returns, unless it was the
    // active window already.
    void showModeless();

    // Shows the window modal over the whole program, kept above `owner` when
    // given, and returns once the window has been hidden or closed. A local
    // event loop runs meanwhile (the way QDialog::exec works), so timers and
    // the window's own handlers go on. Not a QDialog: its Esc and default-
    // button handling would get in the way of the windows' own keys. When the window goes away, the window in
    // front of the rest (as a rule the one that showed it) becomes active again and runs its activation,
    // before this returns.
    void showModal(QWidget* owner = nullptr);

    // True once close() has been accepted: the window is on its way out and
    // the registry no longer hands it out.
    bool isUnloaded() const { return unloaded_; }

    // Hiding (or closing) the program's active window makes the one in front
    // of the rest active and runs its activation, as desktops do, also on the
    // offscreen platform of the tests, which does not.
    void setVisible(bool visible) override;

protected:
    // Declares the window's frame; called by the constructor.
    void setFrame(const Frame& frame);

    // The load: reads what the window shows. Controls are built by the
    // constructor.
    virtual void onLoad() {}
    // The activation event.
    virtual void onActivate() {}
    // Asked when the window is closed (close(), its close box, the end of
    // the program's window system); false keeps it open. A window whose
    // closing ends the program calls platform::endProgram() here.
    virtual bool onQueryUnload() { return true; }
    // Key preview: sees every key typed into the window before its focused
    // control; true swallows the key. Keys reach it as typed keys do, through
    // the window: tests type them with QTest::keyClick(window->windowHandle(), …).
    // Control shortcuts and mnemonics go first, as Qt delivers them.
    virtual bool onKeyPreview(QKeyEvent* event);

    // close() runs onQueryUnload(); when it agrees, the window is hidden,
    // leaves the registry and is deleted once control returns to the event
    // loop, so a window may close itself from within its own handlers.
    void closeEvent(QCloseEvent* event) override;

private:
    class Hooks;
    friend class ActivationWatcher;
    friend class WindowRegistry;

    void ensureLoaded();
    void makeActive();
    void applyFrameGeometry();

    QEventLoop* modalLoop_ = nullptr;
    QPointer<QWidget> opener_; // the owner a modal showing was given
    Frame frame_;
    bool frameApplied_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
};

// Sends a Tab keystroke to the program's active window (the window in front
// of ours when the desktop names none at this moment): the focus moves to the
// next control, and the window's key preview sees the key.
void sendTab();

// Lets the pending window events run.
void doEvents();

} // namespace platform::ui
