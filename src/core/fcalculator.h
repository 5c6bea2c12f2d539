#pragma once
// fCalculator, the desk calculator: a finite-state machine of 9 states and 7
// key classes over four registers (first operand, second operand, result,
// memory), and the window that shows them and feeds it keys. The "Bs." and
// "BsF." buttons show the registers multiplied or divided by 1000.
//
// What the machine does where a register holds no number:
// - an empty register, a lone "," and a lone sign count as 0 (so "+" then
//   "=" gives 0, and "M" "+" on an empty memory stores the result);
// - a register showing an error ("Error 11") passes that error on to the
//   register an operation writes, and takes neither digits nor a sign change
//   (both beep);
// - the display buttons leave a label alone when its text is no number.
// Each opening starts with every register clear, the memory included: the
// machine expects clear registers in its first state, and a fresh window
// shows empty labels.

#include "platform/ui/window.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace core {

class MaquinaCalculadora {
public:
    // A register: its digits without the sign, with "," as the decimal mark
    // (or "Error " and a number); the decimal flag ("," once typed); the sign
    // ("-" or empty).
    struct Registro {
        QString digitos;
        QString decimal;
        QString signo;
        bool operator==(const Registro&) const = default;
    };
    static constexpr int PrimerOperando = 0;
    static constexpr int SegundoOperando = 1;
    static constexpr int Resultado = 2;
    static constexpr int Memoria = 3;
    // The longest entry, the "," included.
    static constexpr int MaxCaracteres = 14;

    MaquinaCalculadora();

    // Handles one typed character (not Esc). Answers false when the key is
    // not one of the calculator's (it only beeps; nothing else changes).
    bool tecla(QChar caracter);

    const Registro& registro(int i) const { return registros_[static_cast<size_t>(i)]; }
    int actual() const { return actual_; }
    QString operacion() const { return operacion_; }
    QString igual() const { return igual_; }
    int estado() const { return estado_; }

    // Called for every warning beep.
    void setPitido(std::function<void()> pitido) { pitido_ = std::move(pitido); }

    // The number a text of the display stands for: digits with "," as the
    // decimal mark, an optional exponent; false for any other text.
    static bool leeNumero(const QString& texto, double* valor);

private:
    void ejecuta(int accion, QChar clave);
    void limpia(int i) { registros_[static_cast<size_t>(i)] = Registro(); }
    void limpiaOperacion(); // registers 1 and 2, the operation and the equal mark
    void agrega(int i, QChar clave);
    void cambiaSigno(int i);
    // Register `destino` = register `x` combined with register `y` by `op`.
    void combina(int destino, int x, QChar op, int y);
    void pita();

    std::array<Registro, 4> registros_;
    int actual_ = PrimerOperando;
    QString operacion_;
    QString igual_;
    int estado_ = 1;
    std::array<std::array<int, 7>, 9> tabla_;
    std::function<void()> pitido_;
};

class fCalculator : public platform::ui::Window {
    Q_OBJECT
public:
    static constexpr int Botones = 22;

    fCalculator();

    // What one button stands for.
    struct Boton {
        const char* caption;
        const char* tag;
        const char* tooltip;
    };
    static const std::array<Boton, Botones>& botones();

    const MaquinaCalculadora& maquina() const { return maquina_; }
    // Replaces the warning beep (tests count them).
    void setPitido(std::function<void()> pitido) { maquina_.setPitido(std::move(pitido)); }

    // A typed character (the key preview's path) and a click of btButton(i).
    void teclea(QChar caracter);
    void pulsa(int indice);
    // "Bs." and "BsF.".
    void convierteBs();
    void convierteBsF();

    std::array<QLabel*, 4> lblReg;
    std::array<QLabel*, 4> lblVZ;
    QLabel* lblOper;
    QLabel* lblEqual;
    QFrame* pic;
    std::array<QPushButton*, Botones> btButton;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void dibuja();
    // Each label that shows a number shows it times (or divided by) 1000
    // with two decimals.
    void convierte(bool multiplica);

    MaquinaCalculadora maquina_;
};

} // namespace core
