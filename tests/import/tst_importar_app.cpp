#include "app/ListaArchivos.h"
#include "app/UMain.h"
#include "data/Estado.h"
#include "data/datamodule.h"
#include "import/ImportarCP.h"
#include "import/zbar.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {

const QString kNombreA = QStringLiteral("AGROPECUARIA DE PRUEBA S.A.");
const QString kNombreB = QStringLiteral("PEREZ JUAN CARLOS");

QString fixture(const QString& nombre)
{
    return carpetaFixtures() + QLatin1Char('/') + nombre;
}

struct Salida {
    int codigo = -1;
    QString out;
    QString err;
};

Salida tolva(const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(qEnvironmentVariable("TOLVA_BUILD") + QStringLiteral("/app/tolva"), argumentos);
    proceso.waitForFinished(120000);
    return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}

} // namespace

// The import from the main window's button and from the command line.
class TstImportarApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        zbar::cargar();
        QVERIFY(QFile::exists(qEnvironmentVariable("TOLVA_BUILD") + QStringLiteral("/app/tolva")));
    }

    // The button: dialog, confirmation, other-holder question; the holder filter switches
    // to the file's holder and the list shows its batch.
    void boton()
    {
        EntornoPrueba e;
        e.agregarTitular(kNombreA, QStringLiteral("30-71234567-1"));
        const qint64 b = e.agregarTitular(kNombreB, QStringLiteral("20-28456788-9"));
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        QCOMPARE(v.cmbTitulares->currentText(), kNombreA);
        QVERIFY(v.butImportar->isEnabled());
        prompts.archivosAbrir = {{fixture("lote_3_cp.pdf")}};
        prompts.respuestas = {true, true};
        v.butImportar->click();
        QCOMPARE(prompts.textos(),
                 (QStringList{QStringLiteral("¿Confirma la importación de la carta de porte ") + fixture("lote_3_cp.pdf") + "?",
                              kImportarOtroTitular,
                              QStringLiteral("Importación del archivo ") + fixture("lote_3_cp.pdf") + " finalizada."}));
        QCOMPARE(v.cmbTitulares->currentText(), kNombreB);
        QCOMPARE(v.TitularActual, b);
        QCOMPARE(Estado::leer(e.d()).titular, kNombreB);
        QCOMPARE(e.d().qmyArchivosCP.filas(), 1);
        QCOMPARE(e.d().qmyArchivosCP.valor(0, QStringLiteral("CantidadCP")).toInt(), 3);
        QCOMPARE(e.d().qmyArchivosCP.valor(0, QStringLiteral("ArchivoCPTitularID")).toLongLong(), b);
        QVERIFY(v.butEliminar->isEnabled());
        QCOMPARE(v.textoEstado(), QString());
        QVERIFY(v.stStatus->findChildren<QProgressBar*>().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(QDir(e.carpetaTrabajo()).isEmpty());
    }

    // "Todos" in the holder filter: the message and nothing else.
    void botonSinTitular()
    {
        EntornoPrueba e;
        e.agregarTitular(kNombreA, QStringLiteral("30-71234567-1"));
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        v.cmbTitulares->setCurrentIndex(0);
        QCOMPARE(v.TitularActual, -1);
        v.butImportarClick();
        QCOMPARE(prompts.textos(), QStringList{kImportarSinTitular});
        QVERIFY(prompts.dialogos.isEmpty());
    }

    void ordenImportar_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<bool>("antes");      // lote_2_cp imported before
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("lotes");
        QTest::addColumn<QString>("titular"); // holder of the last batch
        const QString l2 = fixture("lote_2_cp.pdf");
        const QString l3 = fixture("lote_3_cp.pdf");
        QTest::newRow("importa") << QStringList{"--titular", kNombreA, l2} << false << 0
                                 << QStringLiteral("Importación del archivo ") + l2 + " finalizada." << 1 << kNombreA;
        QTest::newRow("titular en minúsculas")
            << QStringList{"--titular", kNombreA.toLower(), l2} << false << 0
            << QStringLiteral("Importación del archivo ") + l2 + " finalizada." << 1 << kNombreA;
        QTest::newRow("Todos") << QStringList{"--titular", "Todos", l2} << false << 1 << kImportarSinTitular << 0 << "";
        QTest::newRow("sin titular guardado") << QStringList{l2} << false << 1 << kImportarSinTitular << 0 << "";
        QTest::newRow("otro titular, No") << QStringList{"--titular", kNombreA, l3} << false << 1
                                          << kImportarOtroTitular + " No" << 0 << "";
        QTest::newRow("otro titular, Sí") << QStringList{"--titular", kNombreA, "--si-otro-titular", l3} << false << 0
                                          << kImportarOtroTitular + " Sí" << 1 << kNombreB;
        QTest::newRow("duplicado, No") << QStringList{"--titular", kNombreA, l2} << true << 1
                                       << kImportarDuplicado + " No" << 1 << kNombreA;
        QTest::newRow("duplicado, Sí") << QStringList{"--titular", kNombreA, "--si-duplicado", l2} << true << 0
                                       << kImportarDuplicado + " Sí" << 2 << kNombreA;
        QTest::newRow("rechazado") << QStringList{"--titular", kNombreA, l2, fixture("modificado.pdf")} << false << 1
                                   << kImportarModificado << 1 << kNombreA;
        QTest::newRow("titular desconocido") << QStringList{"--titular", "NADIE", l2} << false << 1
                                             << QStringLiteral("No hay un titular registrado con el nombre \"NADIE\".")
                                             << 0 << "";
    }
    // `tolva importar`: messages on stderr, progress on stdout, status 0 only when every
    // file was imported.
    void ordenImportar()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(bool, antes);
        QFETCH(int, codigo);
        QFETCH(QString, err);
        QFETCH(int, lotes);
        QFETCH(QString, titular);
        EntornoPrueba e;
        e.agregarTitular(kNombreA, QStringLiteral("30-71234567-1"));
        e.agregarTitular(kNombreB, QStringLiteral("20-28456788-9"));
        if (antes) {
            const Salida s = tolva({"importar", "--titular", kNombreA, fixture("lote_2_cp.pdf")});
            QCOMPARE(s.codigo, 0);
        }
        const Salida s = tolva(QStringList{QStringLiteral("importar")} + argumentos);
        QVERIFY2(s.err.contains(err), qPrintable(s.err));
        QCOMPARE(s.codigo, codigo);
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP")), lotes);
        if (!titular.isEmpty()) {
            QCOMPARE(e.d()
                         .valorUnico(QStringLiteral("SELECT TitularNombre FROM ArchivosCP JOIN Titulares ON"
                                                    " ArchivoCPTitularID = TitularID ORDER BY ArchivoCPID DESC"))
                         .toString(),
                     titular);
        }
        if (codigo == 0)
            QVERIFY2(s.out.contains(QStringLiteral(" - Extrayendo códigos de barra CP 1...")), qPrintable(s.out));
        QVERIFY(QDir(e.carpetaTrabajo()).isEmpty());
    }
};

QTEST_MAIN(TstImportarApp)
#include "tst_importar_app.moc"
