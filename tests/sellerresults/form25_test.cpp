// The group results page reads its group from the seller results window.

#include "reports/entregareporte.h"
#include "reports/registro.h"
#include "core/sesion.h"
#include "paginas.h"
#include "platform/ui/windowregistry.h"
#include "reports/htmlgrupos.h"
#include "sellerresults/form25.h"
#include "sellerresults/registro.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

using platform::ui::windowRegistry;
using testsupport::dinero;

namespace {

QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

QString paginaEscrita()
{
    QFile archivo(reports::archivoReporte());
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(archivo.readAll());
}

} // namespace

TEST(Form25, TheGroupResultsCountTheGroupChosenInItsGroupBox)
{
    QTemporaryDir carpeta;
    qputenv("DUROZ_HOME", carpeta.path().toUtf8());
    windowRegistry().clear();
    reports::registerWindows(windowRegistry());
    sellerresults::registerWindows(windowRegistry());

    auto* form25 = windowRegistry().get<sellerresults::Form25>(s("Form25"));
    ASSERT_NE(form25, nullptr);
    form25->ELGRUPO->addItems({s("00001 - Centro"), s("00002 - Norte")});
    form25->ELGRUPO->setCurrentIndex(1);

    const auto fila = [](const char* grupo, const char* venta) {
        return QVariantList{s("00001"),  {},          {},       dinero(venta), dinero("1"),
                            dinero("1"), dinero("1"), s("Ana"), s(grupo),      dinero("0")};
    };
    platform::db::RecordSet rs = testsupport::porPosicion(
        10, {3, 4, 5, 6, 9}, {fila("00001", "100"), fila("00002", "250"), fila("00002", "4")});
    reports::htmlgrupos(rs, s("Fecha Desde : 01/03/2024   HASTA : 31/03/2024"), s("Grupo: 00002 - Norte"),
                        s("1"));
    EXPECT_TRUE(paginaEscrita().contains(s(" <b>254,00</b>"))) << paginaEscrita().toStdString();

    windowRegistry().clear();
    qunsetenv("DUROZ_HOME");
}
