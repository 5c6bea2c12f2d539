#pragma once
// masteralcaldia, "Actualizaciòn de Informaciòn de Alcadias": the
// municipalities with their region (DSPALD '0','') read on every
// activation, the clicked one in four boxes (its region as "code - name"),
// its editor editaalcaldia with a list of the regions. A municipality is
// named by its code and its region's code; the delete sends that pair to
// ACTALD with mode "3" and empty name and observations.

#include "sellers/catalogoubicacion.h"

class QComboBox;

namespace sellers {

class masteralcaldia : public CatalogoUbicacion {
    Q_OBJECT
public:
    masteralcaldia();

    QLineEdit* Text4; // the region, "code - name"

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void copiaFila() override;
    bool codigosCaben() override;
    QString llamaEliminar() override;
};

class editaalcaldia : public EditorUbicacion {
    Q_OBJECT
public:
    editaalcaldia();

    QComboBox* Combo1; // the region, picked or typed

protected:
    bool cargaListas() override;
    void preparaAgregar() override;
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
};

} // namespace sellers
