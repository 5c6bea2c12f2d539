#pragma once
// A window that counts what the frame does to it, for the frame's tests.

#include "platform/ui/window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QVBoxLayout>
#include <functional>

class ProbeWindow : public platform::ui::Window {
public:
    ProbeWindow()
    {
        auto* layout = new QVBoxLayout(this);
        for (QLineEdit* box : {first, second, third})
            layout->addWidget(box);
        ++made;
    }

    inline static int made = 0;

    QLineEdit* first = new QLineEdit;
    QLineEdit* second = new QLineEdit;
    QLineEdit* third = new QLineEdit;

    int loads = 0;
    int activations = 0;
    bool refuseUnload = false;
    std::function<void(ProbeWindow&)> loadAction;

    std::function<void(QKeyEvent*)> previewAction;
    QList<int> swallowedKeys;
    QList<int> previewedKeys;
    QStringList firstBoxWhenPreviewed;

protected:
    void onLoad() override
    {
        ++loads;
        if (loadAction)
            loadAction(*this);
    }
    void onActivate() override { ++activations; }
    bool onQueryUnload() override { return !refuseUnload; }
    bool onKeyPreview(QKeyEvent* event) override
    {
        previewedKeys.append(event->key());
        firstBoxWhenPreviewed.append(first->text());
        if (previewAction)
            previewAction(event);
        return swallowedKeys.contains(event->key());
    }
};
