#include "core/filtros.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace core {
namespace {

bool esDigito(int tecla)
{
    return tecla >= '0' && tecla <= '9';
}

// The one handler of a box: its rules on the typed keys, its selection on
// focus. A child of the box: goes with it.
class ManejadorCaja final : public QObject {
public:
    // Answers the key code to let through, 0 to drop it.
    using Regla = std::function<int(const QLineEdit&, int)>;

    static ManejadorCaja* de(QLineEdit* caja)
    {
        for (QObject* hijo : caja->children())
            if (auto* existente = dynamic_cast<ManejadorCaja*>(hijo))
                return existente;
        return new ManejadorCaja(caja);
    }

    void agregaRegla(Regla regla) { reglas_.append(std::move(regla)); }
    void seleccionaAlEntrar() { selecciona_ = true; }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto != caja_)
            return false;
        if (evento->type() == QEvent::KeyPress && !reglas_.isEmpty()) {
            const int tecla = codigotecla(*static_cast<QKeyEvent*>(evento));
            if (tecla < 0)
                return false;
            for (const Regla& regla : std::as_const(reglas_))
                if (regla(*caja_, tecla) == 0)
                    return true;
            return false;
        }
        if (evento->type() == QEvent::FocusIn && selecciona_)
            caja_->selectAll();
        return false;
    }

private:
    explicit ManejadorCaja(QLineEdit* caja) : QObject(caja), caja_(caja) { caja->installEventFilter(this); }

    QLineEdit* caja_;
    QList<Regla> reglas_;
    bool selecciona_ = false;
};

// A key that puts a character into the text (not Backspace, Enter, Esc).
bool escribe(int tecla)
{
    return tecla >= ' ' && tecla != 127;
}

} // namespace

int codigotecla(const QKeyEvent& evento)
{
    switch (evento.key()) {
    case Qt::Key_Backspace: return TeclaBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TeclaEnter;
    case Qt::Key_Escape: return TeclaEsc;
    default: break;
    }
    const QString texto = evento.text();
    if (texto.size() != 1 || evento.key() == Qt::Key_Tab || evento.key() == Qt::Key_Backtab ||
        evento.key() == Qt::Key_Delete)
        return -1;
    return texto.at(0).unicode();
}

int filtrodecimal(const QString& texto, int tecla)
{
    if (tecla == TeclaEnter || tecla == TeclaBackspace || esDigito(tecla))
        return tecla;
    if (tecla == '.' && !texto.contains(QLatin1Char('.')))
        return tecla;
    return 0;
}

int filtroentero(int tecla)
{
    return tecla == TeclaEnter || tecla == TeclaBackspace || esDigito(tecla) ? tecla : 0;
}

QString textoTecleado(const QLineEdit& caja, QChar caracter)
{
    QString texto = caja.text();
    if (caja.hasSelectedText()) {
        const int inicio = caja.selectionStart();
        return texto.replace(inicio, caja.selectedText().size(), caracter);
    }
    return texto.insert(caja.cursorPosition(), caracter);
}

bool cabeImporte(const QString& texto, int precision, int escala)
{
    const qsizetype punto = texto.indexOf(QRegularExpression(QStringLiteral("[.,]")));
    QString enteros = punto < 0 ? texto : texto.left(punto);
    const QString decimales = punto < 0 ? QString() : texto.mid(punto + 1);
    const auto soloDigitos = [](const QString& parte) {
        return std::all_of(parte.cbegin(), parte.cend(), [](QChar c) { return c.isDigit(); });
    };
    if (!soloDigitos(enteros) || !soloDigitos(decimales))
        return false;
    // Leading zeros take no room in the value.
    while (enteros.startsWith(QLatin1Char('0')))
        enteros.remove(0, 1);
    return enteros.size() <= precision - escala && decimales.size() <= escala;
}

void conectafiltrodecimal(QLineEdit* caja)
{
    ManejadorCaja::de(caja)->agregaRegla(
        [](const QLineEdit& c, int tecla) { return filtrodecimal(c.text(), tecla); });
}

void conectafiltroentero(QLineEdit* caja)
{
    ManejadorCaja::de(caja)->agregaRegla([](const QLineEdit&, int tecla) { return filtroentero(tecla); });
}

void conectaseleccionatodo(QLineEdit* caja)
{
    ManejadorCaja::de(caja)->seleccionaAlEntrar();
}

void conectaseleccionatodo(QComboBox* lista)
{
    if (lista->lineEdit())
        conectaseleccionatodo(lista->lineEdit());
}

void conectaLimite(QLineEdit* caja, int caracteres)
{
    ManejadorCaja::de(caja)->agregaRegla([caracteres](const QLineEdit& c, int tecla) {
        const bool cabe = c.text().size() - c.selectedText().size() < caracteres;
        return escribe(tecla) && !cabe ? 0 : tecla;
    });
}

void conectaLimiteImporte(QLineEdit* caja, int precision, int escala)
{
    ManejadorCaja::de(caja)->agregaRegla([precision, escala](const QLineEdit& c, int tecla) {
        if (!escribe(tecla))
            return tecla;
        return cabeImporte(textoTecleado(c, QChar(tecla)), precision, escala) ? tecla : 0;
    });
}

bool teclasventana(const QKeyEvent& evento, const std::function<void()>& cerrar,
                   const std::function<void()>& principal)
{
    if (evento.type() != QEvent::KeyPress)
        return false;
    const int tecla = codigotecla(evento);
    if (tecla == TeclaEsc && cerrar)
        cerrar();
    else if (tecla == TeclaEnter && principal)
        principal();
    return false;
}

} // namespace core
