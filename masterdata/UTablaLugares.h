#pragma once
#include "masterdata/UTabla.h"

class TFAgregaDireccion;

// The places: origins of the grain (with their establishment) and destinations.
class TFTablaLugares : public TFTabla {
    Q_OBJECT
public:
    explicit TFTablaLugares(TFMain& principal, QWidget* padre = nullptr);

    QTableView* dbgLugares;   // the grid (the frame's SMDBGrid1)

    void butAgregarClick() override;
    void butModificarClick() override;
    void dbgLugaresTitleClick(int columna) { SMDBGrid1TitleClick(columna); }
    // Destinations have no establishment: its column is hidden and the address widened.
    void ocultarEstablecimiento();
};
