#include "AlAbrirse.h"
#include "app/UMain.h"
#include "data/CargaCombo.h"
#include "data/Grilla.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "editor/UAgregaLocallidad.h"
#include "masterdata/AdministrarTablas.h"
#include "masterdata/TablasMaestras.h"
#include "masterdata/UEditarAdicionalesTitulares.h"
#include "masterdata/UTablaTitulares.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QString kAgro = QStringLiteral("AGRO \"Ñandú\"; S.A.");
const QString kPerez = QStringLiteral("PEREZ JUAN");

// Two holders, each with batches, blanks (with their page files in the work folder)
// and waybills.
struct Datos {
    qint64 agro = 0, perez = 0;
    QStringList paginasAgro, paginasPerez;
};

QStringList agregarLote(EntornoPrueba& e, qint64 titular, const QString& nombre, int blancos, bool cartas)
{
    const qint64 archivo = e.agregarArchivo(titular, nombre + QStringLiteral(".pdf"));
    QStringList paginas;
    for (int b = 0; b < blancos; ++b) {
        const qint64 blanco = e.agregarBlanco(archivo, QStringLiteral("%1-%2").arg(nombre).arg(b), cartas && b == 0);
        QStringList nombres;
        for (int p = 1; p <= 4; ++p)
            nombres << QStringLiteral("%1 %2 ñ'%3.png").arg(nombre).arg(b).arg(p);
        e.d().ejecutar(QStringLiteral("UPDATE CPxArchivo SET CPxArchivoNombre1 = ?, CPxArchivoNombre2 = ?,"
                                      " CPxArchivoNombre3 = ?, CPxArchivoNombre4 = ? WHERE CPxArchivoID = ?"),
                       {nombres[0], nombres[1], nombres[2], nombres[3], blanco});
        for (const QString& n : nombres) {
            QFile archivoPagina(QDir(e.carpetaTrabajo()).filePath(n));
            archivoPagina.open(QIODevice::WriteOnly);
            archivoPagina.write("png");
        }
        paginas << nombres;
        if (cartas && b == 0)
            e.agregarCarta(blanco, titular, QStringLiteral("%1-%2").arg(nombre).arg(b));
    }
    return paginas;
}

Datos cargar(EntornoPrueba& e)
{
    Datos datos;
    datos.agro = e.agregarTitular(kAgro, QStringLiteral("30-71234567-1"));
    datos.perez = e.agregarTitular(kPerez, QStringLiteral("20-28456788-9"));
    datos.paginasAgro << agregarLote(e, datos.agro, QStringLiteral("agro1"), 2, true);
    datos.paginasAgro << agregarLote(e, datos.agro, QStringLiteral("agro2"), 3, true);
    datos.paginasPerez << agregarLote(e, datos.perez, QStringLiteral("perez1"), 2, true);
    // A waybill of each holder that no blank of theirs holds.
    e.agregarCarta(-1, datos.agro, QStringLiteral("suelta-agro"));
    e.agregarCarta(-1, datos.perez, QStringLiteral("suelta-perez"));
    return datos;
}

bool existe(EntornoPrueba& e, const QString& pagina)
{
    return QFile::exists(QDir(e.carpetaTrabajo()).filePath(pagina));
}

struct Conteo {
    int titulares, archivos, blancos, cartas;
    bool operator==(const Conteo&) const = default;
};

Conteo contar(EntornoPrueba& e, qint64 titular)
{
    return {e.contar(QStringLiteral("Titulares"), QStringLiteral("TitularID = ?"), {titular}),
            e.contar(QStringLiteral("ArchivosCP"), QStringLiteral("ArchivoCPTitularID = ?"), {titular}),
            e.contar(QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoArchivoCPID IN (SELECT ArchivoCPID FROM"
                                                                  " ArchivosCP WHERE ArchivoCPTitularID = ?)"),
                     {titular}),
            e.contar(QStringLiteral("CP"), QStringLiteral("CPTitularID = ?"), {titular})};
}

} // namespace

class TstTablaTitulares : public QObject {
    Q_OBJECT
private slots:
    void ventana()
    {
        EntornoPrueba e;
        cargar(e);
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        QVERIFY(principal.FormShow());
        auto v = crearVentanaTitulares(principal, nullptr);
        QCOMPARE(v->windowTitle(), QStringLiteral("Tabla"));
        QCOMPARE(v->size(), QSize(872, 361));
        QCOMPARE(v->Button2->text(), QStringLiteral("Eliminar"));
        QCOMPARE(v->butEditarAdicionales->text(), QStringLiteral("Editar datos adicionales"));
        QStringList titulos, bandas;
        QList<int> anchos;
        for (int i = 0; i < v->grilla()->modelo()->columnCount(); ++i) {
            titulos << v->grilla()->modelo()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
            bandas << v->grilla()->modelo()->headerData(i, Qt::Horizontal, ModeloGrilla::RolBanda).toString();
            anchos << v->SMDBGrid1->columnWidth(i);
        }
        QCOMPARE(titulos, (QStringList{"Nombre", "CUIT", "Domicilio Real", "Localidad", "Domicilio Legal", "Localidad",
                                       "Teléfono"}));
        QCOMPARE(bandas, (QStringList{"Titular", "Titular", "Datos adicionales", "Datos adicionales",
                                      "Datos adicionales", "Datos adicionales", "Datos adicionales"}));
        QCOMPARE(anchos, (QList<int>{255, 105, 200, 72, 200, 72, 120}));
        QCOMPARE(e.d().qmyTabla.filas(), 2);
        QCOMPARE(e.d().qmyTabla.valor(0, QStringLiteral("Nombre")).toString(), kAgro);
    }

    // The delete removes exactly the holder's batches, blanks, page files and waybills,
    // then the main window's lists no longer show the holder.
    void eliminar()
    {
        EntornoPrueba e;
        const Datos datos = cargar(e);
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        QVERIFY(principal.FormShow());
        QCOMPARE(principal.cmbTitulares->currentText(), kAgro);
        const Conteo perezAntes = contar(e, datos.perez);
        QCOMPARE(perezAntes, (Conteo{1, 1, 2, 2}));
        QCOMPARE(contar(e, datos.agro), (Conteo{1, 2, 5, 3}));
        auto v = crearVentanaTitulares(principal, nullptr);

        v->grilla()->seleccionarPorValor(QStringLiteral("TitularID"), datos.agro);
        prompts.respuestas << false;
        v->Button2Click();
        QCOMPARE(contar(e, datos.agro), (Conteo{1, 2, 5, 3}));

        v->grilla()->seleccionarPorValor(QStringLiteral("TitularID"), datos.agro);
        prompts.respuestas << true;
        v->Button2Click();
        QCOMPARE(prompts.registros.size(), 2);
        for (const auto& r : prompts.registros) {
            QCOMPARE(r.titulo, QStringLiteral("Atención"));
            QCOMPARE(r.icono, Prompts::Icono::Advertencia);
            QCOMPARE(r.texto, QStringLiteral("¿Confirma la eliminación del titular seleccionado? Esta operación no se puede deshacer"));
        }
        QCOMPARE(contar(e, datos.agro), (Conteo{0, 0, 0, 0}));
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo")), 2);
        QCOMPARE(e.contar(QStringLiteral("CP")), 2);
        QCOMPARE(contar(e, datos.perez), perezAntes);
        for (const QString& p : datos.paginasAgro)
            QVERIFY2(!existe(e, p), qPrintable(p));
        for (const QString& p : datos.paginasPerez)
            QVERIFY2(existe(e, p), qPrintable(p));
        QCOMPARE(e.d().qmyTabla.filas(), 1);
        QCOMPARE(e.d().qmyTabla.valor(0, QStringLiteral("Nombre")).toString(), kPerez);
        QStringList items;
        for (int i = 0; i < principal.cmbTitulares->count(); ++i)
            items << principal.cmbTitulares->itemText(i);
        QCOMPARE(items, (QStringList{"Todos", kPerez}));
        QCOMPARE(principal.TitularActual, datos.perez);
        QCOMPARE(e.d().qmyArchivosCP.filas(), 1);
    }

    // A failure in the middle leaves every row and every page file where it was.
    void eliminar_fallaSinTocarNada()
    {
        EntornoPrueba e;
        const Datos datos = cargar(e);
        e.d().ejecutar(QStringLiteral("CREATE TRIGGER prueba_falla BEFORE DELETE ON Titulares"
                                      " BEGIN SELECT RAISE(ABORT, 'falla de prueba'); END"));
        QVERIFY_THROWS_EXCEPTION(TolvaError, TablasMaestras::eliminarTitular(e.d(), datos.agro, e.carpetaTrabajo()));
        QCOMPARE(contar(e, datos.agro), (Conteo{1, 2, 5, 3}));
        QCOMPARE(contar(e, datos.perez), (Conteo{1, 1, 2, 2}));
        for (const QString& p : datos.paginasAgro)
            QVERIFY2(existe(e, p), qPrintable(p));
    }

    // A holder without batches or waybills: only its row goes. One already deleted
    // elsewhere: the user is told and nothing else is touched.
    void eliminar_sinLotesYYaEliminado()
    {
        EntornoPrueba e;
        const Datos datos = cargar(e);
        const qint64 solo = e.agregarTitular(QStringLiteral("AAA Solo"), QStringLiteral("20-12345678-6"));
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        QVERIFY(principal.FormShow());
        auto v = crearVentanaTitulares(principal, nullptr);
        v->grilla()->seleccionarPorValor(QStringLiteral("TitularID"), solo);
        prompts.respuestas << true;
        v->Button2Click();
        QCOMPARE(e.contar(QStringLiteral("Titulares")), 2);
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP")), 3);
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo")), 7);
        QCOMPARE(e.contar(QStringLiteral("CP")), 5);

        v->grilla()->seleccionarPorValor(QStringLiteral("TitularID"), datos.perez);
        e.d().ejecutar(QStringLiteral("DELETE FROM Titulares WHERE TitularID = ?"), {datos.perez});
        prompts.respuestas << true;
        v->Button2Click();
        QCOMPARE(prompts.ultimoTexto(), TablasMaestras::kRegistroInexistente);
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP")), 3);
        QCOMPARE(e.d().qmyTabla.filas(), 1);
    }

    // The additional data: texts as typed, a locality left on the empty entry keeps
    // the stored one, a locality added from the real list shows in the legal list too.
    void editarAdicionales()
    {
        EntornoPrueba e;
        const Datos datos = cargar(e);
        Td& d = e.d();
        const auto prov = [&](const QString& n) {
            return d.valorUnico(QStringLiteral("SELECT ProvinciaID FROM Provincias WHERE ProvinciaNombre = ?"), {n})
                .toLongLong();
        };
        const qint64 pergamino = Localidades::agregar(d, QStringLiteral("Pergamino"), prov(QStringLiteral("BUENOS AIRES")));
        const qint64 parana = Localidades::agregar(d, QStringLiteral("Paraná"), prov(QStringLiteral("ENTRE RIOS")));
        d.ejecutar(QStringLiteral("UPDATE Titulares SET TitularDomicilioReal = 'Real 1', TitularDomicilioRealLocalidadID = ?,"
                                  " TitularDomicilioLegal = 'Legal 1', TitularDomicilioLegalLocalidadID = ?,"
                                  " TitularTelefono = '111' WHERE TitularID = ?"),
                   {pergamino, parana, datos.agro});
        PromptsGuion prompts;
        TFMain principal(e.d(), prompts);
        QVERIFY(principal.FormShow());
        auto v = crearVentanaTitulares(principal, nullptr);
        v->grilla()->seleccionarPorValor(QStringLiteral("TitularID"), datos.agro);
        QCOMPARE(d.qmyTabla.valor(0, QStringLiteral("LocalidadDR")).toString(), QStringLiteral("Pergamino"));

        const QString real = QStringLiteral(" Ruta \"5\"; km 2'5 ");
        const QString legal = QStringLiteral("Calle Ñandú 10 ");
        const QString telefono = QStringLiteral(" (0341) 4-555;\"x\" ");
        auto visto = alAbrirse<TFEditarAdicionalesTitulares>([&](TFEditarAdicionalesTitulares* dlg) {
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Editar datos adicionales"));
            QCOMPARE(dlg->size(), QSize(446, 266));
            QCOMPARE(dlg->lblRazonSocial->text(), kAgro);
            QCOMPARE(dlg->edtDomicilioReal->text(), QStringLiteral("Real 1"));
            QCOMPARE(dlg->cmbLocalidad->currentText(), QStringLiteral("Pergamino"));
            QCOMPARE(dlg->edtProvincia->text(), QStringLiteral("BUENOS AIRES"));
            QCOMPARE(dlg->cmbLocalidadDL->currentText(), QStringLiteral("Paraná"));
            QCOMPARE(dlg->edtProvinciaDL->text(), QStringLiteral("ENTRE RIOS"));
            QCOMPARE(dlg->edtTelefono->text(), QStringLiteral("111"));
            QCOMPARE(dlg->edtTelefono->maxLength(), 29);
            // A new locality from the real-address list.
            auto nueva = alAbrirse<TFAgregaLocalidad>([](TFAgregaLocalidad* loc) {
                loc->edtNombre->setText(QStringLiteral(" Villa Ángela "));
                loc->cmbProvincia->setCurrentIndex(loc->cmbProvincia->findText(QStringLiteral("CHACO")));
                loc->butAceptarClick();
            });
            dlg->cmbLocalidad->setCurrentIndex(dlg->cmbLocalidad->findText(kAgregar));
            QVERIFY(*nueva);
            QCOMPARE(dlg->cmbLocalidad->currentText(), QStringLiteral("Villa Ángela"));
            QCOMPARE(dlg->edtProvincia->text(), QStringLiteral("CHACO"));
            QVERIFY(dlg->cmbLocalidadDL->findText(QStringLiteral("Villa Ángela")) > 0);
            QCOMPARE(dlg->cmbLocalidadDL->currentText(), QStringLiteral("Paraná"));
            // The legal list left on its empty entry.
            dlg->cmbLocalidadDL->setCurrentIndex(0);
            QCOMPARE(dlg->edtProvinciaDL->text(), QString());
            dlg->edtDomicilioReal->setText(real);
            dlg->edtDomicilioLegal->setText(legal);
            dlg->edtTelefono->setText(telefono);
            dlg->accept();
        });
        prompts.respuestas << true;
        v->butEditarAdicionalesClick();
        QVERIFY(*visto);
        QCOMPARE(prompts.textos(), QStringList{QStringLiteral("¿Confirma los datos ingresados?")});
        QCOMPARE(prompts.registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(prompts.registros.at(0).icono, Prompts::Icono::Pregunta);
        const qint64 villa = d.valorUnico(QStringLiteral("SELECT LocalidadID FROM Localidades WHERE LocalidadNombre = ?"),
                                          {QStringLiteral("Villa Ángela")}).toLongLong();
        QVERIFY(villa > 0);
        const auto col = [&](const QString& c) {
            return d.valorUnico(QStringLiteral("SELECT %1 FROM Titulares WHERE TitularID = ?").arg(c), {datos.agro});
        };
        QCOMPARE(col(QStringLiteral("TitularDomicilioReal")).toString(), real);
        QCOMPARE(col(QStringLiteral("TitularDomicilioRealLocalidadID")).toLongLong(), villa);
        QCOMPARE(col(QStringLiteral("TitularDomicilioLegal")).toString(), legal);
        QCOMPARE(col(QStringLiteral("TitularDomicilioLegalLocalidadID")).toLongLong(), parana);
        QCOMPARE(col(QStringLiteral("TitularTelefono")).toString(), telefono);
        QCOMPARE(d.valorUnico(QStringLiteral("SELECT TitularDomicilioReal FROM Titulares WHERE TitularID = ?"),
                              {datos.perez}).toString(), QString());
        v->grilla()->seleccionarPorValor(QStringLiteral("TitularID"), datos.agro);
        QCOMPARE(d.qmyTabla.valor(v->grilla()->filaActual(), QStringLiteral("LocalidadDR")).toString(),
                 QStringLiteral("Villa Ángela"));
    }
};

QTEST_MAIN(TstTablaTitulares)
#include "tst_tablatitulares.moc"
