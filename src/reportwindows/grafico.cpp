#include "reportwindows/grafico.h"

#include <QAbstractAxis>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPieSeries>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtDataVisualization>
#include <cmath>

namespace reportwindows {

namespace {

// The colours of the six series, the same in every type.
const QList<QColor> Colores = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                               QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b)};

QColor color(qsizetype i)
{
    return Colores[i % Colores.size()];
}

// The categories along x for lines, areas and steps: category i spans
// i - 0.5 … i + 0.5, its label in the middle.
QCategoryAxis* ejeCategorias(const QStringList& categorias)
{
    auto* eje = new QCategoryAxis;
    eje->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    eje->setStartValue(-0.5);
    for (qsizetype i = 0; i < categorias.size(); ++i)
        eje->append(categorias[i], double(i) + 0.5);
    eje->setRange(-0.5, double(categorias.size()) - 0.5);
    return eje;
}

QLineSeries* linea(const GraficoResumen::Serie& serie, bool escalonada)
{
    auto* s = new QLineSeries;
    s->setName(serie.leyenda);
    for (qsizetype i = 0; i < serie.valores.size(); ++i) {
        const double v = serie.valores[i];
        if (escalonada) {
            s->append(double(i) - 0.5, v);
            s->append(double(i) + 0.5, v);
        } else {
            s->append(double(i), v);
        }
    }
    return s;
}

QBarSet* barras(const GraficoResumen::Serie& serie, qsizetype i)
{
    auto* conjunto = new QBarSet(serie.leyenda);
    for (double v : serie.valores)
        *conjunto << v;
    conjunto->setColor(color(i));
    return conjunto;
}

// One pie per category, its slices the series (a negative amount has no
// slice), laid out in a grid, each named by its category on its largest
// slice; the legend names the series once.
void pasteles(QChart* grafico, const GraficoResumen::Datos& datos)
{
    const qsizetype n = datos.categorias.size();
    const int columnas = std::max(1, int(std::ceil(std::sqrt(double(n)))));
    const int filas = std::max(1, int((n + columnas - 1) / columnas));
    for (qsizetype c = 0; c < n; ++c) {
        auto* pastel = new QPieSeries;
        pastel->setName(datos.categorias[c]);
        QPieSlice* mayor = nullptr;
        for (qsizetype s = 0; s < datos.series.size(); ++s) {
            QPieSlice* rebanada = pastel->append(datos.categorias[c],
                                                 std::max(0.0, datos.series[s].valores[c]));
            rebanada->setColor(color(s));
            if (!mayor || rebanada->value() > mayor->value())
                mayor = rebanada;
        }
        if (mayor && mayor->value() > 0)
            mayor->setLabelVisible(true);
        pastel->setHorizontalPosition((double(c % columnas) + 0.5) / columnas);
        pastel->setVerticalPosition((double(c / columnas) + 0.5) / filas);
        pastel->setPieSize(0.8 / std::max(columnas, filas));
        grafico->addSeries(pastel);
        const auto marcas = grafico->legend()->markers(pastel);
        for (qsizetype m = 0; m < marcas.size(); ++m) {
            marcas[m]->setVisible(c == 0);
            marcas[m]->setLabel(datos.series[m].leyenda);
        }
    }
}

// The scene seen from above and to the side, so depth shows.
void inclina(QAbstract3DGraph* escena)
{
    escena->scene()->activeCamera()->setCameraPreset(Q3DCamera::CameraPresetIsometricRightHigh);
    escena->activeTheme()->setType(Q3DTheme::ThemeQt);
}

// A 3-D scene of series of bars: series k stands in row k, so each keeps
// its colour and the rows read as the chart's depth. Steps are bars that
// touch; a combination gives each series its own shape.
QWidget* barras3D(const GraficoResumen::Datos& datos, int tipo, const QString& ejeX, const QString& ejeY,
                  std::function<QImage(QSize)>& imagen, std::function<QList<QStringList>()>& etiquetas)
{
    auto* escena = new Q3DBars;
    inclina(escena);
    escena->setMultiSeriesUniform(true);
    if (tipo == GraficoResumen::Paso3D) {
        escena->setBarThickness(1.0);
        escena->setBarSpacing(QSizeF(0.0, 0.0));
    }
    escena->columnAxis()->setTitle(ejeX);
    escena->columnAxis()->setTitleVisible(true);
    escena->valueAxis()->setTitle(ejeY);
    escena->valueAxis()->setTitleVisible(true);
    escena->columnAxis()->setLabels(datos.categorias);
    QStringList filas;
    for (const GraficoResumen::Serie& s : datos.series)
        filas << s.leyenda;
    escena->rowAxis()->setLabels(filas);
    const QList<QAbstract3DSeries::Mesh> formas = {
        QAbstract3DSeries::MeshBar, QAbstract3DSeries::MeshCylinder, QAbstract3DSeries::MeshPyramid,
        QAbstract3DSeries::MeshCone};
    for (qsizetype k = 0; k < datos.series.size(); ++k) {
        auto* serie = new QBar3DSeries;
        serie->setName(datos.series[k].leyenda);
        serie->setBaseColor(color(k));
        serie->setMesh(tipo == GraficoResumen::Combinacion3D ? formas[k % formas.size()]
                                                             : QAbstract3DSeries::MeshBar);
        auto* arreglo = new QBarDataArray;
        for (qsizetype f = 0; f < datos.series.size(); ++f) {
            auto* fila = new QBarDataRow;
            for (double v : datos.series[k].valores)
                fila->append(QBarDataItem(f == k ? float(v) : 0.0f));
            arreglo->append(fila);
        }
        serie->dataProxy()->resetArray(arreglo, filas, datos.categorias);
        escena->addSeries(serie);
    }
    imagen = [escena](QSize tamano) { return escena->renderToImage(4, tamano); };
    etiquetas = [escena] {
        return QList<QStringList>{escena->columnAxis()->labels(), escena->rowAxis()->labels()};
    };
    return QWidget::createWindowContainer(escena);
}

// The labels of a 3-D value axis that stands for categories: the text of
// category i at the value i, a grid line through each, and no number
// anywhere (a value axis would label itself 0.00, 1.00, …).
class EtiquetasEje final : public QValue3DAxisFormatter {
public:
    explicit EtiquetasEje(const QStringList& textos = {}, QObject* padre = nullptr)
        : QValue3DAxisFormatter(padre)
        , textos_(textos)
    {
    }

protected:
    QValue3DAxisFormatter* createNewInstance() const override { return new EtiquetasEje; }

    void populateCopy(QValue3DAxisFormatter& copia) const override
    {
        QValue3DAxisFormatter::populateCopy(copia);
        static_cast<EtiquetasEje&>(copia).textos_ = textos_;
    }

    void recalculate() override
    {
        gridPositions().clear();
        subGridPositions().clear();
        labelPositions().clear();
        labelStrings().clear();
        const float desde = axis()->min();
        const float tramo = axis()->max() - desde;
        for (qsizetype i = 0; i < textos_.size(); ++i) {
            const float lugar = tramo > 0 ? (float(i) - desde) / tramo : 0.0f;
            if (lugar < 0.0f || lugar > 1.0f)
                continue;
            gridPositions().append(lugar);
            labelPositions().append(lugar);
            labelStrings().append(textos_[i]);
        }
    }

    QString stringForValue(qreal valor, const QString&) const override
    {
        const qsizetype i = qRound(valor);
        return i >= 0 && i < textos_.size() ? textos_[i] : QString();
    }

private:
    QStringList textos_;
};

// A 3-D scene of ribbons (lines) or slabs (areas), one per series, set one
// behind the other. Category i stands at x = i and series k at z = k, each
// axis labelled with their names as the bar scenes label theirs.
QWidget* superficies3D(const GraficoResumen::Datos& datos, int tipo, const QString& ejeX, const QString& ejeY,
                       std::function<QImage(QSize)>& imagen, std::function<QList<QStringList>()>& etiquetas)
{
    auto* escena = new Q3DSurface;
    inclina(escena);
    escena->axisX()->setTitle(ejeX);
    escena->axisX()->setTitleVisible(true);
    escena->axisY()->setTitle(ejeY);
    escena->axisY()->setTitleVisible(true);
    QStringList leyendas;
    for (const GraficoResumen::Serie& s : datos.series)
        leyendas << s.leyenda;
    // Half a step of room around the first and last category and series.
    escena->axisX()->setFormatter(new EtiquetasEje(datos.categorias));
    escena->axisX()->setRange(-0.5f, float(std::max<qsizetype>(1, datos.categorias.size())) - 0.5f);
    escena->axisZ()->setFormatter(new EtiquetasEje(leyendas));
    escena->axisZ()->setRange(-0.5f, float(std::max<qsizetype>(1, datos.series.size())) - 0.5f);
    const float fondo = tipo == GraficoResumen::Area3D ? 0.8f : 0.15f;
    for (qsizetype k = 0; k < datos.series.size(); ++k) {
        auto* serie = new QSurface3DSeries;
        serie->setName(datos.series[k].leyenda);
        serie->setBaseColor(color(k));
        serie->setDrawMode(tipo == GraficoResumen::Area3D ? QSurface3DSeries::DrawSurface
                                                          : QSurface3DSeries::DrawSurfaceAndWireframe);
        serie->setFlatShadingEnabled(tipo == GraficoResumen::Area3D);
        auto* arreglo = new QSurfaceDataArray;
        for (float z : {float(k) - fondo / 2, float(k) + fondo / 2}) {
            auto* fila = new QSurfaceDataRow;
            for (qsizetype i = 0; i < datos.series[k].valores.size(); ++i)
                fila->append(QSurfaceDataItem(QVector3D(float(i), float(datos.series[k].valores[i]), z)));
            arreglo->append(fila);
        }
        serie->dataProxy()->resetArray(arreglo);
        escena->addSeries(serie);
    }
    imagen = [escena](QSize tamano) { return escena->renderToImage(4, tamano); };
    etiquetas = [escena] { return QList<QStringList>{escena->axisX()->labels(), escena->axisZ()->labels()}; };
    return QWidget::createWindowContainer(escena);
}

} // namespace

GraficoResumen::GraficoResumen(QWidget* padre) : QWidget(padre)
{
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    titulo3D_ = new QLabel(this);
    titulo3D_->setAlignment(Qt::AlignCenter);
    leyenda3D_ = new QLabel(this);
    leyenda3D_->setAlignment(Qt::AlignCenter);
    pila_ = new QStackedLayout;
    disposicion->addWidget(titulo3D_);
    disposicion->addLayout(pila_, 1);
    disposicion->addWidget(leyenda3D_);
    titulo3D_->hide();
    leyenda3D_->hide();
}

void GraficoResumen::setTitulosEjes(const QString& categorias, const QString& valores)
{
    ejeCategorias_ = categorias;
    ejeValores_ = valores;
}

bool GraficoResumen::es3D(int tipo)
{
    return tipo == Barras3D || tipo == Lineas3D || tipo == Area3D || tipo == Paso3D || tipo == Combinacion3D;
}

bool GraficoResumen::hayOpenGL()
{
    static const bool hay = [] {
        QOpenGLContext contexto;
        if (!contexto.create())
            return false;
        QOffscreenSurface superficie;
        superficie.create();
        return contexto.makeCurrent(&superficie);
    }();
    return hay;
}

void GraficoResumen::dibuja(const Datos& datos)
{
    datos_ = datos;
    if (vista_) {
        pila_->removeWidget(vista_);
        vista_->deleteLater();
        vista_ = nullptr;
    }
    imagen3D_ = {};
    etiquetas_ = {};
    const bool tres = es3D(tipo_);
    titulo3D_->setVisible(tres);
    leyenda3D_->setVisible(tres);
    if (tres)
        dibuja3D(datos);
    else
        dibuja2D(datos);
    pila_->addWidget(vista_);
    pila_->setCurrentWidget(vista_);
}

void GraficoResumen::dibuja2D(const Datos& datos)
{
    auto* grafico = new QChart;
    grafico->setTitle(titulo_);
    grafico->legend()->setVisible(true);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setAnimationOptions(QChart::NoAnimation);
    QAbstractAxis* ejeX = nullptr;
    auto* ejeY = new QValueAxis;
    ejeY->setTitleText(ejeValores_);

    if (tipo_ == Pastel2D) {
        pasteles(grafico, datos);
        clase_ = QStringLiteral("QPieSeries");
    } else if (tipo_ == Barras2D || tipo_ == Combinacion2D) {
        auto* categorias = new QBarCategoryAxis;
        categorias->append(datos.categorias);
        ejeX = categorias;
        auto* columnas = new QBarSeries;
        const qsizetype enBarras = tipo_ == Barras2D ? datos.series.size()
                                                     : std::min<qsizetype>(1, datos.series.size());
        for (qsizetype i = 0; i < enBarras; ++i)
            columnas->append(barras(datos.series[i], i));
        grafico->addSeries(columnas);
        for (qsizetype i = enBarras; i < datos.series.size(); ++i) {
            QLineSeries* l = linea(datos.series[i], false);
            l->setColor(color(i));
            grafico->addSeries(l);
        }
        clase_ = tipo_ == Barras2D ? QStringLiteral("QBarSeries") : QStringLiteral("QBarSeries+QLineSeries");
    } else {
        ejeX = ejeCategorias(datos.categorias);
        for (qsizetype i = 0; i < datos.series.size(); ++i) {
            QLineSeries* l = linea(datos.series[i], tipo_ == Paso2D);
            l->setColor(color(i));
            if (tipo_ == Area2D) {
                auto* area = new QAreaSeries(l);
                area->setName(datos.series[i].leyenda);
                area->setColor(color(i));
                area->setOpacity(0.6);
                grafico->addSeries(area);
            } else {
                grafico->addSeries(l);
            }
        }
        clase_ = tipo_ == Area2D   ? QStringLiteral("QAreaSeries")
                 : tipo_ == Paso2D ? QStringLiteral("QLineSeries (escalonada)")
                                   : QStringLiteral("QLineSeries");
    }
    if (auto* barrasX = qobject_cast<QBarCategoryAxis*>(ejeX))
        etiquetas_ = [barrasX] { return QList<QStringList>{barrasX->categories(), {}}; };
    else if (auto* lineasX = qobject_cast<QCategoryAxis*>(ejeX))
        etiquetas_ = [lineasX] { return QList<QStringList>{lineasX->categoriesLabels(), {}}; };
    if (ejeX) {
        ejeX->setTitleText(ejeCategorias_);
        grafico->addAxis(ejeX, Qt::AlignBottom);
        grafico->addAxis(ejeY, Qt::AlignLeft);
        for (QAbstractSeries* s : grafico->series()) {
            s->attachAxis(ejeX);
            s->attachAxis(ejeY);
        }
        ejeY->applyNiceNumbers();
    } else {
        delete ejeY;
    }
    auto* vista = new QChartView(grafico, this);
    vista->setRenderHint(QPainter::Antialiasing);
    vista_ = vista;
}

void GraficoResumen::dibuja3D(const Datos& datos)
{
    titulo3D_->setText(titulo_);
    QStringList leyenda;
    for (qsizetype i = 0; i < datos.series.size(); ++i)
        leyenda << QStringLiteral("<font color='%1'>&#9632;</font> %2")
                       .arg(color(i).name(), datos.series[i].leyenda.toHtmlEscaped());
    leyenda3D_->setText(leyenda.join(QStringLiteral("&nbsp;&nbsp;&nbsp;")));
    if (!hayOpenGL()) {
        auto* aviso = new QLabel(
            QString::fromUtf8("Este equipo no puede dibujar gráficos 3D (no tiene OpenGL)."), this);
        aviso->setAlignment(Qt::AlignCenter);
        vista_ = aviso;
        clase_ = QStringLiteral("sin OpenGL");
        return;
    }
    const bool deBarras = tipo_ == Barras3D || tipo_ == Paso3D || tipo_ == Combinacion3D;
    vista_ = deBarras ? barras3D(datos, tipo_, ejeCategorias_, ejeValores_, imagen3D_, etiquetas_)
                      : superficies3D(datos, tipo_, ejeCategorias_, ejeValores_, imagen3D_, etiquetas_);
    clase_ = deBarras ? QStringLiteral("Q3DBars") : QStringLiteral("Q3DSurface");
}

QStringList GraficoResumen::etiquetasCategorias() const
{
    return etiquetas_ ? etiquetas_().value(0) : QStringList();
}

QStringList GraficoResumen::etiquetasSeries() const
{
    return etiquetas_ ? etiquetas_().value(1) : QStringList();
}

QImage GraficoResumen::imagen()
{
    if (!vista_)
        return {};
    if (!imagen3D_)
        return grab().toImage();
    // The scene draws itself; the title and legend are painted around it.
    QImage escena = imagen3D_(vista_->size().isEmpty() ? QSize(800, 500) : vista_->size());
    QImage todo(size().expandedTo(escena.size()), QImage::Format_ARGB32);
    todo.fill(Qt::white);
    QPainter pintor(&todo);
    titulo3D_->render(&pintor, titulo3D_->pos());
    pintor.drawImage(vista_->mapTo(this, QPoint(0, 0)), escena);
    leyenda3D_->render(&pintor, leyenda3D_->pos());
    return todo;
}

} // namespace reportwindows
