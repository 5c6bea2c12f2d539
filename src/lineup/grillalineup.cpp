#include "lineup/grillalineup.h"

#include "platform/regional.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace lineup {

namespace {

namespace regional = platform::regional;

// An amount cell: right-aligned, "###,###,###0.00".
class CeldaImporte final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& valor, const QLocale&) const override
    {
        const std::optional<platform::Decimal> importe = regional::parseDecimal(valor.toString());
        if (!importe)
            return valor.toString();
        return regional::format(*importe, QLatin1String(GrillaLineup::FormatoImporte));
    }

protected:
    void initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::initStyleOption(opcion, indice);
        opcion->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
};

} // namespace

const DisposicionLineup& disposicionLineup()
{
    static const DisposicionLineup disposicion{
        {QStringLiteral("Còdigo"), QStringLiteral("Nombre "), QStringLiteral("Ultima Fec."),
         QStringLiteral("Saldo Anterior"), QStringLiteral("Cuenta de Fec."), QStringLiteral("Cobro Cuota"),
         QStringLiteral("Saldo Pagos"), QStringLiteral("Saldo Jugada"), QStringLiteral("Saldo Prest."),
         QStringLiteral("Saldo Gral.")},
        {765, 1800, 1200, 1400, 1400, 1400, 1400, 1400, 1400, 1400},
        3,
    };
    return disposicion;
}

GrillaLineup::GrillaLineup(QWidget* parent) : core::GrillaCatalogo(parent)
{
    reserveColumnsWidth(15000);
}

void GrillaLineup::muestra(const platform::db::RecordSet& rs, const DisposicionLineup& disposicion)
{
    setDataSource(rs);
    QList<core::Columna> columnas;
    for (int i = 0; i < disposicion.titulos.size(); ++i)
        columnas.append({i, disposicion.titulos[i], disposicion.anchosTwips.value(i)});
    disponeColumnas(columnas);
    for (int i = 0; i < disposicion.titulos.size(); ++i) {
        if (i < disposicion.primerImporte) {
            setItemDelegateForColumn(i, nullptr);
            continue;
        }
        if (!itemDelegateForColumn(i))
            setItemDelegateForColumn(i, new CeldaImporte(this));
    }
    // The layout's widths are the least each column takes: a column widens
    // to show its caption and every value whole (a name of 50 characters,
    // the largest amount).
    QFont negrita = horizontalHeader()->font(); // the current column's caption shows in bold
    negrita.setBold(true);
    const QFontMetrics titulo(negrita);
    const int margen = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 8;
    for (int i = 0; i < disposicion.titulos.size(); ++i) {
        const int entero = qMax(titulo.horizontalAdvance(disposicion.titulos[i]) + margen,
                                sizeHintForColumn(i));
        if (entero > columnWidth(i))
            setColumnWidth(i, entero);
    }
}

QSize GrillaLineup::tamanoCompleto() const
{
    const int filas = model() ? model()->rowCount() : 0;
    const int ancho = verticalHeader()->sizeHint().width() + horizontalHeader()->length() +
                      verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    const int alto = horizontalHeader()->sizeHint().height() +
                     filas * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
    return {ancho, alto};
}

QString GrillaLineup::textoMostrado(int fila, int columna) const
{
    const QModelIndex indice = model()->index(fila, columna);
    const QVariant valor = indice.data();
    if (auto* celda = dynamic_cast<CeldaImporte*>(itemDelegateForColumn(columna)))
        return celda->displayText(valor, locale());
    return valor.toString();
}

bool GrillaLineup::alineadaDerecha(int columna) const
{
    return dynamic_cast<CeldaImporte*>(itemDelegateForColumn(columna)) != nullptr;
}

} // namespace lineup
