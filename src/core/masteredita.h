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
// How a member uses the base
// --------------------------
// A member pair states only its differences; it never disconnects a button
// of the base, never re-implements a load or a save, never fakes an answer.
//
// The catalogue (a Catalogo) states in its constructor:
// - setEditor(name, modality to add, modality to modify): the editor the
//   buttons open (modal by default, owned by the catalogue);
// - how it keeps its list (setLectura), where Enter modifies
//   (setEnterModifica), whether "&Nuevo" goes back to the first row
//   (setNuevoAlPrimero) or keeps the saved position, F2/F3/F4, the pop-up
//   menu, the title of the delete question, a fresh connection on each
//   activation (setRenuevaAlActivar);
// and overrides:
// - leeLista(), columnas(): its list call and shown columns;
// - muestraFila(): copies the current row into the detail boxes and empties
//   them when the list stands on no row (after deleting the last one);
// - registro(): a public function of its own (not virtual: every member has
//   its own record type) answering the record of the shown row, read from
//   the list, never from the detail widgets: the editor asks for it;
// - llamaEliminar(): sends the delete and answers the return value; its
//   messages, when they are not the ACT call's, in informaEliminado() and
//   noElimina(); what follows a delete in trasEliminar().
// The delete runs the fresh-connection check before it sends, reads the list
// again, binds it whatever it holds and shows the row now current.
//
// The editor (an Editor) builds its boxes in areaCampos() and states:
// - setCamposEnOrden({...}): its fields in tab order; the buttons follow and
//   the first enabled field has the focus when the editor opens (without
//   the call, the fields in the order they were made);
// - setCajaCodigo(): the key box, disabled to modify;
// and overrides cargaListas() (false when the editor cannot load: it keeps
// its initial caption and boxes), preparaAgregar()/preparaModificar() (the
// latter from the catalogue's registro(), found with catalogo<T>() after
// setCatalogo()),
// validaGrabar(), llamaGrabar(modo), informaGrabado() when its outcome
// messages are its own, trasGrabar() (re-read the catalogue's list).
// A save the server refuses (an answer other than "0", or an error) keeps
// the editor open with what was typed; a successful one closes it.
//
// Every box that feeds a parameter takes its limits from the entry-filter
// module (core/filtros.h): conectaLimite() for texts, BloqueVenta::ponLimites()
// or conectaLimiteImporte() for amounts, as their parameters hold them; the
// save refuses a text the window put in beyond them before anything is sent.
//
// A window that is neither but runs database handlers derives from
// VentanaAtrapada and wraps each handler in atrapa().
//
// Example, a catalogue of regions whose list is read on each activation,
// and its editor:
//
//   struct Region { QString codigo; QString nombre; };
//
//   class masterregion : public core::Catalogo {
//   public:
//       masterregion() : Catalogo(QStringLiteral("Regiones"))
//       {
//           …detail boxes in areaDetalle()…
//           setEditor(QStringLiteral("editaregion"), core::Modalidad::NoModal, core::Modalidad::Modal);
//       }
//       Region registro() const { return {grilla()->textoColumna(0), grilla()->textoColumna(1)}; }
//   protected:
//       RecordSet leeLista() override { return core::sesion().conexion.execute(QStringLiteral("DSPGBR")); }
//       QList<core::Columna> columnas() const override { return {{0, QStringLiteral("Código"), 800}, …}; }
//       void muestraFila() override { Text1->setText(grilla()->textoColumna(0)); … }
//       QString llamaEliminar() override
//       {
//           Command cmd = core::comandoact(QStringLiteral("ACTGBR"));
//           cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1,
//           QStringLiteral("3")); … cmd.execute(); return core::respuesta(cmd);
//       }
//   };
//
//   class editaregion : public core::Editor {
//   public:
//       editaregion() : Editor(QStringLiteral("Región"))
//       {
//           …boxes in areaCampos()…
//           core::conectaLimite(Text1, 3);
//           setCajaCodigo(Text1);
//           setCamposEnOrden({Text1, Text2});
//           setCatalogo(QStringLiteral("masterregion"));
//       }
//   protected:
//       void preparaModificar() override
//       {
//           if (auto* lista = catalogo<masterregion>())
//               muestra(lista->registro());
//       }
//       QString llamaGrabar(const QString& modo) override { …ACTGBR with @xmodo = modo… }
//   };

#include "core/conexion.h"
#include "core/grillacatalogo.h"

#include "platform/db/command.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"

#include <QList>
#include <QString>
#include <QStringList>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
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

// --- Option items ("2.- Seco"): a digit, ".- " and a text; the digit is
// what is stored and sent.
// How a stored value picks its item.
enum class CoincideOpcion {
    ValorEntero,    // the whole value, trimmed, is the item's digit
    PrimerCaracter, // only the value's first character counts
};
// The item of `items` whose digit matches the stored value; "" when none.
QString itemopcion(const QStringList& items, const QVariant& valor,
                   CoincideOpcion coincide = CoincideOpcion::ValorEntero);
// What an item stores and sends: its first character ("" for no item).
QString valorOpcion(const QString& item);
// Puts the list on the item of the stored value (no item when none).
void muestraOpcion(QComboBox* lista, const QVariant& valor,
                   CoincideOpcion coincide = CoincideOpcion::ValorEntero);

// --- Windows of the program by the names they are registered under.
// The open window of that name as its own class; null when it is not open
// (or is of another class).
template <class T> T* ventanaAbierta(const QString& nombre)
{
    return dynamic_cast<T*>(platform::ui::windowRegistry().find(nombre));
}
// The same, created and loaded (hidden) when it is not open yet.
template <class T> T* cargaVentana(const QString& nombre)
{
    return platform::ui::windowRegistry().get<T>(nombre);
}

// Places each caption with its control in `rejilla` from (fila, columna) on:
// side by side along the row, or one pair per row down the column.
void etiquetaControles(QGridLayout* rejilla, int fila, int columna,
                       const QList<std::pair<QString, QWidget*>>& pares, Qt::Orientation direccion);

// Gives `widgets` that tab order, in turn, and the focus to the first one
// that can take it (enabled and not hidden); null when none can.
QWidget* encadenaTabulacion(const QList<QWidget*>& widgets);

// A window whose handlers run under the shared error trap.
class VentanaAtrapada : public platform::ui::Window {
    Q_OBJECT
protected:
    // The error trap of every handler.
    virtual Trampa trampa() const { return Trampa::reejecuta().numerada(); }
    // Runs `manejador` under the window's trap.
    void atrapa(const std::function<void()>& manejador);
};

// How a catalogue keeps its list.
enum class Lectura {
    // Read on every activation; the grid starts on the first row.
    EnCadaActivacion,
    // Read at load and kept (saves and deletes replace it); every
    // activation binds it again and returns to marcadormaestro.
    Guardada,
    // Read and bound at load; the activation leaves the grid alone, and the
    // editor's save binds the list again (relee()).
    AlCargar,
};

// Where Enter opens the editor to modify.
enum class EnterModifica { Nunca, EnLaGrilla, EnLaVentana };

// How an editor shows: modal (owned by its catalogue) or modeless.
enum class Modalidad { Modal, NoModal };

class Catalogo : public VentanaAtrapada {
    Q_OBJECT
public:
    GrillaCatalogo* grilla() const { return grilla_; }
    // The list the catalogue keeps (Lectura::Guardada) or last read.
    platform::db::RecordSet lista() const { return lista_; }
    // Replaces the kept list (an editor's save re-reads it so); the grid
    // shows it at the next activation.
    void reemplazaLista(const platform::db::RecordSet& lista);
    // Reads the list again and binds it, whatever it holds, on its first
    // row, and shows that row.
    void relee();

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
    // Copies the current row into the detail area; empties it when the list
    // stands on no row.
    virtual void muestraFila() {}
    // Shows the editor; modoedicion and marcadormaestro are set already.
    // By default the editor of setEditor() with its modality.
    virtual void abreEditor(bool agregar);
    // Sends the delete (ACT mode "3") and answers the return value as text.
    // The default refuses: a member without delete keeps the button hidden.
    virtual QString llamaEliminar();
    // The outcome message of a delete; by default the ACT call's
    // (informaresultado).
    virtual void informaEliminado(const QString& respuesta) { informaresultado(respuesta); }
    // After the outcome message, before the list is read again.
    virtual void trasEliminar() {}
    // After the answer No to the delete question.
    virtual void noElimina() {}
    // Asks whether to delete; true to go on. By default the shared question
    // (confirmaeliminar) under the member's title.
    virtual bool preguntaEliminar() { return confirmaeliminar(tituloConfirmacion_); }

    // --- Settings of the member (in its constructor).
    void setLectura(Lectura lectura) { lectura_ = lectura; }
    void setEditor(const QString& nombre, Modalidad agregar = Modalidad::Modal,
                   Modalidad modificar = Modalidad::Modal);
    void setEnterModifica(EnterModifica donde) { enterModifica_ = donde; }
    // Keeps a grid position: 1 at load and on Nuevo, the bookmark on Modificar.
    void setGuardaPosicion(bool guarda) { guardaPosicion_ = guarda; }
    // Whether "&Nuevo" puts the saved position back on the first row (it
    // does unless the member says so).
    void setNuevoAlPrimero(bool alPrimero) { nuevoAlPrimero_ = alPrimero; }
    // The fresh-connection check before each activation's work.
    void setRenuevaAlActivar(bool renueva) { renuevaAlActivar_ = renueva; }
    void setTituloConfirmacion(const QString& titulo) { tituloConfirmacion_ = titulo; }
    // F2 Nuevo, F3 Eliminar, F4 Modificar.
    void setTeclasFuncion(bool activas) { teclasFuncion_ = activas; }
    // The pop-up menu "Modificar", "Eliminar" on the grid's right button.
    void activaMenuContextual();

    // The detail area beside the grid, for the member's controls.
    QWidget* areaDetalle() const { return detalle_; }
    // The row of buttons under the grid.
    QBoxLayout* filaBotones() const { return botones_; }
    // Under the grid and its buttons, for a member's further row.
    QBoxLayout* columnaLista() const { return columna_; }
    // The grid's side keeps its own width; the detail area takes the rest
    // (a detail of many boxes), instead of sharing the width two to three.
    void daAnchoAlDetalle();

    // Shows the registered editor window modal, owned by this window.
    void abreEditorModal(const QString& nombre);
    // Binds `lista` to the grid with the member's columns. False, and the
    // grid left as it was, when the list has no rows.
    bool enlaza(const platform::db::RecordSet& lista);
    bool enlaza(const platform::db::RecordSet& lista, const QList<Columna>& columnas);

    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void filaCambiada();
    void enlazaSiempre(const platform::db::RecordSet& lista, const QList<Columna>& columnas);

    GrillaCatalogo* grilla_;
    QWidget* detalle_;
    QBoxLayout* raiz_;
    QBoxLayout* columna_;
    QBoxLayout* botones_;
    QPushButton* nuevo_;
    QPushButton* modificar_;
    QPushButton* eliminar_;
    QPushButton* regresar_;
    QMenu* menu_ = nullptr;
    platform::db::RecordSet lista_;

    Lectura lectura_ = Lectura::EnCadaActivacion;
    EnterModifica enterModifica_ = EnterModifica::EnLaGrilla;
    QString editor_;
    Modalidad modalidadAgregar_ = Modalidad::Modal;
    Modalidad modalidadModificar_ = Modalidad::Modal;
    bool guardaPosicion_ = true;
    bool nuevoAlPrimero_ = true;
    bool renuevaAlActivar_ = false;
    bool teclasFuncion_ = false;
    QString tituloConfirmacion_ = TituloBackOffice;
};

class Editor : public VentanaAtrapada {
    Q_OBJECT
public:
    // The mode chosen at load: true when modoedicion was "A".
    bool agregando() const { return agregando_; }

    // "&Grabar" (and Enter): no box holding more than its parameter takes
    // (cabenLimites), the member's checks, the save call, the
    // outcome message, the member's follow-up; the editor closes after a
    // successful save and stays open, with what was typed, after a refusal.
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
    // Fills the lookup lists; runs first at load, in both modes. False ends
    // the load there: the editor keeps its initial caption and boxes.
    virtual bool cargaListas() { return true; }
    // The first contents of each mode; to add, by default, every text box
    // and list text of the fields emptied.
    virtual void preparaAgregar();
    virtual void preparaModificar() {}
    // The member's checks before the save; false ends the save with the
    // editor open (the member has told the operator why).
    virtual bool validaGrabar() { return true; }
    // Sends the save with "@xmodo" `modo` ("1" add, "2" modify) and answers
    // the return value as text ("0" success).
    virtual QString llamaGrabar(const QString& modo) = 0;
    // Tells the operator the outcome and answers whether the save
    // succeeded; by default the ACT call's messages (informaresultado).
    virtual bool informaGrabado(const QString& respuesta) { return informaresultado(respuesta); }
    // After the outcome message; `exito` for success. Members re-read their
    // catalogue's list here.
    virtual void trasGrabar(bool exito) { Q_UNUSED(exito); }
    // When the editor closes, in every way.
    virtual void alCerrar() {}

    // --- Settings of the member.
    // The catalogue that opens the editor, by its registered name.
    void setCatalogo(const QString& nombre) { catalogo_ = nombre; }
    // That catalogue when it is open, as its own class.
    template <class T> T* catalogo() const { return ventanaAbierta<T>(catalogo_); }
    // The key box: enabled to add, disabled to modify.
    void setCajaCodigo(QWidget* caja) { cajaCodigo_ = caja; }
    // The fields in tab order; the buttons follow them, unless the member
    // places them in the chain itself (botonGrabar/botonDeshacer).
    void setCamposEnOrden(const QList<QWidget*>& campos) { camposEnOrden_ = campos; }
    // Empty modoedicion after a save / on "&Deshacer".
    void setVaciaModoAlGrabar(bool vacia) { vaciaModoAlGrabar_ = vacia; }
    void setVaciaModoAlDeshacer(bool vacia) { vaciaModoAlDeshacer_ = vacia; }
    // The save adds or modifies as the editor was opened (or last set by
    // cambiaModo), whatever other windows have since written into
    // modoedicion; by default the save reads modoedicion again.
    void setModoPropio(bool propio) { modoPropio_ = propio; }
    // Turns an open editor to adding or modifying: the key box follows.
    void cambiaModo(bool agregar);

    // The area above the buttons, for the member's controls.
    QWidget* areaCampos() const { return campos_; }
    QBoxLayout* filaBotones() const { return botones_; }

    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;

private:
    QList<QWidget*> camposEnCreacion() const;
    void ordenaTabulacion();

    QString sustantivo_;
    QString catalogo_;
    QWidget* campos_;
    QBoxLayout* botones_;
    QPushButton* grabar_;
    QPushButton* deshacer_;
    QWidget* cajaCodigo_ = nullptr;
    QList<QWidget*> camposEnOrden_;
    bool agregando_ = false;
    bool vaciaModoAlGrabar_ = false;
    bool vaciaModoAlDeshacer_ = false;
    bool modoPropio_ = false;
};

} // namespace core
