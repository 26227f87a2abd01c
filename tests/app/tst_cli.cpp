#include "data/Cuit.h"
#include "data/datamodule.h"
#include "masterdata/AltaTitular.h"
#include "support/EntornoPrueba.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct Salida {
    int codigo = -1;
    QString out;
    QString err;
};

QString programa()
{
    return qEnvironmentVariable("TOLVA_BUILD") + QStringLiteral("/app/tolva");
}

Salida ejecutar(const QStringList& argumentos, const QProcessEnvironment& entorno = QProcessEnvironment::systemEnvironment())
{
    QProcess proceso;
    proceso.setProcessEnvironment(entorno);
    proceso.start(programa(), argumentos);
    proceso.waitForFinished(60000);
    return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}

} // namespace

class TstCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(programa()), qPrintable(QStringLiteral("no está el programa: ") + programa()));
    }

    void ayuda_listaLasOrdenes()
    {
        const Salida s = ejecutar({QStringLiteral("--help")});
        QCOMPARE(s.codigo, 0);
        QVERIFY(s.out.contains(QStringLiteral("tolva titular-nuevo --razon-social TEXTO --cuit CUIT [--doble-altura]")));
        QVERIFY(s.out.contains(QStringLiteral("tolva lotes [--titular NOMBRE]")));
    }

    void titularNuevo_guardaConFormato_data()
    {
        QTest::addColumn<QString>("cuit");
        QTest::addColumn<bool>("doble");
        QTest::newRow("sin guiones") << "30712345671" << false;
        QTest::newRow("con guiones, doble altura") << "30-71234567-1" << true;
    }
    void titularNuevo_guardaConFormato()
    {
        QFETCH(QString, cuit);
        QFETCH(bool, doble);
        EntornoPrueba e;
        QStringList argumentos{QStringLiteral("titular-nuevo"), QStringLiteral("--razon-social"),
                               QStringLiteral("O'Brien \"Agro\"; Ñandú S.A."), QStringLiteral("--cuit"), cuit};
        if (doble)
            argumentos << QStringLiteral("--doble-altura");
        const Salida s = ejecutar(argumentos);
        QCOMPARE(s.codigo, 0);
        e.d().AbrirConsulta(e.d().qmyAUX, QStringLiteral("SELECT TitularNombre, TitularCUIT, CPdata FROM Titulares"));
        QCOMPARE(e.d().qmyAUX.filas(), 1);
        QCOMPARE(e.d().qmyAUX.valor(0, 0).toString(), QStringLiteral("O'Brien \"Agro\"; Ñandú S.A."));
        QCOMPARE(e.d().qmyAUX.valor(0, 1).toString(), QStringLiteral("30-71234567-1"));
        QCOMPARE(e.d().qmyAUX.valor(0, 2).toString(), doble ? QStringLiteral("2") : QString());
    }

    void titularNuevo_rechazos_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("letras") << QStringList{"--razon-social", "A", "--cuit", "30-7123456A-1"} << Cuit::kMensajeLargo;
        QTest::newRow("diez dígitos") << QStringList{"--razon-social", "A", "--cuit", "3071234567"} << Cuit::kMensajeLargo;
        QTest::newRow("doce dígitos") << QStringList{"--razon-social", "A", "--cuit", "307123456712"} << Cuit::kMensajeLargo;
        QTest::newRow("verificador") << QStringList{"--razon-social", "A", "--cuit", "30712345672"} << Cuit::kMensajeVerificador;
        QTest::newRow("sin razón social") << QStringList{"--cuit", "30712345671"} << AltaTitular::kMensajeFaltanDatos;
    }
    void titularNuevo_rechazos()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensaje);
        EntornoPrueba e;
        const Salida s = ejecutar(QStringList{QStringLiteral("titular-nuevo")} + argumentos);
        QCOMPARE(s.codigo, 1);
        QCOMPARE(s.err.trimmed(), mensaje);
        QCOMPARE(e.contar(QStringLiteral("Titulares")), 0);
    }

    void lotes_imprimeLaListaComoLaGrilla()
    {
        EntornoPrueba e;
        const qint64 agro = e.agregarTitular(QStringLiteral("AGRO; \"Ñ\""));
        const qint64 perez = e.agregarTitular(QStringLiteral("PEREZ"));
        const qint64 a1 = e.agregarArchivo(agro, QStringLiteral("a 1.pdf"), QDate(2026, 2, 3));
        e.agregarBlanco(a1, QStringLiteral("553000000001"), true);
        e.agregarBlanco(a1, QStringLiteral("553000000002"));
        const qint64 p1 = e.agregarArchivo(perez, QStringLiteral("p1.pdf"), QDate(2026, 1, 2));
        e.agregarBlanco(p1, QStringLiteral("553000000010"), true);

        const QString encabezado = QStringLiteral(
            "Titular\tArchivo\tFecha de importación\tCantidad de CP\tDesde\tHasta\tVencimiento\tEmitidas\tNo emitidas\tEmitidas\tDisponibles");
        Salida s = ejecutar({QStringLiteral("lotes")});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{encabezado,
                              "AGRO; \"Ñ\"\ta 1.pdf\t03/02/2026\t2\t553000000001\t553000000002\t31/12/2012\t1\t0\t0\t1",
                              "PEREZ\tp1.pdf\t02/01/2026\t1\t553000000010\t553000000010\t31/12/2012\t1\t0\t0\t0"}));

        s = ejecutar({QStringLiteral("lotes"), QStringLiteral("--ver"), QStringLiteral("Sin CP disponibles")});
        QCOMPARE(s.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2);
        QVERIFY(s.out.contains(QStringLiteral("p1.pdf")));

        s = ejecutar({QStringLiteral("lotes"), QStringLiteral("--titular"), QStringLiteral("agro; \"ñ\"")});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2);
        QVERIFY(s.out.contains(QStringLiteral("a 1.pdf")));

        s = ejecutar({QStringLiteral("lotes"), QStringLiteral("--titular"), QStringLiteral("NADIE")});
        QCOMPARE(s.codigo, 1);
        QVERIFY(s.out.isEmpty());
        s = ejecutar({QStringLiteral("lotes"), QStringLiteral("--ver"), QStringLiteral("Algunos")});
        QCOMPARE(s.codigo, 1);
    }

    void baseDaniada_mensajeYEstado1()
    {
        EntornoPrueba e;
        e.d().desconectar();
        QFile archivo(e.archivoBase());
        QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        archivo.write("esto no es una base de datos");
        archivo.close();
        const Salida s = ejecutar({QStringLiteral("lotes")});
        QCOMPARE(s.codigo, 1);
        QCOMPARE(s.err.trimmed(), kMensajeErrorConexion);
    }

    void sinAPPDATA_usaLaCarpetaDelUsuario()
    {
        QTemporaryDir casa;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove(QStringLiteral("APPDATA"));
        entorno.remove(QStringLiteral("XDG_DATA_HOME"));
        entorno.insert(QStringLiteral("HOME"), casa.path());
        const Salida s = ejecutar({QStringLiteral("titular-nuevo"), QStringLiteral("--razon-social"), QStringLiteral("X"),
                                   QStringLiteral("--cuit"), QStringLiteral("20-12345678-6")}, entorno);
        QCOMPARE(s.codigo, 0);
        QVERIFY(QFile::exists(casa.path() + QStringLiteral("/.local/share/Tolva/ADODB/cp.mdb")));
    }

    void sinPantalla_loDiceYMuestraLaAyuda()
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            entorno.remove(QString::fromLatin1(variable));
        const Salida s = ejecutar({}, entorno);
        QCOMPARE(s.codigo, 1);
        QVERIFY(s.err.startsWith(QStringLiteral("No hay una pantalla disponible")));
        QVERIFY(s.err.contains(QStringLiteral("tolva lotes")));
    }
};

QTEST_MAIN(TstCli)
#include "tst_cli.moc"
