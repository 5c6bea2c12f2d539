#pragma once
// Form17, "Quorvelin On Line - Modulo de Premiación de Loterias": the
// result of one lottery's draw on one date (three triples, three
// terminals, the digit, the pair values and the special play's triple,
// terminal, play and detail), sent in one call to Grabapremios. Typing the
// first triple derives the terminals and the digit and lists, as a guide,
// the terminals "Punta y Cola" and "Aproximaciones" pay. Opened modal by the
// results catalogue (Form38) with the lottery and date fixed; it closes
// once the server has stored the result, and stays open with what was typed
// when the server refuses it.

#include "platform/ui/window.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace draws {

class Form17 : public platform::ui::Window {
    Q_OBJECT
public:
    Form17();

    QComboBox* Combo1;     // "Loteria"
    QDateEdit* eslafeCha;  // "Fecha del Sorteo"
    QLineEdit* Text2;      // 1st triple
    QLineEdit* Text3;      // 2nd triple
    QLineEdit* Text4;      // 3rd triple
    QLineEdit* Text5;      // 1st terminal
    QLineEdit* Text6;      // 2nd terminal
    QLineEdit* Text7;      // 3rd terminal
    QLineEdit* Text1;      // digit
    QLineEdit* Text13;     // "Sorteo A"
    QLineEdit* Text12;     // "Sorteo B"
    QLineEdit* Text11;     // "Premio Sencillo"
    QComboBox* Combo2;     // special play
    QComboBox* Combo3;     // its detail
    QLineEdit* Text8;      // special triple
    QLineEdit* Text10;     // special terminal
    QListWidget* List1;    // "Modo PUNTA Y COLA"
    QListWidget* List2;    // "Modo Aproximaciones"
    QPushButton* Premiar;  // "Guardar Premios"
    QPushButton* Command1; // "Regresar"

    // The lottery box keeps the text its opener writes.
    void bloqueaLoteria();
    // The special play and detail of the recorded result being corrected
    // (empty: none recorded). The activation then shows them instead of the
    // lottery's last special play and its first detail, so that a correction
    // of the other numbers sends them back as they were.
    void especialRegistrado(const QString& especial, const QString& jugada);

protected:
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* construyeNormal();
    QWidget* construyeEspecial();
    void ordenDeTabulacion();
    void derivaTriple(const QString& texto);
    void derivaEspecial(const QString& texto);
    void llenaEspeciales();
    void muestraRegistrado();
    // Empties the detail box and lists the details of `especial`.
    bool llenaDetalles(const QString& especial);
    void refrescaDetalles();
    void guardar();
    void grabapremios();

    bool registrado_ = false;
    QString especialRegistrado_;
    QString jugadaRegistrada_;
};

} // namespace draws
