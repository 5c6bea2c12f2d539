// An error that escapes a handler without a trap of its own: the event
// dispatch of the program's application object catches it, the trap's
// general message tells it, and the program goes on.

#include "core/conexion.h"
#include "messagerecorder.h"
#include "platform/db/dberror.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"

#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using platform::db::DbError;
using platform::ui::windowRegistry;
using testsupport::MessageRecorder;

namespace {

const QString MensajeGeneral = QStringLiteral(
    "Ha ocurrido un error probablemente por la perdida de conexión con el servidor por favor, "
    "salga de la aplicacion y vuelva a ingresar si el error persiste, Gracias!");

QString mensajeNumerado(int numero)
{
    return MensajeGeneral + QChar(13) + QStringLiteral("ERROR NRO: ") + QString::number(numero);
}

// A window with one button whose click runs `accion`, and a load that runs
// `carga` (both without a trap of their own).
class Ventana : public platform::ui::Window {
public:
    explicit Ventana(std::function<void()> carga = {}) : carga_(std::move(carga))
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(boton);
        connect(boton, &QPushButton::clicked, this, [this] {
            ++clics;
            if (accion)
                accion();
        });
    }
    QPushButton* boton = new QPushButton(QStringLiteral("Aceptar"));
    std::function<void()> accion;
    int clics = 0;

protected:
    void onLoad() override
    {
        if (carga_)
            carga_();
    }

private:
    std::function<void()> carga_;
};

class EscapedErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core::installEscapedErrorReport();
        ventana_ = new Ventana;
        ventana_->showModeless();
    }
    void TearDown() override
    {
        delete ventana_;
        windowRegistry().clear();
        platform::ui::setEscapedErrorReport({});
    }
    void clic() { QTest::mouseClick(ventana_->boton, Qt::LeftButton); }

    Ventana* ventana_ = nullptr;
    MessageRecorder rec_;
};

} // namespace

TEST_F(EscapedErrorTest, AHandlerThatThrowsShowsTheGeneralMessageAndTheProgramGoesOn)
{
    struct Caso {
        const char* que;
        std::function<void()> lanza;
        QString mensaje;
    };
    const Caso casos[] = {
        {"a refused call",
         [] {
             throw DbError(platform::db::err::ServerError, QStringLiteral("refused"), DbError::ServerSource);
         },
         mensajeNumerado(platform::db::err::ServerError)},
        {"a lost connection", [] { throw DbError::closed(); }, mensajeNumerado(3704)},
        {"a fault of the program", [] { throw std::logic_error("fault"); }, mensajeNumerado(0)},
        {"something thrown that is no exception", [] { throw 42; }, mensajeNumerado(0)},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        rec_.clear();
        ventana_->accion = c.lanza;
        clic();
        EXPECT_EQ(rec_.prompts(), QStringList{c.mensaje});
        ASSERT_EQ(rec_.boxes().size(), 1);
        EXPECT_EQ(rec_.boxes()[0].style, 64);
        EXPECT_EQ(rec_.boxes()[0].title, QStringLiteral("Atención!"));
    }
    // Still running: the next click is handled as usual.
    rec_.clear();
    ventana_->accion = {};
    const int antes = ventana_->clics;
    clic();
    EXPECT_EQ(ventana_->clics, antes + 1);
    EXPECT_TRUE(rec_.boxes().isEmpty());
    EXPECT_TRUE(ventana_->isVisible());
}

TEST_F(EscapedErrorTest, AWindowWhoseLoadFailsLeavesNoWindowAndTheOpenerRunning)
{
    windowRegistry().add(QStringLiteral("Form5"), [] {
        return new Ventana([] {
            throw DbError(platform::db::err::CannotConnect, QStringLiteral("gone"), DbError::ServerSource);
        });
    });
    ventana_->accion = [] { windowRegistry().show(QStringLiteral("Form5")); };
    clic();
    EXPECT_EQ(rec_.prompts(), QStringList{mensajeNumerado(platform::db::err::CannotConnect)});
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form5")), nullptr);
    EXPECT_TRUE(ventana_->isVisible());
}

TEST_F(EscapedErrorTest, TheEndOfTheProgramIsNoErrorAndPassesThrough)
{
    ventana_->accion = [] { platform::endProgram(); };
    EXPECT_THROW(clic(), platform::ProgramEnded);
    EXPECT_EQ(rec_.programEnds(), 1);
    EXPECT_TRUE(rec_.boxes().isEmpty());
}

TEST(EscapedErrorReportTest, WithoutAReportTheErrorGoesToStandardErrorAndIsSwallowed)
{
    platform::ui::setEscapedErrorReport({});
    MessageRecorder rec;
    QPushButton boton;
    QObject::connect(&boton, &QPushButton::clicked, [] { throw std::runtime_error("nobody listens"); });
    QTest::mouseClick(&boton, Qt::LeftButton);
    EXPECT_TRUE(rec.boxes().isEmpty());
}

// The program's own application object, as main() makes it.
int main(int argc, char** argv)
{
    platform::ui::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
