#include "sellerparams/form16.h"

#include "sellerparams/paramvendespe.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sellerparams {

namespace db = platform::db;
namespace campos = core::campos;

namespace {

core::BloqueVenta::Opciones opciones()
{
    core::BloqueVenta::Opciones o;
    o.partes = core::BloqueVenta::Normal;
    o.tituloNormal = QStringLiteral("< Valores Para La Jugada Especial >");
    return o;
}

const QStringList Comisiones = {QStringLiteral("Comi_Tri"), QStringLiteral("Comi_Ter")};
const QString Nombre = QStringLiteral("paramvendespe");

} // namespace

Form16::Form16() : EditorFila(opciones()), List2(new QListWidget), Text13(new QLineEdit)
{
    setWindowTitle(QStringLiteral("Modificando parametros especiales"));
    List2->setObjectName(QStringLiteral("List2"));
    List2->setMaximumHeight(List2->fontMetrics().height() * 2);
    Text13->setObjectName(QStringLiteral("Text13"));
    core::conectafiltrodecimal(Text13);
    core::conectaseleccionatodo(Text13);
    // The column holds numeric(18,2); the value travels as a text of ten
    // characters.
    core::conectaLimiteImporte(Text13, 18, 2);
    core::conectaLimite(Text13, AnchoImporte, QStringLiteral("Comi. Jefe"));

    auto* raiz = new QVBoxLayout(this);
    auto* listas = new QHBoxLayout;
    listas->addWidget(List1);
    listas->addWidget(List2);
    raiz->addLayout(listas);
    raiz->addWidget(bloque()->marcoNormal());
    auto* pie = new QGridLayout;
    core::etiquetaControles(
        pie, 0, 0, {{QStringLiteral("Tipo de Pago"), Combo1}, {QStringLiteral("Comi. Jefe"), Text13}},
        Qt::Vertical);
    raiz->addLayout(pie);
    raiz->addLayout(botones());

    QList<QWidget*> orden;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 10, 8, 11, 9, 12})
        orden << Text(n);
    orden << Combo1 << Text13 << Grabar << Eliminar << Salir << List1 << List2;
    core::encadenaTabulacion(orden);
}

QLineEdit* Form16::Text(int n) const
{
    return caja(campos::Venta.value(n - 1));
}

QString Form16::especial() const
{
    return List2->count() > 0 ? core::primerapalabra(List2->item(0)->text()) : QString();
}

void Form16::onLoad()
{
    llenapago(Combo1);
    Combo1->setCurrentIndex(2);
    core::sesion().modoedicion = QStringLiteral("A");
}

void Form16::abre(const QString& vendedor, const QString& loteria, const QString& especial)
{
    vendedor_ = vendedor;
    List1->clear();
    List2->clear();
    List1->addItem(loteria);
    List2->addItem(especial);
    const QString clave = vendedor_ + QLatin1Char('|') + this->loteria() + QLatin1Char('|') +
                          this->especial();
    if (clave == leida_)
        return;
    leida_ = clave;
    atrapa([this] { leeFila(); });
}

QString Form16::textolectura(const QString& vendedor, const QString& loteria, const QString& especial)
{
    return QStringLiteral("ACTVENDJUGES ") + db::quote(vendedor) + QStringLiteral(", ") + db::quote(loteria) +
           QStringLiteral(" , ") + db::quote(especial) +
           QStringLiteral(",'0' , '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '1', '0' , '3'");
}

void Form16::leeFila()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral4 = s.conexion.execute(textolectura(vendedor_, loteria(), especial()));
    if (s.rsgeneral4.recordCount() < 1)
        return;
    bloque()->muestra(s.rsgeneral4);
    for (const QString& comision : Comisiones)
        bloque()->ponTexto(comision, core::comaapunto(bloque()->texto(comision)));
    const QVariant jefe = s.rsgeneral4.field(QStringLiteral("comision_jefe")).value();
    jefeNulo_ = jefe.isNull();
    Text13->setText(jefeNulo_ ? QStringLiteral("0") : core::textocampo(jefe));
    muestrapago(Combo1, s.rsgeneral4.field(QStringLiteral("tipode_pago")).value());
}

void Form16::rellenaVacios()
{
    bloque()->rellenaVacios();
    if (platform::vb::trim(Text13->text()).isEmpty())
        Text13->setText(QStringLiteral("0"));
    if (Combo1->currentText().isEmpty())
        Combo1->setCurrentIndex(2);
}

bool Form16::existe()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral3 = s.conexion.execute(
        db::callText(QStringLiteral("busVENDLOTEspe"), {vendedor_, loteria(), especial()}));
    return s.rsgeneral3.recordCount() > 0;
}

db::Command Form16::comando(const QString& modo)
{
    FilaParametros fila;
    fila.vendedor = vendedor_;
    fila.loteria = loteria();
    fila.especial = especial();
    fila.montos = bloque()->textos();
    // A chief commission left as the "0" that stands for the seller's own
    // stays the seller's own.
    fila.comisionjefe = jefeNulo_ && Text13->text() == QLatin1String("0") ? QString() : Text13->text();
    fila.tipopago = Combo1->currentText().left(1);
    fila.modo = modo;
    return comandoactvendjuges(fila);
}

QString Form16::textoEliminar() const
{
    return db::callText(QStringLiteral("borra_vendespec"), {loteria(), especial(), vendedor_});
}

QString Form16::mensajeEliminado() const
{
    return QStringLiteral("Se Borro esto perfectamente ") + loteria() + especial();
}

GrillaParametros* Form16::opener() const
{
    return core::ventanaAbierta<paramvendespe>(Nombre);
}

} // namespace sellerparams
