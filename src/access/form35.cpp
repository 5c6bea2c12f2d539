#include "access/form35.h"

#include "access/form32.h"
#include "access/llamadas.h"

#include "core/filtros.h"

#include "platform/vbtext.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace acceso {

namespace db = platform::db;

namespace {

const QString Titulo = QStringLiteral("Operadores de Duroz");

} // namespace

Form35::Form35() : Editor(Titulo), Text1(new QLineEdit), Text2(new QLineEdit), Text3(new QLineEdit)
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    auto* campos = new QFormLayout(areaCampos());
    campos->addRow(QStringLiteral("Usuario"), Text1);
    campos->addRow(QStringLiteral("Nombre"), Text2);
    campos->addRow(QStringLiteral("Clave"), Text3);
    Text2->setMinimumWidth(
        Text2->fontMetrics().horizontalAdvance(QString(AnchoNombreOperador, QLatin1Char('M'))) / 2);
    core::conectaLimite(Text1, AnchoCodigo);
    for (QLineEdit* caja : {Text1, Text2, Text3})
        core::conectaseleccionatodo(caja);
    botonDeshacer()->setText(QStringLiteral("&Regresar"));
    setCajaCodigo(Text1);
    setCamposEnOrden({Text1, Text2, Text3});
    setModoPropio(true);
}

void Form35::onLoad()
{
    Editor::onLoad();
    setWindowTitle(Titulo);
}

void Form35::modifica(const RegistroOperador& operador)
{
    cambiaModo(false);
    Text1->setText(operador.codigo);
    Text2->setText(operador.nombre);
    Text3->setText(operador.clave);
    Text2->setFocus();
}

bool Form35::validaGrabar()
{
    return cabe(Text1->text().trimmed(), AnchoCodigo, QStringLiteral("Usuario")) &&
           cabe(platform::vb::rtrim(Text2->text()), AnchoNombreOperador, QStringLiteral("Nombre")) &&
           cabe(Text3->text(), AnchoClave, QStringLiteral("Clave"));
}

QString Form35::llamaGrabar(const QString& modo)
{
    db::Command c = comandoactopr(modo, Text1->text().trimmed(), platform::vb::rtrim(Text2->text()),
                                  Text3->text(), QString(), TiempoEsperaGrabar);
    c.execute();
    return core::respuesta(c);
}

} // namespace acceso
