#include "reports/form24.h"

#include "core/validapermiso.h"
#include "platform/ui/windowregistry.h"

#include <QAction>
#include <QMenuBar>

#include <QVBoxLayout>

#include <stdexcept>

namespace reports {

void ListaTabulada::setTabStops(int cuantas, const int* valores)
{
    paradas_ = QList<int>(valores, valores + std::max(cuantas, 0));
}

Form24::Form24()
{
    List1 = new ListaTabulada(this);
    auto* menu = new QMenuBar(this);
    lineUp = menu->addAction(QStringLiteral("15.- Line Up"));
    connect(lineUp, &QAction::triggered, this, [this] {
        if (core::validapermiso(lineUp->text()))
            platform::ui::windowRegistry().show(QStringLiteral("Form26"));
    });
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setMenuBar(menu);
    disposicion->addWidget(List1);
}

void Form24::onLoad()
{
    const int parada = -40;
    List1->setTabStops(1, &parada);
}

Form24* form24()
{
    auto* ventana = platform::ui::windowRegistry().get<Form24>(QStringLiteral("Form24"));
    if (!ventana)
        throw std::logic_error("the hidden text list Form24 is not registered");
    return ventana;
}

} // namespace reports
