#pragma once
#include "masterdata/UTablaCUIT.h"

// The parties with an address: addressees and carriers. Adds "Editar datos adicionales".
class TFTablaCUITAdicionales : public TFTablaCUIT {
    Q_OBJECT
public:
    explicit TFTablaCUITAdicionales(TFMain& principal, QWidget* padre = nullptr);

    QPushButton* butEditarAdicionales;

    void butEditarAdicionalesClick();
};
