#include "app/ListaArchivos.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "import/ImportarCP.h"
#include "import/rutinas.h"
#include "import/zbar.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kNombreA = QStringLiteral("AGROPECUARIA DE PRUEBA S.A.");
const QString kNombreB = QStringLiteral("PEREZ JUAN CARLOS");

// The main window as the import sees it: a holder filter, a status bar, a batch list.
struct VistaPrueba : VistaImportar {
    explicit VistaPrueba(Td& d) : d(d) {}
    qint64 titularActual() override { return titular; }
    QString filtroTitular() override { return filtro; }
    void seleccionarTitular(const QString& nombre) override
    {
        cambios << nombre;
        filtro = nombre;
        titular = ListaArchivos::titularPorNombre(d, nombre);
        lotesAlCambiar = d.valorUnico(QStringLiteral("SELECT COUNT(*) FROM ArchivosCP")).toInt();
    }
    void faltaTitular() override { ++faltas; }
    void estado(const QString& texto) override
    {
        estados << texto;
        ultimoEstado = texto;
    }
    void refrescarArchivos() override
    {
        ++refrescos;
        if (!falloLista.isEmpty())
            throw TolvaError(falloLista);
    }
    void terminar() override { ++terminados; }

    Td& d;
    qint64 titular = -1;
    QString filtro;
    QStringList cambios;
    int lotesAlCambiar = -1;
    int faltas = 0;
    QStringList estados;
    QString ultimoEstado = QStringLiteral("(nada)");
    int refrescos = 0;
    QString falloLista;
    int terminados = 0;
};

// One import run in a private data folder with holders A and B registered.
struct Caso {
    Caso() : vista(env.d())
    {
        titularA = env.agregarTitular(kNombreA, QStringLiteral("30-71234567-1"));
        titularB = env.agregarTitular(kNombreB, QStringLiteral("20-28456788-9"));
        elegir(kNombreA);
    }
    void elegir(const QString& nombre)
    {
        vista.filtro = nombre;
        vista.titular = ListaArchivos::titularPorNombre(env.d(), nombre);
    }
    bool importar(const QStringList& archivos)
    {
        ImportarCP importacion(env.d(), prompts, vista, env.carpetaDatos());
        if (herramientas)
            importacion.setHerramientas(*herramientas);
        return importacion.importar(archivos);
    }
    int lotes() { return env.contar(QStringLiteral("ArchivosCP")); }
    int blancos() { return env.contar(QStringLiteral("CPxArchivo")); }
    QStringList trabajo() const
    {
        return QDir(env.carpetaTrabajo()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    EntornoPrueba env;
    PromptsGuion prompts;
    VistaPrueba vista;
    qint64 titularA = 0;
    qint64 titularB = 0;
    std::optional<HerramientasImportar> herramientas;
};

QString fixture(const QString& nombre)
{
    return carpetaFixtures() + QLatin1Char('/') + nombre;
}

// A waybill PDF made by the fixtures' generator.
QString generar(const QTemporaryDir& carpeta, const QString& nombre, const QStringList& opciones)
{
    const QString salida = carpeta.filePath(nombre);
    QProcess proceso;
    proceso.start(QStringLiteral("python3"), QStringList{fixture(QStringLiteral("make_blanks.py")), salida} + opciones);
    if (!proceso.waitForFinished(-1) || proceso.exitCode() != 0)
        qFatal("make_blanks.py falló: %s", proceso.readAllStandardError().constData());
    return salida;
}

QString escribirGuion(const QTemporaryDir& carpeta, const QString& nombre, const QByteArray& texto)
{
    QFile f(carpeta.filePath(nombre));
    f.open(QIODevice::WriteOnly);
    f.write(texto);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return f.fileName();
}

// A one-page PDF that asks for a password to be opened.
QByteArray pdfConClave()
{
    const QList<QByteArray> objetos{
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>",
        "<< /Filter /Standard /V 1 /R 2 /O <" + QByteArray(32, 'A').toHex() + "> /U <" + QByteArray(32, 'B').toHex()
            + "> /P -4 >>"};
    QByteArray pdf = "%PDF-1.3\n";
    QList<qsizetype> posiciones;
    for (int i = 0; i < objetos.size(); ++i) {
        posiciones << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objetos.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objetos.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype p : posiciones)
        pdf += QByteArray::number(p).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objetos.size() + 1)
        + " /Root 1 0 R /Encrypt 4 0 R /ID [<00112233445566778899aabbccddeeff> <00112233445566778899aabbccddeeff>]"
          " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

struct Blanco {
    QString cp, cee, venc;
    int estado;
    bool procesada;
    QImage imgCP, imgCEE;
};

QList<Blanco> blancosDe(Td& d, qint64 lote)
{
    QSqlQuery q(d.adoCP());
    q.prepare(QStringLiteral("SELECT CPxArchivoCP, CPxArchivoCEE, CPxArchivoVENC, CPxArchivoEstado, CPxArchivoProcesada,"
                             " CPxArchivoImgCP, CPxArchivoImgCEE FROM CPxArchivo WHERE CPxArchivoArchivoCPID = ?"
                             " ORDER BY CPxArchivoID"));
    q.addBindValue(lote);
    q.exec();
    QList<Blanco> lista;
    while (q.next()) {
        Blanco b{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
                 q.value(4).toBool(), {}, {}};
        b.imgCP.loadFromData(q.value(5).toByteArray(), "PNG");
        b.imgCEE.loadFromData(q.value(6).toByteArray(), "PNG");
        lista << b;
    }
    return lista;
}

} // namespace

class TstImportar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { zbar::cargar(); }

    void importa_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("titular");
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QStringList>("cees");
        QTest::addColumn<QString>("vencimiento");
        QTest::newRow("2 blancos") << "lote_2_cp.pdf" << kNombreA
                                   << QStringList{"553000012340", "553000012341"}
                                   << QStringList{"71234567890123", "71234567890124"} << "31/12/2012";
        QTest::newRow("3 blancos") << "lote_3_cp.pdf" << kNombreB
                                   << QStringList{"553000020150", "553000020151", "553000020152"}
                                   << QStringList{"71234567900450", "71234567900451", "71234567900452"}
                                   << "30/06/2013";
        QTest::newRow("claro sobre oscuro") << "lote_2_negativo.pdf" << kNombreA
                                            << QStringList{"553000012390", "553000012391"}
                                            << QStringList{"71234567890173", "71234567890174"} << "31/12/2012";
    }
    // One batch for the file's holder, its blanks in page order with the numbers read
    // from the barcodes and both pictures stored dark on light.
    void importa()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, titular);
        QFETCH(QStringList, numeros);
        QFETCH(QStringList, cees);
        QFETCH(QString, vencimiento);
        Caso c;
        c.elegir(titular);
        const QString ruta = fixture(archivo);
        QVERIFY(c.importar({ruta}));

        QCOMPARE(c.lotes(), 1);
        QSqlQuery q(c.env.d().adoCP());
        QVERIFY(q.exec(QStringLiteral("SELECT ArchivoCPID, ArchivoCPNombre, ArchivoCPFecha, ArchivoCPTitularID FROM ArchivosCP")));
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString(), archivo);
        QCOMPARE(q.value(2).toDate(), QDate::currentDate());
        QCOMPARE(q.value(3).toLongLong(), titular == kNombreA ? c.titularA : c.titularB);

        const QList<Blanco> blancos = blancosDe(c.env.d(), q.value(0).toLongLong());
        QCOMPARE(blancos.size(), numeros.size());
        for (int k = 0; k < blancos.size(); ++k) {
            const Blanco& b = blancos.at(k);
            QCOMPARE(b.cp, numeros.at(k));
            QCOMPARE(b.cee, cees.at(k));
            QCOMPARE(b.venc, vencimiento);
            QCOMPARE(b.estado, -1);
            QCOMPARE(b.procesada, false);
            QCOMPARE(b.imgCP.size(), QSize(335, 40));
            QCOMPARE(b.imgCEE.size(), QSize(380, 40));
            for (QImage img : {b.imgCP, b.imgCEE}) {
                QVERIFY2(!normalizarCodigo(img), "la imagen guardada no tiene barras oscuras sobre fondo claro");
                QVERIFY(qGray(img.pixel(0, 20)) > 128);
            }
            QStringList leido;
            LeerCodigosDeBarra(leido, b.imgCP, false, 1, true);
            QCOMPARE(leido, QStringList{numeros.at(k)});
        }

        // Status texts: the file, the extraction, then each blank's first page.
        const QString base = QStringLiteral("Importando ") + ruta;
        QStringList esperados{base, base + QStringLiteral(" - Extrayendo datos...")};
        for (int k = 0; k < numeros.size(); ++k)
            esperados << base + QStringLiteral(" - Extrayendo códigos de barra CP %1...").arg(4 * k + 1);
        esperados << QString();
        QCOMPARE(c.vista.estados, esperados);
        QCOMPARE(c.vista.terminados, 1);
        QVERIFY(c.vista.refrescos >= 1);
        QVERIFY(c.vista.cambios.isEmpty());
        QCOMPARE(c.prompts.textos(), QStringList{QStringLiteral("Importación del archivo ") + ruta + QStringLiteral(" finalizada.")});
        QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(c.prompts.registros.at(0).icono, Prompts::Icono::Informacion);
        QCOMPARE(c.trabajo(), QStringList());
    }

    // Decoy CUIT and expiry lines: the last qualifying line among the first 26 wins;
    // lines whose first 11 characters are not a valid CUIT are skipped.
    void lineasDeTitular()
    {
        QTemporaryDir tmp;
        const QString pdf = generar(tmp, QStringLiteral("señuelos.pdf"),
                                    {"--cuit", "30712345671", "--name", kNombreA, "--expiry", "31/12/2012",
                                     "--blanks", "1", "--first-number", "553000012400", "--first-cee",
                                     "71234567890200", "--extra-cuit-lines"});
        Caso c;
        QVERIFY(c.importar({pdf}));
        QCOMPARE(c.env.d().valorUnico(QStringLiteral("SELECT ArchivoCPTitularID FROM ArchivosCP")).toLongLong(), c.titularA);
        QCOMPARE(c.env.d().valorUnico(QStringLiteral("SELECT CPxArchivoVENC FROM CPxArchivo")).toString(),
                 QStringLiteral("31/12/2012"));
        QVERIFY(c.vista.cambios.isEmpty());
    }

    void textoDelPDF_data()
    {
        QTest::addColumn<QByteArray>("filtro");
        QTest::addColumn<QString>("error");
        QTest::newRow("cinco líneas") << QByteArray("5q") << QString();
        QTest::newRow("sin vencimiento") << QByteArray("s/Vencimiento:.*//")
                                         << QStringLiteral("no se encontró la fecha de vencimiento en el texto del PDF.");
        QTest::newRow("CUIT en la línea 26") << QByteArray("4{h;d};26G") << QString();
        QTest::newRow("CUIT en la línea 27") << QByteArray("4{h;d};27G")
                                             << QStringLiteral("@") + kImportarSinTitularCUIT;
    }
    // The text of the PDF as pdftotext leaves it, cut short or changed: a shorter text is
    // read as far as it goes; a CUIT beyond line 26 is not seen; a missing expiry refuses.
    void textoDelPDF()
    {
        QFETCH(QByteArray, filtro);
        QFETCH(QString, error);
        QTemporaryDir tmp;
        Caso c;
        HerramientasImportar h = HerramientasImportar::buscar();
        h.pdftotext = escribirGuion(tmp, QStringLiteral("pdftotext"),
                                    "#!/bin/sh\n" + HerramientasImportar::buscar().pdftotext.toUtf8()
                                        + " \"$@\" || exit $?\nsed -i '" + filtro + "' \"$2\"\n");
        c.herramientas = h;
        const bool ok = c.importar({fixture("lote_2_cp.pdf")});
        QCOMPARE(ok, error.isEmpty());
        QCOMPARE(c.lotes(), ok ? 1 : 0);
        if (ok) {
            QCOMPARE(c.env.d().valorUnico(QStringLiteral("SELECT CPxArchivoVENC FROM CPxArchivo")).toString(),
                     QStringLiteral("31/12/2012"));
        } else if (error.startsWith(QLatin1Char('@'))) {
            QCOMPARE(c.prompts.textos(), QStringList{error.mid(1)});
        } else {
            QCOMPARE(c.prompts.registros.size(), 1);
            QVERIFY2(c.prompts.registros.at(0).texto.contains(error), qPrintable(c.prompts.registros.at(0).texto));
        }
    }

    void rechazos_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("modificado") << "modificado.pdf" << kImportarModificado;
        QTest::newRow("10 páginas") << "paginas_10.pdf" << kImportarPaginas;
        QTest::newRow("viejo modelo") << "modelo_viejo.pdf" << kImportarViejoModelo;
        QTest::newRow("CUIT desconocido") << "cuit_desconocido.pdf" << kImportarSinTitularCUIT;
    }
    // A refused file writes nothing, shows its message only, and leaves the work folder empty.
    void rechazos()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, mensaje);
        Caso c;
        QVERIFY(!c.importar({fixture(archivo)}));
        QCOMPARE(c.lotes(), 0);
        QCOMPARE(c.blancos(), 0);
        QCOMPARE(c.prompts.registros.size(), 1);
        QCOMPARE(c.prompts.registros.at(0).texto, mensaje);
        QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(c.prompts.registros.at(0).icono, Prompts::Icono::Advertencia);
        QCOMPARE(c.trabajo(), QStringList());
        QCOMPARE(c.vista.ultimoEstado, QString());
    }

    void listaFalla_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<int>("lotes");
        QTest::addColumn<QStringList>("mensajes");
        const QString fallo = QStringLiteral("Error de base de datos: la lista no se pudo leer");
        QTest::newRow("tras guardar el archivo") << "lote_2_cp.pdf" << 1 << QStringList{fallo};
        QTest::newRow("en la limpieza") << "modificado.pdf" << 0 << QStringList{kImportarModificado, fallo};
    }
    // The batch list cannot be re-read: the user sees why, a stored file is not reported
    // as lost, the import stops with no final message and the work folder is emptied.
    void listaFalla()
    {
        QFETCH(QString, archivo);
        QFETCH(int, lotes);
        QFETCH(QStringList, mensajes);
        Caso c;
        c.vista.falloLista = mensajes.last();
        QVERIFY(!c.importar({fixture(archivo), fixture("lote_3_cp.pdf")}));
        QCOMPARE(c.prompts.textos(), mensajes);
        QCOMPARE(c.prompts.registros.last().titulo, QStringLiteral("Error"));
        QCOMPARE(c.lotes(), lotes);
        QCOMPARE(c.blancos(), 2 * lotes);
        QCOMPARE(c.trabajo(), QStringList());
        QCOMPARE(c.vista.ultimoEstado, QString());
    }

    // The first file stays imported, the second is refused, no final message.
    void segundoRechazado()
    {
        Caso c;
        QVERIFY(!c.importar({fixture("lote_2_cp.pdf"), fixture("cuit_desconocido.pdf")}));
        QCOMPARE(c.lotes(), 1);
        QCOMPARE(c.blancos(), 2);
        QCOMPARE(c.prompts.textos(), QStringList{kImportarSinTitularCUIT});
        QCOMPARE(c.trabajo(), QStringList());
        QCOMPARE(c.vista.ultimoEstado, QString());
    }

    void duplicado_data()
    {
        QTest::addColumn<bool>("respuesta");
        QTest::addColumn<int>("lotes");
        QTest::newRow("No") << false << 1;
        QTest::newRow("Sí") << true << 2;
    }
    // Importing the same file again asks; Yes makes a second batch with the same numbers.
    void duplicado()
    {
        QFETCH(bool, respuesta);
        QFETCH(int, lotes);
        Caso c;
        QVERIFY(c.importar({fixture("lote_2_cp.pdf")}));
        c.prompts.registros.clear();
        c.prompts.respuestas = {respuesta};
        QCOMPARE(c.importar({fixture("lote_2_cp.pdf")}), respuesta);
        QCOMPARE(c.prompts.registros.at(0).texto, kImportarDuplicado);
        QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(c.prompts.registros.at(0).icono, Prompts::Icono::Pregunta);
        QVERIFY(c.prompts.registros.at(0).pregunta);
        QCOMPARE(c.prompts.registros.size(), respuesta ? 2 : 1);
        QCOMPARE(c.lotes(), lotes);
        QCOMPARE(c.blancos(), 2 * lotes);
        QCOMPARE(c.env.contar("CPxArchivo", "CPxArchivoCP = ?", {"553000012340"}), lotes);
        QCOMPARE(c.trabajo(), QStringList());
    }

    // With several files, each file is tested with its own first CEE.
    void duplicadoPorArchivo()
    {
        Caso c;
        QVERIFY(c.importar({fixture("lote_2_cp.pdf")}));
        c.prompts.registros.clear();
        c.prompts.respuestas = {true};
        QVERIFY(c.importar({fixture("lote_2_negativo.pdf"), fixture("lote_2_cp.pdf")}));
        QCOMPARE(c.prompts.textos(), (QStringList{kImportarDuplicado, kImportarVariasFinalizada}));
        QCOMPARE(c.lotes(), 3);
    }

    void otroTitular_data()
    {
        QTest::addColumn<bool>("respuesta");
        QTest::newRow("No") << false;
        QTest::newRow("Sí") << true;
    }
    // A file of another holder asks; Yes switches the holder filter before the batch is written.
    void otroTitular()
    {
        QFETCH(bool, respuesta);
        Caso c;
        c.prompts.respuestas = {respuesta};
        QCOMPARE(c.importar({fixture("lote_3_cp.pdf")}), respuesta);
        QCOMPARE(c.prompts.registros.at(0).texto, kImportarOtroTitular);
        QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Aviso"));
        QCOMPARE(c.prompts.registros.at(0).icono, Prompts::Icono::Advertencia);
        if (!respuesta) {
            QCOMPARE(c.prompts.registros.size(), 1);
            QVERIFY(c.vista.cambios.isEmpty());
            QCOMPARE(c.lotes(), 0);
            return;
        }
        QCOMPARE(c.vista.cambios, QStringList{kNombreB});
        QCOMPARE(c.vista.lotesAlCambiar, 0);
        QCOMPARE(c.env.d().valorUnico(QStringLiteral("SELECT ArchivoCPTitularID FROM ArchivosCP")).toLongLong(), c.titularB);
        QCOMPARE(c.blancos(), 3);
    }

    // No holder selected: the message, the user is sent to the holder filter, nothing opens.
    void sinTitular()
    {
        Caso c;
        c.elegir(ListaArchivos::kTodos);
        ImportarCP importacion(c.env.d(), c.prompts, c.vista, c.env.carpetaDatos());
        QVERIFY(!importacion.ejecutar());
        QCOMPARE(c.prompts.textos(), QStringList{kImportarSinTitular});
        QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(c.prompts.registros.at(0).icono, Prompts::Icono::Informacion);
        QCOMPARE(c.vista.faltas, 1);
        QVERIFY(c.prompts.dialogos.isEmpty());
    }

    void confirmacion_data()
    {
        QTest::addColumn<QStringList>("archivos");
        QTest::addColumn<bool>("respuesta");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("final");
        const QString uno = fixture("lote_2_cp.pdf");
        QTest::newRow("uno, No") << QStringList{uno} << false
                                 << QStringLiteral("¿Confirma la importación de la carta de porte ") + uno + "?" << QString();
        QTest::newRow("uno, Sí") << QStringList{uno} << true
                                 << QStringLiteral("¿Confirma la importación de la carta de porte ") + uno + "?"
                                 << QStringLiteral("Importación del archivo ") + uno + QStringLiteral(" finalizada.");
        QTest::newRow("varios, Sí") << QStringList{uno, fixture("lote_2_negativo.pdf")} << true
                                    << kImportarVariasConfirma << kImportarVariasFinalizada;
        QTest::newRow("cancelado") << QStringList() << true << QString() << QString();
    }
    // The button's road: the dialog openCP, the confirmation, then the import.
    void confirmacion()
    {
        QFETCH(QStringList, archivos);
        QFETCH(bool, respuesta);
        QFETCH(QString, pregunta);
        QFETCH(QString, final);
        Caso c;
        c.prompts.archivosAbrir = {archivos};
        c.prompts.respuestas = {respuesta};
        ImportarCP importacion(c.env.d(), c.prompts, c.vista, c.env.carpetaDatos());
        QCOMPARE(importacion.ejecutar(), !final.isEmpty());
        QCOMPARE(c.prompts.dialogos.size(), 1);
        QCOMPARE(c.prompts.dialogos.at(0).titulo, QStringLiteral("Seleccione el archivo de Cartas de Porte"));
        QCOMPARE(c.prompts.dialogos.at(0).filtro, QStringLiteral("Archivos de Cartas de Porte (*.pdf)"));
        QCOMPARE(c.prompts.dialogos.at(0).extension, QStringLiteral("pdf"));
        QStringList esperado;
        if (!pregunta.isEmpty())
            esperado << pregunta;
        if (!final.isEmpty())
            esperado << final;
        QCOMPARE(c.prompts.textos(), esperado);
        if (!pregunta.isEmpty())
            QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Confirme"));
        QCOMPARE(c.lotes(), final.isEmpty() ? 0 : int(archivos.size()));
    }

    void falloEnMedio_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("herramienta") << "herramienta";
        QTest::newRow("base de datos") << "base";
    }
    // A failure on the second blank leaves nothing of the file; the earlier file stays.
    void falloEnMedio()
    {
        QFETCH(QString, como);
        QTemporaryDir tmp;
        Caso c;
        if (como == QStringLiteral("herramienta")) {
            HerramientasImportar h = HerramientasImportar::buscar();
            h.pdfimages = escribirGuion(tmp, QStringLiteral("pdfimages"),
                                        "#!/bin/sh\nif [ \"$2\" = 5 ]; then echo 'Error: página dañada' >&2; exit 3; fi\n"
                                        "exec " + HerramientasImportar::buscar().pdfimages.toUtf8() + " \"$@\"\n");
            c.herramientas = h;
        } else {
            c.env.d().ejecutar(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON CPxArchivo"
                                              " WHEN NEW.CPxArchivoCP = '553000012391'"
                                              " BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
        }
        QVERIFY(!c.importar({fixture("lote_2_cp.pdf"), fixture("lote_2_negativo.pdf")}));
        QCOMPARE(c.lotes(), como == "base" ? 1 : 0);
        QCOMPARE(c.blancos(), como == "base" ? 2 : 0);
        QCOMPARE(c.prompts.registros.size(), 1);
        const Prompts::Icono icono = c.prompts.registros.at(0).icono;
        QCOMPARE(icono, Prompts::Icono::Error);
        const QString texto = c.prompts.registros.at(0).texto;
        const QString archivo = fixture(como == "base" ? "lote_2_negativo.pdf" : "lote_2_cp.pdf");
        QVERIFY2(texto.startsWith(QStringLiteral("No se pudo importar el archivo ") + archivo + QStringLiteral(", página 5: ")),
                 qPrintable(texto));
        QVERIFY2(texto.contains(como == "base" ? QStringLiteral("disco lleno") : QStringLiteral("página dañada")),
                 qPrintable(texto));
        QCOMPARE(c.trabajo(), QStringList());
        QCOMPARE(c.vista.ultimoEstado, QString());
        if (como == "herramienta") {
            // The tool's console output is in the error log with its command line.
            QFile registro(c.env.carpetaDatos() + QStringLiteral("error.log"));
            QVERIFY(registro.open(QIODevice::ReadOnly));
            const QString log = QString::fromLocal8Bit(registro.readAll());
            QVERIFY2(log.contains(QStringLiteral(" -f 5 -l 5 ") + fixture("lote_2_cp.pdf") + QLatin1Char(' ')
                                  + QDir::toNativeSeparators(c.env.carpetaTrabajo()) + QStringLiteral("\nResultado : Error: página dañada")),
                     qPrintable(log));
        }
    }

    // Every tool with its argument vector, in order: both pictures of a blank are cut out
    // before they are read, so a number that cannot be read still has both conversions run.
    void ordenDeHerramientas()
    {
        QTemporaryDir tmp;
        const QString registro = tmp.filePath(QStringLiteral("llamadas.txt"));
        const HerramientasImportar reales = HerramientasImportar::buscar();
        const auto guion = [&](const QString& nombre, const QString& real, const QByteArray& antes = {}) {
            return escribirGuion(tmp, nombre,
                                 "#!/bin/sh\necho \"" + nombre.toUtf8() + " $*\" >> '" + registro.toUtf8() + "'\n"
                                     + antes + "exec " + real.toUtf8() + " \"$@\"\n");
        };
        Caso c;
        c.herramientas = HerramientasImportar{
            guion(QStringLiteral("pdfinfo"), reales.pdfinfo), guion(QStringLiteral("pdftotext"), reales.pdftotext),
            guion(QStringLiteral("pdfimages"), reales.pdfimages),
            // The waybill-number picture comes out blank: nothing to read.
            guion(QStringLiteral("convert"), reales.convert,
                  "case \"$4\" in *-000.pbm) exec " + reales.convert.toUtf8() + " -size 335x40 xc:white \"$5\";; esac\n")};
        const QString pdf = fixture("lote_2_cp.pdf");
        QVERIFY(!c.importar({pdf}));
        QCOMPARE(c.lotes(), 0);
        QCOMPARE(c.prompts.registros.size(), 1);
        QCOMPARE(c.prompts.registros.at(0).texto,
                 QStringLiteral("No se pudo importar el archivo %1, página 1: no se pudo leer el código de barras del "
                                "número de Carta de Porte.\nNo se guardó ningún dato de este archivo y la importación se "
                                "detuvo.")
                     .arg(pdf));
        QFile f(registro);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString w = c.env.carpetaTrabajo();
        const QString cortar000 = QStringLiteral("convert -negate -crop 335x40+0+9 ") + w + "-000.pbm " + w + "000.png";
        const QString cortar001 = QStringLiteral("convert -negate -crop 380x40+0+9 ") + w + "-001.pbm " + w + "001.png";
        const QString pagina1 = QStringLiteral("pdfimages -f 1 -l 1 %1 %2").arg(pdf, w);
        QCOMPARE(QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{QStringLiteral("convert -version"), QStringLiteral("pdfinfo ") + pdf,
                              QStringLiteral("pdftotext %1 %2alltext.txt").arg(pdf, w), pagina1, cortar001, pagina1,
                              cortar000, cortar001}));
    }

    void malaEntrada_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("detalle");
        QTest::newRow("no es PDF") << "texto" << "no es un PDF que se pueda leer";
        QTest::newRow("vacío") << "vacio" << "no es un PDF que se pueda leer";
        QTest::newRow("truncado") << "truncado" << "no es un PDF que se pueda leer";
        QTest::newRow("con contraseña") << "clave" << "protegido con contraseña";
        QTest::newRow("sin barras") << "sinbarras" << "página 1: no se pudo leer el código de barras del C.E.E.";
        QTest::newRow("no existe") << "noexiste" << "el archivo no existe.";
    }
    // Bad files get a clear error naming the file; nothing is written.
    void malaEntrada()
    {
        QFETCH(QString, caso);
        QFETCH(QString, detalle);
        QTemporaryDir tmp;
        QString pdf = tmp.filePath(caso + QStringLiteral(".pdf"));
        QFile f(pdf);
        if (caso == "texto") {
            f.open(QIODevice::WriteOnly);
            f.write("Producer:       FPDF 1.53\nPages: 4\n");
        } else if (caso == "vacio") {
            f.open(QIODevice::WriteOnly);
        } else if (caso == "truncado") {
            QFile original(fixture("lote_2_cp.pdf"));
            original.open(QIODevice::ReadOnly);
            f.open(QIODevice::WriteOnly);
            f.write(original.readAll().left(2500));
        } else if (caso == "clave") {
            f.open(QIODevice::WriteOnly);
            f.write(pdfConClave());
        } else if (caso == "sinbarras") {
            pdf = generar(tmp, QStringLiteral("sinbarras.pdf"),
                          {"--cuit", "30712345671", "--expiry", "31/12/2012", "--blanks", "1", "--no-barcode"});
        }
        f.close();
        Caso c;
        QVERIFY(!c.importar({pdf}));
        QCOMPARE(c.lotes(), 0);
        QCOMPARE(c.blancos(), 0);
        QCOMPARE(c.prompts.registros.size(), 1);
        const QString texto = c.prompts.registros.at(0).texto;
        QCOMPARE(c.prompts.registros.at(0).titulo, QStringLiteral("Error"));
        QVERIFY2(texto.startsWith(QStringLiteral("No se pudo importar el archivo ") + pdf), qPrintable(texto));
        QVERIFY2(texto.contains(detalle), qPrintable(texto));
        QCOMPARE(c.trabajo(), QStringList());
    }

    // Shell characters and accents in the file name are just data.
    void nombreRaro()
    {
        QTemporaryDir tmp;
        const QString nombre = QStringLiteral("lote $(touch hecho) `touch hecho2`; 'a' \"b\" ñandú.pdf");
        const QString pdf = tmp.filePath(nombre);
        QVERIFY(QFile::copy(fixture("lote_2_cp.pdf"), pdf));
        Caso c;
        QVERIFY(c.importar({pdf}));
        QCOMPARE(c.env.d().valorUnico(QStringLiteral("SELECT ArchivoCPNombre FROM ArchivosCP")).toString(), nombre);
        QCOMPARE(c.blancos(), 2);
        for (const QString& carpeta : {tmp.path(), c.env.carpetaDatos(), QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
            QVERIFY(!QFile::exists(carpeta + QStringLiteral("/hecho")));
            QVERIFY(!QFile::exists(carpeta + QStringLiteral("/hecho2")));
        }
    }

    void herramientas_data()
    {
        QTest::addColumn<QString>("falta");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("pdfimages") << "pdfimages"
                                   << "No se puede importar: falta el programa pdfimages. Instale poppler-utils "
                                      "(pdfinfo, pdftotext, pdfimages) e ImageMagick (convert), o copie los programas "
                                      "en la carpeta de Tolva.";
        QTest::newRow("dos") << "pdfinfo+pdftotext"
                             << "No se puede importar: faltan los programas pdfinfo, pdftotext. Instale poppler-utils "
                                "(pdfinfo, pdftotext, pdfimages) e ImageMagick (convert), o copie los programas en la "
                                "carpeta de Tolva.";
        QTest::newRow("convert ajeno") << "convert" << "";
    }
    // A missing tool, or a convert that is not ImageMagick, refuses at once.
    void herramientas()
    {
        QFETCH(QString, falta);
        QFETCH(QString, mensaje);
        Caso c;
        HerramientasImportar h = HerramientasImportar::buscar();
        if (falta.contains("pdfimages"))
            h.pdfimages.clear();
        if (falta.contains("pdfinfo"))
            h.pdfinfo = QStringLiteral("/no/existe/pdfinfo");
        if (falta.contains("pdftotext"))
            h.pdftotext.clear();
        if (falta == "convert") {
            h.convert = QStringLiteral("/bin/echo");
            mensaje = QStringLiteral("No se puede importar: el programa convert encontrado (/bin/echo) no es el de "
                                     "ImageMagick. Instale ImageMagick o copie su convert en la carpeta de Tolva.");
        }
        c.herramientas = h;
        QVERIFY(!c.importar({fixture("lote_2_cp.pdf")}));
        QCOMPARE(c.prompts.textos(), QStringList{mensaje});
        QCOMPARE(c.lotes(), 0);
        QVERIFY(c.vista.estados.isEmpty());
    }

    // A database held by another program at the moment of writing: the file is not
    // imported, the user is told why, nothing is written.
    void baseBloqueada()
    {
        Caso c;
        {
            QSqlDatabase otra = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otro-programa"));
            otra.setDatabaseName(c.env.archivoBase());
            QVERIFY(otra.open());
            QSqlQuery bloqueo(otra);
            QVERIFY(bloqueo.exec(QStringLiteral("BEGIN IMMEDIATE")));
            QVERIFY(!c.importar({fixture("lote_2_cp.pdf")}));
            QVERIFY(bloqueo.exec(QStringLiteral("ROLLBACK")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("otro-programa"));
        QCOMPARE(c.lotes(), 0);
        QCOMPARE(c.prompts.registros.size(), 1);
        const QString texto = c.prompts.registros.at(0).texto;
        QVERIFY2(texto.startsWith(QStringLiteral("No se pudo importar el archivo ") + fixture("lote_2_cp.pdf")),
                 qPrintable(texto));
        QVERIFY2(texto.contains(QStringLiteral("locked")), qPrintable(texto));
        QCOMPARE(c.trabajo(), QStringList());
        // Once the other program lets go, the same file imports.
        c.prompts.registros.clear();
        QVERIFY(c.importar({fixture("lote_2_cp.pdf")}));
        QCOMPARE(c.blancos(), 2);
    }

    // A work folder that cannot be written refuses before any file.
    void carpetaTrabajo()
    {
        Caso c;
        QVERIFY(QDir(c.env.carpetaTrabajo()).removeRecursively());
        QFile bloqueo(c.env.carpetaTrabajo().chopped(1));
        QVERIFY(bloqueo.open(QIODevice::WriteOnly));
        bloqueo.close();
        QVERIFY(!c.importar({fixture("lote_2_cp.pdf")}));
        QCOMPARE(c.lotes(), 0);
        QCOMPARE(c.prompts.registros.size(), 1);
        QCOMPARE(c.prompts.registros.at(0).texto,
                 QStringLiteral("No se pudo crear la carpeta de trabajo %1.")
                     .arg(QDir::toNativeSeparators(c.env.carpetaTrabajo())));
    }
};

QTEST_MAIN(TstImportar)
#include "tst_importar.moc"
