#include "sellerparams/form48.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace sellerparams {

namespace db = platform::db;
using platform::msgbox;
namespace msg = platform::msg;

namespace {

// Removes trailing blanks, then one trailing ",".
QString cierra(QString texto)
{
    texto = platform::vb::rtrim(texto);
    if (texto.endsWith(QLatin1Char(',')))
        texto.chop(1);
    return texto;
}

// The boxes of a tab in the order visited: assignment piece, field piece,
// and the box (a field of the tab's block, or one of the window's own).
struct Casilla {
    QString asignacion;
    QString campo;
    QString caja;
};

const QList<Casilla>& casillasNormal()
{
    static const QList<Casilla> lista{
        {QStringLiteral("minimo_tri = '"), QStringLiteral("minimo_tri, "), QStringLiteral("Minimo_tri")},
        {QStringLiteral("minimo_ter = '"), QStringLiteral("minimo_ter, "), QStringLiteral("Minimo_ter")},
        {QStringLiteral("lim_tri =  '"), QStringLiteral("lim_tri, "), QStringLiteral("Lim_Tri")},
        {QStringLiteral("lim_ter =  '"), QStringLiteral("lim_ter, "), QStringLiteral("Lim_ter")},
        {QStringLiteral("comi_tri =  '"), QStringLiteral("comi_tri, "), QStringLiteral("Comi_Tri")},
        {QStringLiteral("comi_ter =  '"), QStringLiteral("comi_ter, "), QStringLiteral("Comi_Ter")},
        {QStringLiteral("P_tri_1 =  '"), QStringLiteral("P_tri_1, "), QStringLiteral("P_tri_1")},
        {QStringLiteral("p_ter_1 =  '"), QStringLiteral("p_ter_1, "), QStringLiteral("P_ter_1")},
        {QStringLiteral("p_tri_2 =  '"), QStringLiteral("p_tri_2, "), QStringLiteral("P_tri_2")},
        {QStringLiteral("p_ter_2 =  '"), QStringLiteral("p_ter_2, "), QStringLiteral("P_ter_2")},
        {QStringLiteral("p_tri_3 =  '"), QStringLiteral("p_tri_3, "), QStringLiteral("P_Tri_3")},
        {QStringLiteral("p_ter_3 =  '"), QStringLiteral("p_ter_3, "), QStringLiteral("P_ter_3")},
        {QStringLiteral("montocomodin =  '"), QStringLiteral("montocomodin, "),
         QStringLiteral("montocomodin")},
        {QStringLiteral("montom_digito =  '"), QStringLiteral("montom_digito, "),
         QStringLiteral("Montom_digito")},
        {QStringLiteral("Lim_digito =  '"), QStringLiteral("Lim_digito, "), QStringLiteral("Lim_digito")},
        {QStringLiteral("comi_digito =  '"), QStringLiteral("comi_digito, "), QStringLiteral("Comi_digito")},
        {QStringLiteral("premio_digito =  '"), QStringLiteral("premio_digito, "),
         QStringLiteral("Premio_digito")},
        {QStringLiteral("comision_jefe =  '"), QStringLiteral("comision_jefe, "),
         QStringLiteral("COMISJEFE")},
        {QStringLiteral("impuesto =  '"), QStringLiteral("impuesto, "), QStringLiteral("impuesto")},
        {QStringLiteral("tipode_pago =  '"), QStringLiteral("tipode_pago, "), QStringLiteral("Combo1")}};
    return lista;
}

const QList<Casilla>& casillasEspecial()
{
    static const QList<Casilla> lista{
        {QStringLiteral("minimo_tri = '"), QStringLiteral("minimo_tri, "), QStringLiteral("Minimo_tri")},
        {QStringLiteral("minimo_ter = '"), QStringLiteral("minimo_ter, "), QStringLiteral("Minimo_ter")},
        {QStringLiteral("lim_tri =  '"), QStringLiteral("lim_tri, "), QStringLiteral("Lim_Tri")},
        {QStringLiteral("lim_ter =  '"), QStringLiteral("lim_ter, "), QStringLiteral("Lim_ter")},
        {QStringLiteral("comi_tri =  '"), QStringLiteral("comi_tri, "), QStringLiteral("Comi_Tri")},
        {QStringLiteral("comi_ter =  '"), QStringLiteral("comi_ter, "), QStringLiteral("Comi_Ter")},
        {QStringLiteral("p_tri_1 =  '"), QStringLiteral("p_tri_1, "), QStringLiteral("P_tri_1")},
        {QStringLiteral("p_ter_1 =  '"), QStringLiteral("p_ter_1, "), QStringLiteral("P_ter_1")},
        {QStringLiteral("p_tri_2 =  '"), QStringLiteral("p_tri_2, "), QStringLiteral("P_tri_2")},
        {QStringLiteral("p_ter_2 =  '"), QStringLiteral("p_ter_2, "), QStringLiteral("P_ter_2")},
        {QStringLiteral("p_tri_3 =  '"), QStringLiteral("p_tri_3, "), QStringLiteral("P_Tri_3")},
        {QStringLiteral("p_ter_3 =  '"), QStringLiteral("p_ter_3, "), QStringLiteral("P_ter_3")},
        {QStringLiteral("comision_jefe =  '"), QStringLiteral("comision_jefe, "), QStringLiteral("Text29")},
        {QStringLiteral("tipode_pago =  '"), QStringLiteral("tipode_pago, "), QStringLiteral("Combo2")}};
    return lista;
}

QListWidget* listaMultiple()
{
    auto* lista = new QListWidget;
    lista->setSelectionMode(QAbstractItemView::MultiSelection);
    return lista;
}

void invierte(QListWidget* lista)
{
    for (int i = 0; i < lista->count(); ++i)
        lista->item(i)->setSelected(!lista->item(i)->isSelected());
}

// The first `ancho` characters of every selected item, in list order.
QString codigos(const QListWidget* lista, int ancho)
{
    QString texto;
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->isSelected())
            texto += lista->item(i)->text().left(ancho);
    return texto;
}

QComboBox* listaPago()
{
    auto* lista = new QComboBox;
    lista->setEditable(true);
    core::conectaseleccionatodo(lista);
    return lista;
}

QLineEdit* cajaDecimal(const QString& nombre, int precision, int escala)
{
    auto* caja = new QLineEdit;
    caja->setObjectName(nombre);
    core::conectafiltrodecimal(caja);
    core::conectaseleccionatodo(caja);
    core::conectaLimiteImporte(caja, precision, escala);
    return caja;
}

std::unique_ptr<core::BloqueVenta> bloque(int partes, const QString& titulo, const QStringList& filas)
{
    core::BloqueVenta::Opciones o;
    o.partes = partes;
    o.tituloNormal = titulo;
    o.filasNormal = filas;
    auto b = std::make_unique<core::BloqueVenta>(o);
    b->ponFiltro(b->campos(), core::FiltroCaja::Decimal);
    b->ponSeleccionaTodo(b->campos());
    b->ponLimites(b->campos(), 9, 3);
    return b;
}

} // namespace

TextosAjuste construyeajuste(const QList<PiezaAjuste>& piezas)
{
    TextosAjuste t;
    for (const PiezaAjuste& p : piezas) {
        if (platform::vb::trim(p.valor).isEmpty())
            continue;
        t.cadenaajuste += p.asignacion + p.valor + QStringLiteral("', ");
        t.campos += p.campo;
        t.valores += QStringLiteral("'") + p.valor + QStringLiteral("', ");
    }
    return {cierra(t.cadenaajuste), cierra(t.campos), cierra(t.valores)};
}

Form48::Form48()
    : Label26(new Encabezado(QStringLiteral("Vendedores")))
    , Label27(new Encabezado(QStringLiteral("Loterias")))
    , List1(listaMultiple())
    , List2(listaMultiple())
    , TabStrip1(new QTabBar)
    , Frame1(new QWidget)
    , Frame4(new QWidget)
    , COMISJEFE(cajaDecimal(QStringLiteral("COMISJEFE"), 18, 2))
    , impuesto(cajaDecimal(QStringLiteral("impuesto"), 18, 2))
    , Combo1(listaPago())
    , Combo2(listaPago())
    , Combo3(new QComboBox)
    , Text29(cajaDecimal(QStringLiteral("Text29"), 18, 2))
    , XPButton1(new QPushButton(QStringLiteral("Aplicar ajustes de Parámetros")))
    , XPButton3(new QPushButton(QStringLiteral("Regresar")))
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    setWindowTitle(QStringLiteral("Parámetros de Vendedores"));
    Combo3->setEditable(true);
    const QStringList filas = core::BloqueVenta::Opciones().filasNormal;
    QStringList filasNormal = filas;
    filasNormal[5] = QStringLiteral("3cer Premio");
    normal_ = bloque(core::BloqueVenta::Normal | core::BloqueVenta::Comodin | core::BloqueVenta::Digito,
                     QStringLiteral("< Venta Normal >"), filasNormal);
    especial_ = bloque(core::BloqueVenta::Normal, QStringLiteral("< Valores Para La Jugada Especial >"),
                       filas);
    TabStrip1->addTab(QStringLiteral("Parámetros de juego Normal"));
    TabStrip1->addTab(QStringLiteral("Parámetros de Jugadas Especiales"));

    // Normal page.
    // The normal block, and beside it the digit block over the three boxes,
    // each caption over its box.
    auto* pagina1 = new QGridLayout(Frame1);
    pagina1->addWidget(normal_->marcoNormal(), 0, 0, 2, 1);
    pagina1->addWidget(normal_->marcoDigito(), 0, 1, Qt::AlignTop);
    auto* pie = new QVBoxLayout;
    for (const auto& [titulo, control] :
         QList<std::pair<QString, QWidget*>>{{QStringLiteral("% de Comision para Jefe Grupo"), COMISJEFE},
                                             {QStringLiteral("% de Impuesto"), impuesto},
                                             {QStringLiteral("Tipo de Pago"), Combo1}}) {
        pie->addWidget(new QLabel(titulo));
        pie->addWidget(control);
    }
    pie->addStretch(1);
    pagina1->addLayout(pie, 1, 1);
    // Special page.
    auto* pagina4 = new QGridLayout(Frame4);
    pagina4->addWidget(new QLabel(QStringLiteral("Jugada Especial")), 0, 0);
    pagina4->addWidget(Combo3, 0, 1);
    pagina4->addWidget(especial_->marcoNormal(), 1, 0, 1, 2);
    core::etiquetaControles(
        pagina4, 2, 0, {{QStringLiteral("Tipo de Pago"), Combo2}, {QStringLiteral("Comis. Jefe"), Text29}},
        Qt::Vertical);
    Frame4->hide();

    auto* raiz = new QHBoxLayout(this);
    auto* listas = new QVBoxLayout;

    listas->addWidget(Label26);
    listas->addWidget(List1, 1);
    listas->addWidget(Label27);
    listas->addWidget(List2, 1);
    raiz->addLayout(listas);
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(TabStrip1);
    derecha->addWidget(Frame1);
    derecha->addWidget(Frame4);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* boton : {XPButton3, XPButton1}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    derecha->addStretch(1);
    derecha->addLayout(botones);
    raiz->addLayout(derecha, 1);

    connect(Label26, &Encabezado::clicked, this, [this] { invierte(List1); });
    connect(Label27, &Encabezado::clicked, this, [this] { invierte(List2); });
    connect(TabStrip1, &QTabBar::currentChanged, this, &Form48::TabStrip1_Click);
    connect(XPButton1, &QPushButton::clicked, this, &Form48::XPButton1_Click);
    connect(XPButton3, &QPushButton::clicked, this, &QWidget::close);
}

Form48::~Form48() = default;

void Form48::onLoad()
{
    manejoerrores(core::Trampa::simple(), [this] {
        core::renuevaconexion();
        for (QComboBox* lista : {Combo1, Combo2}) {
            llenapago(lista);
            lista->setCurrentIndex(-1);
        }
        tipoajuste_ = 1;
        List1->clear();
        db::RecordSet vendedores = core::sesion().rsvendedores;
        if (vendedores.state() == db::RecordSet::StateOpen && vendedores.recordCount() > 0)
            for (vendedores.moveFirst(); !vendedores.eof(); vendedores.moveNext())
                List1->addItem(core::itemcodigo(vendedores.field(QStringLiteral("codvendedor")).value(),
                                                vendedores.field(QStringLiteral("nombre_vend")).value()));
        llenaLoterias();
        db::RecordSet jugadas = core::sesion().conexion.execute(QStringLiteral("dspjugadase"));
        Combo3->clear();
        if (jugadas.recordCount() > 0)
            for (jugadas.moveFirst(); !jugadas.eof(); jugadas.moveNext())
                Combo3->addItem(core::itemcodigo(jugadas.field(QStringLiteral("especial")).value(),
                                                 jugadas.field(QStringLiteral("desc_espec")).value()));
        Combo3->setCurrentIndex(-1);
        ajustaAncho(List1);
    });
}

void Form48::ajustaAncho(QListWidget* lista)
{
    // Wide enough for its longest item, within reason: longer ones scroll.
    const int ancho = lista->sizeHintForColumn(0) + 2 * lista->frameWidth() +
                      lista->verticalScrollBar()->sizeHint().width();
    List1->setMinimumWidth(qMin(ancho, 360));
    List2->setMinimumWidth(qMin(ancho, 360));
}

void Form48::llenaLoterias()
{
    List2->clear();
    db::RecordSet loterias = core::sesion().rsloterias;
    if (loterias.state() != db::RecordSet::StateOpen || loterias.recordCount() < 1)
        return;
    // The normal tab leaves out the lotteries of special play only, the
    // special tab those of normal play only.
    const QString fuera = tipoajuste_ == 1 ? QStringLiteral("S") : QStringLiteral("N");
    for (loterias.moveFirst(); !loterias.eof(); loterias.moveNext())
        if (platform::vb::trim(loterias.field(QStringLiteral("juegaespecial")).value().toString()) != fuera)
            List2->addItem(core::itemcodigo(loterias.field(QStringLiteral("COD_LOT")).value(),
                                            loterias.field(QStringLiteral("desc_lot")).value()));
}

void Form48::TabStrip1_Click()
{
    tipoajuste_ = TabStrip1->currentIndex() == 0 ? 1 : 2;
    Frame1->setVisible(tipoajuste_ == 1);
    Frame4->setVisible(tipoajuste_ == 2);
    llenaLoterias();
}

QList<PiezaAjuste> Form48::piezas() const
{
    QList<PiezaAjuste> lista;
    const bool esNormal = tipoajuste_ == 1;
    core::BloqueVenta* bloque = esNormal ? normal_.get() : especial_.get();
    for (const Casilla& c : esNormal ? casillasNormal() : casillasEspecial()) {
        QString valor;
        if (c.caja == QLatin1String("Combo1") || c.caja == QLatin1String("Combo2")) {
            QComboBox* pago = c.caja == QLatin1String("Combo1") ? Combo1 : Combo2;
            valor = platform::vb::trim(pago->currentText()).isEmpty() ? QString()
                                                                      : pago->currentText().left(1);
        } else if (QLineEdit* caja = bloque->caja(c.caja)) {
            valor = caja->text();
        } else {
            valor = (c.caja == QLatin1String("COMISJEFE")  ? COMISJEFE
                     : c.caja == QLatin1String("impuesto") ? impuesto
                                                           : Text29)
                        ->text();
        }
        lista.append({c.asignacion, c.campo, valor});
    }
    return lista;
}

TextosAjuste Form48::textosAjuste() const
{
    return construyeajuste(piezas());
}

QString Form48::vendedores() const
{
    return codigos(List1, 5);
}

QString Form48::loterias() const
{
    return codigos(List2, 3);
}

void Form48::XPButton1_Click()
{
    atrapa([this] { aplica(); });
}

void Form48::aplica()
{
    core::renuevaconexion();
    if (msgbox(QStringLiteral("Desea en realidar aplicar los ajustes?"), msg::YesNo | msg::Question,
               QStringLiteral("Responda!")) != msg::AnswerYes)
        return;
    if (tipoajuste_ != 1 && tipoajuste_ != 2)
        return;
    const TextosAjuste textos = textosAjuste();
    if (platform::vb::trim(textos.cadenaajuste).isEmpty())
        return;
    if (tipoajuste_ == 1)
        core::renuevaconexion();
    const QString vendedores_ = vendedores();
    const QString loterias_ = loterias();
    if (vendedores_.isEmpty() || loterias_.isEmpty()) {
        msgbox(QStringLiteral("Debe seleccionar al menos un Vendedor y una Lotería!"), msg::Critical,
               core::TituloAtencion);
        return;
    }
    if (tipoajuste_ == 2 && Combo3->currentText().isEmpty()) {
        msgbox(QStringLiteral("Debe seleccionar al menos una jugada especial!"), msg::Critical,
               core::TituloAtencion);
        Combo3->setFocus();
        return;
    }
    db::Command comando = core::comandoact(
        tipoajuste_ == 1 ? QStringLiteral("ajustaparametrosn") : QStringLiteral("ajustaparametrose"), 900);
    const auto texto = [&comando](const QString& nombre, int tamano, const QString& valor) {
        // Never cut: a selection longer than the declared size goes whole.
        comando.append(nombre, db::DataType::VarChar, db::Direction::Input, qMax(tamano, int(valor.size())),
                       valor);
    };
    texto(QStringLiteral("@vendedores"), 5000, vendedores_);
    texto(QStringLiteral("@loterias"), 1000, loterias_);
    texto(QStringLiteral("@cadenaajuste"), 8000, textos.cadenaajuste);
    if (tipoajuste_ == 2)
        texto(QStringLiteral("@especial"), 3, core::primerapalabra(Combo3->currentText()));
    texto(QStringLiteral("@campos"), 8000, textos.campos);
    texto(QStringLiteral("@valores"), 8000, textos.valores);
    comando.execute();
    if (core::respuesta(comando) == QLatin1String("0")) {
        msgbox(QStringLiteral("Ajuste de parámetros realizada sin problemas"), msg::Information,
               core::TituloAtencion);
        close();
    } else {
        msgbox(QStringLiteral("Hubo problemas al realizar el Ajuste de parámetros"), msg::Critical,
               core::TituloAtencion);
    }
}

bool Form48::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace sellerparams
