#include "platform/ui/navegador/navegador.h"

#include "platform/ui/navegador/composicion.h"
#include "platform/ui/navegador/documento.h"

#include <QFile>
#include <QPainter>
#include <QPaintEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QtMath>

namespace platform::ui::navegador {

namespace {

constexpr int PasoDesplazamiento = 20;

} // namespace

Navegador::Navegador(QWidget* parent) : QAbstractScrollArea(parent)
{
    // A fixed scroll bar keeps the page's width steady, so the page is laid
    // out once per window size and not again when the bar comes and goes.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    QPalette paleta = viewport()->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(paleta);
    verticalScrollBar()->setSingleStep(PasoDesplazamiento);
}

Navegador::~Navegador() = default;

bool Navegador::navega(const QString& ruta)
{
    ruta_ = ruta;
    composicion_.reset();
    documento_.reset();
    QFile archivo(ruta);
    const bool leido = archivo.open(QIODevice::ReadOnly);
    if (leido) {
        const QString html = QString::fromUtf8(archivo.readAll());
        documento_ = std::make_unique<Documento>(Documento::desdeHtml(html));
        composicion_ = std::make_unique<Composicion>(*documento_, *viewport());
        // Hidden, the browser has no width of its own yet: laying the page
        // out now would be wasted work (and slow: every cell would wrap).
        if (isVisible())
            recompone();
    }
    verticalScrollBar()->setValue(0);
    ajustaBarras();
    viewport()->update();
    return leido;
}

QString Navegador::textoPlano() const
{
    return documento_ ? documento_->textoPlano() : QString();
}

int Navegador::altoPagina() const
{
    return compuesta() ? qCeil(composicion_->alto()) : 0;
}

bool Navegador::compuesta() const
{
    return composicion_ && composicion_->ancho() == viewport()->width();
}

void Navegador::recompone()
{
    if (composicion_ && !compuesta())
        composicion_->compone(viewport()->width());
    ajustaBarras();
}

void Navegador::ajustaBarras()
{
    QScrollBar* barra = verticalScrollBar();
    barra->setRange(0, std::max(0, altoPagina() - viewport()->height()));
    barra->setPageStep(viewport()->height());
}

void Navegador::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (isVisible())
        recompone();
}

void Navegador::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    recompone();
}

void Navegador::scrollContentsBy(int, int)
{
    viewport()->update();
}

void Navegador::paintEvent(QPaintEvent* event)
{
    if (!compuesta())
        return;
    QPainter pintor(viewport());
    const int desplazamiento = verticalScrollBar()->value();
    const QRect area = event->rect();
    pintor.translate(0, -desplazamiento);
    composicion_->pinta(pintor, area.top() + desplazamiento, area.bottom() + desplazamiento);
}

bool Navegador::imprime(QPrinter& impresora) const
{
    if (!documento_)
        return false;
    QPainter pintor;
    if (!pintor.begin(&impresora))
        return false;
    Composicion composicion(*documento_, impresora);
    const QRectF area = impresora.pageLayout().paintRectPixels(impresora.resolution());
    composicion.compone(area.width());
    const std::vector<Composicion::Pagina> paginas = composicion.paginas(area.height());
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0 && !impresora.newPage())
            return false;
        const Composicion::Pagina& pagina = paginas[i];
        pintor.save();
        pintor.translate(0, -pagina.desde);
        pintor.setClipRect(QRectF(0, pagina.desde, area.width(), pagina.hasta - pagina.desde));
        composicion.pinta(pintor, pagina);
        pintor.restore();
    }
    return pintor.end();
}

} // namespace platform::ui::navegador
