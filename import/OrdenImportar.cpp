#include "app/Cli.h"

#include "app/ListaArchivos.h"
#include "app/PromptsConsola.h"
#include "data/Estado.h"
#include "data/datamodule.h"
#include "import/ImportarCP.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The holder filter of the command line: --titular, or the one stored in the settings row.
class VistaConsola : public VistaImportar {
public:
    VistaConsola(Td& d, QTextStream& out, const QString& titular) : d_(d), out_(out), filtro_(titular)
    {
        actual_ = (filtro_.isEmpty() || filtro_ == ListaArchivos::kTodos) ? -1
                                                                           : ListaArchivos::titularPorNombre(d_, filtro_);
        // The filter shows the holder's name as stored, however it was typed: the
        // other-holder question compares it with the name of the file's holder.
        if (actual_ > 0)
            filtro_ = d_.valorUnico(QStringLiteral("SELECT TitularNombre FROM Titulares WHERE TitularID = ?"), {actual_})
                          .toString();
    }

    qint64 titularActual() override { return actual_; }
    QString filtroTitular() override { return filtro_; }
    void seleccionarTitular(const QString& nombre) override
    {
        filtro_ = nombre;
        actual_ = ListaArchivos::titularPorNombre(d_, nombre);
        out_ << QStringLiteral("Titular: %1").arg(nombre) << Qt::endl;
    }
    void estado(const QString& texto) override
    {
        if (!texto.isEmpty())
            out_ << texto << Qt::endl;
    }

private:
    Td& d_;
    QTextStream& out_;
    QString filtro_;
    qint64 actual_ = -1;
};

int importar(ContextoCli& c, const QCommandLineParser& p)
{
    QStringList archivos;
    for (const QString& archivo : p.positionalArguments())
        archivos << QFileInfo(archivo).absoluteFilePath();
    if (archivos.isEmpty()) {
        c.err << QStringLiteral("Indique los archivos PDF de Cartas de Porte a importar.") << Qt::endl;
        return 1;
    }
    if (!c.conectar())
        return 1;
    const QString titular =
        p.isSet(QStringLiteral("titular")) ? p.value(QStringLiteral("titular")) : Estado::leer(c.d).titular;
    VistaConsola vista(c.d, c.out, titular);
    ImportarCP importacion(c.d, c.prompts, vista, c.carpetaDatos);
    if (!importacion.verificarTitular())
        return 1;
    if (vista.titularActual() == 0) {
        c.err << QStringLiteral("No hay un titular registrado con el nombre \"%1\".").arg(titular) << Qt::endl;
        return 1;
    }
    const bool siOtro = p.isSet(QStringLiteral("si-otro-titular"));
    const bool siDuplicado = p.isSet(QStringLiteral("si-duplicado"));
    c.prompts.setRespuesta([siOtro, siDuplicado](const QString&, const QString& texto) {
        if (texto == kImportarOtroTitular)
            return siOtro;
        if (texto == kImportarDuplicado)
            return siDuplicado;
        return false;
    });
    // The confirmation of the window is the order itself.
    return importacion.importar(archivos) ? 0 : 1;
}

} // namespace

QVector<OrdenCli> ordenesImportar()
{
    return {
        {QStringLiteral("importar"), QStringLiteral("[--titular NOMBRE] [--si-otro-titular] [--si-duplicado] ARCHIVO.pdf…"),
         QStringLiteral("Importa archivos PDF de Cartas de Porte del titular elegido."),
         [](QCommandLineParser& p) {
             p.addOption({QStringLiteral("titular"),
                          QStringLiteral("Titular actual (por omisión, el último elegido en la ventana principal)."),
                          QStringLiteral("NOMBRE")});
             p.addOption({QStringLiteral("si-otro-titular"),
                          QStringLiteral("Importa también los archivos de otro titular registrado.")});
             p.addOption({QStringLiteral("si-duplicado"),
                          QStringLiteral("Importa también los archivos ya importados, como un archivo nuevo.")});
             p.addPositionalArgument(QStringLiteral("archivos"), QStringLiteral("Archivos PDF a importar."),
                                     QStringLiteral("ARCHIVO.pdf…"));
         },
         importar},
    };
}
