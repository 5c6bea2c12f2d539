#include "sellerresults/form25.h"

#include <QComboBox>
#include <QFormLayout>

namespace sellerresults {

Form25::Form25()
{
    setWindowTitle(QStringLiteral("Resultados de Vendedores"));
    ELGRUPO = new QComboBox(this);
    auto* disposicion = new QFormLayout(this);
    disposicion->addRow(QStringLiteral("Grupo"), ELGRUPO);
}

QString Form25::textoGrupo() const
{
    return ELGRUPO->currentText();
}

} // namespace sellerresults
