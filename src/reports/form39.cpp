#include "reports/form39.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace reports {

Form39::Form39()
{
    setWindowTitle(QStringLiteral("Ver ticket"));
    List1 = new QListWidget(this);
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSizeF(8.25);
    List1->setFont(fuente);
    Command2 = new QPushButton(QStringLiteral("Regresar"), this);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(List1);
    disposicion->addWidget(Command2, 0, Qt::AlignHCenter);
    resize(320, 480);
    connect(Command2, &QPushButton::clicked, this, &Form39::Command2_Click);
}

void Form39::llena(const QStringList& lineas)
{
    List1->clear();
    List1->addItems(lineas);
}

QStringList Form39::lineas() const
{
    QStringList lineas;
    for (int i = 0; i < List1->count(); ++i)
        lineas << List1->item(i)->text();
    return lineas;
}

void Form39::Command2_Click()
{
    close();
}

} // namespace reports
