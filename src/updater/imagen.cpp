#include "updater/imagen.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace updater {

namespace {

void fondo(QPainter& p, const QRect& area)
{
    QLinearGradient degradado(area.topLeft(), area.bottomRight());
    degradado.setColorAt(0, QColor(0x0b, 0x2a, 0x5b));
    degradado.setColorAt(1, QColor(0x1f, 0x6f, 0xb5));
    p.fillRect(area, degradado);
}

// Two arrows chasing each other round a circle: the sign of an update.
void flechas(QPainter& p, const QPointF& centro, qreal radio)
{
    QPen trazo(QColor(255, 255, 255, 200), radio / 4, Qt::SolidLine, Qt::FlatCap);
    p.setPen(trazo);
    const QRectF circulo(centro.x() - radio, centro.y() - radio, 2 * radio, 2 * radio);
    for (int mitad = 0; mitad < 2; ++mitad) {
        const int inicio = 30 + mitad * 180;
        p.drawArc(circulo, inicio * 16, 130 * 16);
        QTransform giro;
        giro.translate(centro.x(), centro.y());
        giro.rotate(-(inicio + 130));
        QPainterPath punta;
        punta.moveTo(radio - radio / 3, 0);
        punta.lineTo(radio + radio / 3, 0);
        punta.lineTo(radio, radio / 2.5);
        punta.closeSubpath();
        p.fillPath(giro.map(punta), QColor(255, 255, 255, 200));
    }
}

// The text in white, as large as `puntos` or smaller, so that it fits.
void texto(QPainter& p, const QRect& area, const QString& t, int puntos, bool negrita)
{
    QFont f(QStringLiteral("Arial"));
    f.setBold(negrita);
    for (f.setPixelSize(puntos); f.pixelSize() > 8; f.setPixelSize(f.pixelSize() - 1))
        if (QFontMetrics(f).horizontalAdvance(t) <= area.width())
            break;
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, t);
}

} // namespace

QImage imagenactualizacion()
{
    QImage imagen(640, 250, QImage::Format_RGB32);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    fondo(p, imagen.rect());
    flechas(p, QPointF(120, 125), 60);
    texto(p, QRect(210, 60, 410, 70), QStringLiteral("QUORVELIN ON LINE"), 46, true);
    texto(p, QRect(212, 130, 410, 50), QStringLiteral("Actualización en línea"), 30, false);
    return imagen;
}

} // namespace updater
