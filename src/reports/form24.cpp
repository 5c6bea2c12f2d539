#include "reports/form24.h"

#include "core/validapermiso.h"
#include "platform/ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTextOption>
#include <QVBoxLayout>

#include <cstdlib>
#include <stdexcept>

namespace reports {

namespace {

// Draws and measures a list's lines with the list's own tab stops, which an
// item view's default drawing ignores.
class DelegadoTabulado : public QStyledItemDelegate {
public:
    explicit DelegadoTabulado(ListaTabulada* lista) : QStyledItemDelegate(lista), lista_(lista) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opcion = option;
        initStyleOption(&opcion, index);
        const QString texto = opcion.text;
        opcion.text.clear();
        QStyle* estilo = opcion.widget ? opcion.widget->style() : QApplication::style();
        estilo->drawControl(QStyle::CE_ItemViewItem, &opcion, painter, opcion.widget);
        const QRect area = estilo->subElementRect(QStyle::SE_ItemViewItemText, &opcion, opcion.widget);
        painter->save();
        painter->setFont(opcion.font);
        painter->setPen(opcion.palette.color(QPalette::Normal, (opcion.state & QStyle::State_Selected)
                                                                   ? QPalette::HighlightedText
                                                                   : QPalette::Text));
        painter->drawText(QRectF(area).adjusted(2, 0, 0, 0), texto, formato());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize tamano = QStyledItemDelegate::sizeHint(option, index);
        QTextLayout medida(index.data(Qt::DisplayRole).toString(), lista_->font());
        medida.setTextOption(formato());
        medida.beginLayout();
        QTextLine linea = medida.createLine();
        medida.endLayout();
        if (linea.isValid())
            tamano.setWidth(static_cast<int>(linea.naturalTextWidth()) + 8);
        return tamano;
    }

private:
    QTextOption formato() const
    {
        QTextOption opcion(Qt::AlignLeft | Qt::AlignVCenter);
        opcion.setWrapMode(QTextOption::NoWrap);
        const QList<qreal> paradas = lista_->tabStopsPixels();
        if (paradas.size() == 1) {
            opcion.setTabStopDistance(paradas.front());
        } else {
            QList<QTextOption::Tab> tabuladores;
            for (qreal p : paradas)
                tabuladores.append(QTextOption::Tab(p, QTextOption::LeftTab));
            opcion.setTabs(tabuladores);
        }
        return opcion;
    }

    ListaTabulada* lista_;
};

} // namespace

ListaTabulada::ListaTabulada(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new DelegadoTabulado(this));
}

void ListaTabulada::setTabStops(int cuantas, const int* valores)
{
    setTabStops(QList<int>(valores, valores + std::max(cuantas, 0)));
}

void ListaTabulada::setTabStops(const QList<int>& paradas)
{
    paradas_ = paradas;
    doItemsLayout();
    viewport()->update();
}

QList<qreal> ListaTabulada::tabStopsPixels() const
{
    const qreal unidad = QFontMetricsF(font()).averageCharWidth() / 4;
    QList<qreal> pixeles;
    for (int parada : paradas_)
        pixeles.append(std::abs(parada) * unidad);
    if (pixeles.isEmpty())
        pixeles.append(32 * unidad);
    return pixeles;
}

Form24::Form24()
{
    List1 = new ListaTabulada(this);
    auto* menu = new QMenuBar(this);
    lineUp = menu->addAction(QStringLiteral("15.- Line Up"));
    connect(lineUp, &QAction::triggered, this, [this] {
        if (core::validapermiso(lineUp->text()))
            platform::ui::windowRegistry().show(QStringLiteral("Form26"));
    });
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setMenuBar(menu);
    disposicion->addWidget(List1);
}

void Form24::onLoad()
{
    const int parada = -40;
    List1->setTabStops(1, &parada);
}

Form24* form24()
{
    auto* ventana = platform::ui::windowRegistry().get<Form24>(QStringLiteral("Form24"));
    if (!ventana)
        throw std::logic_error("the hidden text list Form24 is not registered");
    return ventana;
}

} // namespace reports
