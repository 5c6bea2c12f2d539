#pragma once
// Routines that the bank-account list and the expenses seller picker carry
// from the catalogue pattern they were made from, and that nothing in the
// program calls: opening a terminal's settings or the special plays, the
// save of a special play from the two first boxes, locking and unlocking the
// boxes. They work on the window's Text1, Text2 and Text3.

#include <QString>

class QLineEdit;

namespace accounts {

class RutinasMaestro {
public:
    RutinasMaestro(QLineEdit* text1, QLineEdit* text2, QLineEdit* text3);

    // Shows a sale-point terminal's settings window (Form20), modeless.
    static void abreestacion();
    // Saves the special play Text1 named Text2 in one transaction: a new one
    // when `modo` is "A", the one of that code otherwise; the values travel
    // quoted. Answers the message it showed.
    QString grabajugada(const QString& modo) const;
    // Locks Text1 and Text2.
    void bloqueatextos() const;
    // Unlocks the three boxes and shows the special plays (form2), modeless.
    void desbloqueatextos() const;
    // Empties Text2 and Text3.
    void limpiatextos() const;

private:
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
};

} // namespace accounts
