#pragma once
#include "masterdata/UTabla.h"

class TFAgregaItem;

// The parties with name and CUIT: intermediaries, commercial senders, brokers,
// representatives and destinations.
class TFTablaCUIT : public TFTabla {
    Q_OBJECT
public:
    explicit TFTablaCUIT(TFMain& principal, QWidget* padre = nullptr);

    void butAgregarClick() override;
    void butModificarClick() override;

protected:
    TFTablaCUIT(TFMain& principal, QWidget* padre, const QVector<ColumnaGrilla>& columnas, const QSize& tamano);
};
