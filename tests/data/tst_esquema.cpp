#include "data/Esquema.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <atomic>
#include <unistd.h>

namespace {

const QStringList kColumnasNuevas = {"CPxArchivoCP", "CPxArchivoCEE", "CPxArchivoVENC", "CPxArchivoObservaciones",
                                     "CPxArchivoImgCP", "CPxArchivoImgCEE"};

// Takes columns out of the database of the environment, as an older version had it.
void quitarColumnas(EntornoPrueba& e, const QString& tabla, const QStringList& columnas)
{
    e.d().ejecutar(QStringLiteral("DROP INDEX IF EXISTS CPxArchivoResumen"));
    for (const QString& columna : columnas)
        e.d().ejecutar(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(tabla, columna));
}

} // namespace

class TstEsquema : public QObject {
    Q_OBJECT
private slots:
    void baseNueva_tieneTodasLasTablas_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QStringList>("columnas");
        QTest::newRow("Titulares") << "Titulares" << QStringList{"TitularID", "TitularNombre", "TitularCUIT", "CPdata",
            "TitularDomicilioReal", "TitularDomicilioRealLocalidadID", "TitularDomicilioLegal",
            "TitularDomicilioLegalLocalidadID", "TitularTelefono"};
        QTest::newRow("ArchivosCP") << "ArchivosCP" << QStringList{"ArchivoCPID", "ArchivoCPNombre", "ArchivoCPFecha",
            "ArchivoCPTitularID", "ArchivoCPNotas"};
        QTest::newRow("CPxArchivo") << "CPxArchivo" << (QStringList{"CPxArchivoID", "CPxArchivoArchivoCPID",
            "CPxArchivoNombre1", "CPxArchivoNombre2", "CPxArchivoNombre3", "CPxArchivoNombre4", "CPxArchivoProcesada",
            "CPxArchivoEstado"} + kColumnasNuevas);
        QTest::newRow("CP") << "CP" << QStringList{"CPID", "CPArchivoID", "CPNumero", "CPTitularID", "CPFechaCarga",
            "CPCTG", "CPIntermediarioID", "CPRemitenteID", "CPCorredorID", "CPRepresentanteID", "CPDestinatarioID",
            "CPDestinoID", "CPTransportistaID", "CPChoferID", "CPGranoID", "CPTipoID", "CPCosecha", "CPContrato",
            "CPPesadaDestino", "CPKgEstimado", "CPCalidad", "CPBruto", "CPTara", "CPNeto", "CPObservaciones",
            "CPProcedenciaID", "CPLugarDestinoID", "CPPagadorFleteID", "CPEstablecimiento", "CPCamionID",
            "CPAcopladoID", "CPKm", "CPFletePagado", "CPFletePagar", "CPTarifa", "CPTarifaReferencia"};
        QTest::newRow("Estado") << "Estado" << QStringList{"EstadoTitular", "EstadoVer", "EstadoDPI",
            "EstadoOptimizarImpresion"};
        QTest::newRow("Intermediarios") << "Intermediarios" << QStringList{"IntermediarioID", "IntermediarioNombre", "IntermediarioCUIT"};
        QTest::newRow("RemitentesComerciales") << "RemitentesComerciales" << QStringList{"RemitenteID", "RemitenteNombre", "RemitenteCUIT"};
        QTest::newRow("Corredores") << "Corredores" << QStringList{"CorredorID", "CorredorNombre", "CorredorCUIT"};
        QTest::newRow("Representantes") << "Representantes" << QStringList{"RepresentanteID", "RepresentanteNombre", "RepresentanteCUIT"};
        QTest::newRow("Destinos") << "Destinos" << QStringList{"DestinoID", "DestinoNombre", "DestinoCUIT"};
        QTest::newRow("Destinatarios") << "Destinatarios" << QStringList{"DestinatarioID", "DestinatarioNombre",
            "DestinatarioCUIT", "DestinatarioDomicilio", "DestinatarioDomicilioLocalidadID"};
        QTest::newRow("Transportistas") << "Transportistas" << QStringList{"TransportistaID", "TransportistaNombre",
            "TransportistaCUIT", "TransportistaDomicilio", "TransportistaDomicilioLocalidadID"};
        QTest::newRow("Choferes") << "Choferes" << QStringList{"ChoferID", "ChoferNombre", "ChoferCUIT", "ChoferCamion", "ChoferAcoplado"};
        QTest::newRow("Granos") << "Granos" << QStringList{"GranoID", "GranoNombre"};
        QTest::newRow("Tipos") << "Tipos" << QStringList{"TipoID", "TipoNombre"};
        QTest::newRow("Pagadores") << "Pagadores" << QStringList{"PagadorID", "PagadorNombre"};
        QTest::newRow("Procedencias") << "Procedencias" << QStringList{"ProcedenciaID", "ProcedenciaDireccion",
            "ProcedenciaLocalidadID", "ProcedenciaEstablecimiento"};
        QTest::newRow("LugaresDestino") << "LugaresDestino" << QStringList{"LugarDestinoID", "LugarDestinoNombre", "LugarDestinoLocalidadID"};
        QTest::newRow("Localidades") << "Localidades" << QStringList{"LocalidadID", "LocalidadNombre", "LocalidadProvinciaID"};
        QTest::newRow("Provincias") << "Provincias" << QStringList{"ProvinciaID", "ProvinciaNombre"};
        QTest::newRow("Usuarios") << "Usuarios" << QStringList{"UsuarioID", "UsuarioNombre", "UsuarioApellido", "UsuarioLogin", "UsuarioClave"};
        QTest::newRow("tBitacora") << "tBitacora" << QStringList{"cTipo", "cTabla", "cIDTabla", "cDescripcion", "cFecha", "cOperador"};
    }
    void baseNueva_tieneTodasLasTablas()
    {
        QFETCH(QString, tabla);
        QFETCH(QStringList, columnas);
        EntornoPrueba e;
        QCOMPARE(Esquema::columnas(e.d().adoCP(), tabla), columnas);
    }

    void baseNueva_provinciasYEstadoVacio()
    {
        EntornoPrueba e;
        QVERIFY(QFile::exists(e.archivoBase()));
        e.d().AbrirConsulta(e.d().qmyAUX, QStringLiteral("SELECT ProvinciaNombre FROM Provincias ORDER BY ProvinciaID"));
        QStringList nombres;
        for (int i = 0; i < e.d().qmyAUX.filas(); ++i)
            nombres << e.d().qmyAUX.valor(i, 0).toString();
        QCOMPARE(nombres, Esquema::provincias());
        QCOMPARE(nombres.first(), QStringLiteral("BUENOS AIRES"));
        QCOMPARE(nombres.size(), 24);
        QCOMPARE(e.contar(QStringLiteral("Estado")), 0);
        QVERIFY(e.d().valorUnico(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql LIKE ?"),
                                 {QStringLiteral("%(CPxArchivoArchivoCPID)%")}).isValid());
    }

    void blancoNuevo_sinProcesarYSinEstado()
    {
        EntornoPrueba e;
        const qint64 id = e.d().Insertar(QStringLiteral("CPxArchivo"), {{QStringLiteral("CPxArchivoArchivoCPID"), 1}});
        QCOMPARE(e.d().valorUnico(QStringLiteral("SELECT CPxArchivoProcesada FROM CPxArchivo WHERE CPxArchivoID = ?"), {id}).toInt(), 0);
        QCOMPARE(e.d().valorUnico(QStringLiteral("SELECT CPxArchivoEstado FROM CPxArchivo WHERE CPxArchivoID = ?"), {id}).toInt(), -1);
    }

    void claves_noSeReusan()
    {
        EntornoPrueba e;
        const qint64 primero = e.agregarTitular(QStringLiteral("A"));
        const qint64 segundo = e.agregarTitular(QStringLiteral("B"));
        e.d().ejecutar(QStringLiteral("DELETE FROM Titulares WHERE TitularID = ?"), {segundo});
        const qint64 tercero = e.agregarTitular(QStringLiteral("C"));
        QVERIFY(segundo > primero);
        QVERIFY(tercero > segundo);
    }

    // Names compare without regard to case, accented capitals included; accents count.
    void igualdadDeNombres_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("buscado");
        QTest::addColumn<bool>("iguales");
        QTest::newRow("mayúsculas") << "Agro S.A." << "AGRO S.A." << true;
        QTest::newRow("ñ y Ñ") << "Ñandú" << "ñANDÚ" << true;
        QTest::newRow("á y Á") << "Álamo" << "álamo" << true;
        QTest::newRow("acento cuenta") << "Alamo" << "Álamo" << false;
        QTest::newRow("comillas y punto y coma") << "O'Brien \"El\"; S.A." << "o'brien \"el\"; s.a." << true;
    }
    void igualdadDeNombres()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, buscado);
        QFETCH(bool, iguales);
        EntornoPrueba e;
        e.agregarTitular(guardado);
        QCOMPARE(e.contar(QStringLiteral("Titulares"), QStringLiteral("TitularNombre = ?"), {buscado}), iguales ? 1 : 0);
        QCOMPARE(e.d().valorUnico(QStringLiteral("SELECT TitularNombre FROM Titulares")).toString(), guardado);
    }

    void actualizar_agregaLasSeisColumnasYLaTarifa()
    {
        EntornoPrueba e;
        quitarColumnas(e, QStringLiteral("CPxArchivo"), kColumnasNuevas);
        quitarColumnas(e, QStringLiteral("CP"), {QStringLiteral("CPTarifaReferencia")});
        QVERIFY(!Esquema::tieneColumna(e.d().adoCP(), QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoCP")));
        e.d().desconectar();
        PromptsGuion prompts;
        QVERIFY(e.d().ConectarBase(e.carpetaDatos(), prompts));
        QVERIFY(prompts.registros.isEmpty());
        for (const QString& columna : kColumnasNuevas)
            QVERIFY2(Esquema::tieneColumna(e.d().adoCP(), QStringLiteral("CPxArchivo"), columna), qPrintable(columna));
        QVERIFY(Esquema::tieneColumna(e.d().adoCP(), QStringLiteral("CP"), QStringLiteral("CPTarifaReferencia")));
        // Works as a current database: a blank with its number and image.
        e.d().Insertar(QStringLiteral("CPxArchivo"), {{QStringLiteral("CPxArchivoCP"), QStringLiteral("553000012340")},
                                                      {QStringLiteral("CPxArchivoImgCP"), QByteArray("\x89PNG")}});
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoCP = ?"), {QStringLiteral("553000012340")}), 1);
        // A second connect finds its columns and changes nothing.
        QVERIFY(e.d().ConectarBase(e.carpetaDatos(), prompts));
        QCOMPARE(Esquema::columnas(e.d().adoCP(), QStringLiteral("CPxArchivo")).size(), 14);
    }

    // The first new column alone decides: with it present nothing is added.
    void actualizar_conCPxArchivoCPNoTocaLasOtras()
    {
        EntornoPrueba e;
        quitarColumnas(e, QStringLiteral("CPxArchivo"), {QStringLiteral("CPxArchivoObservaciones")});
        e.d().desconectar();
        e.conectar();
        QVERIFY(!Esquema::tieneColumna(e.d().adoCP(), QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoObservaciones")));
        QVERIFY(Esquema::tieneColumna(e.d().adoCP(), QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoCEE")));
    }

    void conectar_archivoQueNoEsBase()
    {
        EntornoPrueba e;
        e.d().desconectar();
        QFile archivo(e.archivoBase());
        QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        archivo.write(QByteArray(4096, 'x'));
        archivo.close();
        PromptsGuion prompts;
        QVERIFY(!e.d().ConectarBase(e.carpetaDatos(), prompts));
        QCOMPARE(prompts.registros.size(), 1);
        QCOMPARE(prompts.registros.at(0).titulo, QStringLiteral("Error"));
        QCOMPARE(prompts.registros.at(0).texto, kMensajeErrorConexion);
        QVERIFY(!e.d().conectado());
        QVERIFY2(e.d().motivoFalla().contains(QStringLiteral("not a database")), qPrintable(e.d().motivoFalla()));
        // The file is left as it was.
        QCOMPARE(QFileInfo(e.archivoBase()).size(), qint64(4096));
    }

    void conectar_baseDeSoloLectura()
    {
        if (geteuid() == 0)
            QSKIP("root writes read-only files; run as a user to check this case");
        EntornoPrueba e;
        e.d().desconectar();
        QFile::setPermissions(e.archivoBase(), QFile::ReadOwner);
        PromptsGuion prompts;
        QVERIFY(!e.d().ConectarBase(e.carpetaDatos(), prompts));
        QCOMPARE(prompts.textos(), QStringList{kMensajeErrorConexion});
    }

    void conectar_carpetaQueNoSePuedeCrear()
    {
        QTemporaryDir temporal;
        QFile bloqueo(temporal.filePath(QStringLiteral("Tolva")));
        QVERIFY(bloqueo.open(QIODevice::WriteOnly));  // a file where the folder should be
        bloqueo.close();
        Td d;
        PromptsGuion prompts;
        QVERIFY(!d.ConectarBase(temporal.path() + QStringLiteral("/Tolva/"), prompts));
        QCOMPARE(prompts.textos(), QStringList{kMensajeErrorConexion});
    }

    // A second program that writes while another one holds the database waits for it.
    void dosProgramas_elSegundoEspera()
    {
        EntornoPrueba e;
        const QString archivo = e.archivoBase();
        std::atomic<bool> bloqueada{false};
        std::atomic<bool> confirmada{false};
        QThread* otroPrograma = QThread::create([&] {
            {
                QSqlDatabase otra = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otra"));
                otra.setDatabaseName(archivo);
                otra.open();
                QSqlQuery(otra).exec(QStringLiteral("BEGIN IMMEDIATE"));
                QSqlQuery(otra).exec(QStringLiteral("INSERT INTO Granos (GranoNombre) VALUES ('SOJA')"));
                bloqueada = true;
                QThread::msleep(500);
                confirmada = true;
                QSqlQuery(otra).exec(QStringLiteral("COMMIT"));
                otra.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("otra"));
        });
        otroPrograma->start();
        while (!bloqueada)
            QThread::msleep(5);
        e.agregarTitular(QStringLiteral("ESPERÓ"));
        QVERIFY(confirmada);
        otroPrograma->wait();
        delete otroPrograma;
        QCOMPARE(e.contar(QStringLiteral("Granos")), 1);
        QCOMPARE(e.contar(QStringLiteral("Titulares")), 1);
    }

    void transaccion_deshaceTodoAnteUnError()
    {
        EntornoPrueba e;
        try {
            Transaccion t(e.d());
            e.agregarTitular(QStringLiteral("A"));
            e.d().ejecutar(QStringLiteral("INSERT INTO TablaQueNoExiste VALUES (1)"));
            t.confirmar();
            QFAIL("the statement should have failed");
        } catch (const TolvaError& error) {
            QVERIFY(error.texto().startsWith(QStringLiteral("Error de base de datos")));
        }
        QCOMPARE(e.contar(QStringLiteral("Titulares")), 0);
    }
};

QTEST_MAIN(TstEsquema)
#include "tst_esquema.moc"
