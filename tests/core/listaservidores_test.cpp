// The server list's fields and the download's address.

#include "core/listaservidores.h"
#include "qtprint.h"

#include <gtest/gtest.h>

#include <vector>

using core::camposlistaservidores;

TEST(ListaServidoresTest, FieldsEndAtCommasAndLineEndsWithQuotesAndBlanksHandled)
{
    struct Caso {
        QByteArray contenido;
        std::vector<const char*> campos;
    };
    const Caso casos[] = {
        {"", {}},
        {"10.0.0.1", {"10.0.0.1"}},
        {"A\r\nB\nC\r\n", {"A", "B", "C"}},
        {"A,B, C", {"A", "B", "C"}},
        {"   A  \r\n\tB\t\r\n", {"A", "B"}},
        {"\"SERVIDOR, CENTRO\",X", {"SERVIDOR, CENTRO", "X"}},
        {"  \"  con blancos \"  , Y", {"  con blancos ", "Y"}},
        {"\"A\"resto,B", {"A", "B"}},
        {"A,,B", {"A", "", "B"}},
        {"A\r\n\r\n\r\nB", {"A", "B"}},
        {"\"sin cierre", {"sin cierre"}},
        {"CA\xd1"
         "ADA",
         {"CA\xc3\x91"
          "ADA"}}, // the workstation's code page
    };
    for (const Caso& c : casos) {
        QStringList campos;
        for (const char* campo : c.campos)
            campos << QString::fromUtf8(campo);
        EXPECT_EQ(camposlistaservidores(c.contenido), campos) << c.contenido.toStdString();
    }
}

TEST(ListaServidoresTest, AMissingFileGivesNoServers)
{
    EXPECT_TRUE(core::leelistaservidores(QStringLiteral("/no/existe/server.txt")).isEmpty());
}

TEST(ListaServidoresTest, TheDownloadAddressIsTheConfiguredSitesUpdatePath)
{
    struct Caso {
        const char* sitio;
        const char* url;
    };
    const Caso casos[] = {
        {"", "http://127.0.0.1/update/server.txt"},
        {"actualiza.ejemplo.com", "http://actualiza.ejemplo.com/update/server.txt"},
        {"http://127.0.0.1:8080/", "http://127.0.0.1:8080/update/server.txt"},
        {"https://sitio.ejemplo", "https://sitio.ejemplo/update/server.txt"},
    };
    for (const Caso& c : casos) {
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", c.sitio);
        EXPECT_EQ(core::urllistaservidores().toString(), QString::fromLatin1(c.url)) << c.sitio;
    }
    qunsetenv("DUROZ_SERVIDOR_ACTUALIZACION");
}
