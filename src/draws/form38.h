#pragma once
// Form38, "Catalogo de Premios": the lotteries of a draw date with the
// winning numbers recorded for them and whether their prizes were
// processed (premiappal). "Registrar - Modifi. Premio" (or Enter in the
// grid) opens the entry window Form17 modal on the selected lottery with
// what is recorded; "16 . - Procesar Resultados" opens prize processing
// (Form37) for an operator holding code "16". The list is read again on
// every activation and stands on the row that was last opened.

#include "platform/ui/window.h"

class QDateEdit;
class QPushButton;

namespace core {
class GrillaCatalogo;
}

namespace draws {

class Form38 : public platform::ui::Window {
    Q_OBJECT
public:
    Form38();

    core::GrillaCatalogo* DataGrid1;
    QDateEdit* eslafeCha;    // "Fecha del Sorteo"
    QPushButton* XPButton11; // "16 . - Procesar Resultados"
    QPushButton* Command1;   // "Registrar - Modifi. Premio"
    QPushButton* XPButton1;  // "Regresar"

    // The draw date as the server reads it, "dd/mm/yyyy".
    QString fechaTexto() const;

protected:
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* event) override;

private:
    void lista();
    void abreEntrada();
    void procesar();
};

} // namespace draws
