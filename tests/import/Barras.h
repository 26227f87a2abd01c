#pragma once
#include <QImage>
#include <QString>

// The barcode pictures of page 1 of a fixture file, as the PDF holds them (pdfimages,
// cropped to the bar rows): 0 the waybill number, 1 the CEE. Fails the test when the
// tools are missing.
QImage imagenBarras(const QString& pdf, int numero);
