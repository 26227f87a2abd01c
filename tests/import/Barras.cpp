#include "Barras.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

QImage imagenBarras(const QString& pdf, int numero)
{
    QTemporaryDir carpeta;
    QProcess proceso;
    proceso.start(QStringLiteral("pdfimages"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                QStringLiteral("1"), pdf, carpeta.path() + QStringLiteral("/")});
    if (!proceso.waitForFinished(-1) || proceso.exitCode() != 0) {
        QTest::qFail("pdfimages (poppler-utils) no está instalado o falló", __FILE__, __LINE__);
        return {};
    }
    QImage imagen(carpeta.path() + (numero == 0 ? QStringLiteral("/-000.pbm") : QStringLiteral("/-001.pbm")));
    return imagen.copy(0, 9, numero == 0 ? 335 : 380, 40).convertToFormat(QImage::Format_RGB32);
}
