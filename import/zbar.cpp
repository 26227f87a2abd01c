#include "import/zbar.h"

#include "data/TolvaError.h"

#include <QLibrary>

#include <memory>

namespace zbar {

namespace {

std::unique_ptr<QLibrary>& biblioteca()
{
    static std::unique_ptr<QLibrary> lib;
    return lib;
}

// Looks the function up by name on every call (nothing is cached).
template <typename Firma>
Firma funcion(const char* nombre)
{
    auto& lib = biblioteca();
    if (!lib || !lib->isLoaded())
        throw TolvaError(QStringLiteral("%1 not found").arg(nombreBiblioteca()));
    QFunctionPointer puntero = lib->resolve(nombre);
    if (!puntero)
        throw TolvaError(QStringLiteral("Entry point %1 not found in %2")
                             .arg(QString::fromLatin1(nombre), nombreBiblioteca()));
    return reinterpret_cast<Firma>(puntero);
}

} // namespace

QString nombreBiblioteca()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("libzbar-0.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("libzbar.0.dylib");
#else
    return QStringLiteral("libzbar.so.0");
#endif
}

void cargar(const QString& archivo)
{
    auto lib = std::make_unique<QLibrary>();
    if (!archivo.isEmpty())
        lib->setFileName(archivo);
    else
#if defined(Q_OS_WIN)
        lib->setFileName(QStringLiteral("libzbar-0"));
#else
        lib->setFileNameAndVersion(QStringLiteral("zbar"), 0);
#endif
    if (!lib->load())
        throw TolvaError(lib->errorString());
    liberar();
    biblioteca() = std::move(lib);
}

void liberar()
{
    auto& lib = biblioteca();
    if (lib) {
        lib->unload();
        lib.reset();
    }
}

bool cargada()
{
    return biblioteca() && biblioteca()->isLoaded();
}

zbar_image_scanner_t* zbar_image_scanner_create()
{
    return funcion<zbar_image_scanner_t* (*)()>("zbar_image_scanner_create")();
}

void zbar_image_scanner_destroy(zbar_image_scanner_t* scanner)
{
    funcion<void (*)(zbar_image_scanner_t*)>("zbar_image_scanner_destroy")(scanner);
}

int zbar_image_scanner_set_config(zbar_image_scanner_t* scanner, int symbology, int config, int value)
{
    return funcion<int (*)(zbar_image_scanner_t*, int, int, int)>("zbar_image_scanner_set_config")(
        scanner, symbology, config, value);
}

zbar_image_t* zbar_image_create()
{
    return funcion<zbar_image_t* (*)()>("zbar_image_create")();
}

void zbar_image_destroy(zbar_image_t* image)
{
    funcion<void (*)(zbar_image_t*)>("zbar_image_destroy")(image);
}

void zbar_image_set_format(zbar_image_t* image, unsigned long format)
{
    funcion<void (*)(zbar_image_t*, unsigned long)>("zbar_image_set_format")(image, format);
}

void zbar_image_set_size(zbar_image_t* image, unsigned width, unsigned height)
{
    funcion<void (*)(zbar_image_t*, unsigned, unsigned)>("zbar_image_set_size")(image, width, height);
}

void zbar_image_set_data(zbar_image_t* image, const void* data, unsigned long length,
                         zbar_image_cleanup_handler_t cleanup)
{
    funcion<void (*)(zbar_image_t*, const void*, unsigned long, zbar_image_cleanup_handler_t)>(
        "zbar_image_set_data")(image, data, length, cleanup);
}

int zbar_scan_image(zbar_image_scanner_t* scanner, zbar_image_t* image)
{
    return funcion<int (*)(zbar_image_scanner_t*, zbar_image_t*)>("zbar_scan_image")(scanner, image);
}

const zbar_symbol_t* zbar_image_first_symbol(const zbar_image_t* image)
{
    return funcion<const zbar_symbol_t* (*)(const zbar_image_t*)>("zbar_image_first_symbol")(image);
}

const zbar_symbol_t* zbar_symbol_next(const zbar_symbol_t* symbol)
{
    return funcion<const zbar_symbol_t* (*)(const zbar_symbol_t*)>("zbar_symbol_next")(symbol);
}

int zbar_symbol_get_type(const zbar_symbol_t* symbol)
{
    return funcion<int (*)(const zbar_symbol_t*)>("zbar_symbol_get_type")(symbol);
}

const char* zbar_symbol_get_data(const zbar_symbol_t* symbol)
{
    return funcion<const char* (*)(const zbar_symbol_t*)>("zbar_symbol_get_data")(symbol);
}

const char* zbar_get_symbol_name(int symbology)
{
    return funcion<const char* (*)(int)>("zbar_get_symbol_name")(symbology);
}

const char* zbar_get_addon_name(int symbology)
{
    return funcion<const char* (*)(int)>("zbar_get_addon_name")(symbology);
}

} // namespace zbar
