#include "reports/htmlfiscalvendedor.h"

#include "platform/db/dberror.h"
#include "platform/vbtext.h"
#include "reports/escritores.h"

#include <QHash>

namespace reports {

using platform::Decimal;

namespace {

// The labels of the tax lines are markup that the page formats, each in
// its small text cell.
const QString EtiquetaJunta = contenidoMarcado(
    QStringLiteral("<center><b> Juntas de Beneficencia </b></center> "), 1);
const QString EtiquetaOperadora = contenidoMarcado(
    QStringLiteral("<center><b> Operadoras de Sorteo </b></center> "), 1);
const QString EtiquetaAlcaldia = contenidoMarcado(QStringLiteral("<center><b> Alcaldía </b></center> "), 1);
const QString EtiquetaVenta = contenidoMarcado(QStringLiteral("<center><b> Venta Bruta </b></center> "), 1);
const QString EtiquetaPremio = contenidoMarcado(QStringLiteral("<center><b> Ganacia Fortuita </b></center> "),
                                                1);
const QString EtiquetaVacia = contenidoMarcado(QStringLiteral("<center><b> </b></center> "), 1);
const QString Seniat = QStringLiteral(" SENIAT ");

// Positions of the named columns, found once.
struct Columnas {
    int vendedor, codigoJunta, descripcionJunta, tasaJunta, impuestoJunta;
    int codigoOperadora, descripcionOperadora, tasaOperadora, impuestoOperadora;
    int codigoAlcaldia, descripcionAlcaldia, tasaAlcaldia, impuestoAlcaldia;
    int tasaVenta, impuestoVenta, tasaPremio, impuestoPremio, totalVenta, premios;

    explicit Columnas(const Registro& rs)
    {
        const auto indice = [&rs](const char* nombre) {
            const QString n = QLatin1String(nombre);
            const int i = rs.fieldIndex(n);
            if (i < 0)
                throw platform::db::DbError::itemNotFound(n);
            return i;
        };
        vendedor = indice("vendedor");
        codigoJunta = indice("codigo_junta");
        descripcionJunta = indice("descripcion_junta");
        tasaJunta = indice("tasa_junta");
        impuestoJunta = indice("impuesto_junta");
        codigoOperadora = indice("codigo_operadora");
        descripcionOperadora = indice("descripcion_operadora");
        tasaOperadora = indice("tasa_operadora");
        impuestoOperadora = indice("impuesto_operadora");
        codigoAlcaldia = indice("codigo_alcaldia");
        descripcionAlcaldia = indice("Descripcion_Alcaldia");
        tasaAlcaldia = indice("tasa_alcaldia");
        impuestoAlcaldia = indice("impuesto_alcaldia");
        tasaVenta = indice("tasa_venta");
        impuestoVenta = indice("impuesto_venta");
        tasaPremio = indice("tasa_premio");
        impuestoPremio = indice("impuesto_premio");
        totalVenta = indice("total_venta");
        premios = indice("premios");
    }
};

// A taxing body: its code, name and rate, and the tax a row owes it.
struct Ente {
    QString codigo;
    QString nombre;
    QString tasa;
    Decimal impuesto;
};

// What a seller's block needs of one of its rows.
struct FilaFiscal {
    Ente junta;
    Ente operadora;
    Decimal venta, premios, alcaldia, impuestoVenta, impuestoPremio;
};

// The summary table: one entry per taxing body, in the order met.
class ResumenEntes {
public:
    struct Entrada {
        QString codigo;
        QString descripcion;
        QString tipo;
        Decimal monto;
    };

    void suma(const QString& codigo, const QString& descripcion, const QString& tipo, const Decimal& monto)
    {
        const auto i = indices_.constFind(codigo);
        if (i != indices_.constEnd()) {
            entradas_[*i].monto += monto;
            return;
        }
        indices_.insert(codigo, int(entradas_.size()));
        entradas_.append({codigo, descripcion, tipo, monto});
    }
    const QList<Entrada>& entradas() const { return entradas_; }

private:
    QList<Entrada> entradas_;
    QHash<QString, int> indices_;
};

class Fiscal {
public:
    Fiscal(PaginaHtml& pagina, const Registro& rs) : pagina_(pagina), c_(rs) {}

    // The block of the seller of the current row; leaves the rows on the
    // next seller's first row (or at their end).
    void bloque(Registro& rs)
    {
        pagina_.inicioFila();
        for (int i = 0; i < 4; ++i)
            totales_[i] += importe(rs.value(4 + i));
        pagina_.celda(ancho, contenidoValor(rs.value(1)));

        const std::optional<QString> vendedor = clave(rs.value(c_.vendedor));
        const QString codigoAlcaldia = textoValor(rs.value(c_.codigoAlcaldia));
        const QString nombreAlcaldia = textoValor(rs.value(c_.descripcionAlcaldia));
        const QString tasaAlcaldia = textoValor(rs.value(c_.tasaAlcaldia));
        const QString tasaVenta = textoValor(rs.value(c_.tasaVenta));
        const QString tasaPremio = textoValor(rs.value(c_.tasaPremio));
        filas_.clear();
        do {
            filas_.append(lee(rs));
            rs.moveNext();
        } while (vendedor && !rs.eof() && mismaClave(clave(rs.value(c_.vendedor)), vendedor));

        Decimal impuestos;
        for (const FilaFiscal& f : filas_)
            impuestos += lineaEnte(EtiquetaJunta, f.junta, f.venta, QStringLiteral("J"),
                                   QStringLiteral("Junta de Beneficencia"));
        for (const FilaFiscal& f : filas_)
            impuestos += lineaEnte(EtiquetaOperadora, f.operadora, f.venta, QStringLiteral("O"),
                                   QStringLiteral("Operadora de Sorteos"));
        Decimal venta, premios, alcaldia, impuestoVenta, impuestoPremio;
        for (const FilaFiscal& f : filas_) {
            venta += f.venta;
            premios += f.premios;
            alcaldia += f.alcaldia;
            impuestoVenta += f.impuestoVenta;
            impuestoPremio += f.impuestoPremio;
        }
        impuestos += lineaEnte(EtiquetaAlcaldia, {codigoAlcaldia, nombreAlcaldia, tasaAlcaldia, alcaldia},
                               venta, QStringLiteral("A"), QStringLiteral("Alcaldia"));
        lineaImpuesto(EtiquetaVenta, Seniat, venta, tasaVenta, impuestoVenta);
        resumen_.suma(QStringLiteral("V00001"), QStringLiteral("SENIAT VENTA"), QStringLiteral("SENIAT"),
                      impuestoVenta);
        lineaImpuesto(EtiquetaPremio, Seniat, premios, tasaPremio, impuestoPremio);
        resumen_.suma(QStringLiteral("G00002"), QStringLiteral("SENIAT GANANCIA FORTUITA"),
                      QStringLiteral("SENIAT"), impuestoPremio);
        impuestos += impuestoVenta + impuestoPremio;
        impuestosTotal_ += impuestos;

        pagina_.inicioFila();
        for (int i = 0; i < 3; ++i)
            pagina_.celda(ancho, EtiquetaVacia);
        pagina_.celda(ancho, contenidoTexto(QStringLiteral(" Total Impuestos Bs. ")));
        pagina_.celda(angosto, contenidoImporteSimple(impuestos));
        pagina_.finFila();
        pagina_.finFila();
    }

    void totales(const QString& borde) const
    {
        QStringList celdas = contenidosImporte(
            {totales_[0], totales_[1], totales_[2], totales_[3], impuestosTotal_});
        celdas << contenidoResaltado(QStringLiteral("Utilidad Neta Total Bs. ") +
                                     textoImporte(totales_[3] - impuestosTotal_));
        escribeTotalGeneral(pagina_, borde,
                            {.anchoPrimera = ancho,
                             .anchoResto = angosto,
                             .encabezados = encabezadosImportes() << QStringLiteral("Impuestos Bs."),
                             .celdas = celdas});
    }

    // The summary per taxing body, always with borders.
    void resumen() const
    {
        const QString borde = QStringLiteral("1");
        pagina_.inicioTabla(borde);
        pagina_.inicioFila();
        pagina_.celda(ancho, QStringLiteral("<b><center>TABLA RESUMEN DE TOTAL A PAGAR POR ENTE "
                                            "A TRIBUTAR</center></b>"));
        pagina_.finFila();
        pagina_.finTabla();
        pagina_.inicioTabla(borde);
        filaEncabezados(pagina_, {{ancho, negrita(QStringLiteral("Ente a Tributar"))},
                                  {angosto, negrita(QStringLiteral("Tipo de Ente"))},
                                  {angosto, negrita(QStringLiteral("Total Impuestos Bs."))}});
        for (const ResumenEntes::Entrada& e : resumen_.entradas()) {
            // The code without its type letter.
            const QString codigo = e.codigo.mid(1, platform::vb::trim(e.codigo).size());
            pagina_.inicioFila();
            pagina_.celda(angosto, contenidoResaltado(codigo + QStringLiteral(" - ") + e.descripcion));
            pagina_.celda(angosto, contenidoResaltado(e.tipo));
            pagina_.celda(angosto, contenidoImporte(e.monto));
            pagina_.finFila();
        }
        pagina_.finTabla();
    }

    const QString ancho = anchura(25, 1);
    const QString angosto = anchura(75, 5);

private:
    FilaFiscal lee(const Registro& rs) const
    {
        const auto ente = [&rs](int codigo, int nombre, int tasa, int impuesto) {
            return Ente{textoValor(rs.value(codigo)), textoValor(rs.value(nombre)),
                        textoValor(rs.value(tasa)), importe(rs.value(impuesto))};
        };
        return {ente(c_.codigoJunta, c_.descripcionJunta, c_.tasaJunta, c_.impuestoJunta),
                ente(c_.codigoOperadora, c_.descripcionOperadora, c_.tasaOperadora, c_.impuestoOperadora),
                importe(rs.value(c_.totalVenta)),
                importe(rs.value(c_.premios)),
                importe(rs.value(c_.impuestoAlcaldia)),
                importe(rs.value(c_.impuestoVenta)),
                importe(rs.value(c_.impuestoPremio))};
    }

    // A line of a taxing body, whose tax also goes to its summary entry.
    Decimal lineaEnte(const QString& etiqueta, const Ente& ente, const Decimal& base, const QString& letra,
                      const QString& tipo)
    {
        lineaImpuesto(etiqueta, ente.codigo + QStringLiteral(" - ") + ente.nombre, base, ente.tasa,
                      ente.impuesto);
        resumen_.suma(letra + ente.codigo, ente.nombre, tipo, ente.impuesto);
        return ente.impuesto;
    }

    void lineaImpuesto(const QString& etiqueta, const QString& ente, const Decimal& base, const QString& tasa,
                       const Decimal& impuesto)
    {
        pagina_.inicioFila();
        pagina_.celda(ancho, etiqueta);
        pagina_.celda(ancho, contenidoTexto(ente));
        pagina_.celda(angosto, contenidoImporteSimple(base));
        pagina_.celda(ancho, contenidoTexto(tasa));
        pagina_.celda(angosto, contenidoImporteSimple(impuesto));
        pagina_.finFila();
    }

    PaginaHtml& pagina_;
    const Columnas c_;
    QList<FilaFiscal> filas_;
    ResumenEntes resumen_;
    Decimal totales_[4];
    Decimal impuestosTotal_;
};

} // namespace

void paginaFiscalVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                          const QString& linea2, const QString& borde, const QString& nombrebanca)
{
    pagina.principio({QStringLiteral("FISCAL POR VENDEDOR"), nombrebanca, {linea1, linea2}});
    pagina.espaciador();
    Fiscal fiscal(pagina, rs);
    pagina.inicioTabla(borde);
    filaEncabezados(pagina, {{fiscal.ancho, negrita(QStringLiteral("Vendedor"))},
                             {fiscal.angosto, negrita(QStringLiteral("Ente"))},
                             {fiscal.angosto, negrita(QStringLiteral("Total Deducible"))},
                             {fiscal.angosto, negrita(QStringLiteral("% Impuesto"))},
                             {fiscal.angosto, negrita(QStringLiteral("Total Impuesto Bs."))}});
    while (!rs.eof())
        fiscal.bloque(rs);
    pagina.finTabla();
    pagina.espaciador();
    fiscal.totales(borde);
    pagina.espaciador();
    fiscal.resumen();
    pagina.fin();
}

void htmlfiscalvendedor(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                        const QString& borde)
{
    publica([&](PaginaHtml& p, const QString& banca) {
        paginaFiscalVendedor(p, rs, linea1, linea2, borde, banca);
    });
}

} // namespace reports
