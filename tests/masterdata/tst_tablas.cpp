#include "AlAbrirse.h"
#include "app/UMain.h"
#include "data/CargaCombo.h"
#include "data/datamodule.h"
#include "editor/UAgregaDireccion.h"
#include "editor/UAgregaItem.h"
#include "editor/UAgregaLocallidad.h"
#include "masterdata/AdministrarTablas.h"
#include "masterdata/TablasMaestras.h"
#include "masterdata/UEditarAdicionales.h"
#include "masterdata/UTabla.h"
#include "masterdata/UTablaCUITAdicionales.h"
#include "masterdata/UTablaLugares.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using Clase = DescriptorTabla::Clase;
Q_DECLARE_METATYPE(Clase)

namespace {

const QString kNombreAlta = QStringLiteral("  AGRO \"Ñandú\"; O'Brien y Cía  ");
const QString kNombreCambio = QStringLiteral(" Nuevo \"nombre\"; l'été ");
const QString kPreguntaEliminar = QStringLiteral(
    "¿Confirma la eliminación del registro seleccionado? Esta operación no se puede deshacer");
const QString kConfirmaDatos = QStringLiteral("¿Confirma los datos ingresados?");

qint64 provincia(Td& d, const QString& nombre)
{
    return d.valorUnico(QStringLiteral("SELECT ProvinciaID FROM Provincias WHERE ProvinciaNombre = ?"), {nombre})
        .toLongLong();
}

qint64 nuevaLocalidad(Td& d, const QString& nombre, const QString& prov)
{
    return Localidades::agregar(d, nombre, provincia(d, prov));
}

QVariant columna(Td& d, const QString& tabla, const QString& col, const QString& clave, const QVariant& id)
{
    return d.valorUnico(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(col, tabla, clave), {id});
}

QString claveGrilla(Clase clase)
{
    switch (clase) {
    case Clase::Choferes:
        return QStringLiteral("ChoferID");
    case Clase::Localidades:
        return QStringLiteral("LocalidadID");
    default:
        return QStringLiteral("ID");
    }
}

} // namespace

class TstTablas : public QObject {
    Q_OBJECT
private slots:
    void descriptores_data()
    {
        QTest::addColumn<int>("posicion");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<Clase>("clase");
        QTest::addColumn<QStringList>("encabezados");
        QTest::addColumn<QList<int>>("anchos");
        QTest::addColumn<QSize>("tamano");
        const QStringList cuit{"Nombre", "CUIT"};
        const QStringList adicionales{"Nombre", "CUIT", "Domicilio", "Localidad"};
        const QStringList nombre{"Nombre"};
        const QStringList lugares{"Dirección", "Localidad", "Provincia", "Establecimiento"};
        QTest::newRow("0") << 0 << "Intermediarios" << "Intermediarios" << Clase::CUIT << cuit
                           << QList<int>{255, 105} << QSize(540, 361);
        QTest::newRow("1") << 1 << "Remitentes comerciales" << "RemitentesComerciales" << Clase::CUIT << cuit
                           << QList<int>{255, 105} << QSize(540, 361);
        QTest::newRow("2") << 2 << "Corredores" << "Corredores" << Clase::CUIT << cuit
                           << QList<int>{255, 105} << QSize(540, 361);
        QTest::newRow("3") << 3 << "Representantes/Entregadores" << "Representantes" << Clase::CUIT << cuit
                           << QList<int>{255, 105} << QSize(540, 361);
        QTest::newRow("4") << 4 << "Destinatarios" << "Destinatarios" << Clase::CUITAdicionales << adicionales
                           << QList<int>{255, 105, 213, 145} << QSize(777, 352);
        QTest::newRow("5") << 5 << "Destinos" << "Destinos" << Clase::CUIT << cuit
                           << QList<int>{255, 105} << QSize(540, 361);
        QTest::newRow("6") << 6 << "Transportistas" << "Transportistas" << Clase::CUITAdicionales << adicionales
                           << QList<int>{255, 105, 213, 145} << QSize(777, 352);
        QTest::newRow("7") << 7 << "Choferes" << "Choferes" << Clase::Choferes
                           << QStringList{"Nombre", "CUIT/CUIL", "Camión", "Acoplado"} << QList<int>{255, 105, 64, 64}
                           << QSize(540, 361);
        QTest::newRow("8") << 8 << "Granos/especies" << "Granos" << Clase::Granos << nombre
                           << QList<int>{255} << QSize(540, 361);
        QTest::newRow("9") << 9 << "Tipos de grano" << "Tipos" << Clase::Granos << nombre
                           << QList<int>{255} << QSize(540, 361);
        QTest::newRow("10") << 10 << "Procedencias de los granos" << "Procedencias" << Clase::Lugares << lugares
                            << QList<int>{300, 140, 120, 170} << QSize(778, 361);
        QTest::newRow("11") << 11 << "Destinos de los granos" << "LugaresDestino" << Clase::Lugares << lugares
                            << QList<int>{466, 140, 120} << QSize(778, 361);
        QTest::newRow("12") << 12 << "Pagador del Flete" << "Pagadores" << Clase::Granos << nombre
                            << QList<int>{255} << QSize(540, 361);
        QTest::newRow("13") << 13 << "Localidades" << "Localidades" << Clase::Localidades
                            << QStringList{"Localidad", "Provincia"} << QList<int>{276, 208} << QSize(548, 361);
    }

    // Each table window opens on its table, adds, modifies and deletes one row; the
    // database holds exactly what the dialogs were given (trimmed on add, as typed on modify).
    void descriptores()
    {
        QFETCH(int, posicion);
        QFETCH(QString, titulo);
        QFETCH(QString, tabla);
        QFETCH(Clase, clase);
        QFETCH(QStringList, encabezados);
        QFETCH(QList<int>, anchos);
        QFETCH(QSize, tamano);

        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        Td& d = e.d();
        const qint64 neuquen = nuevaLocalidad(d, QStringLiteral("Ñorquín"), QStringLiteral("NEUQUEN"));
        const qint64 rosario = nuevaLocalidad(d, QStringLiteral("Rosario"), QStringLiteral("SANTA FE"));

        const DescriptorTabla& t = descriptoresTablas().at(posicion);
        QCOMPARE(t.titulo, titulo);
        QCOMPARE(t.sTabla, tabla);
        QCOMPARE(t.clase, clase);

        std::unique_ptr<TFTabla> ventana = crearVentanaTabla(posicion, principal, nullptr);
        QVERIFY(ventana);
        const char* clases[] = {"TFTablaCUIT", "TFTablaCUITAdicionales", "TFTablaChoferes", "TFTablaGranos",
                                "TFTablaLugares", "TFTablaLocalidades"};
        QCOMPARE(ventana->metaObject()->className(), clases[int(clase)]);
        QCOMPARE(ventana->windowTitle(), titulo);
        QCOMPARE(ventana->butModificar->text(), QStringLiteral("Modificar"));
        QCOMPARE(ventana->butAgregar->text(), QStringLiteral("Agregar"));
        QCOMPARE(ventana->butEliminar->text(), QStringLiteral("Eliminar"));
        QCOMPARE(ventana->size(), tamano);
        QStringList vistos;
        QList<int> anchosVistos;
        for (int i = 0; i < ventana->grilla()->modelo()->columnCount(); ++i)
            if (!ventana->SMDBGrid1->isColumnHidden(i)) {
                vistos << ventana->grilla()->modelo()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
                anchosVistos << ventana->SMDBGrid1->columnWidth(i);
            }
        if (tabla == QStringLiteral("LugaresDestino"))
            encabezados.removeLast();
        QCOMPARE(vistos, encabezados);
        QCOMPARE(anchosVistos, anchos);
        const int previas = e.contar(tabla);
        QCOMPARE(d.qmyTabla.filas(), previas);

        // Add.
        QString tituloDialogo;
        std::shared_ptr<bool> visto;
        switch (clase) {
        case Clase::CUIT:
        case Clase::CUITAdicionales:
        case Clase::Choferes:
        case Clase::Granos:
            visto = alAbrirse<TFAgregaItem>([&](TFAgregaItem* dlg) {
                tituloDialogo = dlg->windowTitle();
                dlg->edtNombre->setText(kNombreAlta);
                if (clase == Clase::Granos) {
                    QVERIFY(dlg->edtCUIT->isHidden() && dlg->chkSinCUIT->isHidden());
                } else {
                    QVERIFY(!dlg->edtCUIT->isHidden());
                    dlg->edtCUIT->setText(QStringLiteral("20-12345678-6"));
                }
                QCOMPARE(dlg->edtCamion->isHidden(), clase != Clase::Choferes);
                if (clase == Clase::Choferes) {
                    QTest::keyClicks(dlg->edtCamion, QStringLiteral("ab 12cd9"));
                    dlg->edtAcoplado->setText(QStringLiteral("xy1"));
                }
                dlg->butAceptarClick();
            });
            break;
        case Clase::Lugares:
            visto = alAbrirse<TFAgregaDireccion>([&](TFAgregaDireccion* dlg) {
                tituloDialogo = dlg->windowTitle();
                QCOMPARE(dlg->edtEstablecimiento->isHidden(), tabla != QStringLiteral("Procedencias"));
                dlg->edtDireccion->setText(kNombreAlta);
                Localidades::seleccionar(dlg->cmbLocalidad, QStringLiteral("Ñorquín"));
                dlg->cmbLocalidadCloseUp();
                QCOMPARE(dlg->edtProvincia->text(), QStringLiteral("NEUQUEN"));
                dlg->edtEstablecimiento->setText(QStringLiteral(" La \"Tranquera\" "));
                dlg->butAceptarClick();
            });
            break;
        case Clase::Localidades:
            visto = alAbrirse<TFAgregaLocalidad>([&](TFAgregaLocalidad* dlg) {
                tituloDialogo = dlg->windowTitle();
                dlg->edtNombre->setText(kNombreAlta);
                Localidades::seleccionar(dlg->cmbProvincia, QStringLiteral("CORDOBA"));
                dlg->butAceptarClick();
            });
            break;
        }
        ventana->butAgregarClick();
        QVERIFY(*visto);
        QVERIFY2(prompts.registros.isEmpty(), qPrintable(prompts.textos().join('|')));
        QCOMPARE(e.contar(tabla), previas + 1);
        QCOMPARE(d.qmyTabla.filas(), previas + 1);
        QCOMPARE(ventana->grilla()->modelo()->rowCount(), previas + 1);
        QCOMPARE(ventana->grilla()->filaActual(), 0);
        // A title click sorts; the next reload brings the query's order back.
        QVERIFY(ventana->grilla()->OrdenarGrilla(0));
        QVERIFY(ventana->SMDBGrid1->horizontalHeader()->isSortIndicatorShown());
        const qint64 id = d.valorUnico(QStringLiteral("SELECT MAX(%1) FROM %2").arg(t.sID, tabla)).toLongLong();
        const auto valor = [&](const QString& col) { return columna(d, tabla, col, t.sID, id); };
        QCOMPARE(valor(t.sNombre).toString(), kNombreAlta.trimmed());
        switch (clase) {
        case Clase::CUIT:
        case Clase::CUITAdicionales:
            QCOMPARE(tituloDialogo, QStringLiteral("Agregar ") + titulo);
            QCOMPARE(valor(t.sCUIT).toString(), QStringLiteral("20-12345678-6"));
            break;
        case Clase::Choferes:
            QCOMPARE(tituloDialogo, QStringLiteral("Agregar chofer"));
            QCOMPARE(valor(QStringLiteral("ChoferCUIT")).toString(), QStringLiteral("20-12345678-6"));
            QCOMPARE(valor(QStringLiteral("ChoferCamion")).toString(), QStringLiteral("AB 12C"));
            QCOMPARE(valor(QStringLiteral("ChoferAcoplado")).toString(), QStringLiteral("XY1"));
            break;
        case Clase::Granos:
            QCOMPARE(tituloDialogo, QStringLiteral("Agregar ") + titulo);
            break;
        case Clase::Lugares:
            QCOMPARE(tituloDialogo, QStringLiteral("Datos del lugar"));
            QCOMPARE(valor(t.sLocalidad).toLongLong(), neuquen);
            if (tabla == QStringLiteral("Procedencias"))
                QCOMPARE(valor(QStringLiteral("ProcedenciaEstablecimiento")).toString(), QStringLiteral("La \"Tranquera\""));
            break;
        case Clase::Localidades:
            QCOMPARE(tituloDialogo, QStringLiteral("Datos de la localidad"));
            QCOMPARE(valor(QStringLiteral("LocalidadProvinciaID")).toLongLong(), provincia(d, QStringLiteral("CORDOBA")));
            break;
        }

        // Modify the new row.
        ventana->grilla()->seleccionarPorValor(claveGrilla(clase), id);
        switch (clase) {
        case Clase::CUIT:
        case Clase::CUITAdicionales:
        case Clase::Choferes:
        case Clase::Granos:
            visto = alAbrirse<TFAgregaItem>([&](TFAgregaItem* dlg) {
                tituloDialogo = dlg->windowTitle();
                QCOMPARE(dlg->edtNombre->text(), kNombreAlta.trimmed());
                if (clase != Clase::Granos) {
                    QCOMPARE(dlg->edtCUIT->text(), QStringLiteral("20-12345678-6"));
                    QVERIFY(!dlg->chkSinCUIT->isChecked());
                    dlg->chkSinCUIT->setChecked(true);
                    QVERIFY(dlg->edtCUIT->text().isEmpty());
                }
                if (clase == Clase::Choferes) {
                    QCOMPARE(dlg->edtCamion->text(), QStringLiteral("AB 12C"));
                    QVERIFY(!dlg->edtCamion->isHidden());
                    dlg->edtCamion->setText(QStringLiteral(" q1 "));
                }
                dlg->edtNombre->setText(kNombreCambio);
                dlg->butAceptarClick();
            });
            break;
        case Clase::Lugares:
            visto = alAbrirse<TFAgregaDireccion>([&](TFAgregaDireccion* dlg) {
                QCOMPARE(dlg->edtDireccion->text(), kNombreAlta.trimmed());
                QCOMPARE(dlg->cmbLocalidad->currentText(), QStringLiteral("Ñorquín"));
                QCOMPARE(dlg->edtProvincia->text(), QStringLiteral("NEUQUEN"));
                if (tabla == QStringLiteral("Procedencias"))
                    QCOMPARE(dlg->edtEstablecimiento->text(), QStringLiteral("La \"Tranquera\""));
                dlg->edtDireccion->setText(kNombreCambio);
                Localidades::seleccionar(dlg->cmbLocalidad, QStringLiteral("Rosario"));
                dlg->cmbLocalidadCloseUp();
                dlg->edtEstablecimiento->setText(QStringLiteral(" Otro "));
                dlg->butAceptarClick();
            });
            break;
        case Clase::Localidades:
            visto = alAbrirse<TFAgregaLocalidad>([&](TFAgregaLocalidad* dlg) {
                QCOMPARE(dlg->edtNombre->text(), kNombreAlta.trimmed());
                QCOMPARE(dlg->cmbProvincia->currentText(), QStringLiteral("CORDOBA"));
                QCOMPARE(dlg->lblProvinciaID->text(), QString::number(provincia(d, QStringLiteral("CORDOBA"))));
                dlg->edtNombre->setText(kNombreCambio);
                Localidades::seleccionar(dlg->cmbProvincia, QStringLiteral("SANTA FE"));
                dlg->butAceptarClick();
            });
            break;
        }
        ventana->butModificarClick();
        QVERIFY(*visto);
        QVERIFY2(prompts.registros.isEmpty(), qPrintable(prompts.textos().join('|')));
        QCOMPARE(e.contar(tabla), previas + 1);
        QCOMPARE(valor(t.sNombre).toString(), kNombreCambio);
        QVERIFY(!ventana->SMDBGrid1->horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(ventana->grilla()->filaActual(), 0);
        switch (clase) {
        case Clase::CUIT:
        case Clase::CUITAdicionales:
            QCOMPARE(tituloDialogo, QStringLiteral("Modificar ") + titulo);
            QCOMPARE(valor(t.sCUIT).toString(), QString());
            break;
        case Clase::Choferes:
            QCOMPARE(tituloDialogo, QStringLiteral("Modifica Choferes"));
            QCOMPARE(valor(QStringLiteral("ChoferCUIT")).toString(), QString());
            QCOMPARE(valor(QStringLiteral("ChoferCamion")).toString(), QStringLiteral("Q1"));
            QCOMPARE(valor(QStringLiteral("ChoferAcoplado")).toString(), QStringLiteral("XY1"));
            break;
        case Clase::Granos:
            QCOMPARE(tituloDialogo, QStringLiteral("Modificar ") + titulo);
            break;
        case Clase::Lugares:
            QCOMPARE(valor(t.sLocalidad).toLongLong(), rosario);
            if (tabla == QStringLiteral("Procedencias"))
                QCOMPARE(valor(QStringLiteral("ProcedenciaEstablecimiento")).toString(), QStringLiteral("Otro"));
            break;
        case Clase::Localidades:
            QCOMPARE(valor(QStringLiteral("LocalidadProvinciaID")).toLongLong(), provincia(d, QStringLiteral("SANTA FE")));
            break;
        }

        // Delete it, after saying No once.
        ventana->grilla()->seleccionarPorValor(claveGrilla(clase), id);
        prompts.respuestas << false;
        ventana->butEliminarClick();
        QCOMPARE(e.contar(tabla), previas + 1);
        ventana->grilla()->seleccionarPorValor(claveGrilla(clase), id);
        prompts.respuestas << true;
        ventana->butEliminarClick();
        QCOMPARE(prompts.registros.size(), 2);
        QCOMPARE(prompts.registros.at(1).titulo, QStringLiteral("Atención"));
        QCOMPARE(prompts.registros.at(1).icono, Prompts::Icono::Advertencia);
        QCOMPARE(prompts.registros.at(1).texto, kPreguntaEliminar);
        QCOMPARE(e.contar(tabla), previas);
        QVERIFY(!valor(t.sID).isValid());
        QCOMPARE(d.qmyTabla.filas(), previas);
    }

    // The opening routines take the descriptor fields in their order and the caption of
    // the list; the places routine hides the establishment of the destinations only.
    void rutinasDeApertura()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        const DescriptorTabla& destinos = descriptoresTablas().at(11);
        AperturaTabla lugares(principal, nullptr, QStringLiteral("Destinos de los granos"), false);
        lugares.AdministrarDirecciones(QStringLiteral("LugaresDestino"), QStringLiteral("LugarDestinoNombre"),
                                       QStringLiteral("LugarDestinoLocalidadID"), QStringLiteral("LugarDestinoID"),
                                       destinos.sql);
        QVERIFY(qobject_cast<TFTablaLugares*>(lugares.ventana.get()));
        QCOMPARE(lugares.ventana->windowTitle(), QStringLiteral("Destinos de los granos"));
        QCOMPARE(lugares.ventana->descriptor.sLocalidad, QStringLiteral("LugarDestinoLocalidadID"));
        QCOMPARE(lugares.ventana->descriptor.sID, QStringLiteral("LugarDestinoID"));
        QVERIFY(lugares.ventana->SMDBGrid1->isColumnHidden(3));
        QCOMPARE(lugares.ventana->SMDBGrid1->columnWidth(0), 466);

        const DescriptorTabla& choferes = descriptoresTablas().at(7);
        AperturaTabla tabla(principal, nullptr, choferes.titulo, false);
        tabla.AdministrarTablasChoferes(QStringLiteral("Choferes"), QStringLiteral("ChoferNombre"),
                                        QStringLiteral("ChoferCUIT"), QStringLiteral("ChoferID"), choferes.sql);
        QCOMPARE(tabla.ventana->metaObject()->className(), "TFTablaChoferes");
        QCOMPARE(tabla.ventana->windowTitle(), QStringLiteral("Choferes"));
        QCOMPARE(tabla.ventana->descriptor.sNombre, QStringLiteral("ChoferNombre"));
        QCOMPARE(e.d().qmyTabla.sql(), choferes.sql);
    }

    // With an empty grid "Modificar" and "Eliminar" open nothing and ask nothing.
    void grillaVacia_noHaceNada()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        for (int posicion = 0; posicion < descriptoresTablas().size(); ++posicion) {
            std::unique_ptr<TFTabla> ventana = crearVentanaTabla(posicion, principal, nullptr);
            QCOMPARE(e.d().qmyTabla.filas(), 0);
            auto visto = alAbrirse<QDialog>([](QDialog* dlg) { dlg->reject(); }, 5);
            ventana->butModificarClick();
            prompts.respuestas << true;
            ventana->butEliminarClick();
            QTest::qWait(100);
            QVERIFY(!*visto);
            QVERIFY(prompts.registros.isEmpty());
        }
        QVERIFY(!crearVentanaTabla(14, principal, nullptr));
        QVERIFY(!crearVentanaTabla(-1, principal, nullptr));
    }

    // A row that another window deleted meanwhile: modify and delete say so and reload.
    void filaBorradaPorOtraVentana_data()
    {
        QTest::addColumn<bool>("modificar");
        QTest::newRow("eliminar") << false;
        QTest::newRow("modificar") << true;
    }
    void filaBorradaPorOtraVentana()
    {
        QFETCH(bool, modificar);
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        e.d().ejecutar(QStringLiteral("INSERT INTO Granos (GranoNombre) VALUES ('Trigo'), ('Maíz')"));
        std::unique_ptr<TFTabla> ventana = crearVentanaTabla(8, principal, nullptr);
        QCOMPARE(e.d().qmyTabla.filas(), 2);
        ventana->grilla()->seleccionarPorValor(QStringLiteral("ID"), 1);
        e.d().ejecutar(QStringLiteral("DELETE FROM Granos WHERE GranoID = 1"));
        if (modificar) {
            auto visto = alAbrirse<TFAgregaItem>([](TFAgregaItem* dlg) {
                dlg->edtNombre->setText(QStringLiteral("Cebada"));
                dlg->butAceptarClick();
            });
            ventana->butModificarClick();
            QVERIFY(*visto);
        } else {
            prompts.respuestas << true;
            ventana->butEliminarClick();
        }
        QCOMPARE(prompts.ultimoTexto(), TablasMaestras::kRegistroInexistente);
        QCOMPARE(e.contar(QStringLiteral("Granos")), 1);
        QCOMPARE(e.contar(QStringLiteral("Granos"), QStringLiteral("GranoNombre = 'Maíz'")), 1);
        QCOMPARE(e.d().qmyTabla.filas(), 1);
    }

    // The delete of a locality warns when an origin or a destination uses it.
    void eliminarLocalidad_data()
    {
        QTest::addColumn<QString>("usadaPor");
        QTest::addColumn<QString>("mensaje");
        const QString enUso = QStringLiteral(
            "La localidad está en uso, si la elimina se verá en blanco el dato donde fue usada, ¿Está seguro que"
            " quiere eliminar la localidad?");
        QTest::newRow("sin uso") << "" << kPreguntaEliminar;
        QTest::newRow("procedencia") << "Procedencias" << enUso;
        QTest::newRow("destino") << "LugaresDestino" << enUso;
        QTest::newRow("solo un transportista") << "Transportistas" << kPreguntaEliminar;
    }
    void eliminarLocalidad()
    {
        QFETCH(QString, usadaPor);
        QFETCH(QString, mensaje);
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        Td& d = e.d();
        const qint64 id = nuevaLocalidad(d, QStringLiteral("Villa \"Ñ\"; O'Higgins"), QStringLiteral("SALTA"));
        nuevaLocalidad(d, QStringLiteral("Otra"), QStringLiteral("SALTA"));
        if (usadaPor == QStringLiteral("Procedencias"))
            d.ejecutar(QStringLiteral("INSERT INTO Procedencias (ProcedenciaDireccion, ProcedenciaLocalidadID) VALUES ('Ruta 9', ?)"), {id});
        else if (usadaPor == QStringLiteral("LugaresDestino"))
            d.ejecutar(QStringLiteral("INSERT INTO LugaresDestino (LugarDestinoNombre, LugarDestinoLocalidadID) VALUES ('Puerto', ?)"), {id});
        else if (usadaPor == QStringLiteral("Transportistas"))
            d.ejecutar(QStringLiteral("INSERT INTO Transportistas (TransportistaNombre, TransportistaDomicilioLocalidadID) VALUES ('T', ?)"), {id});
        std::unique_ptr<TFTabla> ventana = crearVentanaTabla(13, principal, nullptr);
        ventana->grilla()->seleccionarPorValor(QStringLiteral("LocalidadID"), id);
        prompts.respuestas << false << true;
        ventana->butEliminarClick();
        QCOMPARE(e.contar(QStringLiteral("Localidades")), 2);
        ventana->grilla()->seleccionarPorValor(QStringLiteral("LocalidadID"), id);
        ventana->butEliminarClick();
        QCOMPARE(prompts.registros.size(), 2);
        for (const auto& r : prompts.registros) {
            QCOMPARE(r.texto, mensaje);
            QCOMPARE(r.titulo, QStringLiteral("Atención"));
            QCOMPARE(r.icono, Prompts::Icono::Advertencia);
        }
        QCOMPARE(e.contar(QStringLiteral("Localidades"), QStringLiteral("LocalidadID = ?"), {id}), 0);
        QCOMPARE(e.contar(QStringLiteral("Localidades")), 1);
        if (usadaPor == QStringLiteral("Procedencias")) {
            // The origin keeps its key and shows an empty locality and province.
            std::unique_ptr<TFTabla> lugares = crearVentanaTabla(10, principal, nullptr);
            QCOMPARE(d.qmyTabla.filas(), 1);
            QCOMPARE(d.qmyTabla.valor(0, QStringLiteral("Localidad")).toString(), QString());
            QCOMPARE(d.qmyTabla.valor(0, QStringLiteral("Provincia")).toString(), QString());
        }
    }

    // The address of a party: the address as typed, the locality by its name; the
    // empty entry keeps the stored locality; No shows the dialog again as it was left.
    void editarAdicionales()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        Td& d = e.d();
        const qint64 salta = nuevaLocalidad(d, QStringLiteral("Salta"), QStringLiteral("SALTA"));
        d.ejecutar(QStringLiteral("INSERT INTO Transportistas (TransportistaNombre, TransportistaCUIT,"
                                  " TransportistaDomicilio, TransportistaDomicilioLocalidadID) VALUES (?, ?, ?, ?)"),
                   {QStringLiteral("Fletes SRL"), QString(), QStringLiteral("Calle 1"), salta});
        std::unique_ptr<TFTabla> base = crearVentanaTabla(6, principal, nullptr);
        auto* ventana = qobject_cast<TFTablaCUITAdicionales*>(base.get());
        QVERIFY(ventana);
        QCOMPARE(ventana->butEditarAdicionales->text(), QStringLiteral("Editar datos adicionales"));
        const QString domicilio = QStringLiteral(" Av. \"San Martín\"; 1'2 ");

        // First: leave the list on a new locality added through "[Agregar...]", answer No,
        // check the dialog again, then choose the empty entry and answer Yes.
        int vueltas = 0;
        std::function<void(TFEditarAdicionales*)> enDialogo;
        enDialogo = [&](TFEditarAdicionales* dlg) {
            ++vueltas;
            if (vueltas == 1) {
                QCOMPARE(dlg->windowTitle(), QStringLiteral("Editar datos adicionales"));
                QCOMPARE(dlg->size(), QSize(427, 157));
                QCOMPARE(dlg->lblRazonSocial->text(), QStringLiteral("Fletes SRL"));
                QCOMPARE(dlg->edtDomicilioReal->text(), QStringLiteral("Calle 1"));
                QCOMPARE(dlg->cmbLocalidad->currentText(), QStringLiteral("Salta"));
                QCOMPARE(dlg->edtProvincia->text(), QStringLiteral("SALTA"));
                dlg->edtDomicilioReal->setText(domicilio);
                auto nueva = alAbrirse<TFAgregaLocalidad>([](TFAgregaLocalidad* loc) {
                    QCOMPARE(loc->windowTitle(), QStringLiteral("Agregar Localidad"));
                    loc->edtNombre->setText(QStringLiteral("  Tartagal  "));
                    Localidades::seleccionar(loc->cmbProvincia, QStringLiteral("SALTA"));
                    loc->butAceptarClick();
                });
                dlg->cmbLocalidad->setCurrentIndex(dlg->cmbLocalidad->findText(kAgregar));
                QVERIFY(*nueva);
                QCOMPARE(dlg->cmbLocalidad->currentText(), QStringLiteral("Tartagal"));
                QCOMPARE(dlg->lblLocalidadID->text(), QStringLiteral("Tartagal"));
                QCOMPARE(dlg->edtProvincia->text(), QStringLiteral("SALTA"));
                alAbrirse<TFEditarAdicionales>(enDialogo);
                dlg->accept();
            } else {
                QCOMPARE(dlg->edtDomicilioReal->text(), domicilio);
                QCOMPARE(dlg->cmbLocalidad->currentText(), QStringLiteral("Tartagal"));
                dlg->cmbLocalidad->setCurrentIndex(0);
                QCOMPARE(dlg->edtProvincia->text(), QString());
                dlg->accept();
            }
        };
        alAbrirse<TFEditarAdicionales>(enDialogo);
        prompts.respuestas << false << true;
        ventana->grilla()->seleccionarFila(0);
        ventana->butEditarAdicionalesClick();
        QCOMPARE(vueltas, 2);
        QCOMPARE(prompts.textos(), (QStringList{kConfirmaDatos, kConfirmaDatos}));
        QCOMPARE(e.contar(QStringLiteral("Localidades"), QStringLiteral("LocalidadNombre = 'Tartagal'")), 1);
        QCOMPARE(d.valorUnico(QStringLiteral("SELECT TransportistaDomicilio FROM Transportistas")).toString(), domicilio);
        QCOMPARE(d.valorUnico(QStringLiteral("SELECT TransportistaDomicilioLocalidadID FROM Transportistas")).toLongLong(), salta);
        QCOMPARE(d.qmyTabla.valor(0, QStringLiteral("Domicilio")).toString(), domicilio);
    }

    // "Sin CUIT": a party without CUIT opens ticked; unticking requires a valid CUIT.
    void modificarSinCUIT()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        e.agregarTitular(QStringLiteral("TITULAR"));
        QVERIFY(principal.FormShow());
        e.d().ejecutar(QStringLiteral("INSERT INTO Corredores (CorredorNombre, CorredorCUIT) VALUES ('Sin', '  ')"));
        std::unique_ptr<TFTabla> ventana = crearVentanaTabla(2, principal, nullptr);
        auto visto = alAbrirse<TFAgregaItem>([&](TFAgregaItem* dlg) {
            QVERIFY(dlg->chkSinCUIT->isChecked());
            QVERIFY(!dlg->edtCUIT->isEnabled());
            dlg->chkSinCUIT->setChecked(false);
            QVERIFY(dlg->edtCUIT->isEnabled());
            dlg->butAceptarClick();
            QVERIFY(dlg->isVisible());
            QCOMPARE(prompts.ultimoTexto(), QStringLiteral("El CUIT es incorrecto, debe tener 11 dígitos"));
            dlg->edtCUIT->setText(QStringLiteral("20-12345678-5"));
            dlg->butAceptarClick();
            QVERIFY(dlg->isVisible());
            QCOMPARE(prompts.ultimoTexto(), QStringLiteral("El dígito verificador es incorrecto"));
            dlg->edtCUIT->setText(QStringLiteral("20-12345678-6"));
            dlg->butAceptarClick();
        });
        ventana->butModificarClick();
        QVERIFY(*visto);
        QCOMPARE(e.d().valorUnico(QStringLiteral("SELECT CorredorCUIT FROM Corredores")).toString(),
                 QStringLiteral("20-12345678-6"));
    }
};

QTEST_MAIN(TstTablas)
#include "tst_tablas.moc"
