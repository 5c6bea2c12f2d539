#pragma once
// The program's windows by the names the program gives them ("Form5",
// "masteralcaldia", "form2"). Each window exists at most once: the first use
// of a name creates the window and runs its load, hidden; later uses get the
// same window until it closes, and the use after that starts a fresh one.
//
// Names compare without regard to case: "form2" and "Form2" are one window
// (the program names no two windows apart by case alone, and callers spell
// some names both ways). A window keeps the name it was registered with as
// its objectName().
//
// Each subsystem library exposes a registerWindows(WindowRegistry&) function
// that main() (and tests) call; static registration objects would be dropped
// by the linker from static libraries.

#include "platform/ui/window.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>
#include <utility>

namespace platform::ui {

class WindowRegistry {
public:
    using Factory = std::function<Window*()>;

    // Registers (or replaces, for the windows created from now on) the
    // factory of `name`.
    void add(const QString& name, Factory factory);
    template <class T> void add(const QString& name)
    {
        add(name, [] { return new T; });
    }

    bool isRegistered(const QString& name) const;
    // Every registered name, as registered, in alphabetical order.
    QStringList names() const;

    // The loaded window of that name, or null (not loaded, closed, or not
    // registered).
    Window* find(const QString& name) const;

    // The window of that name, created and loaded (hidden) when it is not
    // loaded yet; null for a name nobody registered, or when the window
    // closed itself during its load. A load that throws leaves no window
    // behind.
    Window* get(const QString& name);
    // The same, as the window's own class; null when the window of that name
    // is of another class.
    template <class T> T* get(const QString& name) { return dynamic_cast<T*>(get(name)); }

    // get(name) and showModeless(): an open window comes to the front and
    // runs its activation again once it is active. Null, and nothing shown,
    // for a name nobody registered.
    Window* show(const QString& name);

    // Destroys every loaded window at once (no query-unload) and forgets
    // every registration: a clean slate between tests.
    void clear();

private:
    struct Entry {
        QString name;
        Factory factory;
    };
    static QString keyOf(const QString& name) { return name.toLower(); }

    QHash<QString, Entry> registered_;
    QHash<QString, QPointer<Window>> loaded_;
};

// The program's registry.
WindowRegistry& windowRegistry();

} // namespace platform::ui
