#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <QObject>
#include <QVector>
#include <functional>

class Consulta;
class QSortFilterProxyModel;
class QTableView;

struct ColumnaGrilla {
    enum class Formato { Texto, Fecha };
    QString campo;
    QString titulo;
    int ancho = 80;
    QString banda;               // heading shared by adjacent columns; empty for none
    Formato formato = Formato::Texto;
};

// The columns of a dataset that a grid shows, in the grid's order.
class ModeloGrilla : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int RolOrden = Qt::UserRole + 1;   // the raw value, for sorting
    static constexpr int RolBanda = Qt::UserRole + 2;   // the band heading of a column

    ModeloGrilla(Consulta* consulta, QVector<ColumnaGrilla> columnas, QObject* parent = nullptr);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    const QVector<ColumnaGrilla>& columnas() const { return columnas_; }
    Consulta* consulta() const { return consulta_; }
    // A calculated column (not stored in the query) cannot be sorted.
    bool esCalculada(int columna) const;
    // The text colour of a row; an invalid colour keeps the grid's own.
    void setColorTexto(std::function<QColor(int fila)> color) { colorTexto_ = std::move(color); }
    // The text a cell shows, as in the grid.
    QString texto(int fila, int columna) const;

private:
    Consulta* consulta_;
    QVector<ColumnaGrilla> columnas_;
    QVector<int> indices_;
    std::function<QColor(int)> colorTexto_;
    void recalcularIndices();
};

// A title row that wraps its texts and draws band headings over groups of columns.
class EncabezadoConBandas : public QHeaderView {
    Q_OBJECT
public:
    explicit EncabezadoConBandas(QWidget* padre = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* pintor, const QRect& rect, int seccion) const override;

private:
    bool hayBandas() const;
    QRect rectBanda(int seccion) const;
};

// The shared set-up of the program's data grids: columns and widths, whole-row
// selection, the colours, client-side sorting by title click, and the kept selection.
class Grilla : public QObject {
    Q_OBJECT
public:
    Grilla(QTableView* vista, Consulta* consulta, QVector<ColumnaGrilla> columnas);

    ModeloGrilla* modelo() const { return modelo_; }
    QSortFilterProxyModel* proxy() const { return proxy_; }
    QTableView* vista() const { return vista_; }

    // The dataset row of the selected grid row; -1 when nothing is selected.
    int filaActual() const;
    // Selects the grid row showing the dataset row (-1 or out of range: the first row).
    void seleccionarFila(int filaConsulta);
    // Selects the row whose column holds the value; the first row when none does.
    void seleccionarPorValor(const QString& campo, const QVariant& valor);

    // Title click: first click descending, then ascending, then descending again;
    // a calculated column only beeps. Returns whether the rows were sorted.
    bool OrdenarGrilla(int columna);

private:
    QTableView* vista_;
    ModeloGrilla* modelo_;
    QSortFilterProxyModel* proxy_;
};
