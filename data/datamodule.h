#pragma once
#include "data/Consulta.h"

#include <QObject>
#include <QSqlDatabase>
#include <QVariantList>
#include <QVector>
#include <utility>

class Prompts;
class QSqlQuery;

// The data module: the one database connection and the named datasets that every
// window shares. Every statement binds its values; table and column names come
// only from the program itself.
class Td : public QObject {
    Q_OBJECT
public:
    using Valores = QVector<std::pair<QString, QVariant>>;

    explicit Td(QObject* parent = nullptr);
    ~Td() override;

    // Connects to "ADODB/cp.mdb" under the data folder (creating a new database
    // there when the file does not exist) and brings it up to date. Shows the
    // connection message and returns false on any failure.
    bool ConectarBase(const QString& carpetaDatos, Prompts& prompts);
    // Why the last ConectarBase failed (the user sees only the connection message).
    const QString& motivoFalla() const { return motivoFalla_; }
    // The same, but a failure throws TolvaError with the reason.
    void conectar(const QString& carpetaDatos);
    void desconectar();
    bool conectado() const;
    QString archivoBase() const { return archivoBase_; }
    const QString& carpetaDatos() const { return carpetaDatos_; }
    QSqlDatabase& adoCP() { return adoCP_; }

    void ActualizarEsquema();

    void AbrirConsulta(Consulta& consulta, const QString& sql, const QVariantList& valores = {});
    // Runs a statement without result rows; returns the number of rows it touched.
    int EjecutarSQL(Consulta& consulta, const QString& sql, const QVariantList& valores = {});
    void Refrescar(Consulta& consulta);

    // Appends one row to a table and returns its new key.
    qint64 Insertar(const QString& tabla, const Valores& valores);
    // The first column of the first row, or an invalid value when there is none.
    QVariant valorUnico(const QString& sql, const QVariantList& valores = {});
    // Runs a statement outside the named datasets; returns the rows it touched.
    int ejecutar(const QString& sql, const QVariantList& valores = {});

    void GuardaError(const QString& comando, const QString& salida);
    static bool esCUIT(const QString& texto);
    static QString GetShortName(const QString& ruta);

    void qmyArchivosCPOLDCalcFields(const Consulta& consulta, Consulta::Fila& fila) const;

    // Transactions; nested ones join the outermost.
    void empezarTransaccion();
    void confirmarTransaccion();
    void deshacerTransaccion();

    Consulta tmyTitulares{QStringLiteral("tmyTitulares")};
    Consulta tmyEstado{QStringLiteral("tmyEstado")};
    Consulta tmyBlancos{QStringLiteral("tmyBlancos")};
    Consulta qmyArchivosCP{QStringLiteral("qmyArchivosCP")};
    Consulta qmyAUX{QStringLiteral("qmyAUX")};
    Consulta qmyAux2{QStringLiteral("qmyAux2")};
    Consulta qmyDatos{QStringLiteral("qmyDatos")};
    Consulta qmyTabla{QStringLiteral("qmyTabla")};
    Consulta qmyCargaCombo{QStringLiteral("qmyCargaCombo")};
    Consulta qmyReportes{QStringLiteral("qmyReportes")};
    Consulta qmyVerCP{QStringLiteral("qmyVerCP")};
    Consulta qmyUSUARIOS{QStringLiteral("qmyUSUARIOS")};
    Consulta qmyCartas{QStringLiteral("qmyCartas")};
    Consulta qmyBlancos{QStringLiteral("qmyBlancos")};
    Consulta qmyCopia{QStringLiteral("qmyCopia")};

private:
    QSqlQuery ejecutarConsulta(const QString& sql, const QVariantList& valores);
    void abrirArchivo(const QString& archivo, bool crear);
    void registrarComparacionSinMayusculas();

    QString nombreConexion_;
    QString motivoFalla_;
    QSqlDatabase adoCP_;
    QString carpetaDatos_;
    QString archivoBase_;
    int transacciones_ = 0;
};

// One database transaction for its scope: confirmar() commits, leaving the scope
// without it (an exception) rolls back.
class Transaccion {
public:
    explicit Transaccion(Td& d) : d_(d) { d_.empezarTransaccion(); }
    ~Transaccion();
    void confirmar();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

private:
    Td& d_;
    bool terminada_ = false;
};

// The connection message, shown when the database cannot be opened.
extern const QString kMensajeErrorConexion;
