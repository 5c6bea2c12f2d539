#include "lotteries/marcodias.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>

namespace lotteries {

QGroupBox* marcodias(QList<QCheckBox*>& dias, const std::function<QWidget*()>& nuevaHora)
{
    static const char* const nombres[] = {"Lunes",   "Martes", "Miercoles", "Jueves",
                                          "Viernes", "Sabado", "Domingo"};
    auto* marco = new QGroupBox(QStringLiteral("< D i a s     y      H o r a s    Limite >"));
    auto* rejilla = new QGridLayout(marco);
    for (int d = 0; d < 7; ++d) {
        dias.append(new QCheckBox(QString::fromLatin1(nombres[d])));
        rejilla->addWidget(dias[d], d, 0);
        rejilla->addWidget(nuevaHora(), d, 1);
    }
    return marco;
}

} // namespace lotteries
