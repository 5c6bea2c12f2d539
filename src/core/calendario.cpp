#include "core/calendario.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/sesion.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace core {

calendario::calendario()
    : MonthView1(new QCalendarWidget)
    , Label1(new QLabel)
    , Image1(new QLabel)
    , XPButton1(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(QStringLiteral("Calendario - Servidor"));
    setFrame({.fixedBorder = true, .maxButton = false});
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setGridVisible(true);
    Label1->setObjectName(QStringLiteral("Label1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    XPButton1->setObjectName(QStringLiteral("XPButton1"));
    connect(XPButton1, &QPushButton::clicked, this, &QWidget::close);

    auto* pie = new QHBoxLayout;
    pie->addWidget(Image1);
    pie->addWidget(Label1, 1);
    pie->addWidget(XPButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MonthView1);
    layout->addLayout(pie);
}

void calendario::onLoad()
{
    bool leida = false;
    manejoerrores(Trampa::reejecuta().numerada(), [this, &leida] {
        muestraFecha();
        leida = true;
    });
    if (!leida)
        close(); // nothing of the server's to show
}

void calendario::muestraFecha()
{
    fechaservidor();
    const Sesion& s = sesion();
    MonthView1->setSelectedDate(QDate::fromString(s.fechaactual, QStringLiteral("dd/MM/yyyy")));
    Label1->setText(QStringLiteral("HORA: ") + s.horaactual);
}

bool calendario::onKeyPreview(QKeyEvent* evento)
{
    return teclasventana(*evento, [this] { close(); });
}

} // namespace core
