#include "data/CargaCombo.h"
#include "data/Comandos.h"
#include "data/Grilla.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "support/EntornoPrueba.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>

class TstServicios : public QObject {
    Q_OBJECT

    QStringList lineasDelLog(const EntornoPrueba& e)
    {
        QFile log(e.carpetaDatos() + QStringLiteral("error.log"));
        if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        QStringList lineas = QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'));
        if (!lineas.isEmpty() && lineas.last().isEmpty())
            lineas.removeLast();
        return lineas;
    }

    // The values of a grid column as the grid shows them, top to bottom.
    QStringList columnaVisible(const Grilla& grilla, int columna)
    {
        QStringList valores;
        for (int fila = 0; fila < grilla.proxy()->rowCount(); ++fila)
            valores << grilla.proxy()->index(fila, columna).data().toString();
        return valores;
    }

private slots:
    void GuardaError_dosEntradasSonSeisLineas()
    {
        EntornoPrueba e;
        e.d().GuardaError(QStringLiteral("pdfinfo \"a b.pdf\""), QStringLiteral("Syntax Error"));
        e.d().GuardaError(QStringLiteral("pdftotext x.pdf"), QStringLiteral("I/O Error"));
        const QStringList lineas = lineasDelLog(e);
        QCOMPARE(lineas.size(), 6);
        const QRegularExpression fecha(QStringLiteral("^Fecha: \\S.* Hora: \\S.*$"));
        QVERIFY2(fecha.match(lineas.at(0)).hasMatch(), qPrintable(lineas.at(0)));
        QCOMPARE(lineas.at(1), QStringLiteral("Comando   : pdfinfo \"a b.pdf\""));
        QCOMPARE(lineas.at(2), QStringLiteral("Resultado : Syntax Error"));
        QVERIFY(fecha.match(lineas.at(3)).hasMatch());
        QCOMPARE(lineas.at(4), QStringLiteral("Comando   : pdftotext x.pdf"));
        QCOMPARE(lineas.at(5), QStringLiteral("Resultado : I/O Error"));
    }

    void GuardaError_carpetaInexistenteFalla()
    {
        EntornoPrueba e;
        Td d;
        QVERIFY_THROWS_EXCEPTION(TolvaError, [&] {
            QTemporaryDir temporal;
            d.conectar(temporal.path() + QStringLiteral("/"));
            QFile::remove(temporal.path() + QStringLiteral("/ADODB/cp.mdb"));
            QDir(temporal.path()).removeRecursively();
            d.GuardaError(QStringLiteral("x"), QStringLiteral("y"));
        }());
    }

    void GetDosOutput_juntaAmbasSalidasEnOrden()
    {
        const ResultadoComando r = GetDosOutput(QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("echo uno; sleep 0.05; echo dos >&2; sleep 0.05; echo tres; exit 3")});
        QVERIFY(r.iniciado);
        QCOMPARE(r.salida, QStringLiteral("uno\ndos\ntres\n"));
        QCOMPARE(r.codigoSalida, 3);
    }

    // Arguments are data: blanks, quotes and shell characters reach the program as typed.
    void GetDosOutput_sinShell()
    {
        const QString raro = QStringLiteral("a b \"c\" $(touch /tmp/tolva_no) ; 'd' ñ");
        const ResultadoComando r = GetDosOutput(QStringLiteral("printf"), {QStringLiteral("%s"), raro});
        QCOMPARE(r.salida, raro);
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/tolva_no")));
    }

    void GetDosOutput_programaInexistente()
    {
        const ResultadoComando r = GetDosOutput(QStringLiteral("/no/existe/herramienta"), {});
        QVERIFY(!r.iniciado);
        QVERIFY(r.salida.isEmpty());
    }

    void GetDosOutput_carpetaDeTrabajo()
    {
        QTemporaryDir temporal;
        const ResultadoComando r = GetDosOutput(QStringLiteral("pwd"), {}, temporal.path());
        QCOMPARE(r.salida.trimmed(), QFileInfo(temporal.path()).canonicalFilePath());
    }

    void lineaDeComando_citaLoQueTieneBlancos()
    {
        QCOMPARE(lineaDeComando(QStringLiteral("pdfinfo"), {QStringLiteral("/tmp/mi archivo.pdf")}),
                 QStringLiteral("pdfinfo \"/tmp/mi archivo.pdf\""));
    }

    void CargaCombo_vacioNombresYAgregar()
    {
        EntornoPrueba e;
        for (const char* nombre : {"TRIGO", "SOJA", "MAÍZ \"pisingallo\""})
            e.d().Insertar(QStringLiteral("Granos"), {{QStringLiteral("GranoNombre"), QString::fromUtf8(nombre)}});
        QComboBox combo;
        CargaCombo(e.d(), &combo, QStringLiteral("GranoNombre"),
                   QStringLiteral("SELECT GranoNombre FROM Granos ORDER BY GranoNombre"));
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        QCOMPARE(items, (QStringList{QString(), QStringLiteral("MAÍZ \"pisingallo\""), QStringLiteral("SOJA"),
                                     QStringLiteral("TRIGO"), QStringLiteral("[Agregar...]")}));
        QCOMPARE(combo.currentIndex(), 0);
    }

    void camposCalculados_disponiblesYTotalAnuladas()
    {
        EntornoPrueba e;
        e.d().AbrirConsulta(e.d().qmyArchivosCP,
                            QStringLiteral("SELECT 10 AS CantidadCP, 3 AS Emitidas, 2 AS DisponiblesAnuladas, 1 AS EmitidasAnuladas"
                                           " UNION ALL SELECT NULL, NULL, NULL, NULL"));
        QCOMPARE(e.d().qmyArchivosCP.valor(0, QStringLiteral("Disponibles")).toInt(), 5);
        QCOMPARE(e.d().qmyArchivosCP.valor(0, QStringLiteral("TotalAnuladas")).toInt(), 3);
        QCOMPARE(e.d().qmyArchivosCP.valor(1, QStringLiteral("Disponibles")).toInt(), 0);
        QVERIFY(e.d().qmyArchivosCP.esCalculado(e.d().qmyArchivosCP.indiceCampo(QStringLiteral("Disponibles"))));
    }

    // First click descending, second ascending, third descending; a calculated column
    // only beeps; a rebuild drops the sort.
    void OrdenarGrilla_alternaYNoOrdenaCalculadas()
    {
        EntornoPrueba e;
        e.d().AbrirConsulta(e.d().qmyArchivosCP,
                            QStringLiteral("SELECT 'b' AS Nombre, 5 AS CantidadCP, 0 AS Emitidas, 0 AS DisponiblesAnuladas"
                                           " UNION ALL SELECT 'a', 20, 0, 0 UNION ALL SELECT 'c', 3, 0, 0"));
        QTableView vista;
        Grilla grilla(&vista, &e.d().qmyArchivosCP,
                      {{QStringLiteral("Nombre"), QStringLiteral("Nombre"), 80},
                       {QStringLiteral("CantidadCP"), QStringLiteral("Cantidad"), 80},
                       {QStringLiteral("Disponibles"), QStringLiteral("Disponibles"), 80}});
        QCOMPARE(columnaVisible(grilla, 0), (QStringList{"b", "a", "c"}));
        QVERIFY(grilla.OrdenarGrilla(0));
        QCOMPARE(columnaVisible(grilla, 0), (QStringList{"c", "b", "a"}));
        QVERIFY(grilla.OrdenarGrilla(0));
        QCOMPARE(columnaVisible(grilla, 0), (QStringList{"a", "b", "c"}));
        QVERIFY(grilla.OrdenarGrilla(0));
        QCOMPARE(columnaVisible(grilla, 0), (QStringList{"c", "b", "a"}));
        // Numbers sort as numbers; another column starts descending again.
        QVERIFY(grilla.OrdenarGrilla(1));
        QCOMPARE(columnaVisible(grilla, 1), (QStringList{"20", "5", "3"}));
        QVERIFY(!grilla.OrdenarGrilla(2));
        QCOMPARE(columnaVisible(grilla, 1), (QStringList{"20", "5", "3"}));
        e.d().Refrescar(e.d().qmyArchivosCP);
        QCOMPARE(columnaVisible(grilla, 0), (QStringList{"b", "a", "c"}));
        QVERIFY(!vista.horizontalHeader()->isSortIndicatorShown());
    }

    // A title click through the header sorts too, and the selected row stays selected.
    void OrdenarGrilla_porClicEnTituloConservaSeleccion()
    {
        EntornoPrueba e;
        e.d().AbrirConsulta(e.d().qmyTabla, QStringLiteral("SELECT 'b' AS Nombre UNION ALL SELECT 'a' UNION ALL SELECT 'c'"));
        QTableView vista;
        Grilla grilla(&vista, &e.d().qmyTabla, {{QStringLiteral("Nombre"), QStringLiteral("Nombre"), 80}});
        vista.resize(300, 200);
        vista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vista));
        grilla.seleccionarFila(1);  // "a"
        const QHeaderView* encabezado = vista.horizontalHeader();
        QTest::mouseClick(encabezado->viewport(), Qt::LeftButton, {},
                          QPoint(encabezado->sectionViewportPosition(0) + 10, encabezado->height() / 2));
        QCOMPARE(columnaVisible(grilla, 0), (QStringList{"c", "b", "a"}));
        QCOMPARE(grilla.filaActual(), 1);
        QCOMPARE(vista.currentIndex().data().toString(), QStringLiteral("a"));
    }
};

QTEST_MAIN(TstServicios)
#include "tst_servicios.moc"
