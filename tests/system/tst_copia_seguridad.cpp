#include "app/Cli.h"
#include "data/Esquema.h"
#include "data/Estado.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"
#include "system/CopiaSeguridad.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <zip.h>

#include <unistd.h>

namespace {

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A zip archive with the given entries, written with libzip.
void escribirZip(const QString& ruta, const QVector<std::pair<QByteArray, QByteArray>>& entradas)
{
    QFile::remove(ruta);
    int error = 0;
    zip_t* archivo = zip_open(QFile::encodeName(ruta).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(archivo);
    for (const auto& [nombre, datos] : entradas) {
        zip_source_t* fuente = zip_source_buffer(archivo, datos.constData(), zip_uint64_t(datos.size()), 0);
        QVERIFY(fuente);
        QVERIFY(zip_file_add(archivo, nombre.constData(), fuente, 0) >= 0);
    }
    QCOMPARE(zip_close(archivo), 0);
}

QStringList nombresEnZip(const QString& ruta)
{
    int error = 0;
    zip_t* archivo = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &error);
    if (!archivo)
        return {QStringLiteral("<no es zip>")};
    QStringList nombres;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archivo, 0); ++i)
        nombres << QString::fromUtf8(zip_get_name(archivo, zip_uint64_t(i), 0));
    zip_discard(archivo);
    return nombres;
}

// Every row of every table, blobs included, as text: two equal dumps mean equal data.
QStringList volcado(Td& d)
{
    QStringList lineas;
    for (const QString& tabla : CopiaSeguridad::tablasTolva()) {
        QSqlQuery q(d.adoCP());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(tabla))) {
            lineas << tabla + QStringLiteral(": error");
            continue;
        }
        while (q.next()) {
            QStringList celdas;
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                celdas << (v.isNull() ? QStringLiteral("<null>")
                                      : v.typeId() == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex())
                                                                            : v.toString());
            }
            lineas << tabla + QStringLiteral(": ") + celdas.join(QStringLiteral(" | "));
        }
    }
    return lineas;
}

QByteArray imagenPng(int semilla)
{
    // Not a real picture: any bytes do, the database stores them as they are.
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    for (int i = 0; i < 300; ++i)
        bytes.append(char((i * 31 + semilla * 7) & 0xFF));
    return bytes;
}

// Rows of every kind, with the names that break spliced statements.
void llenarBase(EntornoPrueba& e)
{
    Td& d = e.d();
    const qint64 t1 = e.agregarTitular(QStringLiteral("  Agro \"La Ñata\"; O'Higgins  "), QStringLiteral("30-71234567-1"),
                                       QStringLiteral("2"));
    const qint64 t2 = e.agregarTitular(QStringLiteral("Cereales Güemes S.A."), QStringLiteral("20-12345678-6"));
    const qint64 a1 = e.agregarArchivo(t1, QStringLiteral("lote uno.pdf"));
    const qint64 a2 = e.agregarArchivo(t2, QStringLiteral("lote;dos'.pdf"));
    for (int i = 0; i < 4; ++i) {
        const qint64 b = e.agregarBlanco(i < 2 ? a1 : a2, QStringLiteral("55300000000%1").arg(i), i == 1, i == 3 ? 0 : -1);
        d.ejecutar(QStringLiteral("UPDATE CPxArchivo SET CPxArchivoImgCP = ?, CPxArchivoImgCEE = ?, CPxArchivoCEE = ?"
                                  " WHERE CPxArchivoID = ?"),
                   {imagenPng(i), imagenPng(100 + i), QStringLiteral("7123456789%1").arg(i), b});
        if (i == 1)
            e.agregarCarta(b, t1, QStringLiteral("553000000001"));
    }
    d.Insertar(QStringLiteral("Usuarios"), {{QStringLiteral("UsuarioNombre"), QStringLiteral("José")},
                                            {QStringLiteral("UsuarioApellido"), QStringLiteral("D'Amico")},
                                            {QStringLiteral("UsuarioLogin"), QStringLiteral("jdamico")},
                                            {QStringLiteral("UsuarioClave"), QStringLiteral("\"clave; 1\" ")}});
    d.Insertar(QStringLiteral("Localidades"), {{QStringLiteral("LocalidadNombre"), QStringLiteral("Río Cuarto")},
                                               {QStringLiteral("LocalidadProvinciaID"), 6}});
    Estado::escribir(d, {{QStringLiteral("EstadoTitular"), QStringLiteral("Cereales Güemes S.A.")},
                         {QStringLiteral("EstadoVer"), QStringLiteral("Con CP disponibles")},
                         {QStringLiteral("EstadoDPI"), 1},
                         {QStringLiteral("EstadoOptimizarImpresion"), 1}});
}

} // namespace

class TstCopiaSeguridad : public QObject {
    Q_OBJECT

    std::unique_ptr<EntornoPrueba> e;
    std::unique_ptr<PromptsGuion> prompts;
    std::unique_ptr<CopiaSeguridad> copia;
    std::unique_ptr<QTemporaryDir> afuera;   // where the user keeps the backups
    int reconexiones = 0;

    CopiaSeguridad* nuevaCopia()
    {
        copia = std::make_unique<CopiaSeguridad>(e->d(), *prompts, e->carpetaDatos(), [this] {
            ++reconexiones;
            e->conectar();
            return true;
        });
        return copia.get();
    }

    // The database file as it is on disk (nothing is pending: every write was committed).
    QByteArray bytesBase() { return leer(e->archivoBase()); }

    QString guardarCopia(const QString& nombre)
    {
        const QString ruta = afuera->filePath(nombre);
        prompts->archivosGuardar << ruta;
        [&] { QVERIFY(nuevaCopia()->Guardar()); }();
        prompts->registros.clear();
        return ruta;
    }

    void restoreLeavesNothing()
    {
        QVERIFY(!QFileInfo::exists(copia->archivoTemporal()));
        QVERIFY(!QFileInfo::exists(e->archivoBase() + QStringLiteral(".recuperada")));
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoPrueba>();
        prompts = std::make_unique<PromptsGuion>();
        afuera = std::make_unique<QTemporaryDir>();
        reconexiones = 0;
        llenarBase(*e);
    }
    void cleanup()
    {
        copia.reset();
        e.reset();
    }

    // A backup holds one entry "cp.mdb" without folder; restoring it gives back every row.
    void guardarYRecuperar()
    {
        const QStringList antes = volcado(e->d());
        QVERIFY(antes.filter(QStringLiteral("CPxArchivo:")).size() == 4);

        const QString ruta = afuera->filePath(QStringLiteral("copia.tolva"));
        prompts->archivosGuardar << ruta;
        QVERIFY(nuevaCopia()->Guardar());
        QCOMPARE(prompts->dialogos.size(), 1);
        QCOMPARE(prompts->dialogos.at(0).titulo, QStringLiteral("Guardar copia de seguridad"));
        QCOMPARE(prompts->dialogos.at(0).filtro, QStringLiteral("Copia de seguridad Tolva (*.tolva)"));
        QCOMPARE(prompts->dialogos.at(0).extension, QStringLiteral("tolva"));
        QCOMPARE(prompts->dialogos.at(0).nombreInicial, QStringLiteral("Copia de seguridad Tolva"));
        QCOMPARE(prompts->textos(), QStringList{QStringLiteral("Copia de seguridad finalizada.")});
        QCOMPARE(prompts->registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(prompts->registros.at(0).icono, Prompts::Icono::Informacion);
        QCOMPARE(nombresEnZip(ruta), QStringList{QStringLiteral("cp.mdb")});
        QVERIFY(!QFileInfo::exists(copia->archivoTemporal()));
        QVERIFY(e->d().conectado());
        QCOMPARE(reconexiones, 1);

        // Everything changes after the backup.
        e->d().ejecutar(QStringLiteral("DELETE FROM CPxArchivo WHERE CPxArchivoID = 1"));
        e->d().ejecutar(QStringLiteral("DELETE FROM Titulares"));
        e->agregarTitular(QStringLiteral("Otro"));
        Estado::escribir(e->d(), {{QStringLiteral("EstadoDPI"), 0}});
        QVERIFY(volcado(e->d()) != antes);

        prompts->registros.clear();
        prompts->respuestas = {true, true};
        prompts->archivosAbrir = {{ruta}};
        QVERIFY(nuevaCopia()->Recuperar());
        QCOMPARE(prompts->textos(), (QStringList{kPreguntaRecuperar, kPreguntaConfirmaRecuperar,
                                                 QStringLiteral("Copia de seguridad recuperada.")}));
        QCOMPARE(prompts->registros.at(0).icono, Prompts::Icono::Advertencia);
        QCOMPARE(prompts->registros.at(1).icono, Prompts::Icono::Pregunta);
        QCOMPARE(prompts->registros.at(2).icono, Prompts::Icono::Informacion);
        QCOMPARE(prompts->dialogos.last().titulo, QStringLiteral("Recuperar copia de seguridad"));
        QCOMPARE(prompts->dialogos.last().filtro, QStringLiteral("Copia de seguridad Tolva (*.tolva)"));
        QVERIFY(e->d().conectado());
        QCOMPARE(volcado(e->d()), antes);
        QCOMPARE(Estado::leer(e->d()).dpi, 1);
        restoreLeavesNothing();
    }

    // Each bad archive is refused with one message, and the database stays byte for byte
    // as it was; nothing is written outside the database folder.
    void archivoInvalido_data()
    {
        QTest::addColumn<int>("caso");
        QTest::newRow("no es un zip") << 0;
        QTest::newRow("zip sin base de datos") << 1;
        QTest::newRow("cp.mdb de texto") << 2;
        QTest::newRow("entrada ../../x.mdb") << 3;
        QTest::newRow("entrada ../cp.mdb") << 4;
        QTest::newRow("zip vacío") << 5;
        QTest::newRow("base de datos ajena") << 6;
        QTest::newRow("zip cortado") << 7;
        QTest::newRow("cp.mdb vacío") << 8;
        QTest::newRow("cp.mdb cortado") << 9;
    }
    void archivoInvalido()
    {
        QFETCH(int, caso);
        const QString valida = guardarCopia(QStringLiteral("buena.tolva"));
        const QByteArray base = leer(e->archivoBase());
        const QString ruta = afuera->filePath(QStringLiteral("mala.tolva"));
        switch (caso) {
        case 0: escribir(ruta, "Esto no es una copia de seguridad.\n"); break;
        case 1: escribirZip(ruta, {{"notas.txt", "hola"}}); break;
        case 2: escribirZip(ruta, {{"cp.mdb", "SQLite format 3? no, solo texto\n"}}); break;
        case 3: escribirZip(ruta, {{"../../x.mdb", base}}); break;
        case 4: escribirZip(ruta, {{"../cp.mdb", base}, {"ADODB/../../cp.mdb", base}}); break;
        case 5: escribir(ruta, QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')); break;
        case 6: {
            const QString ajena = afuera->filePath(QStringLiteral("ajena.db"));
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ajena"));
                db.setDatabaseName(ajena);
                QVERIFY(db.open());
                QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Titulares (x INTEGER)"));
                QSqlQuery(db).exec(QStringLiteral("INSERT INTO Titulares VALUES (1)"));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("ajena"));
            escribirZip(ruta, {{"cp.mdb", leer(ajena)}});
            break;
        }
        case 7: escribir(ruta, leer(valida).left(leer(valida).size() / 2)); break;
        case 8: escribirZip(ruta, {{"cp.mdb", QByteArray()}}); break;
        case 9: escribirZip(ruta, {{"cp.mdb", base.left(base.size() - 4096)}}); break;
        }
        QVERIFY(!QTest::currentTestFailed());

        prompts->respuestas = {true, true};
        prompts->archivosAbrir = {{ruta}};
        QVERIFY(!nuevaCopia()->Recuperar());
        QCOMPARE(prompts->textos(), (QStringList{kPreguntaRecuperar, kPreguntaConfirmaRecuperar,
                                                 QStringLiteral("El archivo seleccionado no es una copia de "
                                                                "seguridad válida de Tolva.")}));
        QCOMPARE(prompts->registros.last().titulo, QStringLiteral("Atención"));
        QCOMPARE(prompts->registros.last().icono, Prompts::Icono::Advertencia);
        QVERIFY(e->d().conectado());
        QCOMPARE(reconexiones, 2);   // once after the backup, once after the refused restore
        QVERIFY(bytesBase() == base);
        restoreLeavesNothing();
        QVERIFY(!QFileInfo::exists(e->carpetaDatos() + QStringLiteral("../x.mdb")));
        QVERIFY(!QFileInfo::exists(e->carpetaDatos() + QStringLiteral("x.mdb")));
        QVERIFY(!QFileInfo::exists(e->carpetaDatos() + QStringLiteral("cp.mdb")));
        QVERIFY(!QFileInfo::exists(e->carpetaDatos() + QStringLiteral("../cp.mdb")));
        QCOMPARE(QDir(e->carpetaDatos() + QStringLiteral("ADODB")).entryList(QDir::Files),
                 QStringList{QStringLiteral("cp.mdb")});
    }

    // Declining a question or cancelling a dialog changes nothing and reconnects nothing.
    void cancelar_data()
    {
        QTest::addColumn<QList<bool>>("respuestas");
        QTest::addColumn<bool>("eligeArchivo");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("primera pregunta") << QList<bool>{false} << true << QStringList{kPreguntaRecuperar};
        QTest::newRow("diálogo cancelado") << QList<bool>{true} << false << QStringList{kPreguntaRecuperar};
        QTest::newRow("segunda pregunta") << QList<bool>{true, false} << true
                                          << QStringList{kPreguntaRecuperar, kPreguntaConfirmaRecuperar};
    }
    void cancelar()
    {
        QFETCH(QList<bool>, respuestas);
        QFETCH(bool, eligeArchivo);
        QFETCH(QStringList, textos);
        const QString ruta = guardarCopia(QStringLiteral("copia.tolva"));
        e->d().ejecutar(QStringLiteral("DELETE FROM Titulares"));
        const QByteArray base = bytesBase();
        prompts->respuestas = respuestas;
        if (eligeArchivo)
            prompts->archivosAbrir = {{ruta}};
        QVERIFY(!nuevaCopia()->Recuperar());
        QCOMPARE(prompts->textos(), textos);
        QCOMPARE(reconexiones, 1);
        QVERIFY(e->d().conectado());
        QVERIFY(bytesBase() == base);

        // The save dialog cancelled.
        prompts->registros.clear();
        QVERIFY(!nuevaCopia()->Guardar());
        QVERIFY(prompts->registros.isEmpty());
        QCOMPARE(reconexiones, 1);
        QVERIFY(e->d().conectado());
    }

    // A target that cannot be written: the error says why, no success is reported, the
    // database is reconnected and untouched, no temporary archive is left.
    void destinoNoEscribible_data()
    {
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<bool>("sinPermiso");
        QTest::newRow("carpeta inexistente") << "no/existe/copia.tolva" << false;
        QTest::newRow("carpeta que es un archivo") << "archivo.txt/copia.tolva" << false;
        if (geteuid() != 0)
            QTest::newRow("carpeta sin permiso de escritura") << "solo-lectura/copia.tolva" << true;
    }
    void destinoNoEscribible()
    {
        QFETCH(QString, relativo);
        QFETCH(bool, sinPermiso);
        escribir(afuera->filePath(QStringLiteral("archivo.txt")), "x");
        const QString soloLectura = afuera->filePath(QStringLiteral("solo-lectura"));
        QDir().mkpath(soloLectura);
        if (sinPermiso)
            QFile::setPermissions(soloLectura, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray base = bytesBase();
        const QString destino = afuera->filePath(relativo);
        prompts->archivosGuardar << destino;
        QString error;
        try {
            nuevaCopia()->Guardar();
        } catch (const TolvaError& falla) {
            error = falla.texto();
        }
        QFile::setPermissions(soloLectura, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(error.startsWith(QStringLiteral("No se pudo guardar la copia de seguridad en ") + destino), qPrintable(error));
        QVERIFY(prompts->registros.isEmpty());   // no "Copia de seguridad finalizada."
        QCOMPARE(reconexiones, 1);
        QVERIFY(e->d().conectado());
        QVERIFY(bytesBase() == base);
        QVERIFY(!QFileInfo::exists(destino));
        QVERIFY(!QFileInfo::exists(copia->archivoTemporal()));
    }

    // Another program in the middle of a write (its journal beside the file): the backup
    // holds the database as it was before that write, complete and readable.
    void escrituraAjenaPendiente()
    {
        const int titulares = e->contar(QStringLiteral("Titulares"));
        const QString conexion = QStringLiteral("otro-programa");
        QString ruta;
        {
            QSqlDatabase otra = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
            otra.setDatabaseName(e->archivoBase());
            QVERIFY(otra.open());
            QSqlQuery q(otra);
            QVERIFY(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO Titulares (TitularNombre) VALUES ('sin confirmar')")));
            QVERIFY(QFileInfo::exists(e->archivoBase() + QStringLiteral("-journal")));
            ruta = guardarCopia(QStringLiteral("durante.tolva"));
            QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
            otra.close();
        }
        QSqlDatabase::removeDatabase(conexion);
        const QString extraida = afuera->filePath(QStringLiteral("extraida.mdb"));
        QVERIFY(CopiaSeguridad::extraerBase(ruta, extraida));
        {
            QSqlDatabase copiaLeida = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
            copiaLeida.setDatabaseName(extraida);
            QVERIFY(copiaLeida.open());
            QSqlQuery q(copiaLeida);
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM Titulares")) && q.next());
            QCOMPARE(q.value(0).toInt(), titulares);
            copiaLeida.close();
        }
        QSqlDatabase::removeDatabase(conexion);
    }

    // Replacing an existing backup: the dialog asks; the file is then replaced whole.
    void reemplazaCopiaExistente()
    {
        const QString ruta = afuera->filePath(QStringLiteral("copia.tolva"));
        escribir(ruta, QByteArray(1 << 20, 'x'));
        prompts->archivosGuardar << ruta;
        QVERIFY(nuevaCopia()->Guardar());
        QCOMPARE(nombresEnZip(ruta), QStringList{QStringLiteral("cp.mdb")});
    }

    // A copy made by an older version (without the columns added later) is restored and
    // brought up to date by the reconnection.
    void copiaAntigua()
    {
        const QString vieja = afuera->filePath(QStringLiteral("vieja.mdb"));
        QVERIFY(QFile::copy(e->archivoBase(), vieja));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vieja"));
            db.setDatabaseName(vieja);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("DROP INDEX IF EXISTS CPxArchivoResumen")));
            for (const char* columna : {"CPxArchivoCP", "CPxArchivoCEE", "CPxArchivoVENC", "CPxArchivoObservaciones",
                                        "CPxArchivoImgCP", "CPxArchivoImgCEE"})
                QVERIFY2(q.exec(QStringLiteral("ALTER TABLE CPxArchivo DROP COLUMN %1").arg(QLatin1String(columna))),
                         columna);
            QVERIFY(q.exec(QStringLiteral("ALTER TABLE CP DROP COLUMN CPTarifaReferencia")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("vieja"));
        const QString ruta = afuera->filePath(QStringLiteral("vieja.tolva"));
        escribirZip(ruta, {{"cp.mdb", leer(vieja)}});

        prompts->respuestas = {true, true};
        prompts->archivosAbrir = {{ruta}};
        QVERIFY(nuevaCopia()->Recuperar());
        QCOMPARE(prompts->ultimoTexto(), QStringLiteral("Copia de seguridad recuperada."));
        QVERIFY(Esquema::tieneColumna(e->d().adoCP(), QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoImgCEE")));
        QVERIFY(Esquema::tieneColumna(e->d().adoCP(), QStringLiteral("CP"), QStringLiteral("CPTarifaReferencia")));
        QCOMPARE(e->contar(QStringLiteral("CPxArchivo")), 4);
    }

    // The command line: "copia-seguridad" writes the backup; "recuperar" without --si answers
    // No to the questions and changes nothing; with --si it restores.
    void lineaDeComandos()
    {
        const QStringList antes = volcado(e->d());
        const QString ruta = afuera->filePath(QStringLiteral("orden"));
        QCOMPARE(Cli::ejecutar({QStringLiteral("tolva"), QStringLiteral("copia-seguridad"), ruta}), 0);
        QCOMPARE(nombresEnZip(ruta + QStringLiteral(".tolva")), QStringList{QStringLiteral("cp.mdb")});
        // An existing file is replaced only with --si.
        const QByteArray hecha = leer(ruta + QStringLiteral(".tolva"));
        QCOMPARE(Cli::ejecutar({QStringLiteral("tolva"), QStringLiteral("copia-seguridad"), ruta + QStringLiteral(".tolva")}), 1);
        QVERIFY(leer(ruta + QStringLiteral(".tolva")) == hecha);

        e->d().ejecutar(QStringLiteral("DELETE FROM CP"));
        e->d().ejecutar(QStringLiteral("DELETE FROM Titulares"));
        const QStringList cambiado = volcado(e->d());
        e->d().desconectar();

        QCOMPARE(Cli::ejecutar({QStringLiteral("tolva"), QStringLiteral("recuperar"), ruta + QStringLiteral(".tolva")}), 1);
        e->conectar();
        QCOMPARE(volcado(e->d()), cambiado);
        e->d().desconectar();

        QCOMPARE(Cli::ejecutar({QStringLiteral("tolva"), QStringLiteral("recuperar"), QStringLiteral("--si"),
                                ruta + QStringLiteral(".tolva")}),
                 0);
        e->conectar();
        QCOMPARE(volcado(e->d()), antes);
        QVERIFY(!QFileInfo::exists(e->carpetaTrabajo() + QStringLiteral("tmp.zip")));

        // A bad archive on the command line: refused, nothing changes.
        const QString mala = afuera->filePath(QStringLiteral("mala.tolva"));
        escribir(mala, "texto");
        const QByteArray base = bytesBase();
        e->d().desconectar();
        QCOMPARE(Cli::ejecutar({QStringLiteral("tolva"), QStringLiteral("recuperar"), QStringLiteral("--si"), mala}), 1);
        QVERIFY(bytesBase() == base);
        e->conectar();
    }
};

QTEST_MAIN(TstCopiaSeguridad)
#include "tst_copia_seguridad.moc"
