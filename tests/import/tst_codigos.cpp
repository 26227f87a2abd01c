#include "Barras.h"
#include "data/TolvaError.h"
#include "import/ImportarCP.h"
#include "import/rutinas.h"
#include "import/zbar.h"
#include "support/EntornoPrueba.h"

#include <QPainter>
#include <QTest>

// Decoding barcode pictures through the run-time zbar binding.
class TstCodigos : public QObject {
    Q_OBJECT
private:
    QString lote2() const { return carpetaFixtures() + QStringLiteral("/lote_2_cp.pdf"); }

    static QString errorDe(const std::function<void()>& accion)
    {
        try {
            accion();
        } catch (const TolvaError& e) {
            return e.texto();
        }
        return {};
    }

private slots:
    void initTestCase() { zbar::cargar(); }

    void leer_data()
    {
        QTest::addColumn<int>("imagen");
        QTest::addColumn<bool>("nombres");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("sin código") << -1 << false << QStringList{QStringLiteral("previo")};
        QTest::newRow("Interleaved 2 of 5")
            << 0 << false << QStringList{QStringLiteral("previo"), QStringLiteral("553000012340")};
        QTest::newRow("Code 128") << 1 << false
                                  << QStringList{QStringLiteral("previo"), QStringLiteral("71234567890123")};
        QTest::newRow("con nombres") << 0 << true
                                     << QStringList{QStringLiteral("previo"), QStringLiteral("I2/5=553000012340")};
        QTest::newRow("Code 128 con nombres")
            << 1 << true << QStringList{QStringLiteral("previo"), QStringLiteral("CODE-128=71234567890123")};
    }
    // Texts are appended to what the list held; a picture without a barcode adds nothing.
    void leer()
    {
        QFETCH(int, imagen);
        QFETCH(bool, nombres);
        QFETCH(QStringList, esperado);
        QImage dibujo;
        if (imagen < 0) {
            dibujo = QImage(335, 40, QImage::Format_RGB32);
            dibujo.fill(Qt::white);
            QPainter(&dibujo).drawText(10, 25, QStringLiteral("Carta de Porte 553000012340"));
        } else {
            dibujo = imagenBarras(lote2(), imagen);
        }
        QStringList resultado{QStringLiteral("previo")};
        LeerCodigosDeBarra(resultado, dibujo, nombres, 1, true);
        QCOMPARE(resultado, esperado);
    }

    // A colour picture and its grey equivalent (0.30 R + 0.59 G + 0.11 B) read the same.
    void colorYGris()
    {
        const QImage barras = imagenBarras(lote2(), 1);
        QImage color(barras.size(), QImage::Format_RGB32);
        QImage gris(barras.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < barras.height(); ++y)
            for (int x = 0; x < barras.width(); ++x) {
                const bool oscuro = qGray(barras.pixel(x, y)) < 128;
                color.setPixel(x, y, oscuro ? qRgb(0, 0, 128) : qRgb(255, 255, 0));
                gris.setPixel(x, y, oscuro ? qRgb(14, 14, 14) : qRgb(227, 227, 227));
            }
        QStringList deColor;
        QStringList deGris;
        LeerCodigosDeBarra(deColor, color, false, 1, true);
        LeerCodigosDeBarra(deGris, gris, false, 1, true);
        QCOMPARE(deColor, QStringList{QStringLiteral("71234567890123")});
        QCOMPARE(deGris, deColor);
    }

    // Two barcodes in one picture give two texts.
    void dosCodigos()
    {
        const QImage numero = imagenBarras(lote2(), 0);
        const QImage cee = imagenBarras(lote2(), 1);
        QImage ambos(380, 100, QImage::Format_RGB32);
        ambos.fill(Qt::white);
        QPainter pintor(&ambos);
        pintor.drawImage(0, 0, numero);
        pintor.drawImage(0, 60, cee);
        pintor.end();
        QStringList resultado;
        LeerCodigosDeBarra(resultado, ambos, false, 1, true);
        resultado.sort();
        QCOMPARE(resultado, (QStringList{QStringLiteral("553000012340"), QStringLiteral("71234567890123")}));
    }

    // A set that leaves Code 128 out does not read the CEE.
    void conjuntoPropio()
    {
        QStringList resultado;
        LeerCodigosDeBarra(resultado, imagenBarras(lote2(), 1), false, 1, true, {25});
        QVERIFY(resultado.isEmpty());
        LeerCodigosDeBarra(resultado, imagenBarras(lote2(), 0), false, 1, true, {25});
        QCOMPARE(resultado, QStringList{QStringLiteral("553000012340")});
    }

    // Light bars on a dark ground come back dark on light; dark on light stays.
    void polaridad()
    {
        const QImage normal = imagenBarras(lote2(), 0);
        QImage copia = normal;
        QVERIFY(!normalizarCodigo(copia));
        QCOMPARE(copia, normal);
        QImage negativo = normal;
        negativo.invertPixels();
        QStringList nada;
        LeerCodigosDeBarra(nada, negativo, false, 1, true);
        QVERIFY(nada.isEmpty());
        QVERIFY(normalizarCodigo(negativo));
        QCOMPARE(negativo, normal);
    }

    // Without the library, or with a library that lacks the functions, decoding fails
    // with the binding's texts; a file that cannot be loaded gives the loader's text.
    void sinBiblioteca()
    {
        const QImage barras = imagenBarras(lote2(), 0);
        QStringList resultado;
        const auto leer = [&] { LeerCodigosDeBarra(resultado, barras, false, 1, true); };

        zbar::liberar();
        QCOMPARE(errorDe(leer), zbar::nombreBiblioteca() + QStringLiteral(" not found"));

        const QString noHay = errorDe([] { zbar::cargar(QStringLiteral("/no/existe/libzbar.so.0")); });
        QVERIFY2(noHay.contains(QStringLiteral("/no/existe/libzbar.so.0")), qPrintable(noHay));
        QVERIFY(!zbar::cargada());

        zbar::cargar(QStringLiteral("libm.so.6"));
        QCOMPARE(errorDe(leer),
                 QStringLiteral("Entry point zbar_image_scanner_create not found in ") + zbar::nombreBiblioteca());
        zbar::cargar();
        QVERIFY(errorDe(leer).isEmpty());
        QCOMPARE(resultado, QStringList{QStringLiteral("553000012340")});
    }
};

QTEST_MAIN(TstCodigos)
#include "tst_codigos.moc"
