#pragma once
#include "data/datamodule.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A private data folder for one test (APPDATA points into a temporary folder) with a
// connected data module, and helpers that write the rows a test needs.
class EntornoPrueba {
public:
    EntornoPrueba();
    ~EntornoPrueba();

    QString carpetaDatos() const;        // ends with "/"
    QString archivoBase() const;         // ADODB/cp.mdb
    QString carpetaTrabajo() const;      // CPAUX/
    Td& d() { return *d_; }
    void conectar();

    qint64 agregarTitular(const QString& nombre, const QString& cuit = QStringLiteral("30-71234567-1"),
                          const QString& cpdata = {});
    qint64 agregarArchivo(qint64 titularID, const QString& nombre, const QDate& fecha = QDate(2026, 1, 15));
    qint64 agregarBlanco(qint64 archivoID, const QString& numero, bool procesada = false, int estado = -1,
                         const QString& vencimiento = QStringLiteral("31/12/2012"));
    qint64 agregarCarta(qint64 blancoID, qint64 titularID, const QString& numero);
    int contar(const QString& tabla, const QString& condicion = {}, const QVariantList& valores = {});

private:
    QTemporaryDir temporal_;
    QByteArray appDataAnterior_;
    std::unique_ptr<Td> d_;
};

// The fixtures folder of waybill-blank PDF files.
QString carpetaFixtures();
