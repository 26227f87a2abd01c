#include "generar/BaseSintetica.h"

#include "data/datamodule.h"

#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace {

// A bar pattern like a waybill barcode, stored as PNG.
QByteArray imagenBarras(int ancho, quint32 semilla)
{
    QImage imagen(ancho, 40, QImage::Format_Grayscale8);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    QRandomGenerator azar(semilla);
    for (int x = 10; x < ancho - 10;) {
        const int barra = 1 + int(azar.bounded(3));
        pintor.fillRect(x, 0, barra, 40, Qt::black);
        x += barra + 1 + int(azar.bounded(3));
    }
    pintor.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    imagen.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QString generarBaseSintetica(Td& d, const TamanoBase& tamano)
{
    Transaccion transaccion(d);
    QVector<qint64> titulares;
    for (int i = 0; i < tamano.titulares; ++i) {
        titulares << d.Insertar(QStringLiteral("Titulares"),
                                {{QStringLiteral("TitularNombre"), QStringLiteral("TITULAR %1 S.A.").arg(i + 1, 3, 10, QLatin1Char('0'))},
                                 {QStringLiteral("TitularCUIT"), QStringLiteral("30-71234567-1")}});
    }
    // A handful of distinct pictures, as real batches repeat similar bars.
    QVector<QByteArray> imagenesCP;
    QVector<QByteArray> imagenesCEE;
    for (int i = 0; i < 16; ++i) {
        imagenesCP << imagenBarras(335, 1000 + i);
        imagenesCEE << imagenBarras(380, 2000 + i);
    }

    const int porArchivo = std::max(1, tamano.blancos / std::max(1, tamano.archivos));
    int cartasRestantes = tamano.cartas;
    int blancosRestantes = tamano.blancos;
    qint64 numero = 553000000000;
    QRandomGenerator azar(42);
    for (int a = 0; a < tamano.archivos; ++a) {
        const qint64 titular = titulares.at(a % titulares.size());
        const QDate fecha = QDate(2020, 1, 1).addDays(a / 2);
        const qint64 archivo = d.Insertar(QStringLiteral("ArchivosCP"),
                                          {{QStringLiteral("ArchivoCPNombre"), QStringLiteral("lote_%1.pdf").arg(a + 1)},
                                           {QStringLiteral("ArchivoCPFecha"), fecha},
                                           {QStringLiteral("ArchivoCPTitularID"), titular}});
        const int cantidad = a == tamano.archivos - 1 ? blancosRestantes : std::min(porArchivo, blancosRestantes);
        blancosRestantes -= cantidad;
        for (int b = 0; b < cantidad; ++b) {
            // Older batches are used up first, as in an office.
            const bool emitir = cartasRestantes > 0;
            const int estado = azar.bounded(100) < 3 ? int(azar.bounded(3)) : -1;
            const qint64 blanco = d.Insertar(
                QStringLiteral("CPxArchivo"),
                {{QStringLiteral("CPxArchivoArchivoCPID"), archivo},
                 {QStringLiteral("CPxArchivoProcesada"), emitir},
                 {QStringLiteral("CPxArchivoEstado"), estado},
                 {QStringLiteral("CPxArchivoCP"), QString::number(numero)},
                 {QStringLiteral("CPxArchivoCEE"), QString::number(71234567890000 + numero % 1000000)},
                 {QStringLiteral("CPxArchivoVENC"), fecha.addYears(1).toString(QStringLiteral("dd/MM/yyyy"))},
                 {QStringLiteral("CPxArchivoImgCP"), imagenesCP.at(b % imagenesCP.size())},
                 {QStringLiteral("CPxArchivoImgCEE"), imagenesCEE.at(b % imagenesCEE.size())}});
            if (emitir) {
                --cartasRestantes;
                d.Insertar(QStringLiteral("CP"), {{QStringLiteral("CPArchivoID"), blanco},
                                                  {QStringLiteral("CPNumero"), QString::number(numero)},
                                                  {QStringLiteral("CPTitularID"), titular},
                                                  {QStringLiteral("CPFechaCarga"), fecha},
                                                  {QStringLiteral("CPBruto"), 45000},
                                                  {QStringLiteral("CPTara"), 15000},
                                                  {QStringLiteral("CPNeto"), 30000}});
            }
            ++numero;
        }
    }
    transaccion.confirmar();
    return QStringLiteral("%1 titulares, %2 archivos, %3 blancos, %4 cartas de porte")
        .arg(tamano.titulares)
        .arg(tamano.archivos)
        .arg(tamano.blancos)
        .arg(tamano.cartas - cartasRestantes);
}
