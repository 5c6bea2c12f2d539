#include "reportwindows/form29.h"

#include "core/conexion.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"
#include "reportwindows/comunes.h"
#include "reportwindows/grafico.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace reportwindows {

namespace regional = platform::regional;
using platform::db::RecordSet;

namespace {

QString& archivoImpresion()
{
    static QString archivo;
    return archivo;
}

// Adds items with an unticked check box each.
void agregaMarcables(QListWidget* lista, const QStringList& elementos)
{
    for (const QString& e : elementos) {
        auto* item = new QListWidgetItem(e, lista);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

bool marcado(const QListWidget* lista, int i)
{
    return lista->item(i)->checkState() == Qt::Checked;
}

} // namespace

const QList<Form29::Categoria> Form29::Categorias = {
    {QStringLiteral("Ventas"), QStringLiteral("ventas"), QStringLiteral("Ventas")},
    {QStringLiteral("Premios"), QStringLiteral("premios"), QStringLiteral("Premios Repartidos")},
    {QString::fromUtf8("Comisión"), QStringLiteral("Comision"), QString::fromUtf8("Comisión Vendedores")},
    {QStringLiteral("Saldo"), QStringLiteral("saldos"), QStringLiteral("Saldos")},
    {QStringLiteral("Gastos"), QStringLiteral("gastos"), QStringLiteral("Gastos")},
    {QString::fromUtf8("Utilidad/Pérdida"), QStringLiteral("saldototal"), QStringLiteral("Utilidad/Perdida")},
};

const QStringList Form29::Meses = {
    QStringLiteral("Ene"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Abr"),
    QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Ago"),
    QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dic"),
};

const QList<std::pair<QString, int>> Form29::TiposGrafico = {
    {QStringLiteral("Barras 3D"), GraficoResumen::Barras3D},
    {QStringLiteral("Barras 2D"), GraficoResumen::Barras2D},
    {QStringLiteral("Lineas 3D"), GraficoResumen::Lineas3D},
    {QStringLiteral("Lineas 2D"), GraficoResumen::Lineas2D},
    {QStringLiteral("Area 3D"), GraficoResumen::Area3D},
    {QStringLiteral("Area 2D"), GraficoResumen::Area2D},
    {QStringLiteral("Paso 3D"), GraficoResumen::Paso3D},
    {QStringLiteral("Paso 2D"), GraficoResumen::Paso2D},
    {QStringLiteral("Combinacion 3D"), GraficoResumen::Combinacion3D},
    {QStringLiteral("Combinacion 2D"), GraficoResumen::Combinacion2D},
    {QStringLiteral("Pastel 2D"), GraficoResumen::Pastel2D},
};

Form29::Form29()
{
    setWindowTitle(QString::fromUtf8("Gráfico Resumen por meses"));
    Combo1 = cajaEditable(this);
    Combo2 = cajaEditable(this);
    Combo3 = cajaEditable(this);
    Combo4 = cajaEditable(this);
    List1 = new QListWidget(this);
    List2 = new QListWidget(this);
    MSChart1 = new GraficoResumen(this);
    MSChart1->hide();
    Command1 = new QPushButton(QStringLiteral("Graficar"), this);
    XPButton3 = new QPushButton(QStringLiteral("Imprimir"), this);
    XPButton1 = new QPushButton(QStringLiteral("Regresar"), this);
    XPButton3->setEnabled(false);

    auto* marco = new QGroupBox(QString::fromUtf8("Parametros a Gráficar"), this);
    auto* rejilla = new QGridLayout(marco);
    const QList<std::pair<const char*, QWidget*>> primera = {
        {"Año", Combo1}, {"Desde", Combo2}, {"Hasta", Combo3}, {"Tipo:", Combo4}};
    for (int i = 0; i < primera.size(); ++i) {
        rejilla->addWidget(new QLabel(QString::fromUtf8(primera[i].first), marco), 0, 2 * i);
        rejilla->addWidget(primera[i].second, 0, 2 * i + 1);
    }
    rejilla->addWidget(new QLabel(QStringLiteral("Categoria:"), marco), 1, 0, Qt::AlignTop);
    rejilla->addWidget(List1, 1, 1, 1, 3);
    rejilla->addWidget(new QLabel(QStringLiteral("Meses:"), marco), 1, 4, Qt::AlignTop);
    rejilla->addWidget(List2, 1, 5, 1, 3);
    List1->setMaximumHeight(110);
    List2->setMaximumHeight(110);
    List2->setFlow(QListView::TopToBottom);
    List2->setWrapping(true);

    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {Command1, XPButton3, XPButton1})
        botones->addWidget(b);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(marco);
    disposicion->addWidget(MSChart1, 1);
    disposicion->addLayout(botones);
    resize(900, 650);

    connect(Command1, &QPushButton::clicked, this, [this] { generagrafico(); });
    connect(XPButton3, &QPushButton::clicked, this, [this] { imprimegrafico(); });
    connect(XPButton1, &QPushButton::clicked, this, [this] { close(); });
}

void Form29::imprimeEnArchivo(const QString& pdf)
{
    archivoImpresion() = pdf;
}

void Form29::onLoad()
{
    core::manejoerrores(core::Trampa::simple(), [this] {
        QStringList categorias;
        for (const Categoria& c : Categorias)
            categorias << c.elemento;
        agregaMarcables(List1, categorias);
        agregaMarcables(List2, Meses);
        for (int anio = 2005; anio <= 3000; ++anio)
            Combo1->addItem(QString::number(anio));
        core::fechaservidor();
        Combo1->setEditText(core::sesion().fechaactual.mid(6, 4));
        for (const auto& [texto, codigo] : TiposGrafico)
            Combo4->addItem(texto);
        Combo4->setEditText(QStringLiteral("Barras 2D"));
        core::renuevaconexion();
        llenaVendedores();
    });
}

void Form29::llenaVendedores()
{
    Combo2->clear();
    Combo3->clear();
    RecordSet vendedores = core::sesion().rsvendedores.clone();
    if (vendedores.state() != RecordSet::StateOpen || vendedores.recordCount() <= 0)
        return;
    for (vendedores.moveFirst(); !vendedores.eof(); vendedores.moveNext()) {
        if (!sinJefe(vendedores))
            continue;
        const QString item = regional::toText(vendedores.value(QStringLiteral("codvendedor"))) +
                             QStringLiteral(" - ") +
                             regional::toText(vendedores.value(QStringLiteral("nombre_vend"))).trimmed();
        Combo2->addItem(item);
        Combo3->addItem(item);
    }
    Combo2->setCurrentIndex(-1);
    Combo3->setCurrentIndex(-1);
}

QString Form29::codigosMeses() const
{
    const QString codigos = QStringLiteral("123456789ABC");
    QString meses;
    for (int i = 0; i < List2->count(); ++i)
        if (marcado(List2, i))
            meses += codigos[i];
    return meses.trimmed().isEmpty() ? codigos : meses;
}

std::optional<int> Form29::tipoElegido() const
{
    for (const auto& [texto, codigo] : TiposGrafico)
        if (Combo4->currentText() == texto)
            return codigo;
    return std::nullopt;
}

void Form29::generagrafico()
{
    bool alguna = false;
    for (int i = 0; i < List1->count(); ++i)
        alguna = alguna || marcado(List1, i);
    if (!alguna) {
        platform::msgbox(QStringLiteral("Debe seleccionar por lo menos una categoria a graficar!"),
                         platform::msg::Critical, QString::fromUtf8("Atención!"));
        List1->setFocus();
        return;
    }
    core::manejoerrores(core::Trampa::simple(), [this] { corre(); });
}

void Form29::corre()
{
    XPButton3->setEnabled(true);
    // A type typed by hand that names none keeps the type drawn before.
    if (const std::optional<int> tipo = tipoElegido())
        MSChart1->setTipo(*tipo);
    MSChart1->setTitulo(QString::fromUtf8("Gráfico Resumen por Meses - ") +
                        platform::vb::rtrim(core::sesion().nombrebanca));
    // The chart has no secondary value axis to show: the value axis is the
    // one on the left.
    MSChart1->setTitulosEjes(QStringLiteral("Meses"), QStringLiteral("Millones de Bolivares"));
    MSChart1->show();
    core::renuevaconexion();
    RecordSet rs = llamadaReporte(
        QStringLiteral("devuelvegraficar"),
        {{QStringLiteral("@anio"), 5, Combo1->currentText()},
         {QStringLiteral("@vended"), 5, core::primerapalabra(Combo2->currentText())},
         {QStringLiteral("@vendeh"), 5, core::primerapalabra(Combo3->currentText())},
         {QStringLiteral("@meses"), 100, codigosMeses()},
         {QStringLiteral("@opciones"), 100, QStringLiteral("12345")}});
    if (rs.recordCount() <= 0) {
        // No rows: the earlier data stays, drawn as the type now chosen.
        MSChart1->redibuja();
        return;
    }
    GraficoResumen::Datos datos;
    QList<qsizetype> columnas;
    for (qsizetype c = 0; c < Categorias.size(); ++c) {
        if (marcado(List1, int(c))) {
            columnas << c;
            datos.series.append({Categorias[c].leyenda, {}});
        }
    }
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        datos.categorias << regional::toText(rs.value(QStringLiteral("mes")));
        for (qsizetype s = 0; s < columnas.size(); ++s)
            datos.series[s].valores << rs.value(Categorias[columnas[s]].columna).toDouble();
    }
    MSChart1->dibuja(datos);
}

void Form29::imprimegrafico()
{
    const QImage imagen = MSChart1->imagen();
    QPrinter impresora(QPrinter::HighResolution);
    if (!archivoImpresion().isEmpty()) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(archivoImpresion());
    } else {
        const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
        if (predeterminada.isNull()) {
            platform::msgbox(QStringLiteral("No hay una impresora predeterminada: no se puede imprimir el "
                                            "gráfico."),
                             platform::msg::Critical, QString::fromUtf8("Atención!"));
            return;
        }
        impresora.setPrinterName(predeterminada.printerName());
    }
    QPainter pintor;
    if (imagen.isNull() || !pintor.begin(&impresora)) {
        platform::msgbox(QString::fromUtf8("No se pudo imprimir el gráfico."), platform::msg::Critical,
                         QString::fromUtf8("Atención!"));
        return;
    }
    // The picture at the page's top left corner, as wide as the page allows.
    const QRect pagina = pintor.viewport();
    const QSize tamano = imagen.size().scaled(pagina.size(), Qt::KeepAspectRatio);
    pintor.drawImage(QRect(QPoint(0, 0), tamano), imagen);
    pintor.end();
}

} // namespace reportwindows
