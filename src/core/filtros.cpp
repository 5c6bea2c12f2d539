#include "core/filtros.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace core {
namespace {

bool esDigito(int tecla)
{
    return tecla >= '0' && tecla <= '9';
}

// Runs a rule on the typed keys and the focus of one box. A child of the
// box: goes with it.
class ManejadorCaja final : public QObject {
public:
    using Regla = std::function<int(const QLineEdit&, int)>;

    ManejadorCaja(QLineEdit* caja, Regla regla, bool seleccionaAlEntrar)
        : QObject(caja)
        , caja_(caja)
        , regla_(std::move(regla))
        , selecciona_(seleccionaAlEntrar)
    {
        caja->installEventFilter(this);
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto != caja_)
            return false;
        if (evento->type() == QEvent::KeyPress && regla_) {
            const int tecla = codigotecla(*static_cast<QKeyEvent*>(evento));
            return tecla >= 0 && regla_(*caja_, tecla) == 0;
        }
        if (evento->type() == QEvent::FocusIn && selecciona_)
            caja_->selectAll();
        return false;
    }

private:
    QLineEdit* caja_;
    Regla regla_;
    bool selecciona_;
};

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
    if (texto.size() != 1 || evento.key() == Qt::Key_Tab || evento.key() == Qt::Key_Backtab
        || evento.key() == Qt::Key_Delete)
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

void conectafiltrodecimal(QLineEdit* caja)
{
    new ManejadorCaja(
        caja, [](const QLineEdit& c, int tecla) { return filtrodecimal(c.text(), tecla); }, false);
}

void conectafiltroentero(QLineEdit* caja)
{
    new ManejadorCaja(caja, [](const QLineEdit&, int tecla) { return filtroentero(tecla); }, false);
}

void conectaseleccionatodo(QLineEdit* caja)
{
    new ManejadorCaja(caja, {}, true);
}

void conectaseleccionatodo(QComboBox* lista)
{
    if (lista->lineEdit())
        conectaseleccionatodo(lista->lineEdit());
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
