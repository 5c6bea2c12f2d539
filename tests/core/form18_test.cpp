// The instant messages: DSPVEN mode 4 and mensajessp1 on the real server,
// and the window that lists the sellers and sends.

#include "core/form18.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/dberror.h"
#include "messagerecorder.h"
#include "sessiontest.h"
#include "testdb.h"
#include "ventanasprueba.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using core::Form18;
using platform::db::DbError;
using platform::ui::windowRegistry;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;

namespace {

const QString Enviado = QStringLiteral("Mensaje enviado con exito!");
const QString Llenar = QStringLiteral("Debe llenar todos los campos");
const QString Mensajes = QStringLiteral(
    "SELECT coalesce(string_agg(concat_ws('|', codvendedor, mensaje, vend_envia, modo, leido), "
    "',' ORDER BY codvendedor, idmensaje), '') FROM mensajes");

class Form18Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_CLUSTER();
        db_ = std::make_unique<TestDatabase>();
        db_->exec(QStringLiteral("INSERT INTO vendedor (codvendedor, nombre_vend, estado_vend) VALUES "
                                 "('00002', '  DOS  ', '1'), ('00001', 'UNO', '1'), ('00003', 'TRES', '2')"));
        db_->setServerClock(QStringLiteral("2026-03-04 10:11:12"));
        testsupport::conectaSesion(*db_);
        core::sesion().usuarioactual = QStringLiteral("ADMIN");
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
    }

    void TearDown() override { ventanasprueba::limpiaVentanas(); }

    static Form18* abre()
    {
        auto* w = windowRegistry().get<Form18>(QStringLiteral("Form18"));
        if (w)
            w->showModeless();
        return w;
    }

    static QStringList items(const QComboBox* combo)
    {
        QStringList l;
        for (int i = 0; i < combo->count(); ++i)
            l << combo->itemText(i);
        return l;
    }

    // mensajessp1 as the window calls it; its answer.
    static QString envia(const QString& codigo, const QString& mensaje)
    {
        platform::db::Command cmd(core::sesion().conexion, QStringLiteral("mensajessp1"));
        using platform::db::DataType;
        using platform::db::Direction;
        cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
        cmd.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, 50, codigo);
        cmd.append(QStringLiteral("@mensaje"), DataType::VarChar, Direction::Input, 1000, mensaje);
        cmd.append(QStringLiteral("@vend_envia"), DataType::VarChar, Direction::Input, 5,
                   QStringLiteral("*****"));
        cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, QStringLiteral("0"));
        cmd.execute();
        return cmd.value(QStringLiteral("@RETURN_VALUE")).toString();
    }

    QString mensajes() { return db_->scalar(Mensajes); }

    std::unique_ptr<TestDatabase> db_;
    MessageRecorder rec_;
};

} // namespace

TEST_F(Form18Test, DspvenMode4ListsEverySellerByCode)
{
    platform::db::RecordSet rs = core::sesion().conexion.execute(
        QStringLiteral("DSPVEn '4','00000', 'ADMIN'"));
    QStringList filas;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        filas << rs.value(QStringLiteral("codvendedor")).toString() + QLatin1Char('|') +
                     rs.value(QStringLiteral("nombre_vend")).toString();
    EXPECT_EQ(filas, QStringList({QStringLiteral("00001|UNO"), QStringLiteral("00002|  DOS  "),
                                  QStringLiteral("00003|TRES")}));
    EXPECT_THROW(core::sesion().conexion.execute(QStringLiteral("DSPVEn '9','00000', 'ADMIN'")), DbError);
    EXPECT_THROW(core::sesion().conexion.execute(QStringLiteral("DSPVEn '4; x','00000', 'ADMIN'")), DbError);
}

TEST_F(Form18Test, Mensajessp1StoresOneRowPerAddressedSeller)
{
    EXPECT_EQ(envia(QStringLiteral("00002"), QStringLiteral("Hola 'dos'")), QStringLiteral("0"));
    EXPECT_EQ(mensajes(), QStringLiteral("00002|Hola 'dos'|*****|0|N"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT fechahora FROM mensajes")),
              QStringLiteral("2026-03-04 10:11:12"));

    db_->exec(QStringLiteral("DELETE FROM mensajes"));
    EXPECT_EQ(envia(QStringLiteral("@@@@@"), QStringLiteral("A todos")), QStringLiteral("0"));
    EXPECT_EQ(mensajes(), QStringLiteral("00001|A todos|*****|0|N,00002|A todos|*****|0|N,"
                                         "00003|A todos|*****|0|N"));

    struct Caso {
        QString codigo;
        QString mensaje;
        const char* retorno;
        const char* porque;
    };
    const Caso rechazos[] = {
        {QStringLiteral("99999"), QStringLiteral("x"), "6", "an unknown seller"},
        {QStringLiteral("0000"), QStringLiteral("x"), "6", "a code is compared whole"},
        {QString(), QStringLiteral("x"), "3", "no seller"},
        {QStringLiteral("00001"), QString(), "3", "no message"},
        {QStringLiteral("000011"), QStringLiteral("x"), "4", "a code longer than 5"},
        {QStringLiteral("00001"), QStringLiteral("m").repeated(301), "4", "a message longer than 300"},
    };
    db_->exec(QStringLiteral("DELETE FROM mensajes"));
    for (const Caso& c : rechazos) {
        EXPECT_EQ(envia(c.codigo, c.mensaje), QString::fromLatin1(c.retorno)) << c.porque;
        EXPECT_EQ(mensajes(), QString()) << c.porque;
    }
    EXPECT_EQ(envia(QStringLiteral("00001"), QStringLiteral("m").repeated(300)), QStringLiteral("0"));

    // No seller at all: nobody to address.
    db_->exec(QStringLiteral("DELETE FROM mensajes; DELETE FROM vendedor"));
    EXPECT_EQ(envia(QStringLiteral("@@@@@"), QStringLiteral("x")), QStringLiteral("6"));
}

TEST_F(Form18Test, OpensWithEverySellerAndAllChosen)
{
    core::sesion().puerto = QStringLiteral("1756");
    core::sesion().modoedicion = QStringLiteral("A");
    Form18* w = abre();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Vesk Mensajes - Envio de Mensajes Instantaneos"));
    EXPECT_EQ(items(w->Combo1), QStringList({QStringLiteral("00001 - UNO"), QStringLiteral("00002 - DOS"),
                                             QStringLiteral("00003 - TRES"), Form18::TodosLosVendedores}));
    EXPECT_EQ(w->Combo1->currentText(), Form18::TodosLosVendedores);
    EXPECT_EQ(w->Text1->text(), Form18::MensajeInicial);
    const core::Sesion& s = core::sesion();
    EXPECT_EQ(s.puerto, TestDatabase::port()); // the configured port, not a literal
    EXPECT_TRUE(s.modoedicion.isEmpty());
    EXPECT_EQ(s.fechaactual, QStringLiteral("04/03/2026"));
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST_F(Form18Test, WithNoSellersItWarnsAndNeedsATypedCode)
{
    db_->exec(QStringLiteral("DELETE FROM vendedor"));
    Form18* w = abre();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(rec_.prompts(),
              QStringList{QStringLiteral("No hay vendedores registrados, para poder utilizar esta opción "
                                         "registre al menos un vendedor")});
    EXPECT_EQ(rec_.boxes().first().style, platform::msg::Critical);
    EXPECT_EQ(w->Combo1->count(), 0);
    rec_.clear();
    w->Text1->setText(QStringLiteral("Hola"));
    w->enviar();
    EXPECT_EQ(rec_.prompts(), QStringList{Llenar});
}

TEST_F(Form18Test, SendsToOneSellerOrToAllAndStaysOnTheSameAddressee)
{
    Form18* w = abre();
    w->Combo1->setCurrentIndex(1);
    w->Text1->setText(QStringLiteral("Cierre a las 7"));
    w->Command1->click();
    EXPECT_EQ(rec_.prompts(), QStringList{Enviado});
    EXPECT_EQ(rec_.boxes().first().style, platform::msg::Information);
    EXPECT_EQ(rec_.boxes().first().title, QStringLiteral("Atención!"));
    EXPECT_EQ(mensajes(), QStringLiteral("00002|Cierre a las 7|*****|0|N"));
    EXPECT_TRUE(w->Text1->text().isEmpty());
    EXPECT_EQ(w->focusWidget(), w->Text1);
    EXPECT_EQ(w->Combo1->currentText(), QStringLiteral("00002 - DOS"));

    db_->exec(QStringLiteral("DELETE FROM mensajes"));
    w->Combo1->setCurrentIndex(w->Combo1->count() - 1);
    w->Text1->setText(QStringLiteral("Feliz dia"));
    w->Command1->click();
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM mensajes")), QStringLiteral("3"));
    EXPECT_EQ(db_->scalar(QStringLiteral(
                  "SELECT count(DISTINCT codvendedor) FROM mensajes WHERE mensaje = 'Feliz dia'")),
              QStringLiteral("3"));

    // A typed code alone, or cut at its first blank.
    db_->exec(QStringLiteral("DELETE FROM mensajes"));
    for (const char* tecleado : {"00003", "00001 cualquier cosa"}) {
        w->Combo1->setEditText(QString::fromLatin1(tecleado));
        w->Text1->setText(QStringLiteral("x"));
        w->Command1->click();
    }
    EXPECT_EQ(mensajes(), QStringLiteral("00001|x|*****|0|N,00003|x|*****|0|N"));
}

TEST_F(Form18Test, WhatCannotBeSentIsToldAndNothingIsStored)
{
    Form18* w = abre();
    struct Caso {
        QString vendedor;
        QString mensaje;
        QString aviso;
    };
    const Caso casos[] = {
        {Form18::TodosLosVendedores, Form18::MensajeInicial, Llenar},
        {Form18::TodosLosVendedores, QString(), Llenar},
        {QString(), QStringLiteral("Hola"), Llenar},
        {QStringLiteral("99999"), QStringLiteral("Hola"),
         QStringLiteral("El vendedor 99999 no está registrado")},
        {QStringLiteral("000012 - OTRO"), QStringLiteral("Hola"),
         QStringLiteral("El código del vendedor no puede tener más de 5 caracteres")},
        {QStringLiteral("00001"), QStringLiteral("m").repeated(301),
         QStringLiteral("El mensaje no puede tener más de 300 caracteres")},
        {QStringLiteral(" 00001"), QStringLiteral("Hola"),
         QStringLiteral("El mensaje no fue enviado, el servidor lo rechazó: código 3")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.aviso.toStdString());
        rec_.clear();
        w->Combo1->setEditText(c.vendedor);
        w->Text1->setText(c.mensaje);
        w->Command1->click();
        EXPECT_EQ(rec_.prompts(), QStringList{c.aviso});
        EXPECT_EQ(rec_.boxes().first().style, platform::msg::Critical);
        EXPECT_EQ(rec_.boxes().first().title, QStringLiteral("Atencion!"));
        EXPECT_EQ(w->Text1->text(), c.mensaje); // kept for another try
    }
    EXPECT_EQ(mensajes(), QString());
    EXPECT_EQ(rec_.programEnds(), 0);
}

TEST_F(Form18Test, ALostConnectionIsToldAndNothingIsSent)
{
    Form18* w = abre();
    w->Text1->setText(QStringLiteral("Hola"));
    core::sesion().puerto = QStringLiteral("1"); // the server is gone

    // The connection broke under the window.
    db_->exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                             "WHERE datname = current_database() AND pid <> pg_backend_pid()"));
    w->Command1->click();
    // The failed reconnection is told, then the trap's own message.
    ASSERT_GE(rec_.boxes().size(), 2);
    EXPECT_EQ(rec_.prompts()[0],
              QStringLiteral("No se puede Conectar con el Servidor de Datos Remotos... Finalizando"));
    EXPECT_FALSE(rec_.prompts().contains(Enviado));
    EXPECT_EQ(mensajes(), QString());

    // A closed connection that cannot be opened again.
    rec_.clear();
    core::sesion().conexion.close();
    w->Command1->click();
    EXPECT_TRUE(rec_.prompts().contains(
        QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema")));
    EXPECT_FALSE(rec_.prompts().contains(Enviado));
    EXPECT_EQ(rec_.programEnds(), 0);
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form18")), w);
    EXPECT_EQ(mensajes(), QString());

    // Back again: a closed connection reconnects and the message goes once.
    rec_.clear();
    core::sesion().puerto = TestDatabase::port();
    core::sesion().conexion.close();
    w->Command1->click();
    EXPECT_EQ(rec_.prompts(), QStringList{Enviado});
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM mensajes")), QStringLiteral("3"));
}

TEST_F(Form18Test, OpeningWithoutAServerEndsTheProgram)
{
    core::sesion().basedatos = QStringLiteral("no_existe");
    EXPECT_THROW(windowRegistry().get(QStringLiteral("Form18")), platform::ProgramEnded);
    EXPECT_EQ(rec_.programEnds(), 1);
    ASSERT_FALSE(rec_.boxes().isEmpty());
    EXPECT_EQ(rec_.boxes().last().prompt,
              QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema"));
    EXPECT_EQ(rec_.boxes().last().title, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(rec_.boxes().last().style, platform::msg::Critical);
}

TEST_F(Form18Test, EscAndRegresarClose)
{
    Form18* w = abre();
    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(w->isUnloaded());
    w = abre();
    w->Command2->click();
    EXPECT_TRUE(w->isUnloaded());
    EXPECT_EQ(mensajes(), QString());
}
