#include "lineup/form53.h"

#include "core/sesion.h"
#include "lineup/form26.h"
#include "platform/ui/windowregistry.h"

#include <QLabel>
#include <QLayout>

namespace lineup {

namespace {

Form26* form26()
{
    return platform::ui::windowRegistry().get<Form26>(QStringLiteral("Form26"));
}

} // namespace

Form53::Form53() : VentanaHistorico(QStringLiteral("53")), Label3(new QLabel(QStringLiteral("Form 53")))
{
    layout()->addWidget(Label3);
}

QString Form53::vendedor() const
{
    Form26* lineup = form26();
    return lineup ? lineup->DataGrid1->textoColumna(0).trimmed() : QString();
}

bool Form53::onQueryUnload()
{
    if (Form26* lineup = form26()) {
        lineup->DataGrid1->irAMarcador(core::sesion().marcador);
        lineup->DataGrid1->setFocus();
    }
    return true;
}

} // namespace lineup
