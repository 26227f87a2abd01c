#pragma once
#include "data/Grilla.h"
#include "masterdata/AdministrarTablas.h"

#include <QDialog>
#include <QVariant>

class Prompts;
class QPushButton;
class QTableView;
class QWidget;
class TFMain;
class Td;

// The frame that every table window shares: a 49-pixel panel of buttons ("Modificar",
// "Agregar", "Eliminar") over the grid of the shared grid query, sorting by title click,
// the grid reloaded after each change. Each window receives its table's descriptor.
class TFTabla : public QDialog {
    Q_OBJECT
public:
    TFTabla(TFMain& principal, QWidget* padre = nullptr);

    DescriptorTabla descriptor;

    QWidget* Panel1;
    QPushButton* butModificar;
    QPushButton* butAgregar;
    QPushButton* butEliminar;
    QTableView* SMDBGrid1;

    Grilla* grilla() const { return grilla_; }

    // Loads the grid from the descriptor's query; the grid shows the first row.
    void abrirGrilla();

    virtual void butAgregarClick() = 0;
    virtual void butModificarClick() = 0;
    // The delete of the frame: asks, deletes the current row by its key, reloads.
    virtual void butEliminarClick();
    void SMDBGrid1TitleClick(int columna);

protected:
    // Builds the grid with its columns (called by each window's constructor).
    void prepararGrilla(const QVector<ColumnaGrilla>& columnas, const QSize& tamano);
    // The field of the current row that holds the key ("ID" for most windows).
    virtual QString campoClave() const { return QStringLiteral("ID"); }

    // The dataset row under the cursor; -1 with an empty grid.
    int filaActual() const;
    QVariant valorActual(const QString& campo) const;
    // After an add or a modification: the same query again, on the first row.
    void reejecutar();
    // After a delete: the query closed and opened again, on the first row.
    void reabrir();
    // A modification or delete that found no row: says so and reloads. True when it did.
    bool avisarSiNoExiste(int filas);

    TFMain& principal_;
    Td& d_;
    Prompts& prompts_;

private:
    Grilla* grilla_ = nullptr;
};

extern const QString kTituloAtencion;  // "Atención"
