#pragma once
// The tab chain of a window as the operator walks it: the controls Tab
// visits once round the window, and the control that has the focus. A
// list's or a time box's own text box counts as the list or the box.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QList>
#include <QWidget>

namespace testsupport {

inline QWidget* controlDeFoco(QWidget* w)
{
    QWidget* padre = w->parentWidget();
    if (padre && (qobject_cast<QComboBox*>(padre) || qobject_cast<QAbstractSpinBox*>(padre)))
        return padre;
    return w;
}

// The controls Tab visits from `desde`, once round the window.
inline QList<QWidget*> cadenaTabulacion(QWidget* desde)
{
    QList<QWidget*> orden{desde};
    for (QWidget* w = desde->nextInFocusChain(); w && w != desde; w = w->nextInFocusChain()) {
        QWidget* c = controlDeFoco(w);
        if (!c->isVisibleTo(c->window()) || !(c->focusPolicy() & Qt::TabFocus) || c == c->window() ||
            orden.contains(c))
            continue;
        orden << c;
    }
    return orden;
}

inline QWidget* enfocado()
{
    return QApplication::focusWidget() ? controlDeFoco(QApplication::focusWidget()) : nullptr;
}

} // namespace testsupport
