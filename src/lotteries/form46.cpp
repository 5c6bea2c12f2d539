#include "lotteries/form46.h"

#include "lotteries/form10.h"
#include "lotteries/seleccion.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/grillacatalogo.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace lotteries {

namespace db = platform::db;

Form46::Form46()
    : Combo4(new QComboBox)
    , DataGrid1(new core::GrillaCatalogo)
    , XPButton1(new QPushButton(QStringLiteral("Regresar")))
    , XPButton2(new QPushButton(QStringLiteral("Seleccionar")))
{
    setWindowTitle(QStringLiteral("Parametros Especiales"));
    Combo4->setObjectName(QStringLiteral("Combo4"));
    Combo4->setEditable(true);
    auto* raiz = new QVBoxLayout(this);
    auto* loteria = new QHBoxLayout;
    loteria->addWidget(new QLabel(QStringLiteral("Loteria")));
    loteria->addWidget(Combo4, 1);
    raiz->addLayout(loteria);
    raiz->addWidget(DataGrid1, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* boton : {XPButton2, XPButton1}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    raiz->addLayout(botones);
    connect(XPButton1, &QPushButton::clicked, this, &QWidget::close);
    connect(XPButton2, &QPushButton::clicked, this, &Form46::XPButton2_Click);
}

db::RecordSet Form46::leeLista(const QString& loteria)
{
    return core::sesion().conexion.execute(db::callText(QStringLiteral("dspparamlotespec"), {loteria}));
}

void Form46::onLoad()
{
    atrapa([this] {
        core::renuevaconexion();
        const db::RecordSet lista = leeLista(loteriaactual());
        const bool hayLineas = lista.recordCount() > 0;
        if (hayLineas)
            enlaza(lista);
        XPButton2->setEnabled(hayLineas);
        core::sesion().marcadordetalle = db::Bookmark{};
    });
}

void Form46::enlaza(const db::RecordSet& lista)
{
    DataGrid1->setDataSource(lista);
    const QStringList titulos{
        QStringLiteral("Codigo"),     QStringLiteral("Jugada"),     QStringLiteral("Lim. Tri."),
        QStringLiteral("Lim. Ter."),  QStringLiteral("Comi. Tri."), QStringLiteral("Comi. Ter."),
        QStringLiteral("Prem. Tri."), QStringLiteral("Prem. 1ero"), QStringLiteral("Prem. 2do")};
    // The grid's own widths show the values and the whole captions.
    const QFontMetrics letra = DataGrid1->horizontalHeader()->fontMetrics();
    const int margen = 4 * DataGrid1->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int columna = 0; columna < titulos.size(); ++columna) {
        DataGrid1->ponTitulo(columna, titulos[columna]);
        DataGrid1->setColumnWidth(columna, qMax(DataGrid1->columnWidth(columna),
                                                letra.horizontalAdvance(titulos[columna]) + margen));
    }
    DataGrid1->ponAnchoTwips(1, 2500);
}

void Form46::rellena(const db::RecordSet& lista)
{
    if (lista.recordCount() < 1)
        return;
    enlaza(lista);
    DataGrid1->irAMarcador(core::sesion().marcadordetalle);
}

void Form46::XPButton2_Click()
{
    atrapa([this] {
        // Loading the editor reads this window's current line first.
        auto* editor = core::cargaVentana<Form10>(QStringLiteral("Form10"));
        if (!editor)
            return;
        editor->List1->clear();
        editor->List1->addItem(platform::vb::trim(DataGrid1->textoColumna(0)) + QStringLiteral(" - ") +
                               platform::vb::rtrim(DataGrid1->textoColumna(1)));
        core::sesion().marcadordetalle = DataGrid1->marcador();
        editor->showModeless();
    });
}

bool Form46::onKeyPreview(QKeyEvent* evento)
{
    const int tecla = core::codigotecla(*evento);
    if (tecla == core::TeclaEnter && DataGrid1->hasFocus()) {
        DataGrid1->refresh();
        // With no lines there is nothing to edit, as "Seleccionar" says.
        if (DataGrid1->tieneFila())
            XPButton2_Click();
        return false;
    }
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace lotteries
