#include "lineup/form47.h"

namespace lineup {

Form47::Form47() : VentanaHistorico(QStringLiteral("Historico Line Up")) {}

QString Form47::vendedor() const
{
    return origen_ ? origen_->textoColumna(0).trimmed() : QString();
}

} // namespace lineup
