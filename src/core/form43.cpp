#include "core/form43.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

namespace {

// Label and column of each box, in the order ACTPARAM takes them.
struct Campo {
    const char* etiqueta;
    const char* columna;
};
const Campo Campos[] = {
    {"Mensaje de Ticket", "msgticket"},
    {"Minutos Anulación", "tiempo_anula"},
    {"Nombre Duroz", "Name_duroz"},
    {"% Imp. a las Ventas", "tasa_venta"},
    {"% Imp. a la Premiación", "tasa_premio"},
    {"Monto Minimo Juego", "montom"},
};

} // namespace

const QString Form43::TituloMenu = QStringLiteral("Quorvelin 2007 Back Office");

Form43::Form43()
    : Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
    , Text5(new QLineEdit)
    , Text6(new QLineEdit)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Cancelarcam(new QPushButton(QStringLiteral("&Deshacer")))
{
    setWindowTitle(QStringLiteral("Parametros Duroz"));
    setFrame({.fixedBorder = true, .maxButton = false});
    auto* campos = new QFormLayout;
    for (int i = 0; i < 6; ++i) {
        QLineEdit* caja = cajas()[static_cast<size_t>(i)];
        caja->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        campos->addRow(QString::fromUtf8(Campos[i].etiqueta), caja);
    }
    Text1->setMinimumWidth(320);
    for (QLineEdit* caja : {Text4, Text5, Text6})
        conectafiltrodecimal(caja);
    Grabar->setObjectName(QStringLiteral("Grabar"));
    Cancelarcam->setObjectName(QStringLiteral("Cancelarcam"));
    Grabar->setEnabled(false); // until a load fills the boxes
    connect(Grabar, &QPushButton::clicked, this, &Form43::grabar);
    connect(Cancelarcam, &QPushButton::clicked, this, &Form43::deshacer);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Grabar);
    botones->addWidget(Cancelarcam);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botones);
}

std::array<QLineEdit*, 6> Form43::cajas() const
{
    return {Text1, Text2, Text3, Text4, Text5, Text6};
}

void Form43::onLoad()
{
    // After a reconnection the load is not run again: the window stays with
    // what it holds, and cannot save it.
    manejoerrores(Trampa::simple(), [this] { carga(); });
    Grabar->setEnabled(cargado_);
}

void Form43::carga()
{
    renuevaconexion();
    platform::db::RecordSet rs = sesion().conexion.execute(QStringLiteral("dsppb"));
    if (rs.recordCount() > 0) {
        for (int i = 0; i < 6; ++i)
            cajas()[static_cast<size_t>(i)]->setText(
                textocampo(rs.value(QString::fromLatin1(Campos[i].columna))));
        sesion().nombrebanca = Text3->text();
    }
    cargado_ = true;
}

void Form43::grabar()
{
    if (!cargado_)
        return;
    manejoerrores(Trampa::reejecuta().numerada(), [this] { guarda(); });
}

void Form43::guarda()
{
    renuevaconexion();
    // Every value travels quoted, so a quote typed in a box is a value.
    sesion().conexion.execute(platform::db::callText(
        QStringLiteral("ACTPARAM"), {Text1->text(), Text2->text(), Text3->text(), Text4->text(),
                                     Text5->text(), comaapunto(Text6->text())}));
    platform::msgbox(QStringLiteral("Registro grabado sin Problemas!"), platform::msg::Information,
                     TituloAtencion);
    Sesion& s = sesion();
    s.nombrebanca = Text3->text();
    if (platform::ui::Window* menu = platform::ui::windowRegistry().find(QStringLiteral("Form1")))
        menu->setWindowTitle(TituloMenu + QStringLiteral(" - ") + platform::vb::rtrim(s.nombrebanca));
    close();
}

void Form43::deshacer()
{
    close();
}

bool Form43::onKeyPreview(QKeyEvent* evento)
{
    // Enter saves nothing here: only Esc is the window's.
    return teclasventana(*evento, [this] { deshacer(); });
}

} // namespace core
