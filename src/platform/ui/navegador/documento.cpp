#include "platform/ui/navegador/documento.h"

#include <QHash>

#include <algorithm>
#include <optional>
#include <utility>

namespace platform::ui::navegador {

namespace {

struct Atributo {
    QString nombre; // lower case
    QString valor;
};

struct Etiqueta {
    QString nombre; // lower case
    bool cierre = false;
    std::vector<Atributo> atributos;

    const QString* atributo(QLatin1String nombreBuscado) const
    {
        for (const Atributo& a : atributos) {
            if (a.nombre == nombreBuscado)
                return &a.valor;
        }
        return nullptr;
    }
};

// A change of style opened by an inline element.
struct Cambio {
    QString etiqueta;
    std::optional<std::uint8_t> tamano;
    std::optional<bool> negrita;
    std::optional<bool> cursiva;
};

bool esBlanco(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n') || c == QLatin1Char('\f');
}

bool esLetra(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

std::optional<Alineacion> alineacionDe(const QString* valor)
{
    if (!valor)
        return std::nullopt;
    const QString v = valor->trimmed().toLower();
    if (v == QLatin1String("center") || v == QLatin1String("middle"))
        return Alineacion::Centro;
    if (v == QLatin1String("right"))
        return Alineacion::Derecha;
    if (v == QLatin1String("left") || v == QLatin1String("justify"))
        return Alineacion::Izquierda;
    return std::nullopt;
}

// "25%" -> 25; anything that is no percentage -> -1.
float porcentajeDe(const QString* valor)
{
    if (!valor)
        return -1;
    const QString v = valor->trimmed();
    if (!v.endsWith(QLatin1Char('%')))
        return -1;
    bool ok = false;
    const float numero = v.chopped(1).trimmed().toFloat(&ok);
    return ok && numero >= 0 ? numero : -1;
}

// The named entities the pages may hold; others stay as written.
const QHash<QString, QChar>& entidades()
{
    static const QHash<QString, QChar> tabla{
        {QStringLiteral("lt"), QLatin1Char('<')},    {QStringLiteral("gt"), QLatin1Char('>')},
        {QStringLiteral("amp"), QLatin1Char('&')},   {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("nbsp"), QChar(0xA0)},
        {QStringLiteral("aacute"), QChar(0xE1)},     {QStringLiteral("eacute"), QChar(0xE9)},
        {QStringLiteral("iacute"), QChar(0xED)},     {QStringLiteral("oacute"), QChar(0xF3)},
        {QStringLiteral("uacute"), QChar(0xFA)},     {QStringLiteral("ntilde"), QChar(0xF1)},
        {QStringLiteral("Ntilde"), QChar(0xD1)},     {QStringLiteral("ograve"), QChar(0xF2)},
    };
    return tabla;
}

class Lector {
public:
    explicit Lector(QStringView html) : html_(html)
    {
        d_.texto.reserve(html.size() / 3);
        d_.estilos.push_back(Estilo{});
    }

    Documento lee()
    {
        while (pos_ < html_.size()) {
            if (html_[pos_] == QLatin1Char('<') && leeMarcado())
                continue;
            leeTexto();
        }
        cierraTabla();
        cierraParrafo();
        return std::move(d_);
    }

private:
    enum class Contenedor { Ninguno, Parrafo, Celda };

    // --- Markup

    // At a "<": reads a tag, comment or declaration; false when the "<" is
    // plain text.
    bool leeMarcado()
    {
        const qsizetype resto = html_.size() - pos_;
        if (resto < 2)
            return false;
        const QChar siguiente = html_[pos_ + 1];
        if (html_.mid(pos_).startsWith(QLatin1String("<!--"))) {
            const qsizetype fin = html_.indexOf(QLatin1String("-->"), pos_ + 4);
            pos_ = fin < 0 ? html_.size() : fin + 3;
            return true;
        }
        if (siguiente == QLatin1Char('!') || siguiente == QLatin1Char('?')) {
            saltaHasta(QLatin1Char('>'));
            return true;
        }
        const bool cierre = siguiente == QLatin1Char('/');
        if (!esLetra(cierre ? (resto > 2 ? html_[pos_ + 2] : QChar()) : siguiente))
            return false;
        pos_ += cierre ? 2 : 1;
        Etiqueta etiqueta;
        etiqueta.cierre = cierre;
        etiqueta.nombre = leeNombre();
        leeAtributos(etiqueta);
        if (cierre)
            cierra(etiqueta.nombre);
        else
            abre(etiqueta);
        return true;
    }

    void saltaHasta(QChar c)
    {
        const qsizetype fin = html_.indexOf(c, pos_);
        pos_ = fin < 0 ? html_.size() : fin + 1;
    }

    QString leeNombre()
    {
        const qsizetype inicio = pos_;
        while (pos_ < html_.size() && !esBlanco(html_[pos_]) && html_[pos_] != QLatin1Char('>') &&
               html_[pos_] != QLatin1Char('/') && html_[pos_] != QLatin1Char('='))
            ++pos_;
        return html_.mid(inicio, pos_ - inicio).toString().toLower();
    }

    void saltaBlancos()
    {
        while (pos_ < html_.size() && esBlanco(html_[pos_]))
            ++pos_;
    }

    void leeAtributos(Etiqueta& etiqueta)
    {
        while (true) {
            saltaBlancos();
            if (pos_ >= html_.size())
                return;
            const QChar c = html_[pos_];
            if (c == QLatin1Char('>')) {
                ++pos_;
                return;
            }
            if (c == QLatin1Char('/') || c == QLatin1Char('=')) {
                ++pos_;
                continue;
            }
            Atributo atributo;
            atributo.nombre = leeNombre();
            saltaBlancos();
            if (pos_ < html_.size() && html_[pos_] == QLatin1Char('=')) {
                ++pos_;
                saltaBlancos();
                atributo.valor = leeValor();
            }
            etiqueta.atributos.push_back(std::move(atributo));
        }
    }

    QString leeValor()
    {
        if (pos_ >= html_.size())
            return {};
        const QChar comilla = html_[pos_];
        if (comilla == QLatin1Char('"') || comilla == QLatin1Char('\'')) {
            const qsizetype fin = html_.indexOf(comilla, pos_ + 1);
            const qsizetype hasta = fin < 0 ? html_.size() : fin;
            QString valor = decodifica(html_.mid(pos_ + 1, hasta - pos_ - 1));
            pos_ = fin < 0 ? html_.size() : fin + 1;
            return valor;
        }
        const qsizetype inicio = pos_;
        while (pos_ < html_.size() && !esBlanco(html_[pos_]) && html_[pos_] != QLatin1Char('>'))
            ++pos_;
        return decodifica(html_.mid(inicio, pos_ - inicio));
    }

    static QString decodifica(QStringView texto)
    {
        QString salida;
        salida.reserve(texto.size());
        for (qsizetype i = 0; i < texto.size(); ++i) {
            if (texto[i] == QLatin1Char('&')) {
                qsizetype consumidos = 0;
                if (const std::optional<QChar> c = entidad(texto.mid(i), consumidos)) {
                    salida += *c;
                    i += consumidos - 1;
                    continue;
                }
            }
            salida += texto[i];
        }
        return salida;
    }

    // An entity at the start of `texto` ("&lt;", "&#60;", "&#x3C;"): its
    // character and length; nullopt when it is none.
    static std::optional<QChar> entidad(QStringView texto, qsizetype& consumidos)
    {
        const qsizetype fin = texto.left(12).indexOf(QLatin1Char(';'));
        if (fin < 2)
            return std::nullopt;
        const QStringView nombre = texto.mid(1, fin - 1);
        consumidos = fin + 1;
        if (nombre.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint codigo = nombre.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                                    ? nombre.mid(2).toUInt(&ok, 16)
                                    : nombre.mid(1).toUInt(&ok, 10);
            if (!ok || codigo == 0 || codigo > 0xFFFF)
                return std::nullopt;
            return QChar(char16_t(codigo));
        }
        const auto encontrada = entidades().constFind(nombre.toString());
        if (encontrada == entidades().constEnd())
            return std::nullopt;
        return *encontrada;
    }

    void abre(const Etiqueta& e)
    {
        const QString& n = e.nombre;
        if (n == QLatin1String("title") || n == QLatin1String("script") || n == QLatin1String("style")) {
            saltaContenido(n);
            return;
        }
        if (n == QLatin1String("table")) {
            abreTabla(e);
        } else if (n == QLatin1String("tr")) {
            abreFila();
        } else if (n == QLatin1String("td") || n == QLatin1String("th")) {
            abreCelda(e);
        } else if (n == QLatin1String("br")) {
            d_.conSaltos = true;
            agregaCaracter(QLatin1Char('\n'));
        } else if (n == QLatin1String("address") || n == QLatin1String("p") || n == QLatin1String("div") ||
                   n == QLatin1String("center") ||
                   (n.size() == 2 && n[0] == QLatin1Char('h') && n[1].isDigit())) {
            abreBloque(e);
        } else {
            abreEnLinea(e);
        }
    }

    void cierra(const QString& n)
    {
        if (n == QLatin1String("table")) {
            if (--profundidadTabla_ == 0)
                cierraTabla();
            profundidadTabla_ = std::max(profundidadTabla_, 0);
        } else if (n == QLatin1String("tr")) {
            cierraCelda();
        } else if (n == QLatin1String("td") || n == QLatin1String("th")) {
            cierraCelda();
        } else if (n == QLatin1String("address") || n == QLatin1String("p") || n == QLatin1String("div") ||
                   n == QLatin1String("center") ||
                   (n.size() == 2 && n[0] == QLatin1Char('h') && n[1].isDigit())) {
            quitaCambio(n);
            if (contenedor_ == Contenedor::Parrafo)
                cierraParrafo();
        } else {
            quitaCambio(n);
        }
    }

    void saltaContenido(const QString& nombre)
    {
        const QString fin = QStringLiteral("</") + nombre;
        const qsizetype donde = html_.indexOf(fin, pos_, Qt::CaseInsensitive);
        const qsizetype hasta = donde < 0 ? html_.size() : donde;
        if (nombre == QLatin1String("title") && d_.titulo.isEmpty())
            d_.titulo = decodifica(html_.mid(pos_, hasta - pos_)).simplified();
        pos_ = hasta;
        if (donde >= 0)
            saltaHasta(QLatin1Char('>'));
    }

    // --- Styles

    void abreEnLinea(const Etiqueta& e)
    {
        Cambio cambio;
        cambio.etiqueta = e.nombre;
        const QString& n = e.nombre;
        if (n == QLatin1String("b") || n == QLatin1String("strong")) {
            cambio.negrita = true;
        } else if (n == QLatin1String("i") || n == QLatin1String("em")) {
            cambio.cursiva = true;
        } else if (n == QLatin1String("font")) {
            cambio.tamano = tamanoDeFuente(e.atributo(QLatin1String("size")));
        } else if (n == QLatin1String("span")) {
            leeEstiloCss(e.atributo(QLatin1String("style")), cambio);
        } else {
            return; // html, head, body, meta and the rest change nothing
        }
        cambios_.push_back(std::move(cambio));
        recalculaEstilo();
    }

    std::optional<std::uint8_t> tamanoDeFuente(const QString* valor) const
    {
        if (!valor)
            return std::nullopt;
        const QString v = valor->trimmed();
        bool ok = false;
        int tamano = v.toInt(&ok);
        if (!ok)
            return std::nullopt;
        if (v.startsWith(QLatin1Char('+')) || v.startsWith(QLatin1Char('-')))
            tamano += 3;
        return std::uint8_t(std::clamp(tamano, 1, 7));
    }

    static void leeEstiloCss(const QString* valor, Cambio& cambio)
    {
        if (!valor)
            return;
        for (const QString& declaracion : valor->split(QLatin1Char(';'))) {
            const qsizetype dos = declaracion.indexOf(QLatin1Char(':'));
            if (dos < 0)
                continue;
            const QString propiedad = declaracion.left(dos).trimmed().toLower();
            const QString v = declaracion.mid(dos + 1).trimmed().toLower();
            if (propiedad == QLatin1String("font-style"))
                cambio.cursiva = v == QLatin1String("italic") || v == QLatin1String("oblique");
            else if (propiedad == QLatin1String("font-weight"))
                cambio.negrita = v == QLatin1String("bold") || v == QLatin1String("bolder") ||
                                 v.toInt() >= 600;
        }
    }

    // Ends the change of the innermost open element of that name, leaving
    // the others as they are (pages close their elements out of order).
    void quitaCambio(const QString& nombre)
    {
        for (auto it = cambios_.rbegin(); it != cambios_.rend(); ++it) {
            if (it->etiqueta == nombre) {
                cambios_.erase(std::next(it).base());
                recalculaEstilo();
                return;
            }
        }
    }

    void recalculaEstilo()
    {
        Estilo estilo;
        for (const Cambio& c : cambios_) {
            if (c.tamano)
                estilo.tamano = *c.tamano;
            if (c.negrita)
                estilo.negrita = *c.negrita;
            if (c.cursiva)
                estilo.cursiva = *c.cursiva;
        }
        const auto encontrado = std::find(d_.estilos.begin(), d_.estilos.end(), estilo);
        if (encontrado != d_.estilos.end()) {
            estilo_ = std::uint16_t(encontrado - d_.estilos.begin());
        } else {
            estilo_ = std::uint16_t(d_.estilos.size());
            d_.estilos.push_back(estilo);
        }
    }

    // --- Blocks and tables

    void abreBloque(const Etiqueta& e)
    {
        // <center> centres what it holds, as an align="center" would.
        const std::optional<Alineacion> alineacion = e.nombre == QLatin1String("center")
                                                         ? std::optional(Alineacion::Centro)
                                                         : alineacionDe(e.atributo(QLatin1String("align")));
        Cambio cambio;
        cambio.etiqueta = e.nombre;
        if (e.nombre == QLatin1String("address"))
            cambio.cursiva = true;
        if (e.nombre.startsWith(QLatin1Char('h')) && e.nombre.size() == 2) {
            cambio.negrita = true;
            cambio.tamano = std::uint8_t(std::clamp(7 - e.nombre[1].digitValue(), 1, 7));
        }
        cambios_.push_back(std::move(cambio));
        recalculaEstilo();

        if (contenedor_ == Contenedor::Celda) {
            // A paragraph inside a cell aligns the cell.
            if (alineacion)
                d_.celdas.back().alineacion = *alineacion;
            return;
        }
        cierraParrafo();
        if (profundidadTabla_ > 0)
            return; // between rows: browsers move it out of the table; we drop it
        abreParrafo(e.nombre == QLatin1String("p"), alineacion.value_or(Alineacion::Izquierda));
    }

    void abreParrafo(bool conMargen, Alineacion alineacion)
    {
        Parrafo p;
        p.tramos.primero = std::uint32_t(d_.tramos.size());
        p.conMargen = conMargen;
        p.alineacion = alineacion;
        d_.bloques.push_back({Bloque::Tipo::Parrafo, std::uint32_t(d_.parrafos.size())});
        d_.parrafos.push_back(p);
        contenedor_ = Contenedor::Parrafo;
        empiezaContenedor();
    }

    void cierraParrafo()
    {
        if (contenedor_ != Contenedor::Parrafo)
            return;
        terminaContenedor(d_.parrafos.back().tramos);
        contenedor_ = Contenedor::Ninguno;
    }

    void abreTabla(const Etiqueta& e)
    {
        if (profundidadTabla_++ > 0)
            return; // nested tables are read into the outer one
        cierraParrafo();
        Tabla t;
        const QString* borde = e.atributo(QLatin1String("border"));
        t.borde = borde ? (borde->trimmed().isEmpty() ? 1 : std::max(0, borde->trimmed().toInt())) : 0;
        t.ancho = porcentajeDe(e.atributo(QLatin1String("width")));
        t.primeraFila = std::uint32_t(d_.filas.size());
        d_.bloques.push_back({Bloque::Tipo::Tabla, std::uint32_t(d_.tablas.size())});
        d_.tablas.push_back(t);
        filaAbierta_ = false;
    }

    void cierraTabla()
    {
        if (d_.tablas.empty() || tablaCerrada_ == d_.tablas.size())
            return;
        cierraCelda();
        Tabla& t = d_.tablas.back();
        t.filas = std::uint32_t(d_.filas.size()) - t.primeraFila;
        tablaCerrada_ = d_.tablas.size();
        filaAbierta_ = false;
        profundidadTabla_ = 0;
    }

    void abreFila()
    {
        if (profundidadTabla_ == 0)
            return;
        cierraCelda();
        d_.filas.push_back({std::uint32_t(d_.celdas.size()), 0});
        filaAbierta_ = true;
    }

    void abreCelda(const Etiqueta& e)
    {
        if (profundidadTabla_ == 0)
            return;
        if (!filaAbierta_)
            abreFila();
        cierraCelda();
        Celda c;
        c.tramos.primero = std::uint32_t(d_.tramos.size());
        c.ancho = porcentajeDe(e.atributo(QLatin1String("width")));
        const bool encabezado = e.nombre == QLatin1String("th");
        c.alineacion = alineacionDe(e.atributo(QLatin1String("align")))
                           .value_or(encabezado ? Alineacion::Centro : Alineacion::Izquierda);
        d_.celdas.push_back(c);
        ++d_.filas.back().celdas;
        // A cell starts with the styles of the elements around the table;
        // what a cell opens ends with it.
        cambiosAntesDeCelda_ = cambios_.size();
        if (encabezado) {
            Cambio negrita;
            negrita.etiqueta = QStringLiteral("th");
            negrita.negrita = true;
            cambios_.push_back(negrita);
            recalculaEstilo();
        }
        contenedor_ = Contenedor::Celda;
        empiezaContenedor();
    }

    void cierraCelda()
    {
        if (contenedor_ != Contenedor::Celda)
            return;
        terminaContenedor(d_.celdas.back().tramos);
        contenedor_ = Contenedor::Ninguno;
        if (cambios_.size() > cambiosAntesDeCelda_) {
            cambios_.resize(cambiosAntesDeCelda_);
            recalculaEstilo();
        }
    }

    // --- Text

    void empiezaContenedor()
    {
        blancoPendiente_ = false;
        conTexto_ = false;
    }

    void terminaContenedor(Tramos& tramos)
    {
        tramos.cuantos = std::uint32_t(d_.tramos.size()) - tramos.primero;
    }

    void leeTexto()
    {
        const qsizetype inicio = pos_;
        const qsizetype fin = html_.indexOf(QLatin1Char('<'), pos_ + 1);
        pos_ = fin < 0 ? html_.size() : fin;
        const QStringView trozo = html_.mid(inicio, pos_ - inicio);
        for (qsizetype i = 0; i < trozo.size(); ++i) {
            const QChar c = trozo[i];
            if (esBlanco(c)) {
                blancoPendiente_ = true;
                continue;
            }
            if (c == QLatin1Char('&')) {
                qsizetype consumidos = 0;
                if (const std::optional<QChar> e = entidad(trozo.mid(i), consumidos)) {
                    agregaCaracter(*e);
                    i += consumidos - 1;
                    continue;
                }
            }
            agregaCaracter(c);
        }
    }

    // Appends a visible character (or a line break) to the open container,
    // with the blank that collapsed before it.
    void agregaCaracter(QChar c)
    {
        if (contenedor_ == Contenedor::Ninguno) {
            if (profundidadTabla_ > 0)
                return; // text between cells
            abreParrafo(false, Alineacion::Izquierda);
        }
        if (blancoPendiente_ && conTexto_ && c != QLatin1Char('\n'))
            agregaAlTramo(QLatin1Char(' '));
        blancoPendiente_ = false;
        conTexto_ = c != QLatin1Char('\n');
        agregaAlTramo(c);
    }

    void agregaAlTramo(QChar c)
    {
        const std::uint32_t primero = contenedor_ == Contenedor::Celda ? d_.celdas.back().tramos.primero
                                                                       : d_.parrafos.back().tramos.primero;
        const std::uint32_t posicion = std::uint32_t(d_.texto.size());
        d_.texto += c;
        if (d_.tramos.size() > primero) {
            Tramo& ultimo = d_.tramos.back();
            if (ultimo.estilo == estilo_ && ultimo.inicio + ultimo.longitud == posicion) {
                ++ultimo.longitud;
                return;
            }
        }
        d_.tramos.push_back({posicion, 1, estilo_});
    }

    QStringView html_;
    qsizetype pos_ = 0;
    Documento d_;
    std::vector<Cambio> cambios_;
    std::size_t cambiosAntesDeCelda_ = 0;
    std::uint16_t estilo_ = 0;
    Contenedor contenedor_ = Contenedor::Ninguno;
    int profundidadTabla_ = 0;
    std::size_t tablaCerrada_ = 0;
    bool filaAbierta_ = false;
    bool blancoPendiente_ = false;
    bool conTexto_ = false;
};

} // namespace

Documento Documento::desdeHtml(QStringView html)
{
    return Lector(html).lee();
}

QString Documento::textoDe(const Tramos& t) const
{
    QString salida;
    for (std::uint32_t i = t.primero; i < t.primero + t.cuantos; ++i)
        salida += textoDe(tramos[i]);
    return salida;
}

QString Documento::textoPlano() const
{
    QString salida;
    for (const Bloque& b : bloques) {
        if (b.tipo == Bloque::Tipo::Parrafo) {
            salida += textoDe(parrafos[b.indice].tramos);
            salida += QLatin1Char('\n');
            continue;
        }
        const Tabla& t = tablas[b.indice];
        for (std::uint32_t f = t.primeraFila; f < t.primeraFila + t.filas; ++f) {
            const Fila& fila = filas[f];
            for (std::uint32_t c = 0; c < fila.celdas; ++c) {
                if (c > 0)
                    salida += QLatin1Char('\t');
                salida += textoDe(celdas[fila.primeraCelda + c].tramos);
            }
            salida += QLatin1Char('\n');
        }
    }
    return salida;
}

} // namespace platform::ui::navegador
