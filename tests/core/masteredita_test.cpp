// The catalogue and editor pair, on a probe pair over an in-memory list:
// what every member inherits without saying it.

#include "core/masteredita.h"
#include "core/sesion.h"
#include "messagerecorder.h"
#include "qtprint.h"

#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

using namespace core;
namespace db = platform::db;
using platform::msg::AnswerNo;
using platform::msg::AnswerYes;
using testsupport::MessageRecorder;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");

db::RecordSet listaDe(const QStringList& codigos)
{
    db::RecordSet rs;
    rs.appendField(QStringLiteral("codigo"), db::DataType::VarChar, 3);
    rs.appendField(QStringLiteral("nombre"), db::DataType::VarChar, 25);
    rs.appendField(QStringLiteral("oculto"), db::DataType::VarChar, 5);
    for (const QString& codigo : codigos) {
        rs.addNew();
        rs.setValue(0, codigo);
        rs.setValue(1, QString(QStringLiteral("Nombre ") + codigo));
        rs.setValue(2, QStringLiteral("x"));
        rs.update();
    }
    if (!codigos.isEmpty())
        rs.moveFirst();
    return rs;
}

// The "server" of the probe pair.
struct Servidor {
    QStringList codigos{QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("003")};
    int lecturas = 0;
    QStringList llamadas; // "modo:codigo"
    QString respuesta = QStringLiteral("0");
    int fallosCerrada = 0; // calls that fail as on a closed connection
};
Servidor* servidor = nullptr;

class ProbeCatalogo : public Catalogo {
public:
    ProbeCatalogo() : Catalogo(QStringLiteral("Probe"))
    {
        auto* layout = new QVBoxLayout(areaDetalle());
        layout->addWidget(codigo);
    }
    QLineEdit* codigo = new QLineEdit;
    QList<bool> editores; // agregar?

    using Catalogo::activaMenuContextual;
    using Catalogo::enlaza;
    using Catalogo::setEditor;
    using Catalogo::setEnterModifica;
    using Catalogo::setLectura;
    using Catalogo::setNuevoAlPrimero;
    using Catalogo::setTeclasFuncion;

    bool abreModal = false;

protected:
    db::RecordSet leeLista() override
    {
        ++servidor->lecturas;
        return listaDe(servidor->codigos);
    }
    QList<Columna> columnas() const override
    {
        return {{0, QStringLiteral("Còdigo"), 765}, {1, QStringLiteral("Nombre "), 3000}};
    }
    void muestraFila() override { codigo->setText(grilla()->textoColumna(0)); }
    void abreEditor(bool agregar) override
    {
        editores.append(agregar);
        if (abreModal)
            abreEditorModal(QStringLiteral("probeeditor"));
        if (porDefecto)
            Catalogo::abreEditor(agregar);
    }

public:
    bool porDefecto = false;
    QString llamaEliminar() override
    {
        if (servidor->fallosCerrada > 0) {
            --servidor->fallosCerrada;
            throw db::DbError::closed();
        }
        servidor->llamadas << QStringLiteral("3:") + codigo->text();
        if (servidor->respuesta == QLatin1String("0"))
            servidor->codigos.removeAll(codigo->text());
        return servidor->respuesta;
    }
};

class ProbeEditor : public Editor {
public:
    ProbeEditor() : Editor(QStringLiteral("Pruebas"))
    {
        auto* layout = new QVBoxLayout(areaCampos());
        layout->addWidget(codigo);
        setCajaCodigo(codigo);
    }
    QLineEdit* codigo = new QLineEdit;
    bool rechaza = false;
    QList<bool> despues;
    inline static int cierres = 0;

protected:
    void preparaModificar() override { codigo->setText(QStringLiteral("002")); }
    bool validaGrabar() override { return !rechaza; }
    QString llamaGrabar(const QString& modo) override
    {
        servidor->llamadas << modo + QLatin1Char(':') + codigo->text();
        return servidor->respuesta;
    }
    void trasGrabar(bool exito) override { despues.append(exito); }
    void alCerrar() override { ++cierres; }
};

class MasterEditaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        servidor = &server;
        sesion() = Sesion();
        platform::ui::windowRegistry().add<ProbeEditor>(QStringLiteral("probeeditor"));
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        servidor = nullptr;
    }

    ProbeCatalogo* abre(Lectura lectura = Lectura::Guardada)
    {
        auto* catalogo = new ProbeCatalogo;
        catalogo->setLectura(lectura);
        catalogo->showModeless();
        platform::ui::doEvents();
        return catalogo;
    }
    ProbeEditor* editor(const QString& modo)
    {
        sesion().modoedicion = modo;
        auto* e = platform::ui::windowRegistry().get<ProbeEditor>(QStringLiteral("probeeditor"));
        e->showModeless();
        return e;
    }

    Servidor server;
    MessageRecorder rec;
};

} // namespace

TEST_F(MasterEditaTest, ActivationBindsTheListWithOnlyTheMembersColumns)
{
    sesion().modoedicion = QStringLiteral("M");
    ProbeCatalogo* catalogo = abre();
    EXPECT_EQ(sesion().modoedicion, QString()) << "the load empties the mode";
    GrillaCatalogo* grilla = catalogo->grilla();
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Còdigo"));
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Nombre "));
    EXPECT_NEAR(grilla->anchoTwips(0), 765, 15);
    EXPECT_NEAR(grilla->anchoTwips(1), 3000, 15);
    EXPECT_FALSE(grilla->isColumnHidden(0));
    EXPECT_FALSE(grilla->isColumnHidden(1));
    EXPECT_TRUE(grilla->isColumnHidden(2));
    EXPECT_EQ(catalogo->codigo->text(), QStringLiteral("001"));
    EXPECT_TRUE(grilla->hasFocus());
    EXPECT_EQ(server.lecturas, 1);
}

TEST_F(MasterEditaTest, AKeptListReturnsToTheSavedPositionOnEveryActivation)
{
    ProbeCatalogo* catalogo = abre();
    GrillaCatalogo* grilla = catalogo->grilla();
    grilla->setCurrentIndex(grilla->model()->index(2, 0));
    EXPECT_EQ(catalogo->codigo->text(), QStringLiteral("003")) << "row change shows the row";

    catalogo->modificar();
    EXPECT_EQ(sesion().modoedicion, QStringLiteral("M"));
    EXPECT_EQ(catalogo->editores, QList<bool>{false});

    grilla->setCurrentIndex(grilla->model()->index(0, 0)); // the operator moves away…
    auto* otra = new platform::ui::Window;                 // …and comes back from another window
    otra->showModeless();
    catalogo->showModeless();
    EXPECT_EQ(grilla->textoColumna(0), QStringLiteral("003"));
    EXPECT_EQ(catalogo->codigo->text(), QStringLiteral("003"));
    EXPECT_EQ(server.lecturas, 1) << "a kept list is read at load only";

    catalogo->nuevo();
    EXPECT_EQ(sesion().modoedicion, QStringLiteral("A"));
    otra->showModeless();
    catalogo->showModeless();
    EXPECT_EQ(grilla->textoColumna(0), QStringLiteral("001")) << "after Nuevo: the first row";
    otra->close();
}

TEST_F(MasterEditaTest, AListReadOnEveryActivationStartsOnItsFirstRow)
{
    ProbeCatalogo* catalogo = abre(Lectura::EnCadaActivacion);
    catalogo->grilla()->setCurrentIndex(catalogo->grilla()->model()->index(1, 0));
    server.codigos.append(QStringLiteral("004"));
    auto* otra = new ProbeCatalogo;
    otra->showModeless();
    catalogo->showModeless();
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 4);
    EXPECT_EQ(catalogo->grilla()->textoColumna(0), QStringLiteral("001"));
    otra->close();
}

TEST_F(MasterEditaTest, AnEmptyListLeavesTheGridUnboundAndNuevoStillWorks)
{
    server.codigos.clear();
    ProbeCatalogo* catalogo = abre();
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 0);
    EXPECT_FALSE(catalogo->grilla()->tieneFila());
    EXPECT_EQ(catalogo->codigo->text(), QString());
    catalogo->nuevo();
    EXPECT_EQ(catalogo->editores, QList<bool>{true});
}

TEST_F(MasterEditaTest, DeleteAsksThenCallsReportsAndReadsTheListAgain)
{
    ProbeCatalogo* catalogo = abre();
    catalogo->grilla()->setCurrentIndex(catalogo->grilla()->model()->index(1, 0));

    rec.answerNext(AnswerNo);
    catalogo->eliminar();
    EXPECT_TRUE(server.llamadas.isEmpty()) << "No sends nothing";
    ASSERT_EQ(rec.boxes().size(), 1);
    EXPECT_EQ(rec.boxes()[0].prompt, Pregunta);
    EXPECT_EQ(rec.boxes()[0].style, 276);
    EXPECT_EQ(rec.boxes()[0].title, TituloBackOffice);

    rec.clear();
    rec.answerNext(AnswerYes);
    catalogo->eliminar();
    EXPECT_EQ(server.llamadas, QStringList{QStringLiteral("3:002")});
    EXPECT_EQ(rec.prompts(), (QStringList{Pregunta, Exito}));
    EXPECT_EQ(rec.boxes()[1].style, 64);
    EXPECT_EQ(rec.boxes()[1].title, QStringLiteral("Atención!"));
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 2);

    rec.clear();
    server.respuesta = QStringLiteral("55");
    rec.answerNext(AnswerYes);
    catalogo->eliminar();
    EXPECT_EQ(rec.prompts(), (QStringList{Pregunta, Problema}));
    EXPECT_EQ(server.lecturas, 3) << "read again whatever the answer";
}

TEST_F(MasterEditaTest, AFailedReconnectionEndsTheHandlerAndTheProgramGoesOn)
{
    testsupport::MessageRecorder& r = rec;
    ProbeCatalogo* catalogo = abre();
    server.fallosCerrada = 1;
    // The reconnection fails (nothing listens there): its own messages,
    // then the handler ends and the program goes on.
    sesion().servidor = QStringLiteral("127.0.0.1");
    sesion().puerto = QStringLiteral("1");
    r.answerNext(AnswerYes);
    catalogo->eliminar();
    EXPECT_TRUE(server.llamadas.isEmpty());
    EXPECT_TRUE(r.prompts().contains(
        QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema")));
    EXPECT_EQ(r.programEnds(), 0);
    EXPECT_TRUE(catalogo->isVisible());
}

TEST_F(MasterEditaTest, ErrorsOfAHandlerGoToTheSharedTrapInsteadOfEndingTheProgram)
{
    class SinEliminar : public ProbeCatalogo {
    protected:
        QString llamaEliminar() override { return Catalogo::llamaEliminar(); }
    };
    auto* catalogo = new SinEliminar;
    catalogo->showModeless();
    rec.answerNext(AnswerYes);
    catalogo->eliminar();
    ASSERT_EQ(rec.boxes().size(), 2);
    EXPECT_TRUE(rec.boxes()[1].prompt.startsWith(QStringLiteral("Ha ocurrido un error")));
    EXPECT_TRUE(rec.boxes()[1].prompt.endsWith(QStringLiteral("ERROR NRO: 3001")));
    catalogo->close();
}

TEST_F(MasterEditaTest, KeysOfTheCatalogue)
{
    ProbeCatalogo* catalogo = abre();
    catalogo->setTeclasFuncion(true);
    catalogo->grilla()->setFocus();
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(catalogo->editores, QList<bool>{false}) << "Enter in the grid modifies";

    catalogo->codigo->setFocus();
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(catalogo->editores.size(), 1) << "not from another control";
    catalogo->setEnterModifica(EnterModifica::EnLaVentana);
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(catalogo->editores.size(), 2);

    QTest::keyClick(catalogo->windowHandle(), Qt::Key_F2);
    EXPECT_EQ(catalogo->editores.last(), true);

    const QPointer<ProbeCatalogo> vigilado(catalogo);
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vigilado.isNull()) << "Esc closes";
}

TEST_F(MasterEditaTest, ThePopUpMenuOffersModifyAndDelete)
{
    ProbeCatalogo* catalogo = abre();
    EXPECT_EQ(catalogo->menuContextual(), nullptr);
    catalogo->activaMenuContextual();
    ASSERT_NE(catalogo->menuContextual(), nullptr);
    const QList<QAction*> acciones = catalogo->menuContextual()->actions();
    ASSERT_EQ(acciones.size(), 2);
    EXPECT_EQ(acciones[0]->text(), QStringLiteral("Modificar"));
    EXPECT_EQ(acciones[1]->text(), QStringLiteral("Eliminar"));
    acciones[0]->trigger();
    EXPECT_EQ(catalogo->editores, QList<bool>{false});
}

struct CasoModo {
    const char* modoedicion;
    bool agrega;
    const char* titulo;
    const char* modoEnviado;
};

class EditorModoTest : public MasterEditaTest, public ::testing::WithParamInterface<CasoModo> {};

TEST_P(EditorModoTest, OnlyAAdds)
{
    ProbeEditor* e = editor(QString::fromUtf8(GetParam().modoedicion));
    EXPECT_EQ(e->agregando(), GetParam().agrega);
    EXPECT_EQ(e->windowTitle(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(e->codigo->isEnabled(), GetParam().agrega);
    e->codigo->setText(QStringLiteral("009"));
    e->grabar();
    EXPECT_EQ(server.llamadas,
              QStringList{QString::fromUtf8(GetParam().modoEnviado) + QStringLiteral(":009")});
}

INSTANTIATE_TEST_SUITE_P(Modos, EditorModoTest,
                         ::testing::Values(CasoModo{"A", true, "Agregando Pruebas", "1"},
                                           CasoModo{"M", false, "Modificando Pruebas", "2"},
                                           CasoModo{"", false, "Modificando Pruebas", "2"},
                                           CasoModo{"a", false, "Modificando Pruebas", "2"}));

TEST_F(MasterEditaTest, SaveReportsTheOutcomeClosesOnSuccessAndKeepsWhatWasTypedOnARefusal)
{
    for (const QString& respuesta : {QStringLiteral("0"), QStringLiteral(" 55 ")}) {
        rec.clear();
        server.respuesta = respuesta;
        const bool exito = respuesta == QLatin1String("0");
        ProbeEditor* e = editor(QStringLiteral("A"));
        const QPointer<ProbeEditor> vigilado(e);
        e->codigo->setText(QStringLiteral("777"));
        e->grabar();
        EXPECT_EQ(e->despues, QList<bool>{exito});
        EXPECT_EQ(rec.prompts(), QStringList{exito ? Exito : Problema});
        EXPECT_EQ(rec.boxes()[0].style, 64);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(vigilado.isNull(), exito);
        if (!exito) {
            EXPECT_TRUE(e->isVisible());
            EXPECT_EQ(e->codigo->text(), QStringLiteral("777"));
            e->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    EXPECT_EQ(sesion().modoedicion, QStringLiteral("A")) << "kept unless the member empties it";
}

TEST_F(MasterEditaTest, AnErrorOfTheSaveKeepsTheEditorOpen)
{
    class Falla : public ProbeEditor {
    protected:
        QString llamaGrabar(const QString&) override
        {
            throw db::DbError::badArgument(QStringLiteral("fuera de rango"));
        }
    };
    platform::ui::windowRegistry().add<Falla>(QStringLiteral("probeeditor"));
    ProbeEditor* e = editor(QStringLiteral("A"));
    e->codigo->setText(QStringLiteral("888"));
    e->grabar();
    ASSERT_EQ(rec.boxes().size(), 1);
    EXPECT_TRUE(rec.boxes()[0].prompt.contains(QStringLiteral("ERROR NRO: ")));
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->codigo->text(), QStringLiteral("888"));
    e->close();
}

// The editor's own outcome messages replace the ACT call's.
TEST_F(MasterEditaTest, AMemberTellsItsOwnOutcome)
{
    class Propio : public ProbeEditor {
    protected:
        bool informaGrabado(const QString& respuesta) override
        {
            platform::msgbox(QStringLiteral("grabado ") + respuesta);
            return true;
        }
    };
    platform::ui::windowRegistry().add<Propio>(QStringLiteral("probeeditor"));
    server.respuesta = QStringLiteral("x");
    const QPointer<ProbeEditor> e(editor(QStringLiteral("A")));
    e->grabar();
    EXPECT_EQ(rec.prompts(), QStringList{QStringLiteral("grabado x")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(e.isNull());
}

// An editor whose lookups find nothing to offer keeps its initial caption
// and its boxes as they were made.
TEST_F(MasterEditaTest, AnEditorWhoseListsCannotLoadKeepsItsInitialState)
{
    class SinListas : public ProbeEditor {
    protected:
        bool cargaListas() override { return false; }
    };
    platform::ui::windowRegistry().add<SinListas>(QStringLiteral("probeeditor"));
    ProbeEditor* e = editor(QStringLiteral("M"));
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Pruebas"));
    EXPECT_EQ(e->codigo->text(), QString());
    EXPECT_TRUE(e->codigo->isEnabled());
    e->close();
}

// Fields first, in the member's order, then the buttons; the first field
// that can take it has the focus (the key box is disabled to modify).
TEST_F(MasterEditaTest, TheEditorsTabOrderRunsThroughItsFieldsThenItsButtons)
{
    class DosCampos : public ProbeEditor {
    public:
        DosCampos()
        {
            areaCampos()->layout()->addWidget(nombre);
            setCamposEnOrden({codigo, nombre});
        }
        QLineEdit* nombre = new QLineEdit;
    };
    platform::ui::windowRegistry().add<DosCampos>(QStringLiteral("probeeditor"));
    for (const QString& modo : {QStringLiteral("A"), QStringLiteral("M")}) {
        auto* e = static_cast<DosCampos*>(editor(modo));
        platform::ui::doEvents();
        QWidget* primero = modo == QLatin1String("A") ? static_cast<QWidget*>(e->codigo) : e->nombre;
        EXPECT_EQ(QApplication::focusWidget(), primero) << modo.toStdString();
        EXPECT_EQ(e->codigo->nextInFocusChain(), e->nombre);
        EXPECT_EQ(e->nombre->nextInFocusChain(), e->botonGrabar());
        EXPECT_EQ(e->botonGrabar()->nextInFocusChain(), e->botonDeshacer());
        e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Without an order of its own, the fields in the order they were made.
TEST_F(MasterEditaTest, WithoutAnOrderTheFieldsGoInTheOrderTheyWereMade)
{
    class Creados : public ProbeEditor {
    public:
        Creados() { areaCampos()->layout()->addWidget(segundo); }
        QLineEdit* segundo = new QLineEdit;
    };
    platform::ui::windowRegistry().add<Creados>(QStringLiteral("probeeditor"));
    auto* e = static_cast<Creados*>(editor(QStringLiteral("A")));
    platform::ui::doEvents();
    EXPECT_EQ(QApplication::focusWidget(), e->codigo);
    EXPECT_EQ(e->codigo->nextInFocusChain(), e->segundo);
    EXPECT_EQ(e->segundo->nextInFocusChain(), e->botonGrabar());
    e->close();
}

TEST_F(MasterEditaTest, ARefusedCheckKeepsTheEditorOpenAndSendsNothing)
{
    ProbeEditor* e = editor(QStringLiteral("A"));
    e->rechaza = true;
    e->grabar();
    EXPECT_TRUE(server.llamadas.isEmpty());
    EXPECT_TRUE(e->isVisible());
    e->close();
}

TEST_F(MasterEditaTest, EditorKeysEscClosesWithoutSavingEnterSaves)
{
    ProbeEditor::cierres = 0;
    ProbeEditor* e = editor(QStringLiteral("M"));
    e->codigo->setFocus();
    QTest::keyClick(e->windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(server.llamadas.isEmpty());
    EXPECT_EQ(ProbeEditor::cierres, 1);
    EXPECT_EQ(sesion().modoedicion, QStringLiteral("M"));

    e = editor(QStringLiteral("M"));
    QTest::keyClick(e->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(server.llamadas, QStringList{QStringLiteral("2:002")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ProbeEditor::cierres, 2);
}

TEST_F(MasterEditaTest, AModalEditorReturnsToTheCatalogueAtItsSavedRow)
{
    ProbeCatalogo* catalogo = abre();
    catalogo->abreModal = true;
    catalogo->grilla()->setCurrentIndex(catalogo->grilla()->model()->index(1, 0));
    QTimer::singleShot(0, [] {
        auto* e = platform::ui::windowRegistry().get<ProbeEditor>(QStringLiteral("probeeditor"));
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->isVisible());
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Pruebas"));
        e->grabar();
    });
    catalogo->modificar(); // returns once the editor has closed
    EXPECT_EQ(server.llamadas, QStringList{QStringLiteral("2:002")});
    EXPECT_EQ(catalogo->grilla()->textoColumna(0), QStringLiteral("002"));
    EXPECT_EQ(catalogo->codigo->text(), QStringLiteral("002"));
}

TEST_F(MasterEditaTest, NuevoKeepsTheSavedPositionWhenTheMemberSaysSo)
{
    ProbeCatalogo* catalogo = abre();
    catalogo->setNuevoAlPrimero(false);
    catalogo->grilla()->setCurrentIndex(catalogo->grilla()->model()->index(2, 0));
    catalogo->modificar();
    const db::Bookmark guardado = sesion().marcadormaestro;
    ASSERT_TRUE(guardado.isValid());
    catalogo->nuevo();
    EXPECT_EQ(sesion().modoedicion, QStringLiteral("A"));
    EXPECT_EQ(sesion().marcadormaestro, guardado);
}

// After a delete the detail shows the row now current, and nothing when
// the list is empty: "&Nuevo" never starts from a deleted row.
TEST_F(MasterEditaTest, AfterADeleteTheDetailShowsTheRowNowCurrent)
{
    server.codigos = {QStringLiteral("001"), QStringLiteral("002")};
    ProbeCatalogo* catalogo = abre();
    catalogo->grilla()->setCurrentIndex(catalogo->grilla()->model()->index(1, 0));
    ASSERT_EQ(catalogo->codigo->text(), QStringLiteral("002"));
    for (const QString& queda : {QStringLiteral("001"), QString()}) {
        rec.answerNext(AnswerYes);
        catalogo->eliminar();
        EXPECT_EQ(catalogo->codigo->text(), queda);
        EXPECT_EQ(catalogo->grilla()->textoColumna(0), queda);
    }
    EXPECT_EQ(server.llamadas, (QStringList{QStringLiteral("3:002"), QStringLiteral("3:001")}));
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 0);
}

TEST_F(MasterEditaTest, TheDeleteMessagesAndFollowUpAreTheMembers)
{
    class Propio : public ProbeCatalogo {
    public:
        QStringList pasos;

    protected:
        void informaEliminado(const QString& respuesta) override
        {
            pasos << QStringLiteral("informa ") + respuesta;
        }
        void trasEliminar() override { pasos << QStringLiteral("despues"); }
        void noElimina() override { pasos << QStringLiteral("no"); }
    };
    auto* catalogo = new Propio;
    catalogo->showModeless();
    rec.answerNext(AnswerNo);
    catalogo->eliminar();
    rec.answerNext(AnswerYes);
    catalogo->eliminar();
    EXPECT_EQ(catalogo->pasos,
              (QStringList{QStringLiteral("no"), QStringLiteral("informa 0"), QStringLiteral("despues")}));
    EXPECT_EQ(rec.prompts(), (QStringList{Pregunta, Pregunta}));
    catalogo->close();
}

// setEditor: the buttons open the named editor, modal (the call returns
// once it has closed) or modeless (it returns with the editor open).
TEST_F(MasterEditaTest, TheDefaultEditorOpensWithItsModalityForAddAndForModify)
{
    ProbeCatalogo* catalogo = abre();
    catalogo->porDefecto = true;
    catalogo->setEditor(QStringLiteral("probeeditor"), Modalidad::NoModal, Modalidad::Modal);
    catalogo->nuevo();
    auto* e = ventanaAbierta<ProbeEditor>(QStringLiteral("probeeditor"));
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Agregando Pruebas"));
    e->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    bool visto = false;
    QTimer::singleShot(0, [&visto] {
        auto* modal = ventanaAbierta<ProbeEditor>(QStringLiteral("probeeditor"));
        ASSERT_NE(modal, nullptr);
        visto = modal->isVisible() && modal->windowTitle() == QStringLiteral("Modificando Pruebas");
        modal->close();
    });
    catalogo->modificar();
    EXPECT_TRUE(visto);
    EXPECT_EQ(ventanaAbierta<ProbeEditor>(QStringLiteral("probeeditor")), nullptr)
        << "closed when modal returns";
}

TEST_F(MasterEditaTest, TheTypedLookUpAnswersOnlyAnOpenWindowOfThatClass)
{
    EXPECT_EQ(ventanaAbierta<ProbeEditor>(QStringLiteral("probeeditor")), nullptr) << "not open";
    auto* e = cargaVentana<ProbeEditor>(QStringLiteral("probeeditor"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(ventanaAbierta<ProbeEditor>(QStringLiteral("probeeditor")), e);
    EXPECT_EQ(ventanaAbierta<Catalogo>(QStringLiteral("probeeditor")), nullptr) << "another class";
    EXPECT_EQ(cargaVentana<ProbeEditor>(QStringLiteral("nadie")), nullptr);
}

TEST_F(MasterEditaTest, AWindowOutsideThePairRunsItsHandlersUnderTheSharedTrap)
{
    class Suelta : public VentanaAtrapada {
    public:
        void maneja()
        {
            atrapa([] { throw db::DbError::badArgument(QStringLiteral("x")); });
        }
    };
    Suelta ventana;
    ventana.maneja();
    ASSERT_EQ(rec.boxes().size(), 1);
    EXPECT_TRUE(rec.boxes()[0].prompt.startsWith(QStringLiteral("Ha ocurrido un error")));
    EXPECT_TRUE(rec.boxes()[0].prompt.contains(QStringLiteral("ERROR NRO: ")));
}

struct CasoOpcion {
    const char* guardado;
    CoincideOpcion coincide;
    const char* item;
};

class OpcionTest : public ::testing::TestWithParam<CasoOpcion> {};

const QStringList Pagos = {QStringLiteral("0.- Punta y Cola"), QStringLiteral("1.- Aproximaciones"),
                           QStringLiteral("2.- Seco"), QStringLiteral("3.- Comodines")};

TEST_P(OpcionTest, AStoredValueShowsItsItemAndTheItemStoresItsDigit)
{
    const QString item = QString::fromUtf8(GetParam().item);
    EXPECT_EQ(itemopcion(Pagos, QString::fromUtf8(GetParam().guardado), GetParam().coincide), item);
    QComboBox lista;
    lista.addItems(Pagos);
    muestraOpcion(&lista, QString::fromUtf8(GetParam().guardado), GetParam().coincide);
    EXPECT_EQ(lista.currentText(), item);
    if (!item.isEmpty()) {
        EXPECT_EQ(valorOpcion(item), QString::fromUtf8(GetParam().guardado).trimmed().left(1));
    }
}

INSTANTIATE_TEST_SUITE_P(Items, OpcionTest,
                         ::testing::Values(CasoOpcion{"2", CoincideOpcion::ValorEntero, "2.- Seco"},
                                           CasoOpcion{" 2 ", CoincideOpcion::ValorEntero, "2.- Seco"},
                                           CasoOpcion{"0", CoincideOpcion::ValorEntero, "0.- Punta y Cola"},
                                           CasoOpcion{"21", CoincideOpcion::ValorEntero, ""},
                                           CasoOpcion{"21", CoincideOpcion::PrimerCaracter, "2.- Seco"},
                                           CasoOpcion{"9", CoincideOpcion::ValorEntero, ""},
                                           CasoOpcion{"", CoincideOpcion::PrimerCaracter, ""}));

TEST(Opcion, AnItemStoresItsDigitOnly)
{
    EXPECT_EQ(valorOpcion(QStringLiteral("2.- Seco")), QStringLiteral("2"));
    EXPECT_EQ(valorOpcion(QString()), QString());
}
