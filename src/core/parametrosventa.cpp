#include "core/parametrosventa.h"

#include "core/filtros.h"
#include "core/rutinas.h"

#include "platform/db/dberror.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace core {

namespace db = platform::db;

namespace {

QLabel* etiqueta(const QString& texto)
{
    return new QLabel(texto);
}

// The value of a field of the row, or null when the row lacks the field.
QVariant campoDe(const db::RecordSet& fila, const QString& campo)
{
    return fila.fieldIndex(campo) < 0 ? QVariant() : fila.value(campo);
}

} // namespace

BloqueVenta::BloqueVenta(const Opciones& opciones)
{
    if (opciones.partes & Normal)
        normal_ = construyeNormal(opciones);
    if (opciones.partes & Digito)
        digito_ = construyeDigito(opciones);
    if (opciones.partes & Pares)
        pares_ = construyePares(opciones);
}

QLineEdit* BloqueVenta::nuevaCaja(const QString& campo, const QString& titulo)
{
    auto* caja = new QLineEdit;
    caja->setObjectName(campo);
    // What a message about the box calls it.
    caja->setAccessibleName(titulo);
    cajas_.insert(campo.toLower(), caja);
    orden_.append(campo);
    return caja;
}

QGroupBox* BloqueVenta::construyeNormal(const Opciones& opciones)
{
    auto* marco = new QGroupBox(opciones.tituloNormal);
    auto* rejilla = new QGridLayout(marco);
    rejilla->addWidget(etiqueta(QStringLiteral("Triples")), 0, 1);
    rejilla->addWidget(etiqueta(QStringLiteral("Terminales")), 0, 2);
    // Pairs of fields per row label, in the block's order of the rows.
    const int filas[6][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 9}, {7, 10}, {8, 11}};
    for (int fila = 0; fila < 6; ++fila) {
        rejilla->addWidget(etiqueta(opciones.filasNormal.value(fila)), fila + 1, 0);
        const QString titulo = opciones.filasNormal.value(fila);
        rejilla->addWidget(nuevaCaja(campos::Venta[filas[fila][0]], titulo + QStringLiteral(" Triples")),
                           fila + 1, 1);
        rejilla->addWidget(nuevaCaja(campos::Venta[filas[fila][1]], titulo + QStringLiteral(" Terminales")),
                           fila + 1, 2);
    }
    // The block's order is the fields' own, not the layout's.
    orden_ = campos::Venta;
    if (opciones.partes & Comodin) {
        pagaComodin_ = new QCheckBox(QStringLiteral("Paga Comodin Monto:"));
        rejilla->addWidget(pagaComodin_, 7, 0, 1, 2);
        rejilla->addWidget(nuevaCaja(campos::MontoComodin, QStringLiteral("Paga Comodin Monto")), 7, 2);
    }
    return marco;
}

QGroupBox* BloqueVenta::construyeDigito(const Opciones& opciones)
{
    auto* marco = new QGroupBox(opciones.tituloDigito);
    auto* rejilla = new QGridLayout(marco);
    const QString filas[] = {QStringLiteral("Monto Minimo de Juego"), QStringLiteral("Limites"),
                             QStringLiteral("Comision  Vta"), QStringLiteral("1er Premio")};
    for (int fila = 0; fila < 4; ++fila) {
        rejilla->addWidget(etiqueta(filas[fila]), fila, 0);
        rejilla->addWidget(nuevaCaja(campos::Digito[fila], filas[fila]), fila, 1);
    }
    return marco;
}

QGroupBox* BloqueVenta::construyePares(const Opciones& opciones)
{
    auto* marco = new QGroupBox(opciones.tituloPares);
    auto* rejilla = new QGridLayout(marco);
    rejilla->addWidget(etiqueta(QStringLiteral("Limites")), 0, 1);
    const QString filas[] = {QStringLiteral("Número A --->"),
                             QStringLiteral("Número B --->"),
                             QStringLiteral("Monto Minimo de Juego"),
                             QStringLiteral("Comision  Vta"),
                             QStringLiteral("1er Premio"),
                             QStringLiteral("Premio Sencillo")};
    for (int fila = 0; fila < 6; ++fila) {
        rejilla->addWidget(etiqueta(filas[fila]), fila + 1, 0);
        rejilla->addWidget(nuevaCaja(campos::Pares[fila], filas[fila]), fila + 1, 1);
    }
    return marco;
}

QLineEdit* BloqueVenta::caja(const QString& campo) const
{
    return cajas_.value(campo.toLower());
}

QString BloqueVenta::texto(const QString& campo) const
{
    const QLineEdit* c = caja(campo);
    if (!c)
        throw db::DbError::itemNotFound(campo);
    return c->text();
}

void BloqueVenta::ponTexto(const QString& campo, const QString& texto)
{
    QLineEdit* c = caja(campo);
    if (!c)
        throw db::DbError::itemNotFound(campo);
    c->setText(texto);
}

TextosVenta BloqueVenta::textos() const
{
    TextosVenta todos;
    for (auto c = cajas_.cbegin(); c != cajas_.cend(); ++c)
        todos.insert(c.key(), c.value()->text());
    return todos;
}

TextosVenta leetextosventa(const db::RecordSet& fila)
{
    TextosVenta textos;
    const QStringList todos = campos::Venta + QStringList{campos::MontoComodin} + campos::Digito +
                              campos::Pares;
    for (const QString& campo : todos)
        textos.insert(campo.toLower(), platform::regional::toText(campoDe(fila, campo)));
    return textos;
}

void BloqueVenta::muestra(const db::RecordSet& fila)
{
    ponTextos(leetextosventa(fila));
    if (pagaComodin_)
        pagaComodin_->setChecked(campoDe(fila, campos::PagaComodin).toString() == QLatin1String("S"));
}

void BloqueVenta::ponTextos(const TextosVenta& textos, const QStringList& conComaapunto)
{
    for (const QString& campo : std::as_const(orden_)) {
        const auto texto = textos.constFind(campo.toLower());
        if (texto == textos.constEnd())
            continue;
        const bool convierte = conComaapunto.contains(campo, Qt::CaseInsensitive);
        ponTexto(campo, convierte ? comaapunto(*texto) : *texto);
    }
}

void BloqueVenta::copiaDe(const BloqueVenta& otro, const QStringList& conComaapunto)
{
    ponTextos(otro.textos(), conComaapunto);
    if (pagaComodin_ && otro.pagaComodin_)
        pagaComodin_->setChecked(otro.pagaComodin_->isChecked());
}

void BloqueVenta::rellenaVacios()
{
    for (const QString& campo : std::as_const(orden_))
        if (texto(campo).isEmpty())
            ponTexto(campo, QStringLiteral("0"));
}

void BloqueVenta::ponFiltro(const QStringList& lista, FiltroCaja filtro)
{
    for (const QString& campo : lista) {
        QLineEdit* c = caja(campo);
        if (!c)
            throw db::DbError::itemNotFound(campo);
        if (filtro == FiltroCaja::Decimal)
            conectafiltrodecimal(c);
        else if (filtro == FiltroCaja::Entero)
            conectafiltroentero(c);
    }
}

void BloqueVenta::ponLimites(const QList<ParametroVenta>& parametros)
{
    for (const ParametroVenta& p : parametros)
        if (QLineEdit* c = caja(p.campo))
            conectaLimiteImporte(c, p.precision, p.escala);
}

void BloqueVenta::ponLimites(const QStringList& lista, int precision, int escala)
{
    for (const QString& campo : lista) {
        QLineEdit* c = caja(campo);
        if (!c)
            throw db::DbError::itemNotFound(campo);
        conectaLimiteImporte(c, precision, escala);
    }
}

void BloqueVenta::ponLargos(const QStringList& lista, int caracteres)
{
    for (const QString& campo : lista) {
        QLineEdit* c = caja(campo);
        if (!c)
            throw db::DbError::itemNotFound(campo);
        conectaLimite(c, caracteres);
    }
}

void BloqueVenta::ponSeleccionaTodo(const QStringList& lista)
{
    for (const QString& campo : lista) {
        QLineEdit* c = caja(campo);
        if (!c)
            throw db::DbError::itemNotFound(campo);
        conectaseleccionatodo(c);
    }
}

void BloqueVenta::ponSoloLectura(bool soloLectura)
{
    for (QLineEdit* c : std::as_const(cajas_))
        c->setReadOnly(soloLectura);
}

QVariant valorventa(const QString& texto, ConversionVenta conversion)
{
    switch (conversion) {
    case ConversionVenta::PuntoAComa: return puntoacoma(texto);
    case ConversionVenta::NumeroInicial: return platform::vb::val(texto);
    }
    return texto;
}

namespace {

QString textoDe(const TextosVenta& textos, const QString& campo)
{
    const auto texto = textos.constFind(campo.toLower());
    if (texto == textos.constEnd())
        throw db::DbError::itemNotFound(campo);
    return *texto;
}

} // namespace

void agregaparametrosventa(db::Command& comando, const QList<ParametroVenta>& lista,
                           const TextosVenta& textos, ConversionVenta conversion)
{
    for (const ParametroVenta& p : lista)
        comando.appendDecimal(p.parametro, p.tipo, db::Direction::Input, p.precision, p.escala,
                              valorventa(textoDe(textos, p.campo), conversion));
}

QStringList textosventa(const TextosVenta& textos, const QStringList& lista)
{
    QStringList salida;
    for (const QString& campo : lista)
        salida << textoDe(textos, campo);
    return salida;
}

} // namespace core
