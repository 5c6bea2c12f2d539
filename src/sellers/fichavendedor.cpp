#include "sellers/fichavendedor.h"

#include "core/masteredita.h"

#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace sellers {

namespace {

core::BloqueVenta::Opciones opcionesBloque(FichaVendedor::Uso uso)
{
    core::BloqueVenta::Opciones o;
    o.partes = core::BloqueVenta::Normal | core::BloqueVenta::Comodin | core::BloqueVenta::Digito |
               core::BloqueVenta::Pares;
    const bool catalogo = uso == FichaVendedor::Uso::Catalogo;
    o.filasNormal = {catalogo ? QStringLiteral("Minimo de Juego") : QStringLiteral("Monto Minimo de Juego"),
                     catalogo ? QStringLiteral("Limites por  jugada") : QStringLiteral("Limites"),
                     QStringLiteral("Comision  Vta"),
                     QStringLiteral("1er Premio"),
                     QStringLiteral("2do Premio"),
                     QStringLiteral("3cer Premio")};
    return o;
}

QComboBox* lista(FichaVendedor::Uso uso)
{
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (uso == FichaVendedor::Uso::Catalogo)
        combo->lineEdit()->setReadOnly(true);
    return combo;
}

void ponLista(QComboBox* combo, const QString& texto)
{
    combo->setCurrentIndex(combo->findText(texto));
    combo->setEditText(texto);
}

} // namespace

const QStringList& itemsestado()
{
    static const QStringList items = {QStringLiteral("1.- Activo"), QStringLiteral("2.- Inactivo"),
                                      QStringLiteral("3.- Suspendido")};
    return items;
}

const QStringList& itemstipopago()
{
    static const QStringList items = {QStringLiteral("0.- Punta y Cola"),
                                      QStringLiteral("1.- Aproximaciones"), QStringLiteral("2.- Seco"),
                                      QStringLiteral("3.- Comodines")};
    return items;
}

QString textoestado(const QString& texto)
{
    const QString item = core::itemopcion(itemsestado(), texto);
    return item.isEmpty() ? texto : item;
}

QString textotipopago(const QString& texto)
{
    const QString item = core::itemopcion(itemstipopago(), texto, core::CoincideOpcion::PrimerCaracter);
    return item.isEmpty() ? texto : item;
}

FichaVendedor::FichaVendedor(Uso uso, QWidget* parent)
    : QWidget(parent)
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
    , Text5(new QLineEdit)
    , Text6(new QLineEdit)
    , Text7(new QLineEdit)
    , Text30(new QLineEdit)
    , Text31(new QLineEdit)
    , Text33(new QLineEdit)
    , Text34(new QLineEdit)
    , Combo1(lista(uso))
    , Combo2(lista(uso))
    , Combo3(lista(uso))
    , Combo4(lista(uso))
    , Combo5(lista(uso))
    , bloque_(std::make_unique<core::BloqueVenta>(opcionesBloque(uso)))
{
    const bool catalogo = uso == Uso::Catalogo;
    // Other subsystems read the current seller by these names.
    for (auto [caja, nombre] : {std::pair{Text1, "Text1"}, {Text2, "Text2"}, {Text7, "Text7"}})
        caja->setObjectName(QLatin1String(nombre));

    auto* g = new QGridLayout(this);
    const auto etiqueta = [g](const QString& texto, int fila, int columna) {
        auto* l = new QLabel(texto);
        g->addWidget(l, fila, columna);
        return l;
    };
    etiqueta(QStringLiteral("Vendedor"), 0, 0);
    // The code takes the width of its five characters, the name the rest.
    auto* identidad = new QHBoxLayout;
    identidad->addWidget(Text1);
    identidad->addWidget(Text2, 1);
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    // Names, addresses and e-mails of about thirty characters show whole.
    const int larga = Text3->fontMetrics().horizontalAdvance(
        QStringLiteral("Av. 5 de Julio con calle 72, Maracaibo"));
    for (QWidget* caja :
         {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text3), static_cast<QWidget*>(Text5)})
        caja->setMinimumWidth(larga);
    g->addLayout(identidad, 0, 1, 1, 4);
    etiqueta(QStringLiteral("Dirección"), 1, 0);
    g->addWidget(Text3, 1, 1, 1, 4);
    etiqueta(QStringLiteral("Telefono(s)"), 2, 0);
    g->addWidget(Text4, 2, 1, 1, 2);
    etiqueta(QStringLiteral("e-mail"), 3, 0);
    g->addWidget(Text5, 3, 1, 1, 2);
    etiqueta(QStringLiteral("Grupo al Que Pertenece"), 4, 0);
    g->addWidget(Combo1, 4, 1, 1, 2);
    etiqueta(catalogo ? QStringLiteral("% Comi. Jefe Grupo") : QStringLiteral("% Comision al Jefe Grupo"), 5,
             0);
    g->addWidget(Text7, 5, 1);
    QLabel* impuesto = etiqueta(QStringLiteral("% Impuesto"), 5, 2);
    g->addWidget(Text30, 5, 3);
    impuesto->hide();
    Text30->hide();

    etiqueta(QStringLiteral("Tipo de Pago"), 0, 5);
    g->addWidget(Combo3, 1, 5);
    etiqueta(QStringLiteral("Estado Actual"), 2, 5);
    g->addWidget(Combo2, 3, 5);
    etiqueta(catalogo ? QStringLiteral("** Clave de Acceso al Sistema")
                      : QStringLiteral("Clave de Acceso al Sistema"),
             4, 5);
    g->addWidget(Text6, 5, 5);
    etiqueta(QStringLiteral("R.I.F."), 6, 5);
    g->addWidget(Text31, 7, 5);
    etiqueta(QStringLiteral("N.I.T."), 8, 5);
    g->addWidget(Text33, 9, 5);

    etiqueta(QStringLiteral("Gobernación"), 6, 0);
    g->addWidget(Combo5, 6, 1, 1, 4);
    etiqueta(catalogo ? QStringLiteral("Alcaldía") : QStringLiteral("Alcaldia"), 7, 0);
    g->addWidget(Combo4, 7, 1, 1, 4);
    etiqueta(catalogo ? QStringLiteral("Dias Caduca") : QStringLiteral("Caduca Tickets"), 8, 0);
    g->addWidget(Text34, 8, 1);

    g->addWidget(bloque_->marcoDigito(), 10, 0, 1, 2);
    g->addWidget(bloque_->marcoNormal(), 10, 2, 1, 4);
    g->addWidget(bloque_->marcoPares(), 11, 0);
    bloque_->marcoPares()->hide();

    if (catalogo) {
        for (QLineEdit* caja :
             {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text30, Text31, Text33, Text34})
            caja->setReadOnly(true);
        bloque_->ponSoloLectura(true);
    }
}

FichaVendedor::~FichaVendedor() = default;

QCheckBox* FichaVendedor::Check12() const
{
    return bloque_->pagaComodin();
}

QLineEdit* FichaVendedor::Text32() const
{
    return bloque_->caja(core::campos::MontoComodin);
}

void FichaVendedor::muestra(const RegistroVendedor& v)
{
    Text1->setText(v.codigo);
    Text2->setText(v.nombre);
    Text3->setText(v.direccion);
    Text4->setText(v.telefono);
    Text5->setText(v.email);
    Text6->setText(v.clave);
    Text7->setText(v.comisionjefe);
    Text30->setText(v.impuesto);
    Text31->setText(v.rif);
    Text33->setText(v.nit);
    Text34->setText(v.diascaduca);
    ponLista(Combo1, v.grupo);
    ponLista(Combo2, textoestado(v.estado));
    ponLista(Combo3, textotipopago(v.tipopago));
    ponLista(Combo4, v.alcaldia);
    ponLista(Combo5, v.gobernacion);
    for (const QString& campo : bloque_->campos())
        bloque_->ponTexto(campo, v.montos.value(campo.toLower()));
    Check12()->setChecked(v.pagacomodin != QLatin1String("N"));
}

RegistroVendedor FichaVendedor::registro() const
{
    RegistroVendedor v;
    v.codigo = Text1->text();
    v.nombre = Text2->text();
    v.direccion = Text3->text();
    v.telefono = Text4->text();
    v.email = Text5->text();
    v.clave = Text6->text();
    v.comisionjefe = Text7->text();
    v.impuesto = Text30->text();
    v.rif = Text31->text();
    v.nit = Text33->text();
    v.diascaduca = Text34->text();
    v.grupo = Combo1->currentText();
    v.estado = Combo2->currentText();
    v.tipopago = Combo3->currentText();
    v.alcaldia = Combo4->currentText();
    v.gobernacion = Combo5->currentText();
    v.montos = bloque_->textos();
    v.pagacomodin = core::bandera(Check12());
    return v;
}

} // namespace sellers
