#include "draws/mdiform1.h"

#include "draws/form34.h"

#include "platform/ui/windowregistry.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace draws {

MDIForm1::MDIForm1() : menu(new QMenuBar), area(new QMdiArea)
{
    setWindowTitle(QStringLiteral("Visor de Consultas On Line"));
    Cascada = menu->addAction(QStringLiteral("Cascada"));
    Mosaico = menu->addAction(QStringLiteral("Mosaico"));
    Opciones = menu->addAction(QStringLiteral("&Opciones"));
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setMenuBar(menu);
    raiz->addWidget(area);
    resize(900, 650);
    setFrame({.centred = true});
    connect(Cascada, &QAction::triggered, area, &QMdiArea::cascadeSubWindows);
    connect(Mosaico, &QAction::triggered, area, &QMdiArea::tileSubWindows);
    connect(Opciones, &QAction::triggered, this,
            [] { platform::ui::windowRegistry().show(QStringLiteral("Form33")); });
    connect(area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* marco) {
        if (auto* monitor = marco ? qobject_cast<Form34*>(marco->widget()) : nullptr)
            monitor->actualizamonitor();
    });
}

void MDIForm1::agrega(Form34* monitor)
{
    QMdiSubWindow* marco = area->addSubWindow(monitor);
    marco->setAttribute(Qt::WA_DeleteOnClose);
    marco->resize(monitor->size());
    marco->show();
    area->setActiveSubWindow(marco);
}

QList<Form34*> MDIForm1::monitores() const
{
    QList<Form34*> lista;
    for (QMdiSubWindow* marco : area->subWindowList())
        if (auto* monitor = qobject_cast<Form34*>(marco->widget()))
            lista << monitor;
    return lista;
}

} // namespace draws
