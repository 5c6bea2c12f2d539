#include "core/grillacatalogo.h"

#include "platform/db/dberror.h"
#include "platform/regional.h"

#include <QHash>
#include <QHeaderView>
#include <QStyleOptionHeader>

namespace core {

namespace db = platform::db;

// Shows the captions a window gave its columns instead of the list's
// field names.
class GrillaCatalogo::Encabezado final : public QHeaderView {
public:
    explicit Encabezado(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

    QHash<int, QString> titulos;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* opcion, int posicion) const override
    {
        QHeaderView::initStyleOptionForIndex(opcion, posicion);
        const auto titulo = titulos.constFind(posicion);
        if (titulo != titulos.constEnd())
            opcion->text = *titulo;
    }
};

GrillaCatalogo::GrillaCatalogo(QWidget* parent) : DataGrid(parent), encabezado_(new Encabezado(this))
{
    encabezado_->setSectionsClickable(true);
    encabezado_->setHighlightSections(true);
    setHorizontalHeader(encabezado_);
}

void GrillaCatalogo::disponeColumnas(const QList<Columna>& columnas)
{
    const int total = model()->columnCount();
    for (int posicion = 0; posicion < total; ++posicion)
        setColumnHidden(posicion, true);
    clearColumnFormats();
    for (const Columna& columna : columnas) {
        ponTitulo(columna.posicion, columna.titulo);
        setColumnFormat(columna.posicion, columna.formato);
        if (columna.anchoTwips > 0)
            ponAnchoTwips(columna.posicion, columna.anchoTwips);
        setColumnHidden(columna.posicion, false);
    }
}

void GrillaCatalogo::ponTitulo(int posicion, const QString& titulo)
{
    encabezado_->titulos.insert(posicion, titulo);
    encabezado_->headerDataChanged(Qt::Horizontal, posicion, posicion);
}

void GrillaCatalogo::ponAnchoTwips(int posicion, int twips)
{
    setColumnWidth(posicion, qRound(twips * logicalDpiX() / 1440.0));
}

QString GrillaCatalogo::titulo(int posicion) const
{
    return encabezado_->titulos.value(posicion, model()->headerData(posicion, Qt::Horizontal).toString());
}

int GrillaCatalogo::anchoTwips(int posicion) const
{
    return qRound(columnWidth(posicion) * 1440.0 / logicalDpiX());
}

bool GrillaCatalogo::tieneFila() const
{
    const db::RecordSet& lista = dataSource();
    return lista.state() == db::RecordSet::StateOpen && !lista.bof() && !lista.eof() &&
           lista.absolutePosition() > 0;
}

QString GrillaCatalogo::textoColumna(int posicion) const
{
    if (!tieneFila() || posicion < 0 || posicion >= dataSource().fieldCount())
        return {};
    return platform::regional::toText(dataSource().value(posicion));
}

db::Bookmark GrillaCatalogo::marcador() const
{
    return tieneFila() ? dataSource().bookmark() : db::Bookmark{};
}

void GrillaCatalogo::irAMarcador(const db::Bookmark& marcador)
{
    db::RecordSet lista = dataSource();
    if (lista.state() != db::RecordSet::StateOpen || lista.recordCount() == 0)
        return;
    if (!marcador.isValid()) {
        lista.moveFirst();
    } else {
        try {
            lista.setBookmark(marcador);
        } catch (const db::DbError&) {
            lista.moveLast();
        }
    }
    syncFromCursor();
}

} // namespace core
