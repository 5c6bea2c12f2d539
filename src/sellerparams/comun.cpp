#include "sellerparams/comun.h"

#include "sellerparams/form45.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/connection.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace sellerparams {

namespace db = platform::db;
namespace campos = core::campos;

QString cajacatalogo(const QString& nombre)
{
    QWidget* catalogo = platform::ui::windowRegistry().find(QStringLiteral("Form3"));
    auto* caja = catalogo ? catalogo->findChild<QLineEdit*>(nombre) : nullptr;
    return caja ? caja->text() : QString();
}

const QStringList& itemspago()
{
    static const QStringList items{QStringLiteral("0.- Punta y Cola"), QStringLiteral("1.- Aproximaciones"),
                                   QStringLiteral("2.- Seco"), QStringLiteral("3.- Comodines")};
    return items;
}

void llenapago(QComboBox* lista)
{
    lista->clear();
    lista->addItems(itemspago());
}

void muestrapago(QComboBox* lista, const QVariant& valor)
{
    const QString item = core::itemopcion(itemspago(), valor);
    if (!item.isEmpty())
        lista->setCurrentIndex(lista->findText(item));
}

void ejecutaentransaccion(const QString& texto)
{
    db::Connection& conexion = core::sesion().conexion;
    db::Transaction transaccion(conexion);
    conexion.execute(texto);
    transaccion.commit();
}

Encabezado::Encabezado(const QString& texto) : QLabel(texto) {}

void Encabezado::mouseReleaseEvent(QMouseEvent* evento)
{
    QLabel::mouseReleaseEvent(evento);
    emit clicked();
}

namespace {

void agregaTexto(db::Command& comando, const QString& nombre, int tamano, const QString& valor)
{
    comando.append(nombre, db::DataType::VarChar, db::Direction::Input, tamano, valor);
}

// The twelve amounts of the normal play, parameter names in their order.
const QStringList& parametrosVenta()
{
    static const QStringList nombres{
        QStringLiteral("@T_Minimo_tri"), QStringLiteral("@T_Minimo_ter"), QStringLiteral("@T_Lim_Tri"),
        QStringLiteral("@T_Lim_ter"),    QStringLiteral("@T_Comi_Tri"),   QStringLiteral("@T_Comi_Ter"),
        QStringLiteral("@T_P_tri_1"),    QStringLiteral("@T_P_tri_2"),    QStringLiteral("@T_P_tri_3"),
        QStringLiteral("@T_P_ter_1"),    QStringLiteral("@T_P_ter_2"),    QStringLiteral("@T_P_ter_3")};
    return nombres;
}

void agregaMontos(db::Command& comando, const QStringList& nombres, const QStringList& campos,
                  const core::TextosVenta& montos)
{
    for (int i = 0; i < nombres.size(); ++i)
        agregaTexto(comando, nombres[i], AnchoImporte, core::comaapunto(montos.value(campos[i].toLower())));
}

} // namespace

db::Command comandoactvendlote(const FilaParametros& fila)
{
    db::Command comando = core::comandoact(QStringLiteral("ACTVENDLOTE"), 900);
    agregaTexto(comando, QStringLiteral("@T_CODVENDEDOR"), 5, fila.vendedor);
    agregaTexto(comando, QStringLiteral("@T_COD_LOT"), 3, fila.loteria);
    agregaMontos(comando, parametrosVenta(), campos::Venta, fila.montos);
    agregaMontos(comando,
                 {QStringLiteral("@T_Montom_digito"), QStringLiteral("@T_Lim_digito"),
                  QStringLiteral("@T_Comi_digito"), QStringLiteral("@T_Premio_digito")},
                 campos::Digito, fila.montos);
    agregaMontos(comando,
                 {QStringLiteral("@T_Lim_NumA"), QStringLiteral("@T_Lim_numB"),
                  QStringLiteral("@T_Montom_par"), QStringLiteral("@T_Comispar"),
                  QStringLiteral("@T_PremioPar"), QStringLiteral("@T_Sencillo_Par")},
                 campos::Pares, fila.montos);
    agregaTexto(comando, QStringLiteral("@T_Pagacomodin"), 1, fila.pagacomodin);
    agregaTexto(comando, QStringLiteral("@T_Montocomodin"), AnchoImporte,
                core::comaapunto(fila.montocomodin));
    agregaTexto(comando, QStringLiteral("@T_Comision_Jefe"), AnchoImporte, fila.comisionjefe);
    agregaTexto(comando, QStringLiteral("@T_tipode_pago"), 1, fila.tipopago);
    agregaTexto(comando, QStringLiteral("@T_MODOUSOS"), 1, fila.modo);
    agregaTexto(comando, QStringLiteral("@T_IMPUESTO"), AnchoImporte, fila.impuesto);
    return comando;
}

db::Command comandoactvendjuges(const FilaParametros& fila)
{
    db::Command comando = core::comandoact(QStringLiteral("ACTVENDJUGES"), 900);
    agregaTexto(comando, QStringLiteral("@T_CODVENDEDOR"), 5, fila.vendedor);
    agregaTexto(comando, QStringLiteral("@T_COD_LOT"), 3, fila.loteria);
    agregaTexto(comando, QStringLiteral("@T_ESPECIAL"), 3, fila.especial);
    agregaMontos(comando, parametrosVenta(), campos::Venta, fila.montos);
    agregaTexto(comando, QStringLiteral("@T_tipode_pago"), 1, fila.tipopago);
    agregaTexto(comando, QStringLiteral("@comis_jefe"), AnchoImporte, core::comaapunto(fila.comisionjefe));
    agregaTexto(comando, QStringLiteral("@T_MODOUSOS"), 1, fila.modo);
    return comando;
}

GrillaParametros::GrillaParametros(const QString& titulo, const QStringList& titulos, int ultimaColumna)
    : Combo4(new QComboBox)
    , DataGrid1(new core::GrillaCatalogo)
    , XPButton2(new QPushButton(QStringLiteral("Seleccionar")))
    , XPButton1(new QPushButton(QStringLiteral("Regresar")))
    , titulos_(titulos)
    , ultimaColumna_(ultimaColumna)
    , raiz_(new QVBoxLayout(this))
{
    setFrame({.centred = true});
    setWindowTitle(titulo);
    Combo4->setObjectName(QStringLiteral("Combo4"));
    // The catalogue writes the seller here; the operator does not type one.
    Combo4->setEditable(true);
    Combo4->lineEdit()->setReadOnly(true);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    auto* vendedor = new QHBoxLayout;
    vendedor->addWidget(new QLabel(QStringLiteral("Vendedor")));
    vendedor->addWidget(Combo4, 1);
    raiz_->addLayout(vendedor);
    raiz_->addWidget(DataGrid1, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* boton : {XPButton2, XPButton1}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    raiz_->addLayout(botones);
    connect(XPButton1, &QPushButton::clicked, this, &QWidget::close);
    connect(XPButton2, &QPushButton::clicked, this, &GrillaParametros::XPButton2_Click);
    connect(DataGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, &GrillaParametros::HeadClick);
    connect(DataGrid1, &platform::ui::DataGrid::rowChanged, DataGrid1, &platform::ui::DataGrid::refresh);
    connect(Combo4, &QComboBox::editTextChanged, this, &GrillaParametros::cambiaVendedor);
}

void GrillaParametros::cambiaVendedor(const QString& texto)
{
    const QString codigo = core::primerapalabra(platform::vb::trim(texto));
    if (codigo.isEmpty() || codigo == vendedor_)
        return;
    vendedor_ = codigo;
    atrapa([this] { rellena(true); });
}

void GrillaParametros::enlaza(const db::RecordSet& lista)
{
    DataGrid1->setDataSource(lista);
    // Each column at least as wide as its whole caption, in the bold the
    // header shows captions in.
    QFont negrita = DataGrid1->horizontalHeader()->font();
    negrita.setBold(true);
    const QFontMetrics letra(negrita);
    const int margen = 4 * DataGrid1->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int columna = 0; columna < titulos_.size(); ++columna) {
        DataGrid1->ponTitulo(columna, titulos_[columna]);
        DataGrid1->setColumnWidth(columna, qMax(DataGrid1->columnWidth(columna),
                                                letra.horizontalAdvance(titulos_[columna]) + margen));
    }
    DataGrid1->updateGeometry();
}

void GrillaParametros::rellena(bool alPrimero)
{
    enlaza(leeLista());
    DataGrid1->irAMarcador(alPrimero ? db::Bookmark{} : core::sesion().marcadordetalle);
    XPButton2->setEnabled(DataGrid1->tieneFila());
}

void GrillaParametros::HeadClick(int columna)
{
    if (columna < 2 || columna > ultimaColumna_)
        return;
    DataGrid1->refresh();
    auto* dialogo = core::cargaVentana<Form45>(QStringLiteral("Form45"));
    if (!dialogo)
        return;
    dialogo->prepara(this, columna, DataGrid1->titulo(columna));
    dialogo->showModal(this);
}

void GrillaParametros::XPButton2_Click()
{
    // With no rows there is no row to edit.
    if (!DataGrid1->tieneFila())
        return;
    atrapa([this] { abreEditor(); });
}

bool GrillaParametros::onKeyPreview(QKeyEvent* evento)
{
    if (core::codigotecla(*evento) == core::TeclaEnter && DataGrid1->hasFocus()) {
        DataGrid1->refresh();
        XPButton2_Click();
        return false;
    }
    return core::teclasventana(*evento, [this] { close(); });
}

bool GrillaParametros::onQueryUnload()
{
    if (QWidget* catalogo = platform::ui::windowRegistry().find(QStringLiteral("Form3")))
        if (auto* grilla = catalogo->findChild<QWidget*>(QStringLiteral("DataGrid1")))
            grilla->setFocus();
    return true;
}

} // namespace sellerparams
