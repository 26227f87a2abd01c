#pragma once
#include "masterdata/UTabla.h"

// The lists that hold a name only: grains, grain types and freight payers.
class TFTablaGranos : public TFTabla {
    Q_OBJECT
public:
    explicit TFTablaGranos(TFMain& principal, QWidget* padre = nullptr);

    void butAgregarClick() override;
    void butModificarClick() override;
};
