#pragma once
// The boxes of one seller record, as the seller catalogue shows it (read
// only) and the seller editor edits it: identity, status, payment mode,
// group chief, chief's commission, access key, fiscal ids, expiry days,
// region and municipality, the hidden tax box, and the sale-parameter block
// (normal with the comodin, digit, and the hidden pair block).
//
// The status and payment-mode boxes show a stored code as its item: the
// status when its trimmed text is exactly the digit ("2" -> "2.- Inactivo"),
// the payment mode by its first character ("2" -> "2.- Seco"); any other
// text is shown as it is.

#include "sellers/actven.h"

#include "core/parametrosventa.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace sellers {

// The items of the status and payment-mode lists.
const QStringList& itemsestado();
const QStringList& itemstipopago();
// A stored or typed text shown as its item, by the rules above.
QString textoestado(const QString& texto);
QString textotipopago(const QString& texto);

class FichaVendedor : public QWidget {
    Q_OBJECT
public:
    enum class Uso { Catalogo, Editor };
    explicit FichaVendedor(Uso uso, QWidget* parent = nullptr);
    ~FichaVendedor() override;

    QLineEdit* Text1;  // code
    QLineEdit* Text2;  // name
    QLineEdit* Text3;  // address
    QLineEdit* Text4;  // telephones
    QLineEdit* Text5;  // e-mail
    QLineEdit* Text6;  // access key
    QLineEdit* Text7;  // chief's commission
    QLineEdit* Text30; // tax %, never shown
    QLineEdit* Text31; // R.I.F.
    QLineEdit* Text33; // N.I.T.
    QLineEdit* Text34; // expiry days
    QComboBox* Combo1; // group chief
    QComboBox* Combo2; // status
    QComboBox* Combo3; // payment mode
    QComboBox* Combo4; // municipality
    QComboBox* Combo5; // region
    core::BloqueVenta& bloque() const { return *bloque_; }
    QCheckBox* Check12() const;
    QLineEdit* Text32() const; // comodin amount

    // Every box from the record (the status and payment mode as items).
    void muestra(const RegistroVendedor& vendedor);
    // The boxes' texts as they stand.
    RegistroVendedor registro() const;

private:
    std::unique_ptr<core::BloqueVenta> bloque_;
};

} // namespace sellers
