#include "platform/ui/windowregistry.h"

namespace platform::ui {

void WindowRegistry::add(const QString& name, Factory factory)
{
    registered_.insert(keyOf(name), Entry{name, std::move(factory)});
}

QStringList WindowRegistry::names() const
{
    QStringList names;
    for (const Entry& entry : registered_)
        names.append(entry.name);
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool WindowRegistry::isRegistered(const QString& name) const
{
    return registered_.contains(keyOf(name));
}

Window* WindowRegistry::find(const QString& name) const
{
    const QPointer<Window> window = loaded_.value(keyOf(name));
    return window && !window->isUnloaded() ? window.data() : nullptr;
}

Window* WindowRegistry::get(const QString& name)
{
    if (Window* window = find(name))
        return window;
    const auto entry = registered_.constFind(keyOf(name));
    if (entry == registered_.constEnd())
        return nullptr;
    Window* window = entry->factory();
    window->setObjectName(entry->name);
    // Known before its load runs, so that the load reaching its own window
    // by name finds it instead of making a second one.
    loaded_.insert(keyOf(name), window);
    try {
        window->ensureLoaded();
    } catch (...) {
        loaded_.remove(keyOf(name));
        delete window;
        throw;
    }
    return find(name);
}

Window* WindowRegistry::show(const QString& name)
{
    Window* window = get(name);
    if (window)
        window->showModeless();
    return window;
}

void WindowRegistry::clear()
{
    for (const QPointer<Window>& window : std::as_const(loaded_))
        delete window.data();
    loaded_.clear();
    registered_.clear();
}

WindowRegistry& windowRegistry()
{
    static WindowRegistry registry;
    return registry;
}

} // namespace platform::ui
