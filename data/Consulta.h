#pragma once
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

class QSqlQuery;

// A named dataset of the data module: SQL text with its bound values and the rows
// it returned, all read at once so that grids can sort them on the client side.
// Calculated columns are appended after the stored ones and filled row by row.
class Consulta : public QObject {
    Q_OBJECT
public:
    using Fila = QVector<QVariant>;
    using Calculo = std::function<void(const Consulta&, Fila&)>;

    explicit Consulta(const QString& nombre, QObject* parent = nullptr);

    const QString& nombre() const { return nombre_; }
    const QString& sql() const { return sql_; }
    const QVariantList& valores() const { return valores_; }
    bool abierta() const { return abierta_; }

    int filas() const { return int(filas_.size()); }
    int columnas() const { return int(campos_.size()); }
    const QStringList& campos() const { return campos_; }
    // Index of a column by name, ignoring case; -1 when absent.
    int indiceCampo(const QString& campo) const;
    bool esCalculado(int columna) const;
    bool tieneCampo(const QString& campo) const { return indiceCampo(campo) >= 0; }

    QVariant valor(int fila, int columna) const;
    // The value of a named column; throws TolvaError when the column does not exist.
    QVariant valor(int fila, const QString& campo) const;
    const Fila& fila(int fila) const { return filas_.at(fila); }

    void setCalculados(const QStringList& nombres, Calculo calculo);

    // Used by the data module.
    void preparar(const QString& sql, const QVariantList& valores);
    void cargar(QSqlQuery& consulta);
    void cerrar();

signals:
    void antesDeCambiar();
    void cambiada();

private:
    QString nombre_;
    QString sql_;
    QVariantList valores_;
    bool abierta_ = false;
    QStringList campos_;
    QHash<QString, int> indices_;
    int almacenados_ = 0;
    QVector<Fila> filas_;
    QStringList calculados_;
    Calculo calculo_;
};
