#include "draws/monitores.h"

#include "draws/form34.h"
#include "draws/mdiform1.h"

#include "core/rutinas.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

namespace draws {

using platform::vb::rtrim;
using platform::vb::trim;

QList<QPointer<Form34>>& ventanasmonitor()
{
    static QList<QPointer<Form34>> ventanas(2);
    return ventanas;
}

QList<qint16>& monitoreslibres()
{
    static QList<qint16> libres(2, 0);
    return libres;
}

void reiniciamonitores()
{
    ventanasmonitor() = QList<QPointer<Form34>>(2);
    monitoreslibres() = QList<qint16>(2, 0);
}

qint16 buscaventanamonitor()
{
    QList<qint16>& libres = monitoreslibres();
    const auto n = static_cast<qint16>(libres.size() - 1);
    for (qint16 slot = 1; slot <= n; ++slot) {
        if (libres[slot] != 0) {
            libres[slot] = 0;
            return slot;
        }
    }
    libres.append(0);
    ventanasmonitor().append(nullptr);
    return static_cast<qint16>(n + 1);
}

double& segundosmonitor()
{
    static double segundos = 0;
    return segundos;
}

Form34* abremonitor(const QString& fecha, const QString& tipo, const QString& loteria, const QString& numero,
                    const QString& monto, const QString& vendedor, qint16 columnas, double segundos)
{
    const qint16 slot = buscaventanamonitor();
    QPointer<Form34>& ventana = ventanasmonitor()[slot];
    if (!ventana)
        ventana = new Form34;
    Form34* monitor = ventana;
    monitor->Tag = QString::number(slot);
    monitor->lfecha = trim(fecha);
    monitor->ltipo = trim(tipo);
    monitor->lloteria = core::primerapalabra(loteria);
    monitor->lnumero = trim(numero);
    monitor->lmonto = trim(monto);
    monitor->lvendedor = trim(vendedor);
    monitor->Lcol = QString::number(columnas);
    monitor->setWindowTitle(rtrim(loteria));
    monitor->carga(segundos);
    auto* contenedor = platform::ui::windowRegistry().get<MDIForm1>(QStringLiteral("MDIForm1"));
    if (!contenedor)
        return monitor;
    contenedor->showModeless();
    contenedor->agrega(monitor);
    // The container refreshes a monitor when it becomes the active one; the
    // first refresh happens here when the container did not activate it.
    if (monitor->refrescos() == 0)
        monitor->actualizamonitor();
    return monitor;
}

} // namespace draws
