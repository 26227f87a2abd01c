#pragma once
#include "masterdata/UTabla.h"

// The localities, each in its province. The delete warns when an origin or a
// destination uses the locality.
class TFTablaLocalidades : public TFTabla {
    Q_OBJECT
public:
    explicit TFTablaLocalidades(TFMain& principal, QWidget* padre = nullptr);

    void butAgregarClick() override;
    void butModificarClick() override;
    void butEliminarClick() override;

protected:
    QString campoClave() const override { return QStringLiteral("LocalidadID"); }
};
