#pragma once
// Golden pages: a report page compared with the page stored under
// tests/reports/golden/. The stored pages have plain line ends; the page
// itself must end every line with CR LF. On a mismatch the test shows the
// first differing lines. DUROZ_ACTUALIZA_GOLDEN=1 writes the pages instead
// (review the diff before committing them).

#include "qtprint.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QString>
#include <QStringList>

namespace testsupport {

inline QString rutaGolden(const QString& nombre)
{
    return QStringLiteral(DUROZ_GOLDEN_DIR "/") + nombre;
}

inline void comparaConGolden(const QByteArray& pagina, const QString& nombre)
{
    const QString texto = QString::fromUtf8(pagina);
    // Every line ends in CR LF: no bare LF, no bare CR.
    EXPECT_EQ(texto.count(QStringLiteral("\r\n")), texto.count(QLatin1Char('\n'))) << nombre.toStdString();
    EXPECT_EQ(texto.count(QStringLiteral("\r\n")), texto.count(QLatin1Char('\r'))) << nombre.toStdString();
    EXPECT_TRUE(texto.endsWith(QStringLiteral("\r\n"))) << nombre.toStdString();
    QString plano = texto;
    plano.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QFile archivo(rutaGolden(nombre));
    if (qEnvironmentVariableIntValue("DUROZ_ACTUALIZA_GOLDEN") == 1) {
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly)) << rutaGolden(nombre).toStdString();
        archivo.write(plano.toUtf8());
        return;
    }
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly)) << rutaGolden(nombre).toStdString();
    const QString esperado = QString::fromUtf8(archivo.readAll());
    const QStringList a = esperado.split(QLatin1Char('\n'));
    const QStringList b = plano.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString ea = i < a.size() ? a[i] : QStringLiteral("<no line>");
        const QString eb = i < b.size() ? b[i] : QStringLiteral("<no line>");
        if (ea != eb) {
            ADD_FAILURE() << nombre.toStdString() << " line " << i + 1 << "\n  expected: " << ea.toStdString()
                          << "\n  written:  " << eb.toStdString();
            return;
        }
    }
}

} // namespace testsupport
