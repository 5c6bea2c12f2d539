#pragma once
// The catalogue and editor pair most catalogues of the program share: a list
// window (a grid bound to the list procedure's rows, a read-only detail area
// of the current row, "&Nuevo", "&Modificar", "&Eliminar", "&Regresar") and
// an editor window ("&Grabar", "&Deshacer") that adds the row or modifies the
// one the list shows, through the catalogue's ACT procedure.
//
// The list hands its request to the editor through two shared values:
// sesion().modoedicion ("A" add, "M" modify, "" none; an editor adds only on
// "A") and sesion().marcadormaestro (the grid position to come back to; an
// invalid bookmark stands for the first row).
//
// A member window states only its differences: its list call, columns and
// row display, how it opens its editor, its delete call; the editor its
// lookups, its contents per mode and its save call. Every handler of both
// windows runs under the shared error trap (trampa()).
//
// Example, a catalogue of regions whose list is read on each activation,
// and its editor:
//
//   class masterregion : public core::Catalogo {
//   public:
//       masterregion() : Catalogo(QStringLiteral("Regiones")) { …detail boxes in areaDetalle()… }
//   protected:
//       RecordSet leeLista() override { return core::sesion().conexion.execute(QStringLiteral("DSPGBR")); }
//       QList<core::Columna> columnas() const override { return {{0, QStringLiteral("Código"), 800}, …}; }
//       void muestraFila() override { Text1->setText(grilla()->textoColumna(0)); … }
//       void abreEditor(bool agregar) override { abreEditorModal(QStringLiteral("editaregion")); }
//       QString llamaEliminar() override
//       {
//           Command cmd = core::comandoact(QStringLiteral("ACTGBR"));
//           cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, QStringLiteral("3"));
//           …
//           cmd.execute();
//           return core::respuesta(cmd);
//       }
//   };
//
//   class editaregion : public core::Editor {
//   public:
//       editaregion() : Editor(QStringLiteral("Región")) { …boxes in areaCampos()…; setCajaCodigo(Text1); }
//   protected:
//       void preparaModificar() override { …copy the catalogue's detail… }
//       QString llamaGrabar(const QString& modo) override { …ACTGBR with @xmodo = modo… }
//   };

#include "core/conexion.h"
#include "core/grillacatalogo.h"

#include "platform/db/command.h"
#include "platform/ui/window.h"

#include <QList>
#include <QString>

class QBoxLayout;
class QCheckBox;
class QMenu;
class QPushButton;

namespace core {

// Title of the program's own boxes.
inline const QString TituloBackOffice = QStringLiteral("Quorvelin 2007 - BACK OFFICE");
inline const QString TituloAtencion = QStringLiteral("Atención!");

// The delete question, style 276 (Yes and No, critical icon, No the
// default button) under `titulo`; true for Yes.
bool confirmaeliminar(const QString& titulo = TituloBackOffice);
// The outcome of an ACT call: "0" (trimmed) is success. Shows "La
// transacción ha sido realizada con éxito!" or "Ha ocurrido un problema
// tratando de realizar la transacción" (style 64, "Atención!"); answers
// whether it succeeded.
bool informaresultado(const QString& respuesta);

// A typed ACT call on the shared connection, its first parameter
// "@RETURN_VALUE"; the time-out when given (the data-access default
// otherwise).
platform::db::Command comandoact(const QString& procedimiento, int tiempoEspera = -1);
// "@RETURN_VALUE" read as text, blanks removed.
QString respuesta(const platform::db::Command& comando);

// --- Detail helpers of catalogues and editors.
// A field's value as text without trailing blanks ("" for NULL).
QString textocampo(const QVariant& valor);
// A list item "code - name" (itemcodigo), both without trailing blanks;
// "" when there is no code (an optional reference left empty).
QString itemcodigo(const QVariant& codigo, const QVariant& nombre);
// A stored switch: ticked when the value is "S" exactly (case matters),
// after removing trailing blanks unless `comoGuardado`.
bool marcada(const QVariant& valor, bool comoGuardado = false);
// A check box as the saves send it: "N" unchecked, "S" otherwise.
QString bandera(const QCheckBox* casilla);

// How a catalogue keeps its list.
enum class Lectura {
    // Read on every activation; the grid starts on the first row.
    EnCadaActivacion,
    // Read at load and kept (saves and deletes replace it); every
    // activation binds it again and returns to marcadormaestro.
    Guardada,
};

// Where Enter opens the editor to modify.
enum class EnterModifica { Nunca, EnLaGrilla, EnLaVentana };

class Catalogo : public platform::ui::Window {
    Q_OBJECT
public:
    GrillaCatalogo* grilla() const { return grilla_; }
    // The list the catalogue keeps (Lectura::Guardada) or last read.
    platform::db::RecordSet lista() const { return lista_; }
    // Replaces the kept list (an editor's save re-reads it so); the grid
    // shows it at the next activation.
    void reemplazaLista(const platform::db::RecordSet& lista);

    // The operations of the buttons, keys and pop-up menu.
    void nuevo();
    void modificar();
    void eliminar();
    void regresar();

    QPushButton* botonNuevo() const { return nuevo_; }
    QPushButton* botonModificar() const { return modificar_; }
    QPushButton* botonEliminar() const { return eliminar_; }
    QPushButton* botonRegresar() const { return regresar_; }
    // The pop-up menu over the grid (right button), when the member offers it.
    QMenu* menuContextual() const { return menu_; }

protected:
    explicit Catalogo(const QString& titulo);

    // --- What each member states.
    // Runs the list procedure and answers its rows.
    virtual platform::db::RecordSet leeLista() = 0;
    // The columns the grid shows; after a delete, when they differ.
    virtual QList<Columna> columnas() const = 0;
    virtual QList<Columna> columnasTrasEliminar() const { return columnas(); }
    // Copies the current row into the detail area (nothing when the list
    // stands on no row).
    virtual void muestraFila() {}
    // Shows the editor; modoedicion and marcadormaestro are set already.
    virtual void abreEditor(bool agregar) = 0;
    // Sends the delete (ACT mode "3") and answers the return value as text.
    // The default refuses: a member without delete keeps the button hidden.
    virtual QString llamaEliminar();
    // After the answer No to the delete question.
    virtual void noElimina() {}
    // The error trap of every handler.
    virtual Trampa trampa() const { return Trampa::reejecuta().numerada(); }

    // --- Settings of the member (in its constructor).
    void setLectura(Lectura lectura) { lectura_ = lectura; }
    void setEnterModifica(EnterModifica donde) { enterModifica_ = donde; }
    // Keeps a grid position: 1 at load and on Nuevo, the bookmark on Modificar.
    void setGuardaPosicion(bool guarda) { guardaPosicion_ = guarda; }
    void setTituloConfirmacion(const QString& titulo) { tituloConfirmacion_ = titulo; }
    // F2 Nuevo, F3 Eliminar, F4 Modificar.
    void setTeclasFuncion(bool activas) { teclasFuncion_ = activas; }
    // The pop-up menu "Modificar", "Eliminar" on the grid's right button.
    void activaMenuContextual();

    // The detail area beside the grid, for the member's controls.
    QWidget* areaDetalle() const { return detalle_; }
    // The row of buttons under the grid.
    QBoxLayout* filaBotones() const { return botones_; }

    // Shows the registered editor window modal, owned by this window.
    void abreEditorModal(const QString& nombre);
    // Binds `lista` to the grid with the member's columns. False, and the
    // grid left as it was, when the list has no rows.
    bool enlaza(const platform::db::RecordSet& lista);
    bool enlaza(const platform::db::RecordSet& lista, const QList<Columna>& columnas);
    // Runs `manejador` under the member's trap.
    void atrapa(const std::function<void()>& manejador);

    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void filaCambiada();

    GrillaCatalogo* grilla_;
    QWidget* detalle_;
    QBoxLayout* botones_;
    QPushButton* nuevo_;
    QPushButton* modificar_;
    QPushButton* eliminar_;
    QPushButton* regresar_;
    QMenu* menu_ = nullptr;
    platform::db::RecordSet lista_;

    Lectura lectura_ = Lectura::EnCadaActivacion;
    EnterModifica enterModifica_ = EnterModifica::EnLaGrilla;
    bool guardaPosicion_ = true;
    bool teclasFuncion_ = false;
    QString tituloConfirmacion_ = TituloBackOffice;
};

class Editor : public platform::ui::Window {
    Q_OBJECT
public:
    // The mode chosen at load: true when modoedicion was "A".
    bool agregando() const { return agregando_; }

    // "&Grabar" (and Enter): the member's checks, the save call, the
    // outcome message, the member's follow-up, then the editor closes.
    void grabar();
    // "&Deshacer" (and Esc): closes without saving.
    void deshacer();

    QPushButton* botonGrabar() const { return grabar_; }
    QPushButton* botonDeshacer() const { return deshacer_; }

protected:
    // `sustantivo` names the rows: captions "Agregando " + sustantivo and
    // "Modificando " + sustantivo.
    explicit Editor(const QString& sustantivo);

    // --- What each member states.
    // Fills the lookup lists; runs first at load, in both modes.
    virtual void cargaListas() {}
    // The first contents of each mode.
    virtual void preparaAgregar() {}
    virtual void preparaModificar() {}
    // The member's checks before the save; false ends the save with the
    // editor open (the member has told the operator why).
    virtual bool validaGrabar() { return true; }
    // Sends the ACT call with "@xmodo" `modo` ("1" add, "2" modify) and
    // answers the return value as text.
    virtual QString llamaGrabar(const QString& modo) = 0;
    // After the outcome message; `exito` for "0". Members re-read their
    // catalogue's list here.
    virtual void trasGrabar(bool exito) { Q_UNUSED(exito); }
    // When the editor closes, in every way.
    virtual void alCerrar() {}
    virtual Trampa trampa() const { return Trampa::reejecuta().numerada(); }

    // --- Settings of the member.
    // The key box: enabled to add, disabled to modify.
    void setCajaCodigo(QWidget* caja) { cajaCodigo_ = caja; }
    // Empty modoedicion after a save / on "&Deshacer".
    void setVaciaModoAlGrabar(bool vacia) { vaciaModoAlGrabar_ = vacia; }
    void setVaciaModoAlDeshacer(bool vacia) { vaciaModoAlDeshacer_ = vacia; }

    // The area above the buttons, for the member's controls.
    QWidget* areaCampos() const { return campos_; }
    QBoxLayout* filaBotones() const { return botones_; }
    void atrapa(const std::function<void()>& manejador);

    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;

private:
    QString sustantivo_;
    QWidget* campos_;
    QBoxLayout* botones_;
    QPushButton* grabar_;
    QPushButton* deshacer_;
    QWidget* cajaCodigo_ = nullptr;
    bool agregando_ = false;
    bool vaciaModoAlGrabar_ = false;
    bool vaciaModoAlDeshacer_ = false;
};

} // namespace core
