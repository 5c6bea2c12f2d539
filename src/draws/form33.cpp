#include "draws/form33.h"

#include "draws/monitores.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"
#include "reports/ventanareporte.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace draws {

namespace db = platform::db;
using platform::regional::toText;
using platform::vb::trim;

namespace {

const QString Columnas = QStringLiteral("Nro. Columnas");
const QString Segundos = QStringLiteral("Segundos para Actualizar");

// The lists' items: code, " - ", name trimmed, from a shared list.
void llenaLista(const db::RecordSet& compartida, const char* codigo, const char* nombre,
                const std::function<void(const QString&)>& agrega)
{
    db::RecordSet filas = compartida.clone();
    for (filas.moveFirst(); !filas.eof(); filas.moveNext())
        agrega(toText(filas.value(QLatin1String(codigo))) + QStringLiteral(" - ") +
               trim(toText(filas.value(QLatin1String(nombre)))));
}

bool sinFilas(const db::RecordSet& rs)
{
    return rs.state() != db::RecordSet::StateOpen || rs.recordCount() == 0;
}

} // namespace

Form33::Form33()
    : DTPicker1(new QDateEdit)
    , List1(new QListWidget)
    , Combo3(new QComboBox)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
    , Combo2(new QComboBox)
    , Text1(new QLineEdit(QStringLiteral("2")))
    , Text2(new QLineEdit(QStringLiteral("10")))
    , Command1(new QPushButton(QStringLiteral("Ver Monitor")))
    , Command2(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(QStringLiteral("Monitor On Line"));
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DTPicker1->setCalendarPopup(true);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    Combo3->setEditable(true);
    Combo2->setEditable(true);
    Combo2->setMinimumContentsLength(25);
    core::conectaLimite(Text3, 3);
    core::conectaLimite(Text1, 1);
    core::conectaLimite(Text2, 2);
    for (QLineEdit* caja : {Text3, Text1, Text2})
        caja->installEventFilter(this);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Fecha"), DTPicker1);
    campos->addRow(QStringLiteral("Tipo"), Combo3);
    campos->addRow(QStringLiteral("Número"), Text3);
    campos->addRow(QStringLiteral("Monto"), Text4);
    auto* marco = new QGroupBox(QStringLiteral("< Seleccion un Vendedor >"));
    auto* vendedor = new QFormLayout(marco);
    vendedor->addRow(Combo2);
    vendedor->addRow(Columnas, Text1);
    vendedor->addRow(Segundos, Text2);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* boton : {Command1, Command2}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    auto* derecha = new QVBoxLayout;
    derecha->addLayout(campos);
    derecha->addWidget(marco);
    derecha->addLayout(botones);
    auto* loterias = new QVBoxLayout;
    loterias->addWidget(new QLabel(QStringLiteral("Loteria")));
    loterias->addWidget(List1);
    auto* raiz = new QHBoxLayout(this);
    raiz->addLayout(loterias, 1);
    raiz->addLayout(derecha);

    const QList<QWidget*> orden = {DTPicker1, Combo3, Text3,    Text4,    Combo2,
                                   Text1,     Text2,  Command1, Command2, List1};
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);

    connect(Command1, &QPushButton::clicked, this, &Form33::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

int Form33::enteroNoNegativo(const QString& texto)
{
    const QString limpio = trim(texto);
    if (limpio.isEmpty() || !std::all_of(limpio.cbegin(), limpio.cend(), [](QChar c) { return c.isDigit(); }))
        return -1;
    return limpio.toInt();
}

void Form33::onLoad()
{
    Combo3->addItems({QStringLiteral("1 - Triples"), QStringLiteral("2 - Terminales"),
                      QStringLiteral("3 - Ter. Especial"), QStringLiteral("4 - Trip. Especial"),
                      QStringLiteral("5 - Digito")});
    Combo3->setCurrentIndex(0);
    core::Sesion& s = core::sesion();
    s.modoedicion.clear();
    s.puerto = core::puertoservidor();
    if (sinFilas(s.rsloterias)) {
        core::cajacompartida(QStringLiteral("No hay Loterias Configuradas en el Sistema..."),
                             QStringLiteral("Quorvelin 2007 - PUNTO DE VENTA"));
        return;
    }
    if (sinFilas(s.rsvendedores)) {
        core::cajacompartida(QStringLiteral("No hay Vendedores Configurados en el Sistema..."),
                             QStringLiteral("Quorvelin 2007 - PUNTO DE VENTA"));
        return;
    }
    List1->clear();
    llenaLista(s.rsloterias, "COD_LOT", "desc_lot", [this](const QString& item) { List1->addItem(item); });
    Combo2->clear();
    llenaLista(s.rsvendedores, "codvendedor", "nombre_vend",
               [this](const QString& item) { Combo2->addItem(item); });
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(QString());
    s.rsgeneral4 = db::RecordSet();
    core::fechaservidor();
    if (const auto hoy = platform::regional::parseDate(s.fechaactual))
        DTPicker1->setDate(*hoy);
    reiniciamonitores();
    DTPicker1->setFocus();
}

bool Form33::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

bool Form33::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == Text3 && evento->type() == QEvent::KeyPress) {
        // A second "." is dropped; anything else goes in, "*" included.
        return core::codigotecla(*static_cast<QKeyEvent*>(evento)) == '.' &&
               Text3->text().contains(QLatin1Char('.'));
    }
    if (evento->type() == QEvent::FocusOut) {
        // A box the operator leaves, not one a message box or a menu took
        // the focus from, nor one of a window on its way out.
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason && isVisible() &&
            !isUnloaded()) {
            if (objeto == Text1)
                Text1_LostFocus();
            else if (objeto == Text2)
                Text2_LostFocus();
        }
    }
    return Window::eventFilter(objeto, evento);
}

bool Form33::validaCaja(QLineEdit* caja, int maximo, const QString& nombre)
{
    if (enteroNoNegativo(caja->text()) >= 0)
        return true;
    platform::msgbox(nombre + QStringLiteral(" debe ser un número entero de 0 a ") + QString::number(maximo),
                     platform::msg::Critical, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    return false;
}

void Form33::dejaCaja(QLineEdit* caja, int maximo, const QString& nombre, QString& ultimo)
{
    if (!validaCaja(caja, maximo, nombre)) {
        caja->setText(ultimo);
        return;
    }
    if (enteroNoNegativo(caja->text()) > maximo)
        caja->setText(QString::number(maximo));
    ultimo = caja->text();
    Command1_Click();
}

void Form33::Text1_LostFocus()
{
    dejaCaja(Text1, 5, Columnas, ultimasColumnas_);
}

void Form33::Text2_LostFocus()
{
    dejaCaja(Text2, 60, Segundos, ultimosSegundos_);
}

void Form33::Command1_Click()
{
    if (!validaCaja(Text1, 5, Columnas) || !validaCaja(Text2, 60, Segundos))
        return;
    const QString fecha = reports::VentanaReporte::fechatexto(DTPicker1->date());
    const auto columnas = static_cast<qint16>(enteroNoNegativo(Text1->text()));
    const double segundos = enteroNoNegativo(Text2->text());
    for (int i = 0; i < List1->count(); ++i) {
        if (!List1->item(i)->isSelected())
            continue;
        abremonitor(fecha, core::primerapalabra(Combo3->currentText()), List1->item(i)->text(), Text3->text(),
                    Text4->text(), core::primerapalabra(Combo2->currentText()), columnas, segundos);
    }
}

} // namespace draws
