#include "sellerparams/form45.h"

#include "sellerparams/comun.h"

#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sellerparams {

namespace db = platform::db;

Form45::Form45()
    : Label30(new QLabel)
    , Label1(new QLabel)
    , Label4(new QLabel)
    , Text4(new QLineEdit)
    , XPButton1(new QPushButton(QStringLiteral("Aceptar")))
    , XPButton2(new QPushButton(QStringLiteral("Cancelar")))
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    setWindowTitle(QStringLiteral("Actualizar Columna de datos"));
    Label1->hide();
    Label4->hide();
    core::conectafiltrodecimal(Text4);
    auto* raiz = new QVBoxLayout(this);
    auto* rejilla = new QGridLayout;
    rejilla->addWidget(new QLabel(QStringLiteral("Columna:")), 0, 0);
    rejilla->addWidget(Label30, 0, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("Valor:")), 1, 0);
    rejilla->addWidget(Text4, 1, 1);
    raiz->addLayout(rejilla);
    raiz->addWidget(Label1);
    raiz->addWidget(Label4);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* boton : {XPButton1, XPButton2}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    raiz->addLayout(botones);
    connect(XPButton1, &QPushButton::clicked, this, &Form45::XPButton1_Click);
    connect(XPButton2, &QPushButton::clicked, this, &QWidget::close);
}

void Form45::prepara(GrillaParametros* origen, int columna, const QString& titulo)
{
    origen_ = origen;
    Label1->setText(QString::number(columna));
    Label30->setText(titulo);
    Label4->setText(origen ? origen->tabla() : QString());
}

QString Form45::columnade(const QString& tabla, int indice)
{
    static const QStringList venLot{
        QStringLiteral("lim_tri"),       QStringLiteral("lim_ter"),      QStringLiteral("lim_digito"),
        QStringLiteral("Comi_tri"),      QStringLiteral("Comi_ter"),     QStringLiteral("Comi_digito"),
        QStringLiteral("p_tri_1"),       QStringLiteral("p_ter_1"),      QStringLiteral("p_ter_2"),
        QStringLiteral("premio_digito"), QStringLiteral("comision_jefe")};
    static const QStringList vendespec{QStringLiteral("lim_tri"),  QStringLiteral("lim_ter"),
                                       QStringLiteral("Comi_tri"), QStringLiteral("Comi_ter"),
                                       QStringLiteral("p_tri_1"),  QStringLiteral("p_ter_1"),
                                       QStringLiteral("p_ter_2"),  QStringLiteral("comision_jefe")};
    return (tabla == QLatin1String("vendespec") ? vendespec : venLot).value(indice - 2);
}

void Form45::XPButton1_Click()
{
    atrapa([this] {
        core::renuevaconexion();
        if (Text4->text().isEmpty())
            return;
        const QString tabla = platform::vb::trim(Label4->text());
        const QString columna = columnade(Label4->text(), Label1->text().toInt());
        // The seller and special play of the grid the dialog was opened
        // from, whatever the catalogue shows by now.
        QStringList argumentos{origen_ ? origen_->vendedor() : QString(), columna, Text4->text(), tabla};
        if (Label4->text() == QLatin1String("vendespec"))
            argumentos << (origen_ ? origen_->especial() : QString());
        core::renuevaconexion();
        core::sesion().conexion.execute(db::callText(QStringLiteral("actvenlotcol"), argumentos));
        close();
    });
}

bool Form45::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(
        *evento, [this] { close(); }, [this] { XPButton1_Click(); });
}

bool Form45::onQueryUnload()
{
    if (origen_) {
        core::manejoerrores(core::Trampa::simple(), [this] {
            core::renuevaconexion();
            origen_->rellena(true);
        });
    }
    return true;
}

} // namespace sellerparams
