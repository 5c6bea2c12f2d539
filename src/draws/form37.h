#pragma once
// Form37, "Procesar Resultados": has the server award the prizes of one draw
// date (Procesepremios2) for the lotteries chosen in the list, or for every
// lottery of the date when none is chosen, on a connection of its own
// (conexionproceso) with hour-long time-outs; it closes after telling the
// answer.

#include "platform/ui/window.h"

class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

namespace draws {

class Form37 : public platform::ui::Window {
    Q_OBJECT
public:
    Form37();

    QLabel* Label1;
    QListWidget* LALOTERIA;
    QLabel* Label2;
    QDateEdit* DTPicker1;
    QPushButton* Command1;  // "Procesar"
    QPushButton* XPButton1; // "Regresar"

    // The codes of the chosen lotteries run together, in list order.
    QString listaLoterias() const;

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* event) override;

private:
    void procesar();
    bool confirma();
    QString ejecuta(const QString& fecha, const QString& lista);
};

} // namespace draws
