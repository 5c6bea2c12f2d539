#pragma once
// What the windows of a seller's sale parameters share: the seller
// catalogue's boxes they read, the payment-mode items, the raw deletes in a
// transaction, a heading that answers clicks, the typed calls that store one
// row of ven_lot (ACTVENDLOTE) or vendespec (ACTVENDJUGES), and the base of
// the two parameter grids (Form44 per lottery, paramvendespe per special
// play).
//
// Every write acts on the seller (and special play) the grid shows: the
// grid keeps the seller it was read for, and its editors and the
// whole-column update take him from the grid, not from whatever the
// catalogue shows by then. Writing another seller into the grid's Combo4
// (the catalogue opening it again) reads that seller's rows.

#include "core/masteredita.h"
#include "core/parametrosventa.h"

#include "platform/db/command.h"

#include <QLabel>
#include <QStringList>

class QComboBox;
class QPushButton;
class QVBoxLayout;

namespace sellerparams {

// The text of the seller catalogue's box `nombre` ("Text1" code, "Text2"
// name, "Text7" chief's commission) as it stands; "" when the catalogue is
// not open.
QString cajacatalogo(const QString& nombre);

// "0.- Punta y Cola", "1.- Aproximaciones", "2.- Seco", "3.- Comodines".
const QStringList& itemspago();
// Empties the list and gives it the four payment modes.
void llenapago(QComboBox* lista);
// The list's text set to the item of the stored mode ("0" to "3"); any
// other value leaves it as it is.
void muestrapago(QComboBox* lista, const QVariant& valor);

// Runs a plain statement between begin and commit on the shared
// connection; a failure rolls it back.
void ejecutaentransaccion(const QString& texto);

// A caption that answers clicks (the list headings of the bulk adjustment).
class Encabezado : public QLabel {
    Q_OBJECT
public:
    explicit Encabezado(const QString& texto);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

// The size of the text parameters every amount of a row travels in.
inline constexpr int AnchoImporte = 10;

// One row of ven_lot or vendespec as its editor sends it: the key, the
// texts of the sale-parameter boxes by field (lower case), the rest.
struct FilaParametros {
    QString vendedor;
    QString loteria;
    QString especial;
    core::TextosVenta montos;
    QString pagacomodin;
    QString montocomodin;
    QString comisionjefe;
    QString tipopago;
    QString impuesto;
    QString modo; // "1" add, "2" modify
};

// The typed calls, parameters appended and set, not executed.
// ACTVENDLOTE: 31 parameters; the amounts go through comaapunto, the chief
// commission and the tax as typed (the server reads either decimal mark).
platform::db::Command comandoactvendlote(const FilaParametros& fila);
// ACTVENDJUGES: 19 parameters, the twelve amounts and the chief commission
// through comaapunto.
platform::db::Command comandoactvendjuges(const FilaParametros& fila);

// The base of the two grids of one seller's parameter rows.
class GrillaParametros : public core::VentanaAtrapada {
    Q_OBJECT
public:
    QComboBox* Combo4;
    core::GrillaCatalogo* DataGrid1;
    QPushButton* XPButton2; // "Seleccionar"
    QPushButton* XPButton1; // "Regresar"

    // The seller (and special play) whose rows the grid shows.
    QString vendedor() const { return vendedor_; }
    virtual QString especial() const { return {}; }
    // The store word the whole-column update is given.
    virtual QString tabla() const = 0;

    // Reads the rows again and binds them, even when there are none; the
    // grid stands on its first row or on marcadordetalle.
    void rellena(bool alPrimero);
    // A click on the header of column c: the whole-column update for the
    // parameter columns, nothing for the others.
    void HeadClick(int columna);
    // Enter in the grid and "Seleccionar".
    void XPButton2_Click();

protected:
    GrillaParametros(const QString& titulo, const QStringList& titulos, int ultimaColumna);

    virtual platform::db::RecordSet leeLista() = 0;
    virtual void abreEditor() = 0;
    // Binds the rows and sets the captions.
    virtual void enlaza(const platform::db::RecordSet& lista);

    QVBoxLayout* raiz() const { return raiz_; }
    void setVendedor(const QString& codigo) { vendedor_ = codigo; }

    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;

private:
    void cambiaVendedor(const QString& texto);

    QStringList titulos_;
    int ultimaColumna_;
    QVBoxLayout* raiz_;
    QString vendedor_;
};

} // namespace sellerparams
