#pragma once
#include "masterdata/UTabla.h"

// The drivers: name, CUIT or CUIL, and the plates of truck and trailer.
class TFTablaChoferes : public TFTabla {
    Q_OBJECT
public:
    explicit TFTablaChoferes(TFMain& principal, QWidget* padre = nullptr);

    void butAgregarClick() override;
    void butModificarClick() override;

protected:
    QString campoClave() const override { return QStringLiteral("ChoferID"); }
};
