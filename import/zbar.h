#pragma once
#include <QString>

// The run-time binding of the zbar barcode library. The library is loaded once, by
// name, when the program starts; every call looks its function up by name and
// forwards to it. A missing library or function raises TolvaError.
namespace zbar {

// Opaque handles of the zbar C API.
struct zbar_image_scanner_s;
struct zbar_image_s;
struct zbar_symbol_s;
using zbar_image_scanner_t = zbar_image_scanner_s;
using zbar_image_t = zbar_image_s;
using zbar_symbol_t = zbar_symbol_s;
using zbar_image_cleanup_handler_t = void (*)(zbar_image_t*);

// zbar's own numbering of the settings used here.
constexpr int ZBAR_CFG_ENABLE = 0;
constexpr int ZBAR_CFG_ADD_CHECK = 1;
constexpr int ZBAR_CFG_X_DENSITY = 256;
constexpr int ZBAR_CFG_Y_DENSITY = 257;
constexpr int ZBAR_NONE = 0;

// The library's file name on this platform ("libzbar.so.0", "libzbar-0.dll").
QString nombreBiblioteca();

// Loads the library by its name (or the given file, for tests). Throws TolvaError with
// the loader's own text when it cannot be loaded.
void cargar(const QString& archivo = {});
// Releases the library; later calls raise "… not found".
void liberar();
bool cargada();

zbar_image_scanner_t* zbar_image_scanner_create();
void zbar_image_scanner_destroy(zbar_image_scanner_t* scanner);
int zbar_image_scanner_set_config(zbar_image_scanner_t* scanner, int symbology, int config, int value);
zbar_image_t* zbar_image_create();
void zbar_image_destroy(zbar_image_t* image);
void zbar_image_set_format(zbar_image_t* image, unsigned long format);
void zbar_image_set_size(zbar_image_t* image, unsigned width, unsigned height);
void zbar_image_set_data(zbar_image_t* image, const void* data, unsigned long length,
                         zbar_image_cleanup_handler_t cleanup);
int zbar_scan_image(zbar_image_scanner_t* scanner, zbar_image_t* image);
const zbar_symbol_t* zbar_image_first_symbol(const zbar_image_t* image);
const zbar_symbol_t* zbar_symbol_next(const zbar_symbol_t* symbol);
int zbar_symbol_get_type(const zbar_symbol_t* symbol);
const char* zbar_symbol_get_data(const zbar_symbol_t* symbol);
const char* zbar_get_symbol_name(int symbology);
const char* zbar_get_addon_name(int symbology);

} // namespace zbar
