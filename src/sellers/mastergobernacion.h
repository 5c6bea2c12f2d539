#pragma once
// mastergobernacion, "Actualizaciòn de Informaciòn de Regiones": the
// regions (DSPGBR '0','') read on every activation, the clicked region in
// three boxes, its editor editagobernacion. The delete sends the boxes'
// texts to ACTGBR with mode "3".

#include "sellers/catalogoubicacion.h"

namespace sellers {

class mastergobernacion : public CatalogoUbicacion {
    Q_OBJECT
public:
    mastergobernacion();

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    void copiaFila() override;
    bool codigosCaben() override;
    QString llamaEliminar() override;
};

class editagobernacion : public EditorUbicacion {
    Q_OBJECT
public:
    editagobernacion();

protected:
    void preparaModificar() override;
    QString llamaGrabar(const QString& modo) override;
};

} // namespace sellers
