#include "import/rutinas.h"

#include "data/TolvaError.h"
#include "import/zbar.h"

#include <QImage>
#include <QPainter>

#include <vector>

namespace {

// Owns the scanner and the image of one decoding and releases both however it ends.
struct RecursosZbar {
    zbar::zbar_image_scanner_t* scanner = nullptr;
    zbar::zbar_image_t* imagen = nullptr;
    ~RecursosZbar()
    {
        try {
            if (imagen)
                zbar::zbar_image_destroy(imagen);
            if (scanner)
                zbar::zbar_image_scanner_destroy(scanner);
        } catch (...) {
            // The library went away under us: nothing left to release.
        }
    }
};

constexpr unsigned long fourcc(char a, char b, char c, char d)
{
    return static_cast<unsigned long>(static_cast<unsigned char>(a))
        | (static_cast<unsigned long>(static_cast<unsigned char>(b)) << 8)
        | (static_cast<unsigned long>(static_cast<unsigned char>(c)) << 16)
        | (static_cast<unsigned long>(static_cast<unsigned char>(d)) << 24);
}

void configurar(zbar::zbar_image_scanner_t* scanner, int simbologia, int ajuste, int valor)
{
    if (zbar::zbar_image_scanner_set_config(scanner, simbologia, ajuste, valor) != 0)
        throw TolvaError(QStringLiteral("zbar-set_config"));
}

} // namespace

const QSet<int>& simbolosPorDefecto()
{
    static const QSet<int> simbolos{8, 9, 10, 12, 13, 14, 25, 39, 128};
    return simbolos;
}

void LeerCodigosDeBarra(QStringList& resultado, const QImage& imagen, bool conNombres, int densidad,
                        bool agregarVerificador, const QSet<int>& simbolos)
{
    const QSet<int>& conjunto = simbolos.isEmpty() ? simbolosPorDefecto() : simbolos;

    // The picture drawn onto a 32-bit colour bitmap of its own size.
    const int ancho = imagen.width();
    const int alto = imagen.height();
    QImage mapa(ancho, alto, QImage::Format_RGB32);
    mapa.fill(Qt::white);
    if (!imagen.isNull()) {
        QPainter pintor(&mapa);
        pintor.drawImage(0, 0, imagen);
    }

    // Declared before the resources, so that the image is destroyed before its bytes go.
    std::vector<unsigned char> gris(static_cast<size_t>(ancho) * static_cast<size_t>(alto));
    RecursosZbar r;
    r.scanner = zbar::zbar_image_scanner_create();
    if (!r.scanner)
        throw TolvaError(QStringLiteral("zbar-scanner"));
    configurar(r.scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    configurar(r.scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_X_DENSITY, densidad);
    configurar(r.scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_Y_DENSITY, densidad);
    for (int simbologia = 0; simbologia <= 128; ++simbologia) {
        if (!conjunto.contains(simbologia))
            continue;
        configurar(r.scanner, simbologia, zbar::ZBAR_CFG_ENABLE, 1);
        if (agregarVerificador)
            zbar::zbar_image_scanner_set_config(r.scanner, simbologia, zbar::ZBAR_CFG_ADD_CHECK, 1);
    }

    r.imagen = zbar::zbar_image_create();
    if (!r.imagen)
        throw TolvaError(QStringLiteral("zbar-image"));

    // One byte per pixel, row after row: 0.30 R + 0.59 G + 0.11 B, rounded (in whole
    // hundredths, so that halves round up exactly).
    for (int y = 0; y < alto; ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(mapa.constScanLine(y));
        unsigned char* destino = gris.data() + static_cast<size_t>(y) * static_cast<size_t>(ancho);
        for (int x = 0; x < ancho; ++x) {
            const QRgb p = fila[x];
            destino[x] = static_cast<unsigned char>((30 * qRed(p) + 59 * qGreen(p) + 11 * qBlue(p) + 50) / 100);
        }
    }

    zbar::zbar_image_set_format(r.imagen, fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(r.imagen, static_cast<unsigned>(ancho), static_cast<unsigned>(alto));
    zbar::zbar_image_set_data(r.imagen, gris.data(), static_cast<unsigned long>(gris.size()), nullptr);
    const int encontrados = zbar::zbar_scan_image(r.scanner, r.imagen);
    if (encontrados > 0) {
        for (const zbar::zbar_symbol_t* s = zbar::zbar_image_first_symbol(r.imagen); s; s = zbar::zbar_symbol_next(s)) {
            const QString datos = QString::fromLocal8Bit(zbar::zbar_symbol_get_data(s));
            if (conNombres) {
                const int tipo = zbar::zbar_symbol_get_type(s);
                resultado << QString::fromLocal8Bit(zbar::zbar_get_symbol_name(tipo))
                        + QString::fromLocal8Bit(zbar::zbar_get_addon_name(tipo)) + QLatin1Char('=') + datos;
            } else {
                resultado << datos;
            }
        }
    }
    // The image is destroyed (with the scanner) before the grey buffer goes away.
    zbar::zbar_image_destroy(r.imagen);
    r.imagen = nullptr;
}
