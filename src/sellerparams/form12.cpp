#include "sellerparams/form12.h"

#include "sellerparams/form44.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace sellerparams {

namespace db = platform::db;
namespace campos = core::campos;

namespace {

core::BloqueVenta::Opciones opciones()
{
    core::BloqueVenta::Opciones o;
    o.partes = core::BloqueVenta::Normal | core::BloqueVenta::Comodin | core::BloqueVenta::Digito |
               core::BloqueVenta::Pares;
    o.filasNormal[5] = QStringLiteral("3cer Premio");
    return o;
}

// The commissions, shown with "." as their decimal point.
const QStringList Comisiones = {QStringLiteral("Comi_Tri"), QStringLiteral("Comi_Ter"),
                                QStringLiteral("Comi_digito"), QStringLiteral("Comispar")};

const QString Nombre = QStringLiteral("Form44");

} // namespace

Form12::Form12() : EditorFila(opciones()), COMISJEFE(new QLineEdit), impuesto(new QLineEdit)
{
    COMISJEFE->setObjectName(QStringLiteral("COMISJEFE"));
    impuesto->setObjectName(QStringLiteral("impuesto"));
    // The columns hold numeric(18,2); the values travel as texts of ten
    // characters.
    for (auto [caja, campo] : {std::pair{COMISJEFE, QStringLiteral("% de Comision para Jefe Grupo")},
                               {impuesto, QStringLiteral("% de Impuesto")}}) {
        core::conectafiltrodecimal(caja);
        core::conectaseleccionatodo(caja);
        core::conectaLimiteImporte(caja, 18, 2);
        core::conectaLimite(caja, AnchoImporte, campo);
    }
    bloque()->marcoPares()->hide();

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(List1);
    auto* marcos = new QHBoxLayout;
    marcos->addWidget(bloque()->marcoNormal());
    marcos->addWidget(bloque()->marcoDigito(), 0, Qt::AlignTop);
    marcos->addWidget(bloque()->marcoPares());
    raiz->addLayout(marcos);
    auto* pie = new QGridLayout;
    core::etiquetaControles(pie, 0, 0,
                            {{QStringLiteral("% de Comision para Jefe Grupo"), COMISJEFE},
                             {QStringLiteral("% de Impuesto"), impuesto},
                             {QStringLiteral("Tipo de Pago"), Combo1}},
                            Qt::Horizontal);
    raiz->addLayout(pie);
    raiz->addLayout(botones());

    QList<QWidget*> orden;
    for (const QString& campo : campos::Venta)
        orden << caja(campo);
    // Row by row: triples before terminales.
    orden = {orden[0], orden[1], orden[2], orden[3],  orden[4], orden[5],
             orden[6], orden[9], orden[7], orden[10], orden[8], orden[11]};
    orden << caja(campos::MontoComodin);
    for (const QString& campo : campos::Digito)
        orden << caja(campo);
    orden << COMISJEFE << impuesto << Combo1 << Grabar << Eliminar << Salir;
    core::encadenaTabulacion(orden);
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        atrapa([this, item] { leeFila(core::primerapalabra(item->text())); });
    });
}

void Form12::onLoad()
{
    List1->clear();
    setWindowTitle(QStringLiteral("Parametros de Loterias para el Vendedor (") +
                   cajacatalogo(QStringLiteral("Text1")) + QStringLiteral(" - ") +
                   cajacatalogo(QStringLiteral("Text2")) + QStringLiteral(")"));
    core::Sesion& s = core::sesion();
    s.rsgeneral3 = db::RecordSet();
    s.rsgeneral4 = db::RecordSet();
    COMISJEFE->setText(cajacatalogo(QStringLiteral("Text7")));
    llenapago(Combo1);
    Combo1->setCurrentIndex(0);
}

void Form12::onActivate()
{
    atrapa([this] { leeFila(); });
}

QString Form12::vendedor() const
{
    auto* grilla = core::ventanaAbierta<Form44>(Nombre);
    return grilla ? grilla->vendedor() : platform::vb::trim(cajacatalogo(QStringLiteral("Text1")));
}

GrillaParametros* Form12::opener() const
{
    return core::ventanaAbierta<Form44>(Nombre);
}

QString Form12::textolectura(const QString& vendedor, const QString& loteria)
{
    return QStringLiteral("ACTVENDLOTE ") + db::quote(vendedor) + QStringLiteral(" , ") + db::quote(loteria) +
           QStringLiteral(", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ' ', 0, 0, "
                          "'0', '3',0");
}

void Form12::leeFila(const QString& lote)
{
    const QString codigo = lote.isEmpty() ? loteria() : lote;
    if (codigo.isEmpty())
        return;
    core::Sesion& s = core::sesion();
    s.rsgeneral3 = s.conexion.execute(textolectura(vendedor(), codigo));
    if (s.rsgeneral3.recordCount() > 0) {
        s.modoedicion = QStringLiteral("A");
        bloque()->muestra(s.rsgeneral3);
        for (const QString& comision : Comisiones)
            bloque()->ponTexto(comision, core::comaapunto(bloque()->texto(comision)));
        const auto texto = [&s](const char* campo) {
            const QVariant valor = s.rsgeneral3.field(QLatin1String(campo)).value();
            return valor.isNull() ? QStringLiteral("0") : core::textocampo(valor);
        };
        COMISJEFE->setText(texto("comision_jefe"));
        impuesto->setText(texto("impuesto"));
        muestrapago(Combo1, s.rsgeneral3.field(QStringLiteral("tipode_pago")).value());
    }
    update();
}

void Form12::rellenaVacios()
{
    bloque()->rellenaVacios();
    for (QLineEdit* caja : {impuesto, COMISJEFE})
        if (platform::vb::trim(caja->text()).isEmpty())
            caja->setText(QStringLiteral("0"));
    if (Combo1->currentText().isEmpty())
        Combo1->setCurrentIndex(0);
}

bool Form12::existe()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral3 = s.conexion.execute(db::callText(QStringLiteral("busVENDLOTE"), {vendedor(), loteria()}));
    return s.rsgeneral3.recordCount() > 0;
}

db::Command Form12::comando(const QString& modo)
{
    FilaParametros fila;
    fila.vendedor = vendedor();
    fila.loteria = loteria();
    fila.montos = bloque()->textos();
    fila.pagacomodin = core::bandera(bloque()->pagaComodin());
    fila.montocomodin = bloque()->texto(campos::MontoComodin);
    fila.comisionjefe = COMISJEFE->text();
    fila.tipopago = Combo1->currentText().left(1);
    fila.impuesto = impuesto->text();
    fila.modo = modo;
    return comandoactvendlote(fila);
}

QString Form12::textoEliminar() const
{
    return db::callText(QStringLiteral("borra_ven_lot"), {loteria(), vendedor()});
}

QString Form12::mensajeEliminado() const
{
    return QStringLiteral("Se Borro esto perfectamente ") + vendedor() + loteria();
}

} // namespace sellerparams
