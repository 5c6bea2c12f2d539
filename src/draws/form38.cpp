#include "draws/form38.h"

#include "draws/form17.h"

#include "core/conexion.h"
#include "core/grillacatalogo.h"
#include "core/sesion.h"
#include "core/validapermiso.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace draws {

namespace msg = platform::msg;
using platform::vb::rtrim;
using platform::vb::trim;

namespace {

// The shown positions of premiappal's rows; 12 to 14 stay hidden.
const QList<core::Columna> Columnas = {
    {0, QStringLiteral("Codigo")},     {1, QStringLiteral("Descripción"), 2000},
    {2, QStringLiteral("1er Triple")}, {3, QStringLiteral("2do Triple")},
    {4, QStringLiteral("3er Triple")}, {5, QStringLiteral("1er Term.")},
    {6, QStringLiteral("2do Term.")},  {7, QStringLiteral("3er Term.")},
    {8, QStringLiteral("Trip. Esp.")}, {9, QStringLiteral("Jugada")},
    {10, QStringLiteral("Especial")},  {11, QStringLiteral("Digito")},
    {15, QStringLiteral("Procesado")},
};

} // namespace

Form38::Form38()
    : DataGrid1(new core::GrillaCatalogo)
    , eslafeCha(new QDateEdit)
    , XPButton11(new QPushButton(QStringLiteral("16 . - Procesar Resultados")))
    , Command1(new QPushButton(QStringLiteral("Registrar - Modifi. Premio")))
    , XPButton1(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(QStringLiteral("Catalogo de Premios"));
    setFrame({.fixedBorder = true, .minButton = true, .maxButton = false, .centred = true});
    eslafeCha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    eslafeCha->setCalendarPopup(true);
    eslafeCha->setDateRange(QDate(2004, 1, 1), QDate(9999, 12, 31));
    DataGrid1->setMinimumHeight(300);
    // Code, name and the twelve numbers and marks of a row.
    DataGrid1->reserveColumnsWidth(2000 + 12 * 1150);

    auto* fecha = new QHBoxLayout;
    fecha->addWidget(new QLabel(QStringLiteral("Fecha del Sorteo")));
    fecha->addWidget(eslafeCha);
    fecha->addStretch();
    auto* botones = new QHBoxLayout;
    botones->addWidget(XPButton11);
    botones->addStretch();
    botones->addWidget(Command1);
    botones->addWidget(XPButton1);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(fecha);
    todo->addWidget(DataGrid1);
    todo->addLayout(botones);

    connect(eslafeCha, &QDateEdit::dateChanged, this, [this] {
        if (isVisible())
            lista();
    });
    connect(Command1, &QPushButton::clicked, this, &Form38::abreEntrada);
    connect(XPButton11, &QPushButton::clicked, this, &Form38::procesar);
    connect(XPButton1, &QPushButton::clicked, this, &QWidget::close);
    connect(DataGrid1, &QAbstractItemView::doubleClicked, DataGrid1, &core::GrillaCatalogo::refresh);
}

QString Form38::fechaTexto() const
{
    return eslafeCha->date().toString(QStringLiteral("dd/MM/yyyy"));
}

void Form38::onLoad()
{
    core::fechaservidor();
    if (const auto dia = platform::regional::parseDate(core::sesion().fechaactual))
        eslafeCha->setDate(*dia);
    core::sesion().marcadormaestro = platform::db::Bookmark{};
}

// The list read again on a fresh connection, back on the row last opened.
void Form38::onActivate()
{
    core::manejoerrores(core::Trampa::reejecuta().numerada(), [this] {
        core::renuevaconexion();
        lista();
        if (DataGrid1->tieneFila())
            DataGrid1->irAMarcador(core::sesion().marcadormaestro);
    });
}

void Form38::lista()
{
    DataGrid1->setDataSource(core::sesion().conexion.execute(
        platform::db::callText(QStringLiteral("premiappal"), {fechaTexto()})));
    DataGrid1->disponeColumnas(Columnas);
}

bool Form38::onKeyPreview(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && DataGrid1->hasFocus()) {
        abreEntrada();
        return true;
    }
    return false;
}

// The selected lottery's recorded numbers into the entry window; the first
// triple goes first, since writing it derives the terminals and the digit
// that the recorded ones then replace.
void Form38::abreEntrada()
{
    if (!DataGrid1->tieneFila())
        return;
    auto* entrada = platform::ui::windowRegistry().get<Form17>(QStringLiteral("Form17"));
    if (!entrada)
        return;
    const auto celda = [this](int posicion) { return trim(DataGrid1->textoColumna(posicion)); };
    entrada->bloqueaLoteria();
    entrada->eslafeCha->setEnabled(false);
    entrada->Combo1->setEditText(celda(0) + QStringLiteral(" - ") + rtrim(DataGrid1->textoColumna(1)));
    entrada->Text2->setText(celda(2));
    entrada->Text5->setText(celda(5));
    entrada->Text3->setText(celda(3));
    entrada->Text4->setText(celda(4));
    entrada->Text6->setText(celda(6));
    entrada->Text7->setText(celda(7));
    entrada->Text1->setText(celda(11));
    entrada->Text8->setText(celda(8));
    // A recorded result (its first triple is never empty) keeps its special
    // play: the entry window shows the recorded play, detail and terminal
    // (position 16) instead of the lottery's last play, so that correcting
    // the other numbers does not rewrite them. The terminal goes after the
    // triple, whose writing derives one.
    if (!celda(2).isEmpty()) {
        entrada->Text10->setText(celda(16));
        entrada->especialRegistrado(celda(10), celda(9));
    }
    entrada->eslafeCha->setDate(eslafeCha->date());
    core::sesion().marcadormaestro = DataGrid1->marcador();
    entrada->showModal(this);
}

void Form38::procesar()
{
    if (!core::validapermiso(XPButton11->text())) {
        platform::msgbox(QStringLiteral("Permiso de acceso denegado"), msg::Critical,
                         QStringLiteral("Atención!"));
        return;
    }
    platform::ui::windowRegistry().show(QStringLiteral("Form37"));
}

} // namespace draws
