#include "core/filtros.h"

#include "core/masteredita.h"

#include "platform/messages.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRegularExpression>
#include <QTimer>
#include <QValidator>

#include <algorithm>

namespace core {
namespace {

bool esDigito(int tecla)
{
    return tecla >= '0' && tecla <= '9';
}

// The one handler of a box: its rules on the typed keys, its limits on the
// whole text, its selection on focus. A child of the box: goes with it.
class ManejadorCaja final : public QObject {
public:
    // Answers the key code to let through, 0 to drop it.
    using Regla = std::function<int(const QLineEdit&, int)>;

    // The box's handler; null when it has none and `crea` is false.
    static ManejadorCaja* de(QLineEdit* caja, bool crea = true)
    {
        for (QObject* hijo : caja->children())
            if (auto* existente = dynamic_cast<ManejadorCaja*>(hijo))
                return existente;
        return crea ? new ManejadorCaja(caja) : nullptr;
    }

    void agregaRegla(Regla regla) { reglas_.append(std::move(regla)); }
    void seleccionaAlEntrar() { selecciona_ = true; }

    void limitaLargo(int caracteres, const QString& campo, int parametro)
    {
        caracteres_ = caracteres;
        campo_ = campo;
        parametro_ = std::max(caracteres, parametro);
        vigilaTexto();
    }
    void limitaImporte(int precision, int escala)
    {
        importes_.append({precision, escala});
        vigilaTexto();
    }

    // What the save allows of the box's text (0: no length limit).
    int largoParametro() const { return parametro_; }
    // What the messages call the box: the name it was given, its accessible
    // name, or the caption of the label that stands for it in its window.
    QString campo() const
    {
        if (!campo_.isEmpty())
            return campo_;
        if (!caja_->accessibleName().isEmpty())
            return caja_->accessibleName();
        for (const QLabel* etiqueta : caja_->window()->findChildren<QLabel*>())
            if (etiqueta->buddy() == caja_)
                return etiqueta->text().remove(QLatin1Char('&')).trimmed();
        return {};
    }

    // Whether the whole text may stand in the box. A refused text is
    // looked at once the box is done with it: when the box went back to
    // its previous text, an edit of the operator (a paste, a drop) was
    // refused, and the operator is told why; when the box kept it, the
    // window put it there, and the save will judge it.
    bool admite(const QString& texto)
    {
        const bool largo = caracteres_ > 0 && texto.size() > caracteres_;
        const bool importe = std::any_of(importes_.cbegin(), importes_.cend(), [&texto](const auto& i) {
            return !cabeImporte(texto, i.first, i.second);
        });
        if (!largo && !importe)
            return true;
        rechazado_ = texto;
        rechazoPorLargo_ = largo;
        if (!revisionPendiente_) {
            revisionPendiente_ = true;
            QTimer::singleShot(0, this, [this] { revisaRechazo(); });
        }
        return false;
    }

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
    class Validador final : public QValidator {
    public:
        explicit Validador(ManejadorCaja* manejador) : QValidator(manejador), manejador_(manejador) {}
        State validate(QString& texto, int&) const override
        {
            return manejador_->admite(texto) ? Acceptable : Invalid;
        }

    private:
        ManejadorCaja* manejador_;
    };

    explicit ManejadorCaja(QLineEdit* caja) : QObject(caja), caja_(caja) { caja->installEventFilter(this); }

    // Every change of the text, typed, pasted, dropped or set, goes through
    // the box's validator: one that refuses leaves the box as it was.
    void vigilaTexto()
    {
        if (!validador_) {
            validador_ = new Validador(this);
            caja_->setValidator(validador_);
        }
    }

    void revisaRechazo()
    {
        revisionPendiente_ = false;
        if (caja_->text() == rechazado_)
            return;
        if (rechazoPorLargo_ && !campo().isEmpty())
            cabeTexto(rechazado_, caracteres_, campo());
        else
            QApplication::beep();
    }

    QLineEdit* caja_;
    QList<Regla> reglas_;
    bool selecciona_ = false;
    int caracteres_ = 0;
    int parametro_ = 0;
    QString campo_;
    QList<std::pair<int, int>> importes_;
    Validador* validador_ = nullptr;
    QString rechazado_;
    bool rechazoPorLargo_ = false;
    bool revisionPendiente_ = false;
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

void conectaLimite(QLineEdit* caja, int caracteres, const QString& campo, int parametro)
{
    ManejadorCaja* manejador = ManejadorCaja::de(caja);
    manejador->agregaRegla([caracteres](const QLineEdit& c, int tecla) {
        const bool cabe = c.text().size() - c.selectedText().size() < caracteres;
        return escribe(tecla) && !cabe ? 0 : tecla;
    });
    manejador->limitaLargo(caracteres, campo, parametro);
}

void conectaLimiteImporte(QLineEdit* caja, int precision, int escala)
{
    ManejadorCaja* manejador = ManejadorCaja::de(caja);
    manejador->agregaRegla([precision, escala](const QLineEdit& c, int tecla) {
        if (!escribe(tecla))
            return tecla;
        return cabeImporte(textoTecleado(c, QChar(tecla)), precision, escala) ? tecla : 0;
    });
    manejador->limitaImporte(precision, escala);
}

bool cabeTexto(const QString& texto, int ancho, const QString& campo)
{
    if (texto.size() <= ancho)
        return true;
    platform::msgbox(QStringLiteral("El campo %1 no puede tener más de %2 caracteres").arg(campo).arg(ancho),
                     platform::msg::Critical, TituloAtencion);
    return false;
}

bool cabenLimites(const QWidget* ventana)
{
    for (QLineEdit* caja : ventana->findChildren<QLineEdit*>()) {
        const ManejadorCaja* manejador = ManejadorCaja::de(caja, false);
        if (!manejador || manejador->largoParametro() == 0)
            continue;
        if (!cabeTexto(caja->text(), manejador->largoParametro(), manejador->campo())) {
            if (caja->isVisibleTo(caja->window()) && caja->isEnabled())
                caja->setFocus();
            return false;
        }
    }
    return true;
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
