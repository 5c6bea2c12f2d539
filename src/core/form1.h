#pragma once
// Form1, the main menu: the entries of the system in four frames, each
// opening its window after the operator's permission check; the desk tools
// and the help file on function keys. It loads the three lookup lists that
// later windows share, and closing it ends the program.

#include "platform/ui/window.h"

#include <QList>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;

namespace core {

class Form1 : public platform::ui::Window {
    Q_OBJECT
public:
    // What an entry does when clicked.
    enum class Accion {
        Ventana, // shows the window `destino` (a notice while it is not built)
        Aviso,   // shows the notice `destino`
        Marco,   // shows frame number `marco` and hides the other three
        Salir,   // ends the program
    };
    struct Entrada {
        int marco;           // 1-4: the frame holding the entry; 0 none (for Marco: the frame shown)
        const char* control; // the button's name
        const char* caption;
        Accion accion;
        const char* destino; // the window's name, or the notice
        bool verifica;       // checked with validapermiso() first
    };
    // Every entry of the menu, frame by frame, then the buttons outside them.
    static const QList<Entrada>& entradas();

    // The window's caption before the login adds the house name.
    static const QString Titulo;

    Form1();

    QPushButton* boton(const QString& control) const;
    QGroupBox* marco(int numero) const;

    // The first panel of the status bar (the operator line).
    void setPanelEstado(const QString& texto);
    QString panelEstado() const;

    QLabel* Label1;
    QStatusBar* StatusBar1;

    // The click of an entry's button.
    void ejecuta(const Entrada& entrada);

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* event) override;
    bool onQueryUnload() override;

private:
    void abreVentana(const QString& nombre, bool ocultaLabel1);
    void muestraMarco(int numero);
    void abreAyuda();

    QList<QGroupBox*> marcos_;
    QLabel* panel1_;
};

} // namespace core
