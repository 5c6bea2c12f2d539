#include "draws/form34.h"

#include "draws/celdasmonitor.h"
#include "draws/monitores.h"
#include "draws/turnosmonitor.h"

#include "core/conexion.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/db/dberror.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QKeyEvent>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace draws {

namespace db = platform::db;

namespace {

const QString SinDatos = QStringLiteral("No hay Datos para la Consulta");

// Twips at the 96 dots per inch the windows were drawn at.
int pixeles(int twips)
{
    return twips / 15;
}

// A status bar of three panels: a caption, the value and an optional tail.
QLabel* barra(QStatusBar* bar, const QString& titulo, const QString& cola = QString())
{
    bar->setSizeGripEnabled(false);
    bar->addWidget(new QLabel(titulo));
    auto* valor = new QLabel;
    bar->addWidget(valor, 1);
    if (!cola.isEmpty())
        bar->addWidget(new QLabel(cola));
    return valor;
}

// The key as the monitor's keys know it: Esc, or the typed character.
int teclaDe(const QKeyEvent& evento)
{
    if (evento.key() == Qt::Key_Escape)
        return Qt::Key_Escape;
    return evento.text().size() == 1 ? evento.text().at(0).unicode() : -1;
}

} // namespace

Form34::Form34()
    : List1(new reports::ListaTabulada)
    , StatusBar2(new QStatusBar)
    , StatusBar3(new QStatusBar)
    , StatusBar1(new QStatusBar)
    , Timer1(new QTimer(this))
    , Timer2(new QTimer(this))
    , cuenta_(barra(StatusBar2, QStringLiteral("Actualizar en"), QStringLiteral("Segundos Aprox.")))
    , sorteo_(barra(StatusBar3, QStringLiteral("Sorteo")))
    , total_(barra(StatusBar1, QStringLiteral("Total en venta Bs.:")))
{
    List1->setFont(QFont(QStringLiteral("Comic Sans MS"), 8));
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);
    raiz->addWidget(List1, 1);
    raiz->addWidget(StatusBar2);
    raiz->addWidget(StatusBar3);
    raiz->addWidget(StatusBar1);
    List1->installEventFilter(this);
    StatusBar2->installEventFilter(this);
    for (QObject* panel : StatusBar2->children())
        panel->installEventFilter(this);
    Timer2->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form34::pideTurno);
    connect(Timer2, &QTimer::timeout, this, &Form34::Timer2_Timer);
}

Form34::~Form34()
{
    Timer1->stop();
    Timer2->stop();
}

void Form34::carga(double segundos)
{
    // Cells are laid with tab characters: one stop of 40 dialog units
    // lines their columns up.
    List1->setTabStops({-40});
    resize(pixeles(6300), pixeles(5355));
    segundosmonitor() = segundos;
    VecesAct = segundos;
    if (segundos > 0) {
        Timer1->start(static_cast<int>(segundos * 1000));
    } else {
        Timer1->stop();
    }
}

QString Form34::cuentaRegresiva() const
{
    return cuenta_->text();
}

QString Form34::sorteo() const
{
    return sorteo_->text();
}

QString Form34::totalEnVenta() const
{
    return total_->text();
}

QStringList Form34::lineas() const
{
    QStringList salida;
    for (int i = 0; i < List1->count(); ++i)
        salida << List1->item(i)->text();
    return salida;
}

void Form34::muestraSinDatos()
{
    List1->clear();
    List1->addItem(SinDatos);
}

void Form34::actualizamonitor()
{
    ++refrescos_;
    try {
        lee();
    } catch (const db::DbError& e) {
        // One box at a time: the timers wait while it is up.
        enMensaje_ = true;
        core::muestraMensajeGeneral(e.number(), true);
        enMensaje_ = false;
    }
}

void Form34::lee()
{
    core::Sesion& s = core::sesion();
    if (platform::vb::trim(windowTitle().left(3)).isEmpty()) {
        muestraSinDatos();
        return;
    }
    const QString llamada = db::callText(QStringLiteral("monitoronline"),
                                         {lfecha, ltipo, lloteria, lnumero, lmonto, lvendedor});
    core::renuevaconexion();
    s.rsgeneral4 = s.conexion.execute(llamada);
    if (s.rsgeneral4.recordCount() == 0) {
        muestraSinDatos();
        total_->setText(QStringLiteral("0 - "));
        return;
    }
    QList<FilaMonitor> filas;
    for (s.rsgeneral4.moveFirst(); !s.rsgeneral4.eof(); s.rsgeneral4.moveNext())
        filas << leeFilaMonitor(s.rsgeneral4);
    s.rsgeneral4.moveFirst();
    s.rsgeneral4.close();
    const DisposicionMonitor d = disponeMonitor(filas, Lcol.toInt());
    List1->clear();
    List1->addItems(d.lineas);
    Timer2->start(1000);
    total_->setText(textoTotalMonitor(d.total, ltipo));
}

void Form34::pideTurno()
{
    // The timers wait while an error box is up, as the tick itself does.
    if (enMensaje_)
        return;
    turnosmonitor().pide(this, [this] {
        // The next refresh counts from this one, so windows whose timers
        // fired together stay apart.
        if (Timer1->isActive())
            Timer1->start();
        Timer1_Timer();
    });
}

void Form34::Timer1_Timer()
{
    if (enMensaje_)
        return;
    Timer2->stop();
    actualizamonitor();
}

void Form34::Timer2_Timer()
{
    if (enMensaje_)
        return;
    VecesAct -= 1;
    if (VecesAct <= 0)
        VecesAct = segundosmonitor();
    cuenta_->setText(core::separamiles(platform::regional::numberText(VecesAct)));
    sorteo_->setText(windowTitle());
    update();
}

bool Form34::teclaMonitor(int tecla)
{
    const int columnas = Lcol.toInt();
    switch (tecla) {
    case '+':
        if (columnas < 4)
            Lcol = QString::number(columnas + 1);
        return true;
    case '-':
        if (columnas >= 2)
            Lcol = QString::number(columnas - 1);
        return true;
    case Qt::Key_Escape:
        if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()))
            marco->close();
        else
            close();
        return true;
    default: return false;
    }
}

void Form34::keyPressEvent(QKeyEvent* evento)
{
    if (!teclaMonitor(teclaDe(*evento)))
        QWidget::keyPressEvent(evento);
}

bool Form34::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == List1 && evento->type() == QEvent::KeyPress)
        return teclaMonitor(teclaDe(*static_cast<QKeyEvent*>(evento)));
    if (evento->type() == QEvent::MouseButtonPress &&
        (objeto == StatusBar2 || objeto->parent() == StatusBar2)) {
        actualizamonitor();
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

} // namespace draws
