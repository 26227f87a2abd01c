#include "../masterdata/AlAbrirse.h"
#include "data/CargaCombo.h"
#include "data/Cuit.h"
#include "data/datamodule.h"
#include "editor/UAgregaDireccion.h"
#include "editor/UAgregaItem.h"
#include "editor/UAgregaLocallidad.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
qint64 provincia(Td& d, const QString& nombre)
{
    return d.valorUnico(QStringLiteral("SELECT ProvinciaID FROM Provincias WHERE ProvinciaNombre = ?"), {nombre})
        .toLongLong();
}
} // namespace

class TstAgregar : public QObject {
    Q_OBJECT
private slots:
    // The name dialog: the CUIT typed digit by digit gets its hyphens; "Aceptar" closes
    // only with a valid CUIT, "Sin CUIT" ticked, or the CUIT hidden.
    void agregaItem_cierre_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("sinCUIT");
        QTest::addColumn<bool>("oculto");
        QTest::addColumn<QString>("cuit");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("válido") << "20123456786" << false << false << "20-12345678-6" << "";
        QTest::newRow("dígito equivocado") << "20123456785" << false << false << "20-12345678-5"
                                           << "El dígito verificador es incorrecto";
        QTest::newRow("corto") << "2012345" << false << false << "20-12345" << "El CUIT es incorrecto, debe tener 11 dígitos";
        QTest::newRow("vacío") << "" << false << false << "" << "El CUIT es incorrecto, debe tener 11 dígitos";
        QTest::newRow("sin CUIT") << "20123" << true << false << "" << "";
        QTest::newRow("CUIT oculto") << "" << false << true << "" << "";
    }
    void agregaItem_cierre()
    {
        QFETCH(QString, tecleado);
        QFETCH(bool, sinCUIT);
        QFETCH(bool, oculto);
        QFETCH(QString, cuit);
        QFETCH(QString, mensaje);
        PromptsGuion prompts;
        TFAgregaItem dlg(prompts);
        QVERIFY(dlg.edtCamion->isHidden() && dlg.edtAcoplado->isHidden());
        QVERIFY(!dlg.chkSinCUIT->isChecked());
        dlg.edtNombre->setText(QStringLiteral("Juan \"el\" O'Neil;"));
        QTest::keyClicks(dlg.edtCUIT, tecleado);
        if (sinCUIT) {
            dlg.chkSinCUIT->setChecked(true);
            QVERIFY(!dlg.edtCUIT->isEnabled());
        }
        dlg.mostrarCUIT(!oculto);
        QCOMPARE(dlg.edtCUIT->text(), cuit);
        dlg.butAceptarClick();
        QCOMPARE(dlg.result() == QDialog::Accepted, mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            QVERIFY(prompts.registros.isEmpty());
        } else {
            QCOMPARE(prompts.textos(), QStringList{mensaje});
            QCOMPARE(prompts.registros.at(0).titulo, QStringLiteral("Error"));
            QCOMPARE(prompts.registros.at(0).icono, Prompts::Icono::Error);
        }
    }

    void agregaItem_sinCUITVaciaYVuelve()
    {
        PromptsGuion prompts;
        TFAgregaItem dlg(prompts);
        dlg.edtCUIT->setText(QStringLiteral("20-12345678-6"));
        dlg.chkSinCUIT->click();
        QVERIFY(dlg.chkSinCUIT->isChecked());
        QVERIFY(dlg.edtCUIT->text().isEmpty());
        QVERIFY(!dlg.edtCUIT->isEnabled());
        dlg.chkSinCUIT->click();
        QVERIFY(dlg.edtCUIT->isEnabled());
    }

    // Truck and trailer: upper case, six characters at most, with their hint.
    void agregaItem_patentes()
    {
        PromptsGuion prompts;
        TFAgregaItem dlg(prompts);
        dlg.mostrarCamion(true);
        QVERIFY(!dlg.edtCamion->isHidden() && !dlg.lblAcoplado->isHidden());
        QTest::keyClicks(dlg.edtCamion, QStringLiteral("abc1234"));
        QCOMPARE(dlg.edtCamion->text(), QStringLiteral("ABC123"));
        QTest::keyClicks(dlg.edtAcoplado, QStringLiteral("zz9"));
        QCOMPARE(dlg.edtAcoplado->text(), QStringLiteral("ZZ9"));
        QCOMPARE(dlg.edtCamion->toolTip(),
                 QStringLiteral("Camión y Acoplado  son datos opcionales.\nSi se completan, al generar una carta de porte\n"
                                "se incluirán estos datos en el formulario, con\nla posibilidad de modificarlos."));
        QCOMPARE(dlg.edtAcoplado->toolTip(), dlg.edtCamion->toolTip());
    }

    // The locality dialog: a preset province name is selected and becomes its key;
    // "Aceptar" without a province is refused.
    void agregaLocalidad_provincia_data()
    {
        QTest::addColumn<QString>("preseleccion");
        QTest::addColumn<QString>("elegida");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("preseleccionada") << "SANTA FE" << "" << "";
        QTest::newRow("elegida") << "lblProvinciaID" << "TIERRA DEL FUEGO" << "";
        QTest::newRow("ninguna") << "lblProvinciaID" << "" << "Por favor, seleccione la provincia";
        QTest::newRow("vuelta a la vacía") << "CORDOBA" << "-" << "Por favor, seleccione la provincia";
    }
    void agregaLocalidad_provincia()
    {
        QFETCH(QString, preseleccion);
        QFETCH(QString, elegida);
        QFETCH(QString, mensaje);
        EntornoPrueba e;
        PromptsGuion prompts;
        TFAgregaLocalidad dlg(e.d(), prompts);
        QCOMPARE(dlg.lblProvinciaID->text(), QStringLiteral("lblProvinciaID"));
        QVERIFY(dlg.lblProvinciaID->isHidden());
        dlg.lblProvinciaID->setText(preseleccion);
        dlg.FormShow();
        QCOMPARE(dlg.cmbProvincia->count(), 24 + 2);
        QCOMPARE(dlg.cmbProvincia->itemText(1), QStringLiteral("BUENOS AIRES"));
        if (preseleccion != QStringLiteral("lblProvinciaID")) {
            QCOMPARE(dlg.cmbProvincia->currentText(), preseleccion);
            QCOMPARE(dlg.lblProvinciaID->text(), QString::number(provincia(e.d(), preseleccion)));
        }
        if (elegida == QStringLiteral("-"))
            dlg.cmbProvincia->setCurrentIndex(0);
        else if (!elegida.isEmpty())
            dlg.cmbProvincia->setCurrentIndex(dlg.cmbProvincia->findText(elegida));
        dlg.edtNombre->setText(QStringLiteral("Ushuaia"));
        dlg.butAceptarClick();
        QCOMPARE(dlg.result() == QDialog::Accepted, mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            const QString esperada = elegida.isEmpty() ? preseleccion : elegida;
            QCOMPARE(dlg.provinciaID().toLongLong(), provincia(e.d(), esperada));
            QVERIFY(prompts.registros.isEmpty());
        } else {
            QCOMPARE(prompts.textos(), QStringList{mensaje});
            QCOMPARE(prompts.registros.at(0).titulo, QStringLiteral("Atención"));
            QCOMPARE(prompts.registros.at(0).icono, Prompts::Icono::Advertencia);
        }
    }

    // The place dialog refuses a place without a locality.
    void agregaDireccion_sinLocalidad()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        Localidades::agregar(e.d(), QStringLiteral("Rafaela"), provincia(e.d(), QStringLiteral("SANTA FE")));
        TFAgregaDireccion dlg(e.d(), prompts);
        dlg.FormShow();
        QCOMPARE(dlg.cmbLocalidad->count(), 3);
        dlg.edtDireccion->setText(QStringLiteral("Ruta 34 km 5"));
        dlg.butAceptarClick();
        QVERIFY(dlg.result() != QDialog::Accepted);
        QCOMPARE(prompts.textos(), QStringList{QStringLiteral("Por favor, seleccione la localidad")});
        dlg.cmbLocalidad->setCurrentIndex(1);
        dlg.cmbLocalidadCloseUp();
        QCOMPARE(dlg.edtProvincia->text(), QStringLiteral("SANTA FE"));
        dlg.butAceptarClick();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.localidadID().toLongLong(),
                 e.d().valorUnico(QStringLiteral("SELECT LocalidadID FROM Localidades WHERE LocalidadNombre = 'Rafaela'")).toLongLong());
    }

    // "[Agregar...]" in the place dialog stores the locality trimmed and selects it with
    // its province; cancelling leaves the list without selection.
    void agregaDireccion_agregaLocalidad_data()
    {
        QTest::addColumn<bool>("acepta");
        QTest::newRow("acepta") << true;
        QTest::newRow("cancela") << false;
    }
    void agregaDireccion_agregaLocalidad()
    {
        QFETCH(bool, acepta);
        EntornoPrueba e;
        PromptsGuion prompts;
        Localidades::agregar(e.d(), QStringLiteral("Zárate"), provincia(e.d(), QStringLiteral("BUENOS AIRES")));
        TFAgregaDireccion dlg(e.d(), prompts);
        dlg.lblLocalidadID->setText(QStringLiteral("Zárate"));
        dlg.FormShow();
        QCOMPARE(dlg.cmbLocalidad->currentText(), QStringLiteral("Zárate"));
        QString titulo;
        auto visto = alAbrirse<TFAgregaLocalidad>([&](TFAgregaLocalidad* loc) {
            titulo = loc->windowTitle();
            loc->edtNombre->setText(QStringLiteral("  San José \"de\" l'Esquina  "));
            loc->cmbProvincia->setCurrentIndex(loc->cmbProvincia->findText(QStringLiteral("SANTA FE")));
            if (acepta)
                loc->butAceptarClick();
            else
                loc->reject();
        });
        dlg.cmbLocalidad->setCurrentIndex(dlg.cmbLocalidad->findText(kAgregar));
        dlg.cmbLocalidadCloseUp();
        QVERIFY(*visto);
        QCOMPARE(titulo, QStringLiteral("Agregar Localidad"));
        if (acepta) {
            const QString nombre = QStringLiteral("San José \"de\" l'Esquina");
            const qint64 id = e.d().valorUnico(QStringLiteral("SELECT LocalidadID FROM Localidades WHERE LocalidadNombre = ?"),
                                               {nombre}).toLongLong();
            QVERIFY(id > 0);
            QCOMPARE(dlg.cmbLocalidad->currentText(), nombre);
            QCOMPARE(dlg.lblLocalidadID->text(), QString::number(id));
            QCOMPARE(dlg.edtProvincia->text(), QStringLiteral("SANTA FE"));
            QCOMPARE(dlg.cmbLocalidad->count(), 4);
        } else {
            QCOMPARE(dlg.cmbLocalidad->currentIndex(), -1);
            QCOMPARE(dlg.edtProvincia->text(), QString());
            QCOMPARE(dlg.lblLocalidadID->text(), QString());
            QCOMPARE(e.contar(QStringLiteral("Localidades")), 1);
        }
    }

    // The three dialogs keep their fixed client sizes, with the truck shown too.
    void tamanos()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFAgregaItem item(prompts);
        item.mostrarCamion(true);
        item.show();
        QCOMPARE(item.size(), QSize(416, 143));
        QCOMPARE(item.minimumSize(), item.maximumSize());
        TFAgregaDireccion direccion(e.d(), prompts);
        direccion.show();
        QCOMPARE(direccion.size(), QSize(434, 178));
        QCOMPARE(direccion.minimumSize(), direccion.maximumSize());
        TFAgregaLocalidad localidad(e.d(), prompts);
        localidad.show();
        QCOMPARE(localidad.size(), QSize(430, 156));
        QCOMPARE(localidad.minimumSize(), localidad.maximumSize());
    }

    // Enter does not break the address into lines.
    void agregaDireccion_sinSaltos()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFAgregaDireccion dlg(e.d(), prompts);
        QTest::keyClicks(dlg.edtDireccion, QStringLiteral("Ruta 8"));
        QTest::keyClick(dlg.edtDireccion, Qt::Key_Return);
        QTest::keyClicks(dlg.edtDireccion, QStringLiteral(" km 3"));
        QCOMPARE(dlg.edtDireccion->text(), QStringLiteral("Ruta 8 km 3"));
        dlg.mostrarEstablecimiento(false);
        QVERIFY(dlg.edtEstablecimiento->isHidden() && dlg.lblEstablecimiento->isHidden());
        QCOMPARE(dlg.edtEstablecimiento->maxLength(), 29);
    }
};

QTEST_MAIN(TstAgregar)
#include "tst_agregar.moc"
