#pragma once
// What the two movement editors share (Form52, opened by the movements
// window; Form28, the older dialog nothing opens): the movement's boxes,
// the load that lists the accounts, payment kinds and types, the amount
// taken from the line-up when type 0 or 1 is chosen, the save through
// ACTMOV and the edit mode on closing.
//
// The opener loads the editor by writing Label2, fills the boxes to
// modify, sets modoedicion and shows it modal. The editor takes the mode
// once, when it first becomes active, so an addition stays an addition
// whatever other windows do to the shared mode meanwhile. The date sent is
// the one shown: the server date on an addition, the movement's own date on
// a modification (so a modification never moves a movement to another
// day). A document number used already (55) keeps Form52 open on the
// number; any other refusal says so and closes the editor, and nothing of a
// refused movement reaches the line-up in memory. Once the server has
// stored the movement it is never sent again, not even when what follows
// the save fails and the trap runs the save again.

#include "core/masteredita.h"
#include "platform/decimal.h"

#include <QDate>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace accounts {

struct MovimientoGuardado {
    QString vendedor;
    QDate fecha;
    QString tipo;
    platform::Decimal monto;
};

class EditorMovimiento : public core::VentanaAtrapada {
    Q_OBJECT
public:
    QLabel* Label2; // the seller: code, " - ", name
    QLineEdit* txtnomov;
    QLabel* desdes; // the movement's date, "dd/mm/yyyy"
    QComboBox* txt_cuenta;
    QComboBox* txt_pago;
    QComboBox* txtdescri_mov;
    QLineEdit* txtmonto_mov;
    QLineEdit* txtobserva_mov;
    QPushButton* Grabar;
    QPushButton* Cancelarcam;

    // "&Grabar".
    void grabar();
    // "&Deshacer" and Esc: modoedicion "H", closed.
    void deshacer();
    // A type chosen from the list: types 0 and 1 take the amount from the
    // line-up.
    void eligeTipo();
    // The mode taken at the first activation: true to add.
    bool agregando() const { return agregando_; }
    // The amount shown when the editor opened to modify.
    platform::Decimal montoanterior() const { return montoanterior_; }

protected:
    struct Forma {
        // The loan types follow the installation rule (ofrecePrestamos).
        bool restringePrestamos = true;
        // The amount box takes "," before decimals ("." typed becomes ",");
        // otherwise "." as typed.
        bool decimalComa = true;
        // The first alternative of the save's check admits an amount of 0.
        bool admiteCero = true;
        // A document number used already (55) has its own message and keeps
        // the editor open on the number; otherwise it is a refusal like any.
        bool avisaDocumentoUsado = true;
    };
    explicit EditorMovimiento(const Forma& forma);

    // The amount for types 0 and 1, as the box shows it; null to leave the
    // box alone.
    virtual QString montoDeLineUp() = 0;
    // After the server stored the movement, before the editor closes:
    // `anterior` is the movement as it was (none for an addition).
    virtual void trasGrabar(const std::optional<MovimientoGuardado>& anterior,
                            const MovimientoGuardado& nuevo)
    {
        Q_UNUSED(anterior);
        Q_UNUSED(nuevo);
    }

    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool camposValidos(const std::optional<platform::Decimal>& monto) const;
    std::optional<platform::Decimal> monto() const;
    MovimientoGuardado guardado() const;
    void envia();

    Forma forma_;
    bool modoTomado_ = false;
    bool agregando_ = false;
    bool enviado_ = false;
    platform::Decimal montoanterior_;
    std::optional<MovimientoGuardado> anterior_;
};

} // namespace accounts
