#pragma once
// What the two catalogues of where sellers are (regions, municipalities)
// share: the list is read on every activation and the grid starts on its
// first row; a click on the grid (not a keyboard move) copies the row into
// the detail boxes, which the operator may also type into, since they are
// what "&Eliminar" and "&Modificar" act on; "&Nuevo" opens the editor
// modeless and "&Modificar" modal; the delete question is titled
// "DOVEV UZ ARAR"; no window keys. The editors share their three boxes,
// take no window keys either, and refuse a code wider than its parameter.

#include "core/masteredita.h"

class QFormLayout;
class QLineEdit;

namespace sellers {

class CatalogoUbicacion : public core::Catalogo {
    Q_OBJECT
public:
    QLineEdit* Text1; // code
    QLineEdit* Text2; // name
    QLineEdit* Text3; // observations

protected:
    CatalogoUbicacion(const QString& titulo, const QString& editor);

    // Copies the clicked row into the detail boxes.
    virtual void copiaFila() = 0;
    // The detail area's layout, for a member's further boxes.
    QFormLayout* formulario() const { return formulario_; }
    // True when the detail's codes fit their parameters; otherwise the
    // operator has been told, and nothing is sent or opened.
    virtual bool codigosCaben() = 0;
    // Refuses (with its message) a code wider than `ancho`.
    bool codigoCabe(const QString& codigo, int ancho, const QString& que);

    void onLoad() override;
    void abreEditor(bool agregar) override;
    bool onKeyPreview(QKeyEvent*) override { return false; }

private:
    QString editor_;
    QFormLayout* formulario_;
};

class EditorUbicacion : public core::Editor {
    Q_OBJECT
public:
    QLineEdit* Text1; // code, at most 5 characters
    QLineEdit* Text2; // name
    QLineEdit* Text3; // observations

protected:
    EditorUbicacion(const QString& tituloInicial, const QString& sustantivo);

    QFormLayout* formulario() const { return formulario_; }
    // Puts the list window's detail texts into the boxes, unchanged.
    void copiaDe(const CatalogoUbicacion& lista);
    void preparaAgregar() override;
    bool onKeyPreview(QKeyEvent*) override { return false; }

private:
    QFormLayout* formulario_;
};

// The message of a code wider than its parameter.
QString mensajeCodigoLargo(const QString& que, int ancho);

} // namespace sellers
