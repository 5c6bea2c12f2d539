#pragma once
// Form33, "Monitor On Line": the live-monitor settings. The operator picks
// a date, marks lotteries, chooses a play type, an optional number, amount
// and seller, the cells per line and the refresh seconds; "Ver Monitor"
// opens one monitor window per marked lottery inside MDIForm1
// (abremonitor). Leaving the columns box (at most 5) or the seconds box (at
// most 60) opens them again with the new value.
//
// The columns and the seconds must be whole numbers of 0 or more: any other
// text is refused with a message and opens nothing (leaving the box puts
// its last good value back).

#include "platform/ui/window.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace draws {

class Form33 : public platform::ui::Window {
    Q_OBJECT
public:
    Form33();

    QDateEdit* DTPicker1;
    QListWidget* List1;
    QComboBox* Combo3;     // play type
    QLineEdit* Text3;      // number
    QLineEdit* Text4;      // amount
    QComboBox* Combo2;     // seller
    QLineEdit* Text1;      // "Nro. Columnas"
    QLineEdit* Text2;      // "Segundos para Actualizar"
    QPushButton* Command1; // "Ver Monitor"
    QPushButton* Command2; // "Regresar"

    void Command1_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();

    // A box's whole number of 0 or more, or -1 for any other text.
    static int enteroNoNegativo(const QString& texto);

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool validaCaja(QLineEdit* caja, int maximo, const QString& nombre);
    void dejaCaja(QLineEdit* caja, int maximo, const QString& nombre, QString& ultimo);

    QString ultimasColumnas_ = QStringLiteral("2");
    QString ultimosSegundos_ = QStringLiteral("10");
};

} // namespace draws
