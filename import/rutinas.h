#pragma once
#include <QSet>
#include <QStringList>

class QImage;

// The symbologies enabled when the caller passes an empty set: EAN-8, UPC-E, ISBN-10,
// UPC-A, EAN-13, ISBN-13, Interleaved 2 of 5, Code 39 and Code 128 (zbar's numbers).
const QSet<int>& simbolosPorDefecto();

// Decodes the barcodes of a picture with zbar and appends one text per barcode found to
// `resultado`, in the library's order (the list is not cleared). With `conNombres` each
// text is symbol name + add-on name + "=" + data; otherwise the data alone. `densidad`
// is the scan density in both directions; `agregarVerificador` turns on the check-digit
// setting of every enabled symbology. Raises TolvaError "zbar-scanner",
// "zbar-set_config" or "zbar-image", or the binding's errors; the scanner and the image
// are released on every path.
void LeerCodigosDeBarra(QStringList& resultado, const QImage& imagen, bool conNombres, int densidad,
                        bool agregarVerificador, const QSet<int>& simbolos = {});
